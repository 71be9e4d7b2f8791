#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "switch_control/framework/control/font_description.h"
#include "switch_control/framework/control/result_codes.h"
#include "switch_control/framework/control/system_colors.h"

namespace tumbler::framework {

// The value types that cross the dispatch interface and the stored forms.
enum class VarType : std::uint8_t { Empty, Short, Long, Bool, Double, String, Color, Font };

std::string_view VarTypeName(VarType type);

// One value of a VarType. Bool holds a 32-bit boolean as it is (any non-zero is true), so a
// stored 2 stays 2; Color holds an OleColor.
class Variant {
  public:
    Variant() = default;

    static Variant Short(std::int16_t value) { return Variant(VarType::Short, value); }
    static Variant Long(std::int32_t value) { return Variant(VarType::Long, value); }
    static Variant Bool(std::int32_t value) { return Variant(VarType::Bool, value); }
    static Variant Double(double value) { return Variant(VarType::Double, value); }
    static Variant String(std::string value) { return Variant(VarType::String, std::move(value)); }
    static Variant Color(OleColor value) {
        return Variant(VarType::Color, static_cast<std::int32_t>(value));
    }
    static Variant Font(FontDescription value) { return Variant(VarType::Font, std::move(value)); }

    VarType Type() const { return type_; }
    bool IsEmpty() const { return type_ == VarType::Empty; }

    // Accessors for the value of the matching type; Integer serves Short, Long, Bool, Color.
    std::int32_t Integer() const { return std::get<std::int32_t>(value_); }
    OleColor AsColor() const { return static_cast<OleColor>(Integer()); }
    bool IsTrue() const { return Integer() != 0; }
    double AsDouble() const { return std::get<double>(value_); }
    const std::string& AsString() const { return std::get<std::string>(value_); }
    const FontDescription& AsFont() const { return std::get<FontDescription>(value_); }

    friend bool operator==(const Variant&, const Variant&) = default;

  private:
    template <typename T>
    Variant(VarType type, T value) : type_(type), value_(std::move(value)) {}

    VarType type_ = VarType::Empty;
    std::variant<std::monostate, std::int32_t, double, std::string, FontDescription> value_;
};

// `value` converted to `type`: numbers among themselves when they fit (doubles round to
// nearest, halves to even), Long and Color both ways, Bool from any integer unchanged.
// kOverflow when a number does not fit, kTypeMismatch for any other pair.
HResult ChangeType(const Variant& value, VarType type, Variant* converted);

}  // namespace tumbler::framework
