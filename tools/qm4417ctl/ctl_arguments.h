#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "unit_link/transaction.h"

namespace qm4417ctl {

// The options before the command: --port COMn|DEVICE, --line 9600,e,8,1, --timeout SECONDS,
// --retries N and --trace FILE.
struct GlobalOptions {
    std::optional<std::string> port;
    std::optional<std::string> line;
    unit_link::TransactionLimits limits;
    std::optional<std::string> trace;  // the file that gets every byte on the wire
    std::vector<std::string> command;  // the command's name and its arguments
};

// Throws UsageError for an unknown option, a missing value or bad line settings.
GlobalOptions ParseGlobalOptions(const std::vector<std::string>& arguments);

// Argument parsers; each throws UsageError naming `what` and the bad text.
std::int32_t ParseUnitAddress(std::string_view text);  // hexadecimal, 1 to 6 digits
int ParseCount(std::string_view text, int low, int high, std::string_view what);  // decimal
std::int32_t ParseWordValue(std::string_view text);  // decimal -32768..65535, or 0x0..0xFFFF
int ParseComNumber(std::string_view text);           // COM1..COM16
// Decimal seconds, the point a point in every locale ("0.5"), from 0.01 to 3600.
std::chrono::nanoseconds ParseSeconds(std::string_view text, std::string_view what);
// A device path or a network name (tcp://, socket://, rfc2217://HOST:PORT), as given.
std::string ParseLineName(std::string_view text);
// "bad port name 'NAME': REASON"
std::string BadPortName(std::string_view name, std::string_view reason);

// Throws UsageError unless there are exactly `count` arguments.
void ExpectArgumentCount(const std::vector<std::string>& arguments, std::size_t count,
                         std::string_view usage);

}  // namespace qm4417ctl
