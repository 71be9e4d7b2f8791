#include "dialogs/com_port_code.h"

#include "unit_parameters/number_text.h"

namespace dialogs {

namespace {

constexpr int kBaudBits = 0x03;
constexpr int kReservedBits = 0x0C;
constexpr int kParityShift = 4;
constexpr int kParityBits = 0x30;
constexpr int kEightDataBits = 0x40;
constexpr int kTwoStopBits = 0x80;
constexpr int kPortShift = 8;

}  // namespace

int PortNumberOf(std::int16_t code) {
    return (code >> kPortShift) + 1;
}

std::string LineSettingsOf(std::int16_t code) {
    const char* baud = (code & 0x01) ? "9600" : (code & 0x02) ? "19200" : "4800";
    const char* parity = (code & 0x10) ? "e" : (code & 0x20) ? "o" : "n";
    const char* dataBits = (code & kEightDataBits) ? "8" : "7";
    const char* stopBits = (code & kTwoStopBits) ? "2" : "1";
    return std::string(baud) + ',' + parity + ',' + dataBits + ',' + stopBits;
}

ComPortChoice ChoiceFromCode(std::int16_t code) {
    return ComPortChoice{.portIndex = code >> kPortShift,
                         .stopBit = (code & kTwoStopBits) ? 1 : 0,
                         .dataWidth = (code & kEightDataBits) ? 1 : 0,
                         .parity = (code >> kParityShift) & 3,
                         .baudRate = code & kBaudBits};
}

std::int16_t CodeFromChoice(const ComPortChoice& choice) {
    int code = choice.portIndex << kPortShift;
    if (choice.baudRate == 1) {
        code |= 0x01;
    } else if (choice.baudRate == 2) {
        code |= 0x02;
    }
    if (choice.parity == 1) {
        code |= 0x10;
    } else if (choice.parity == 2) {
        code |= 0x20;
    }
    if (choice.dataWidth == 1) code |= kEightDataBits;
    if (choice.stopBit == 1) code |= kTwoStopBits;
    return static_cast<std::int16_t>(code);
}

bool IsDialogCode(int code) {
    return code >= 0 && (code >> kPortShift) < kPortCount && (code & kReservedBits) == 0 &&
           (code & kBaudBits) != kBaudBits && (code & kParityBits) != kParityBits;
}

std::optional<std::int16_t> ParseStoredComPort(std::string_view text) {
    const auto value = unit_parameters::ReadStrictInteger(text);
    if (!value || !IsDialogCode(*value)) return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

std::optional<int> ParsePortName(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    if (text.size() < 4 || text[3] < '0' || text[3] > '9') return std::nullopt;
    for (std::size_t i = 0; i < 3; ++i) {
        if ((text[i] & ~0x20) != "COM"[i]) return std::nullopt;
    }
    // The number reader allows the trailing blanks.
    const auto number = unit_parameters::ReadStrictInteger(text.substr(3));
    if (!number || *number < 1 || *number > kPortCount) return std::nullopt;
    return *number - 1;
}

std::string PortName(int portIndex) {
    return "COM" + std::to_string(portIndex + 1);
}

}  // namespace dialogs
