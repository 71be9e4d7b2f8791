#pragma once

#include "switch_control/framework/control/guid.h"

namespace tumbler::framework {

// The framework's stock property pages, which controls list by these class identifiers.
inline constexpr Guid kClsidStockColorPage{
    0x0BE35201, 0x8F91, 0x11CE, {0x9D, 0xE3, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51}};
inline constexpr Guid kClsidStockFontPage{
    0x0BE35200, 0x8F91, 0x11CE, {0x9D, 0xE3, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51}};

}  // namespace tumbler::framework
