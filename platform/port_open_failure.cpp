#include "platform/port_open_failure.h"

namespace platform {

namespace {

const char* SettingName(LineSetting setting) {
    switch (setting) {
        case LineSetting::BaudRate:
            return "baud rate";
        case LineSetting::DataBits:
            return "data bits";
        case LineSetting::Parity:
            return "parity";
        case LineSetting::StopBits:
            return "stop bits";
        case LineSetting::FlowControl:
            return "flow control";
    }
    return "";
}

// A value of RFC 2217's SET-PARITY, SET-STOPSIZE and SET-CONTROL as the operator knows it.
std::string SettingValue(LineSetting setting, std::uint32_t value) {
    const char* const parities[] = {"none", "odd", "even", "mark", "space"};
    const char* const stops[] = {"1", "2", "1.5"};
    const char* const flows[] = {"none", "XON/XOFF", "hardware"};
    const auto named = [value](const auto& names) -> std::string {
        if (value >= 1 && value <= std::size(names)) return names[value - 1];
        return "value " + std::to_string(value);
    };
    switch (setting) {
        case LineSetting::Parity:
            return named(parities);
        case LineSetting::StopBits:
            return named(stops);
        case LineSetting::FlowControl:
            return named(flows);
        case LineSetting::BaudRate:
        case LineSetting::DataBits:
            break;
    }
    return std::to_string(value);
}

std::string Reason(const PortOpenFailure& failure) {
    const std::string limit = std::to_string(NetworkAnswerLimit.count()) + " s";
    const std::string setting = SettingName(failure.setting);
    switch (failure.fault) {
        case PortOpenFault::NoSuchDevice:
            return "no such device.";
        case PortOpenFault::PermissionDenied:
            return "permission denied.\n"
                   "Serial devices belong to the group dialout: join it "
                   "(sudo usermod -aG dialout $USER), then log in again.";
        case PortOpenFault::Busy:
            return "the device is busy; another program is using it.";
        case PortOpenFault::ConnectionRefused:
            return "connection refused.";
        case PortOpenFault::HostNotFound:
            return "host not found.";
        case PortOpenFault::NoAnswer:
            return "no answer in " + limit + ".";
        case PortOpenFault::ServerClosed:
            return "the device server closed the connection.";
        case PortOpenFault::OptionRefused:
            return "the device server refused the COM port option (RFC 2217).";
        case PortOpenFault::OptionUnanswered:
            return "the device server did not take up the COM port option (RFC 2217) in " + limit +
                   ".";
        case PortOpenFault::BinaryRefused:
            return "the device server did not agree to binary transmission.";
        case PortOpenFault::SettingKept:
            return "the device server kept " + setting + " " +
                   SettingValue(failure.setting, failure.kept) + "; " +
                   SettingValue(failure.setting, failure.asked) + " was asked.";
        case PortOpenFault::SettingUnanswered:
            return "the device server did not answer the " + setting + " setting in " + limit + ".";
        case PortOpenFault::Other:
            break;
    }
    return failure.systemText;
}

}  // namespace

std::string PortOpensText(int number, const std::string& name) {
    return "COM" + std::to_string(number) + " opens " + name;
}

std::string PortOpenFailureText(int number, const std::string& name,
                                const PortOpenFailure& failure) {
    return PortOpensText(number, name) + ": " + Reason(failure);
}

}  // namespace platform
