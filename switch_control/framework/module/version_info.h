#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tumbler::framework {

// A module's version resource: numeric file and product versions, the string
// table of one translation, and that translation (language, code page).
struct VersionInfo {
    std::array<std::uint16_t, 4> fileVersion{};
    std::array<std::uint16_t, 4> productVersion{};
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
    std::vector<std::pair<std::string, std::string>> strings;
};

}  // namespace tumbler::framework
