#include "tools/qm4417ctl/ctl_arguments.h"

#include <charconv>

#include "dialogs/com_port_code.h"
#include "platform/com_port_map.h"
#include "platform/line_settings.h"
#include "tools/qm4417ctl/ctl_command.h"
#include "unit_parameters/number_text.h"

namespace qm4417ctl {

namespace {

std::optional<long long> WholeNumber(std::string_view text, int base) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

constexpr int kMaxRetries = 100;
constexpr double kShortestLimitSeconds = 0.01;
constexpr double kLongestLimitSeconds = 3600;

[[noreturn]] void Bad(std::string_view what, std::string_view text) {
    throw UsageError("bad " + std::string(what) + " '" + std::string(text) + "'");
}

}  // namespace

GlobalOptions ParseGlobalOptions(const std::vector<std::string>& arguments) {
    GlobalOptions options;
    std::size_t i = 0;
    for (; i < arguments.size() && arguments[i].starts_with("--"); ++i) {
        const std::string& option = arguments[i];
        if (option != "--port" && option != "--line" && option != "--timeout" &&
            option != "--retries" && option != "--trace")
            throw UsageError("unknown option '" + option + "'");
        if (i + 1 >= arguments.size()) throw UsageError("missing value after " + option);
        const std::string& value = arguments[++i];
        if (option == "--port") {
            options.port = dialogs::ParsePortName(value) ? value : ParseLineName(value);
        } else if (option == "--timeout") {
            options.limits.read = ParseSeconds(value, "timeout");
        } else if (option == "--retries") {
            options.limits.retries = ParseCount(value, 0, kMaxRetries, "retries");
        } else if (option == "--trace") {
            options.trace = value;
        } else {
            if (!platform::ParseLineSettings(value)) Bad("line settings", value);
            options.line = value;
        }
    }
    if (i == arguments.size()) throw UsageError("missing command");
    options.command.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.end());
    return options;
}

std::int32_t ParseUnitAddress(std::string_view text) {
    const auto value = text.size() <= 6 ? WholeNumber(text, 16) : std::nullopt;
    if (!value || *value < 0) Bad("address", text);
    return static_cast<std::int32_t>(*value);
}

int ParseCount(std::string_view text, int low, int high, std::string_view what) {
    const auto value = WholeNumber(text, 10);
    if (!value || *value < low || *value > high) Bad(what, text);
    return static_cast<int>(*value);
}

std::int32_t ParseWordValue(std::string_view text) {
    const bool hex = text.starts_with("0x") || text.starts_with("0X");
    const auto value = hex ? WholeNumber(text.substr(2), 16) : WholeNumber(text, 10);
    const long long low = hex ? 0 : -32768;
    if (!value || *value < low || *value > 0xFFFF) Bad("value", text);
    return static_cast<std::int32_t>(*value);
}

int ParseComNumber(std::string_view text) {
    const auto index = dialogs::ParsePortName(text);
    if (!index) Bad("port", text);
    return *index + 1;
}

std::chrono::nanoseconds ParseSeconds(std::string_view text, std::string_view what) {
    const auto seconds = unit_parameters::ReadStrictDecimal(text);
    if (!seconds || *seconds < kShortestLimitSeconds || *seconds > kLongestLimitSeconds)
        Bad(what, text);
    return std::chrono::round<std::chrono::nanoseconds>(std::chrono::duration<double>(*seconds));
}

std::string BadPortName(std::string_view name, std::string_view reason) {
    return "bad port name '" + std::string(name) + "': " + std::string(reason);
}

std::string ParseLineName(std::string_view text) {
    if (const auto refused = platform::ComPortMap::refusal(std::string(text)))
        throw UsageError(BadPortName(text, *refused));
    return std::string(text);
}

void ExpectArgumentCount(const std::vector<std::string>& arguments, std::size_t count,
                         std::string_view usage) {
    if (arguments.size() < count)
        throw UsageError("missing argument; usage: " + std::string(usage));
    if (arguments.size() > count)
        throw UsageError("unexpected argument '" + arguments[count] +
                         "'; usage: " + std::string(usage));
}

}  // namespace qm4417ctl
