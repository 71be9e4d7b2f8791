#pragma once

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

}  // namespace platform
