#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tumbler::framework {

// A class, interface or library identifier.
struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    friend auto operator<=>(const Guid&, const Guid&) = default;
};

// Reads "{9C681F64-7D55-11D4-8DB5-004005399797}", braces optional, hex digits of either case.
std::optional<Guid> ParseGuid(std::string_view text);
// Upper case with braces, the registry's form.
std::string ToString(const Guid& guid);

}  // namespace tumbler::framework
