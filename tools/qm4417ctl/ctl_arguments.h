#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm4417ctl {

// The options before the command: --port COMn|DEVICE and --line 9600,e,8,1.
struct GlobalOptions {
    std::optional<std::string> port;
    std::optional<std::string> line;
    std::vector<std::string> command;  // the command's name and its arguments
};

// Throws UsageError for an unknown option, a missing value or bad line settings.
GlobalOptions ParseGlobalOptions(const std::vector<std::string>& arguments);

// Argument parsers; each throws UsageError naming `what` and the bad text.
std::int32_t ParseUnitAddress(std::string_view text);  // hexadecimal, 1 to 6 digits
int ParseCount(std::string_view text, int low, int high, std::string_view what);  // decimal
std::int32_t ParseWordValue(std::string_view text);  // decimal -32768..65535, or 0x0..0xFFFF
int ParseComNumber(std::string_view text);           // COM1..COM16

// Throws UsageError unless there are exactly `count` arguments.
void ExpectArgumentCount(const std::vector<std::string>& arguments, std::size_t count,
                         std::string_view usage);

}  // namespace qm4417ctl
