#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dialogs {

// The 16-bit serial settings code `ComPort`:
//   bits 0-1 baud (0: 4800, 1: 9600, 2: 19200), bits 2-3 reserved (0),
//   bits 4-5 parity (0: none, 1: even, 2: odd), bit 6 eight data bits, bit 7 two stop bits,
//   bits 8-15 port index (0..15 for COM1..COM16).
inline constexpr std::int16_t kDefaultComPort = 81;  // COM1, 9600,e,8,1
inline constexpr int kPortCount = 16;

// The settings dialog's selections, as indices into its option groups and port list.
struct ComPortChoice {
    int portIndex = 0;  // cmbPortNo entry: COM1..COM16
    int stopBit = 0;    // optStopBit: 0 "1Bit", 1 "2Bit"
    int dataWidth = 0;  // optDataWidth: 0 "7Bit", 1 "8Bit"
    int parity = 0;     // optParity: 0 "Non", 1 "Even", 2 "Odd"
    int baudRate = 0;   // optBaudRate: 0 "4800", 1 "9600", 2 "19200"

    bool operator==(const ComPortChoice&) const = default;
};

// floor(code / 256) + 1.
int PortNumberOf(std::int16_t code);

// The line settings text handed to the serial port, e.g. "9600,e,8,1".
std::string LineSettingsOf(std::int16_t code);

// What the dialog selects when it opens on `code`.
ComPortChoice ChoiceFromCode(std::int16_t code);

// The code that OK builds from the dialog's selections.
std::int16_t CodeFromChoice(const ComPortChoice& choice);

// Whether the dialog could have produced `code`: port index 0..15, reserved bits clear,
// neither two-bit field holding 3.
bool IsDialogCode(int code);

// A stored "ComPort" value: decimal text (blanks around allowed) of a code the dialog can
// produce; anything else yields no code.
std::optional<std::int16_t> ParseStoredComPort(std::string_view text);

// The port box's text "COMn" (n 1..16, any case, blanks around) as a port index 0..15.
std::optional<int> ParsePortName(std::string_view text);

// "COM" followed by the port number, e.g. "COM1" for index 0.
std::string PortName(int portIndex);

}  // namespace dialogs
