#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "switch_control/framework/control/prop_exchange.h"

namespace tumbler::framework {

// The sequential binary form: the values one after the other in exchange order, names not
// stored. Each value is a type byte (VarType) and its little-endian payload: Short 2 bytes;
// Long, Bool and Color 4; Double 8 (IEEE 754); String a 4-byte length and UTF-8 bytes; Font
// its family as a String, the size as a Double, the weight as a Long, a byte of flags (1
// italic, 2 underline, 4 strike-out) and a charset byte.
class StreamSaveExchange : public PropExchange {
  public:
    explicit StreamSaveExchange(std::vector<std::uint8_t>* out)
        : PropExchange(ExchangeMode::Save), out_(out) {}

  protected:
    HResult Write(std::string_view name, const Variant& value) override;

  private:
    std::vector<std::uint8_t>* out_;
};

// Reads the form above. Data that end early fail with kReadFault, a value of another type
// with kTypeMismatch, an unknown type byte or flag with kDataCorrupt. Bytes after the last
// value are left alone (they belong to whoever stored them).
class StreamLoadExchange : public PropExchange {
  public:
    explicit StreamLoadExchange(std::span<const std::uint8_t> data)
        : PropExchange(ExchangeMode::Load), data_(data) {}

  protected:
    HResult Read(std::string_view name, VarType type, Variant* value, bool* found) override;

  private:
    std::span<const std::uint8_t> data_;
};

}  // namespace tumbler::framework
