#include "switch_control/framework/control/prop_exchange.h"

namespace tumbler::framework {

namespace {

constexpr std::string_view kVersionName = "_Version";

}  // namespace

void PropExchange::Fail(HResult hr) {
    if (Succeeded(result_)) result_ = hr;
}

HResult PropExchange::Write(std::string_view, const Variant&) {
    return kNotImplemented;
}

HResult PropExchange::Read(std::string_view, VarType, Variant*, bool*) {
    return kNotImplemented;
}

void PropExchange::Exchange(std::string_view name, Variant& value, const Variant& fallback) {
    if (Failed(result_)) return;
    switch (mode_) {
        case ExchangeMode::Save:
            Fail(Write(name, value));
            return;
        case ExchangeMode::Reset:
            value = fallback;
            return;
        case ExchangeMode::Load: {
            Variant stored;
            bool found = false;
            const HResult hr = Read(name, value.Type(), &stored, &found);
            if (Failed(hr)) {
                Fail(hr);
            } else {
                value = found ? std::move(stored) : fallback;
            }
            return;
        }
    }
}

void PropExchange::ExchangeVersion(std::uint32_t current) {
    std::int32_t version = static_cast<std::int32_t>(current);
    PxLong(*this, kVersionName, version, version);
    if (mode_ == ExchangeMode::Load &&
        (version <= 0 || static_cast<std::uint32_t>(version) > current)) {
        Fail(kUnknownVersion);
    }
}

namespace {

// Exchanges a field through a Variant made by `make` and read back by `take`.
template <typename T>
void ExchangeField(PropExchange& px, std::string_view name, T& field, const T& fallback,
                   Variant (*make)(T), T (*take)(const Variant&)) {
    Variant value = make(field);
    px.Exchange(name, value, make(fallback));
    field = take(value);
}

std::int32_t TakeInteger(const Variant& v) {
    return v.Integer();
}

}  // namespace

void PxShort(PropExchange& px, std::string_view name, std::int16_t& field, std::int16_t fallback) {
    ExchangeField<std::int16_t>(px, name, field, fallback, &Variant::Short, [](const Variant& v) {
        return static_cast<std::int16_t>(v.Integer());
    });
}

void PxLong(PropExchange& px, std::string_view name, std::int32_t& field, std::int32_t fallback) {
    ExchangeField<std::int32_t>(px, name, field, fallback, &Variant::Long, &TakeInteger);
}

void PxBool(PropExchange& px, std::string_view name, std::int32_t& field, std::int32_t fallback) {
    ExchangeField<std::int32_t>(px, name, field, fallback, &Variant::Bool, &TakeInteger);
}

void PxDouble(PropExchange& px, std::string_view name, double& field, double fallback) {
    ExchangeField<double>(px, name, field, fallback, &Variant::Double,
                          [](const Variant& v) { return v.AsDouble(); });
}

void PxString(PropExchange& px, std::string_view name, std::string& field,
              const std::string& fallback) {
    ExchangeField<std::string>(px, name, field, fallback, &Variant::String,
                               [](const Variant& v) { return v.AsString(); });
}

void PxColor(PropExchange& px, std::string_view name, OleColor& field, OleColor fallback) {
    ExchangeField<OleColor>(px, name, field, fallback, &Variant::Color,
                            [](const Variant& v) { return v.AsColor(); });
}

void PxFont(PropExchange& px, std::string_view name, FontDescription& field,
            const FontDescription& fallback) {
    FontDescription font = field;
    ExchangeField<FontDescription>(px, name, font, fallback, &Variant::Font,
                                   [](const Variant& v) { return v.AsFont(); });
    if (px.Mode() == ExchangeMode::Load && !IsUsableFont(font)) {
        px.Fail(kDataCorrupt);
        return;
    }
    field = std::move(font);
}

}  // namespace tumbler::framework
