// ports: the sixteen COM numbers, what each maps to, its kind and whether a device exists;
// ports set COMn DEVICE|URL and ports reset COMn edit the mapping; ports devices lists the
// serial devices present with their stable names.
#include "dialogs/com_port_code.h"
#include "platform/com_port_map.h"
#include "platform/serial_device.h"
#include "platform/serial_device_list.h"
#include "tools/qm4417ctl/commands.h"
#include "tools/qm4417ctl/ctl_arguments.h"

namespace qm4417ctl {

namespace {

// "COM3 /dev/ttyUSB0 device exists (set)", "COM4 rfc2217://cab7-ds:4001 rfc2217 (set)": a
// network line is named without reaching for it.
void ListPorts(const platform::ComPortMap& ports, std::ostream& out) {
    for (int number = 1; number <= dialogs::kPortCount; ++number) {
        const std::string name = ports.device(number);
        const std::string kind = ports.kind(number);
        out << dialogs::PortName(number - 1) << ' ' << name << ' ' << kind;
        if (kind == "device") {
            const bool present = platform::ProbeDevice(name) != platform::DeviceAccess::Missing;
            out << (present ? " exists" : " missing");
        }
        out << (ports.isMapped(number) ? " (set)" : "") << '\n';
    }
}

}  // namespace

int RunPorts(CtlContext& context) {
    platform::ComPortMap ports(context.settings, SettingsApplication);
    const auto& arguments = context.arguments;
    if (arguments.empty()) {
        ListPorts(ports, context.out);
        return Success;
    }
    if (arguments[0] == "set") {
        ExpectArgumentCount(arguments, 3, "ports set COMn DEVICE|URL");
        const int number = ParseComNumber(arguments[1]);
        if (const auto refused = ports.setEntry(number, arguments[2]))
            throw UsageError(BadPortName(arguments[2], *refused));
        return Success;
    }
    if (arguments[0] == "devices") {
        ExpectArgumentCount(arguments, 1, "ports devices");
        for (const auto& device : platform::ListSerialDevices("/"))
            context.out << platform::SerialDeviceLine(device) << '\n';
        return Success;
    }
    if (arguments[0] == "reset") {
        ExpectArgumentCount(arguments, 2, "ports reset COMn");
        ports.reset(ParseComNumber(arguments[1]));
        return Success;
    }
    throw UsageError("unknown ports command '" + arguments[0] + "'");
}

}  // namespace qm4417ctl
