#include "param_files/parameter_file_format.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace param_files {

namespace {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The item as the operator would recognise it, short and printable, or nothing.
std::string quoted(std::string_view item) {
    constexpr std::size_t Shown = 20;
    const bool printable = std::all_of(item.begin(), item.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F;
    });
    if (!printable) return ".";
    return ": \"" + std::string(item.substr(0, Shown)) + (item.size() > Shown ? "...\"." : "\".");
}

// The value of line `line`, or why it has none.
std::string parseItem(std::string_view item, std::size_t line, std::int32_t& value) {
    const std::string name = "Line " + std::to_string(line);
    item = trimBlanks(item);
    if (item.empty()) return name + " is empty.";
    const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
    if (error == std::errc::result_out_of_range && end == item.data() + item.size())
        return name + " is outside 32 bits" + quoted(item);
    if (error != std::errc() || end != item.data() + item.size())
        return name + " is not a whole decimal number" + quoted(item);
    return {};
}

bool startsWithByteOrderMark(std::string_view text) {
    static constexpr std::array<std::string_view, 3> Marks = {"\xEF\xBB\xBF", "\xFF\xFE",
                                                              "\xFE\xFF"};
    return std::any_of(Marks.begin(), Marks.end(),
                       [&](std::string_view mark) { return text.starts_with(mark); });
}

}  // namespace

std::string FormatParameterFile(const unit_parameters::UnitParameters& record) {
    std::string text;
    for (const std::int32_t value : record) text += std::to_string(value) + "\r\n";
    return text;
}

RecordRead ParseParameterFile(std::string_view text) {
    if (startsWithByteOrderMark(text))
        return {std::nullopt,
                "It starts with a byte-order mark; a parameter file is plain ASCII text."};
    unit_parameters::UnitParameters record{};
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (text.empty())
            return {std::nullopt, "It holds " + std::to_string(i) + (i == 1 ? " line" : " lines") +
                                      " where " + std::to_string(record.size()) + " are needed."};
        const auto lineEnd = text.find('\n');
        std::string_view item = text.substr(0, lineEnd);
        if (!item.empty() && item.back() == '\r') item.remove_suffix(1);
        std::string reason = parseItem(item, i + 1, record[i]);
        if (!reason.empty()) return {std::nullopt, std::move(reason)};
        text = lineEnd == std::string_view::npos ? std::string_view{} : text.substr(lineEnd + 1);
    }
    return {record, {}};
}

}  // namespace param_files
