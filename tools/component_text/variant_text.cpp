#include "tools/component_text/variant_text.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tumbler::framework {

std::string DisplayText(const Variant& value) {
    char text[64];
    switch (value.Type()) {
        case VarType::Empty:
            return "(empty)";
        case VarType::Short:
        case VarType::Long:
            return std::to_string(value.Integer());
        case VarType::Bool:
            return value.IsTrue() ? "True" : "False";
        case VarType::Double:
            std::snprintf(text, sizeof text, "%.17g", value.AsDouble());
            return text;
        case VarType::String:
            return "\"" + value.AsString() + "\"";
        case VarType::Color:
            std::snprintf(text, sizeof text, value.AsColor() > 0xFFFFFF ? "0x%08X" : "0x%06X",
                          value.AsColor());
            return text;
        case VarType::Font: {
            const FontDescription& f = value.AsFont();
            std::snprintf(text, sizeof text, " %g pt%s%s%s%s", f.pointSize,
                          f.weight >= 600 ? " bold" : "", f.italic ? " italic" : "",
                          f.underline ? " underline" : "", f.strikeOut ? " strikeout" : "");
            return "\"" + f.family + "\"" + text;
        }
    }
    return {};
}

Variant ParseDisplayText(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        return Variant::String(text.substr(1, text.size() - 2));
    }
    if (text == "True" || text == "true") return Variant::Bool(-1);
    if (text == "False" || text == "false") return Variant::Bool(0);
    if (text.empty()) return {};
    char* end = nullptr;
    if (text.size() > 2 && (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0)) {
        const unsigned long colour = std::strtoul(text.c_str() + 2, &end, 16);
        return *end == '\0' && colour <= 0xFFFFFFFFul
                   ? Variant::Color(static_cast<OleColor>(colour))
                   : Variant();
    }
    const long integer = std::strtol(text.c_str(), &end, 10);
    if (*end == '\0' && integer >= INT32_MIN && integer <= INT32_MAX) {
        return Variant::Long(static_cast<int32_t>(integer));
    }
    const double number = std::strtod(text.c_str(), &end);
    return *end == '\0' ? Variant::Double(number) : Variant();
}

}  // namespace tumbler::framework
