#include "switch_control/framework/control/guid.h"

#include <cstdio>

namespace tumbler::framework {

namespace {

std::optional<std::uint64_t> ParseHex(std::string_view digits) {
    std::uint64_t value = 0;
    for (char c : digits) {
        int nibble;
        if (c >= '0' && c <= '9') {
            nibble = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            nibble = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            nibble = c - 'A' + 10;
        } else {
            return std::nullopt;
        }
        value = value << 4 | static_cast<std::uint64_t>(nibble);
    }
    return value;
}

}  // namespace

std::optional<Guid> ParseGuid(std::string_view text) {
    if (text.size() == 38 && text.front() == '{' && text.back() == '}') {
        text = text.substr(1, 36);
    }
    if (text.size() != 36 || text[8] != '-' || text[13] != '-' || text[18] != '-' ||
        text[23] != '-') {
        return std::nullopt;
    }
    const auto d1 = ParseHex(text.substr(0, 8));
    const auto d2 = ParseHex(text.substr(9, 4));
    const auto d3 = ParseHex(text.substr(14, 4));
    const auto d4high = ParseHex(text.substr(19, 4));
    const auto d4low = ParseHex(text.substr(24, 12));
    if (!d1 || !d2 || !d3 || !d4high || !d4low) return std::nullopt;
    Guid guid;
    guid.data1 = static_cast<std::uint32_t>(*d1);
    guid.data2 = static_cast<std::uint16_t>(*d2);
    guid.data3 = static_cast<std::uint16_t>(*d3);
    const std::uint64_t d4 = *d4high << 48 | *d4low;
    for (int i = 0; i < 8; ++i) {
        guid.data4[i] = static_cast<std::uint8_t>(d4 >> (56 - 8 * i));
    }
    return guid;
}

std::string ToString(const Guid& guid) {
    char text[39];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  guid.data1, guid.data2, guid.data3, guid.data4[0], guid.data4[1], guid.data4[2],
                  guid.data4[3], guid.data4[4], guid.data4[5], guid.data4[6], guid.data4[7]);
    return text;
}

}  // namespace tumbler::framework
