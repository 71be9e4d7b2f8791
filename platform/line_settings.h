#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace platform {

// The line-settings text of a serial port, e.g. "9600,e,8,1".
struct LineSettings {
    int baud = 9600;
    char parity = 'n';  // 'n', 'e' or 'o'
    int dataBits = 8;
    int stopBits = 1;
};

// Nothing when the text is not "baud,parity,data,stop" with baud 4800, 9600 or
// 19200, parity n, e or o (either case), 7 or 8 data bits and 1 or 2 stop bits.
std::optional<LineSettings> ParseLineSettings(const std::string& text);

// How long one byte takes on the line: a start bit, the data bits, a parity bit
// unless parity is n, and the stop bits (11 bits at 8E1).
std::chrono::nanoseconds ByteTime(const LineSettings& line);

}  // namespace platform
