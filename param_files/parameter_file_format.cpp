#include "param_files/parameter_file_format.h"

#include <charconv>

namespace param_files {

namespace {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<std::int32_t> parseItem(std::string_view item) {
    item = trimBlanks(item);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
    if (item.empty() || error != std::errc() || end != item.data() + item.size())
        return std::nullopt;
    return value;
}

}  // namespace

std::string FormatParameterFile(const unit_parameters::UnitParameters& record) {
    std::string text;
    for (const std::int32_t value : record) text += std::to_string(value) + "\r\n";
    return text;
}

std::optional<unit_parameters::UnitParameters> ParseParameterFile(std::string_view text) {
    unit_parameters::UnitParameters record{};
    for (std::int32_t& value : record) {
        if (text.empty()) return std::nullopt;
        const auto lineEnd = text.find('\n');
        std::string_view item = text.substr(0, lineEnd);
        if (!item.empty() && item.back() == '\r') item.remove_suffix(1);
        const auto parsed = parseItem(item);
        if (!parsed) return std::nullopt;
        value = *parsed;
        text = lineEnd == std::string_view::npos ? std::string_view{} : text.substr(lineEnd + 1);
    }
    return record;
}

}  // namespace param_files
