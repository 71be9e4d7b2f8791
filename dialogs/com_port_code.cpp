#include "dialogs/com_port_code.h"

#include <charconv>

namespace dialogs {

namespace {

constexpr int kBaudBits = 0x03;
constexpr int kReservedBits = 0x0C;
constexpr int kParityShift = 4;
constexpr int kParityBits = 0x30;
constexpr int kEightDataBits = 0x40;
constexpr int kTwoStopBits = 0x80;
constexpr int kPortShift = 8;

std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<int> ParseDecimal(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

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
    const auto value = ParseDecimal(TrimBlanks(text));
    if (!value || !IsDialogCode(*value)) return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

std::optional<int> ParsePortName(std::string_view text) {
    text = TrimBlanks(text);
    if (text.size() < 4) return std::nullopt;
    for (std::size_t i = 0; i < 3; ++i) {
        if ((text[i] & ~0x20) != "COM"[i]) return std::nullopt;
    }
    const auto number = ParseDecimal(text.substr(3));
    if (!number || *number < 1 || *number > kPortCount) return std::nullopt;
    return *number - 1;
}

std::string PortName(int portIndex) {
    return "COM" + std::to_string(portIndex + 1);
}

}  // namespace dialogs
