#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <utility>

namespace platform {

// A line setting that an RFC 2217 device server is asked to set.
enum class LineSetting { BaudRate, DataBits, Parity, StopBits, FlowControl };

// Why a COM entry did not open, in the operator's terms: one closed set for serial devices and
// network lines alike.
enum class PortOpenFault {
    NoSuchDevice,
    PermissionDenied,
    Busy,
    ConnectionRefused,  // nothing listens at the address
    HostNotFound,       // the name does not resolve
    NoAnswer,           // the connection was not made in time
    ServerClosed,       // the server ended the connection while the line was set up
    OptionRefused,      // the server refused the COM port option
    OptionUnanswered,   // the server did not take up the COM port option in time
    BinaryRefused,      // the server did not agree to binary transmission
    SettingKept,        // the server answered another value than the one asked
    SettingUnanswered,  // the server did not answer a setting in time
    Other,
};

struct PortOpenFailure {
    PortOpenFailure() = default;
    PortOpenFailure(PortOpenFault fault, std::string systemText = {})
        : fault(fault), systemText(std::move(systemText)) {}
    // SettingKept (with what is in force and what was asked) or SettingUnanswered.
    static PortOpenFailure OfSetting(PortOpenFault fault, LineSetting setting,
                                     std::uint32_t kept = 0, std::uint32_t asked = 0) {
        PortOpenFailure failure(fault);
        failure.setting = setting;
        failure.kept = kept;
        failure.asked = asked;
        return failure;
    }

    PortOpenFault fault = PortOpenFault::Other;
    std::string systemText;  // Other: the system's own words
    // SettingKept and SettingUnanswered: which setting; SettingKept: what is in force and what
    // was asked, in the values of RFC 2217 (parity 1 none, 2 odd, 3 even...).
    LineSetting setting = LineSetting::BaudRate;
    std::uint32_t kept = 0;
    std::uint32_t asked = 0;
};

// How long a device server may take to accept the connection, and then to answer the settings.
inline constexpr std::chrono::seconds NetworkAnswerLimit{3};

// "COM3 opens /dev/ttyS2": the start of every text about what a COM entry opens.
std::string PortOpensText(int number, const std::string& name);

// "COM3 opens /dev/ttyS2: no such device.", "COM1 opens rfc2217://cab7-ds:4001: the device
// server kept parity none; even was asked." and their like; `name` is what COM `number` opened.
std::string PortOpenFailureText(int number, const std::string& name,
                                const PortOpenFailure& failure);

}  // namespace platform
