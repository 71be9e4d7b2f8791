#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "switch_control/framework/control/font_description.h"
#include "switch_control/framework/control/system_colors.h"
#include "switch_control/framework/control/variant.h"

namespace tumbler::framework {

enum class ExchangeMode { Save, Load, Reset };

// One pass of a control's property exchange. The control describes its properties once (name,
// field, default, in order) and the same description saves, loads and resets them. This class
// resets by itself; the stored forms derive from it and supply Write and Read.
class PropExchange {
  public:
    explicit PropExchange(ExchangeMode mode) : mode_(mode) {}
    virtual ~PropExchange() = default;

    ExchangeMode Mode() const { return mode_; }
    // kOk, or the first failure; after a failure nothing more is exchanged.
    HResult Result() const { return result_; }
    void Fail(HResult hr);

    // Save: stores `value`. Load: replaces it by the stored value converted to its type, or by
    // `fallback` when nothing is stored. Reset: replaces it by `fallback`.
    void Exchange(std::string_view name, Variant& value, const Variant& fallback);

    // The format version: saves `current`; loads any version from 1 to `current` (the values
    // an older one lacks take their defaults) and fails with kUnknownVersion otherwise.
    void ExchangeVersion(std::uint32_t current);

  protected:
    virtual HResult Write(std::string_view name, const Variant& value);
    // The value stored under `name` (a sequential store: its next value) as a `type`; `found`
    // false when the store has none. A value that is not a `type` fails with kTypeMismatch.
    virtual HResult Read(std::string_view name, VarType type, Variant* value, bool* found);

  private:
    ExchangeMode mode_;
    HResult result_ = kOk;
};

// Typed forms of PropExchange::Exchange for the fields of a control.
void PxShort(PropExchange& px, std::string_view name, std::int16_t& field, std::int16_t fallback);
void PxLong(PropExchange& px, std::string_view name, std::int32_t& field, std::int32_t fallback);
void PxBool(PropExchange& px, std::string_view name, std::int32_t& field, std::int32_t fallback);
void PxDouble(PropExchange& px, std::string_view name, double& field, double fallback);
void PxString(PropExchange& px, std::string_view name, std::string& field,
              const std::string& fallback);
void PxColor(PropExchange& px, std::string_view name, OleColor& field, OleColor fallback);
// A loaded font that IsUsableFont refuses fails the exchange with kDataCorrupt.
void PxFont(PropExchange& px, std::string_view name, FontDescription& field,
            const FontDescription& fallback);

}  // namespace tumbler::framework
