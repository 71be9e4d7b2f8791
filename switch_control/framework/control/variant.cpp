#include "switch_control/framework/control/variant.h"

#include <cmath>
#include <limits>

namespace tumbler::framework {

namespace {

bool IsInteger(VarType type) {
    return type == VarType::Short || type == VarType::Long || type == VarType::Bool;
}

bool IsNumber(VarType type) {
    return IsInteger(type) || type == VarType::Double;
}

// A number as a double; integers are exact in it.
double NumberOf(const Variant& value) {
    return value.Type() == VarType::Double ? value.AsDouble() : value.Integer();
}

HResult ToInteger(const Variant& value, double low, double high, std::int32_t* out) {
    if (IsInteger(value.Type())) {
        if (value.Integer() < low || value.Integer() > high) return kOverflow;
        *out = value.Integer();
        return kOk;
    }
    const double rounded = std::nearbyint(value.AsDouble());
    if (!(rounded >= low && rounded <= high)) return kOverflow;
    *out = static_cast<std::int32_t>(rounded);
    return kOk;
}

}  // namespace

std::string_view VarTypeName(VarType type) {
    switch (type) {
        case VarType::Empty:
            return "empty";
        case VarType::Short:
            return "short";
        case VarType::Long:
            return "long";
        case VarType::Bool:
            return "bool";
        case VarType::Double:
            return "double";
        case VarType::String:
            return "string";
        case VarType::Color:
            return "color";
        case VarType::Font:
            return "font";
    }
    return "empty";
}

HResult ChangeType(const Variant& value, VarType type, Variant* converted) {
    const VarType from = value.Type();
    if (from == type) {
        *converted = value;
        return kOk;
    }
    std::int32_t integer = 0;
    HResult hr = kOk;
    switch (type) {
        case VarType::Short:
            if (!IsNumber(from)) return kTypeMismatch;
            hr = ToInteger(value, std::numeric_limits<std::int16_t>::min(),
                           std::numeric_limits<std::int16_t>::max(), &integer);
            if (Succeeded(hr)) *converted = Variant::Short(static_cast<std::int16_t>(integer));
            return hr;
        case VarType::Long:
            if (from == VarType::Color) {
                *converted = Variant::Long(value.Integer());
                return kOk;
            }
            if (!IsNumber(from)) return kTypeMismatch;
            hr = ToInteger(value, std::numeric_limits<std::int32_t>::min(),
                           std::numeric_limits<std::int32_t>::max(), &integer);
            if (Succeeded(hr)) *converted = Variant::Long(integer);
            return hr;
        case VarType::Bool:
            if (!IsInteger(from)) return kTypeMismatch;
            *converted = Variant::Bool(value.Integer());
            return kOk;
        case VarType::Double:
            if (!IsNumber(from)) return kTypeMismatch;
            *converted = Variant::Double(NumberOf(value));
            return kOk;
        case VarType::Color:
            if (from != VarType::Long) return kTypeMismatch;
            *converted = Variant::Color(value.AsColor());
            return kOk;
        case VarType::Empty:
        case VarType::String:
        case VarType::Font:
            return kTypeMismatch;
    }
    return kTypeMismatch;
}

}  // namespace tumbler::framework
