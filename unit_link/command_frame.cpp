#include "unit_link/command_frame.h"

#include <cstdio>

namespace unit_link {

namespace {

std::string UpperHex(std::uint32_t value, int width) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", width, static_cast<unsigned>(value));
    return text;
}

}  // namespace

std::string FrameChecksum(std::string_view body) {
    // The unit keeps the sum in 16 bits; no valid body comes near that, so the
    // low 16 bits are exactly the sum.
    std::uint32_t sum = 0;
    for (const char c : body) sum += static_cast<unsigned char>(c);
    return UpperHex(sum & 0xFFFFu, 4);
}

std::string CommandFrame(std::string_view body) {
    std::string frame;
    frame.reserve(body.size() + 6);
    frame += STX;
    frame += body;
    frame += FrameChecksum(body);
    frame += ETX;
    return frame;
}

std::string EncodeUnitAddress(UnitAddress address) {
    return UpperHex(static_cast<std::uint32_t>(address) & 0xFFFFFFu, 6);
}

std::string EncodeCharReadAddress(std::int32_t address) {
    return UpperHex(static_cast<std::uint32_t>(address), 1);
}

std::string EncodeWordCount(int count) {
    return UpperHex(static_cast<std::uint32_t>(count), 1);
}

std::string EncodeWordValue(std::int32_t value) {
    return UpperHex(static_cast<std::uint32_t>(value) & 0xFFFFu, 4);
}

}  // namespace unit_link
