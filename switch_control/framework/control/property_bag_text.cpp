#include <charconv>
#include <cstdio>
#include <optional>

#include "switch_control/framework/control/property_bag.h"

namespace tumbler::framework {

namespace {

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    char escape[5];
                    std::snprintf(escape, sizeof escape, "\\x%02X", byte);
                    out += escape;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

void AppendDouble(std::string& out, double value) {
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

void AppendValue(std::string& out, const Variant& value) {
    switch (value.Type()) {
        case VarType::Short:
        case VarType::Long:
        case VarType::Bool:
            out += std::to_string(value.Integer());
            break;
        case VarType::Double:
            AppendDouble(out, value.AsDouble());
            break;
        case VarType::String:
            AppendQuoted(out, value.AsString());
            break;
        case VarType::Color: {
            char hex[11];
            std::snprintf(hex, sizeof hex, "0x%08X", value.AsColor());
            out += hex;
            break;
        }
        case VarType::Font: {
            const FontDescription& font = value.AsFont();
            AppendQuoted(out, font.family);
            out += ' ';
            AppendDouble(out, font.pointSize);
            for (int field : {font.weight, int{font.italic}, int{font.underline},
                              int{font.strikeOut}, font.charset}) {
                out += ' ' + std::to_string(field);
            }
            break;
        }
        case VarType::Empty:
            break;
    }
}

// Reads the pieces of one line from left to right; every piece is optional on failure.
class LineScanner {
  public:
    explicit LineScanner(std::string_view line) : rest_(line) {}

    void SkipSpaces() {
        while (!rest_.empty() && (rest_.front() == ' ' || rest_.front() == '\t')) {
            rest_.remove_prefix(1);
        }
    }

    bool AtEnd() {
        SkipSpaces();
        return rest_.empty();
    }

    // A run of characters up to a space, '=' or the end.
    std::string_view Word() {
        SkipSpaces();
        std::size_t length = 0;
        while (length < rest_.size() && rest_[length] != ' ' && rest_[length] != '\t' &&
               rest_[length] != '=') {
            ++length;
        }
        const std::string_view word = rest_.substr(0, length);
        rest_.remove_prefix(length);
        return word;
    }

    bool Expect(char c) {
        SkipSpaces();
        if (rest_.empty() || rest_.front() != c) return false;
        rest_.remove_prefix(1);
        return true;
    }

    template <typename T>
    std::optional<T> Integer(T low, T high, int base = 10) {
        const std::string_view word = Word();
        long long value = 0;
        const auto result = std::from_chars(word.data(), word.data() + word.size(), value, base);
        if (word.empty() || result.ec != std::errc() || result.ptr != word.data() + word.size() ||
            value < low || value > high) {
            return std::nullopt;
        }
        return static_cast<T>(value);
    }

    std::optional<double> Double() {
        const std::string_view word = Word();
        double value = 0;
        const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
        if (word.empty() || result.ec != std::errc() || result.ptr != word.data() + word.size()) {
            return std::nullopt;
        }
        return value;
    }

    std::optional<std::string> Quoted() {
        if (!Expect('"')) return std::nullopt;
        std::string text;
        while (!rest_.empty()) {
            const char c = rest_.front();
            rest_.remove_prefix(1);
            if (c == '"') return text;
            if (c != '\\') {
                text += c;
                continue;
            }
            if (rest_.empty()) return std::nullopt;
            const char escaped = rest_.front();
            rest_.remove_prefix(1);
            switch (escaped) {
                case '"':
                case '\\':
                    text += escaped;
                    break;
                case 'n':
                    text += '\n';
                    break;
                case 'r':
                    text += '\r';
                    break;
                case 't':
                    text += '\t';
                    break;
                case 'x': {
                    if (rest_.size() < 2) return std::nullopt;
                    unsigned value = 0;
                    const auto result = std::from_chars(rest_.data(), rest_.data() + 2, value, 16);
                    if (result.ptr != rest_.data() + 2) return std::nullopt;
                    text += static_cast<char>(value);
                    rest_.remove_prefix(2);
                    break;
                }
                default:
                    return std::nullopt;
            }
        }
        return std::nullopt;
    }

  private:
    std::string_view rest_;
};

std::optional<Variant> ParseFont(LineScanner& scan) {
    FontDescription font;
    auto family = scan.Quoted();
    auto size = scan.Double();
    auto weight = scan.Integer<int>(-1000000, 1000000);
    auto italic = scan.Integer<int>(0, 1);
    auto underline = scan.Integer<int>(0, 1);
    auto strikeOut = scan.Integer<int>(0, 1);
    auto charset = scan.Integer<int>(0, 255);
    if (!family || !size || !weight || !italic || !underline || !strikeOut || !charset) {
        return std::nullopt;
    }
    font.family = std::move(*family);
    font.pointSize = *size;
    font.weight = *weight;
    font.italic = *italic != 0;
    font.underline = *underline != 0;
    font.strikeOut = *strikeOut != 0;
    font.charset = *charset;
    return Variant::Font(std::move(font));
}

std::optional<Variant> ParseValue(std::string_view type, LineScanner& scan) {
    constexpr std::int32_t kMin32 = INT32_MIN;
    constexpr std::int32_t kMax32 = INT32_MAX;
    if (type == VarTypeName(VarType::Short)) {
        if (auto v = scan.Integer<std::int16_t>(INT16_MIN, INT16_MAX)) return Variant::Short(*v);
    } else if (type == VarTypeName(VarType::Long)) {
        if (auto v = scan.Integer<std::int32_t>(kMin32, kMax32)) return Variant::Long(*v);
    } else if (type == VarTypeName(VarType::Bool)) {
        if (auto v = scan.Integer<std::int32_t>(kMin32, kMax32)) return Variant::Bool(*v);
    } else if (type == VarTypeName(VarType::Double)) {
        if (auto v = scan.Double()) return Variant::Double(*v);
    } else if (type == VarTypeName(VarType::String)) {
        if (auto v = scan.Quoted()) return Variant::String(std::move(*v));
    } else if (type == VarTypeName(VarType::Color)) {
        const std::string_view word = scan.Word();
        if (word.size() == 10 && word.substr(0, 2) == "0x") {
            LineScanner digits(word.substr(2));
            if (auto v = digits.Integer<std::uint32_t>(0, UINT32_MAX, 16)) {
                return Variant::Color(*v);
            }
        }
    } else if (type == VarTypeName(VarType::Font)) {
        return ParseFont(scan);
    }
    return std::nullopt;
}

bool IsName(std::string_view name) {
    if (name.empty()) return false;
    for (char c : name) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!letter && c != '_' && !(c >= '0' && c <= '9')) return false;
    }
    return true;
}

}  // namespace

std::string FormatPropertyBag(const PropertyBag& bag) {
    std::string text;
    for (const auto& [name, value] : bag.Entries()) {
        text += name;
        text += " = ";
        text += VarTypeName(value.Type());
        text += ' ';
        AppendValue(text, value);
        text += '\n';
    }
    return text;
}

HResult ParsePropertyBag(std::string_view text, PropertyBag* bag) {
    PropertyBag parsed = *bag;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        LineScanner scan(line);
        if (scan.AtEnd() || line.find_first_not_of(" \t") == line.find('#')) continue;
        const std::string_view name = scan.Word();
        if (!IsName(name) || !scan.Expect('=')) return kDataCorrupt;
        const std::string_view type = scan.Word();
        std::optional<Variant> value = ParseValue(type, scan);
        if (!value || !scan.AtEnd()) return kDataCorrupt;
        parsed.Write(name, std::move(*value));
    }
    *bag = std::move(parsed);
    return kOk;
}

}  // namespace tumbler::framework
