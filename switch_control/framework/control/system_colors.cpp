#include "switch_control/framework/control/system_colors.h"

namespace tumbler::framework {

namespace {

// The classic scheme (gray faces, navy captions), 0x00BBGGRR.
constexpr std::array<Rgb, SystemColorTable::kCount> kClassicColors = {
    0xC0C0C0,  // 0 scroll bar
    0x808000,  // 1 desktop
    0x800000,  // 2 active caption
    0x808080,  // 3 inactive caption
    0xC0C0C0,  // 4 menu
    0xFFFFFF,  // 5 window
    0x000000,  // 6 window frame
    0x000000,  // 7 menu text
    0x000000,  // 8 window text
    0xFFFFFF,  // 9 caption text
    0xC0C0C0,  // 10 active border
    0xC0C0C0,  // 11 inactive border
    0x808080,  // 12 application workspace
    0x800000,  // 13 highlight
    0xFFFFFF,  // 14 highlight text
    0xC0C0C0,  // 15 button face
    0x808080,  // 16 button shadow
    0x808080,  // 17 gray text
    0x000000,  // 18 button text
    0xC0C0C0,  // 19 inactive caption text
    0xFFFFFF,  // 20 button highlight
    0x000000,  // 21 3-D dark shadow
    0xC0C0C0,  // 22 3-D light
    0x000000,  // 23 tooltip text
    0xE1FFFF,  // 24 tooltip background
    0x000000,  // 25 unused
    0x800000,  // 26 hot-tracked item
    0xD08410,  // 27 active caption gradient
    0xB5B5B5,  // 28 inactive caption gradient
    0x800000,  // 29 menu highlight
    0xC0C0C0,  // 30 menu bar
};

}  // namespace

SystemColorTable::SystemColorTable() {
    RestoreDefaults();
}

Rgb SystemColorTable::Get(int index) const {
    return index >= 0 && index < kCount ? colors_[index] : 0;
}

bool SystemColorTable::Set(int index, Rgb color) {
    if (index < 0 || index >= kCount) return false;
    colors_[index] = color & 0xFFFFFF;
    return true;
}

void SystemColorTable::RestoreDefaults() {
    colors_ = kClassicColors;
}

SystemColorTable& SystemColors() {
    static SystemColorTable table;
    return table;
}

HResult TranslateColor(OleColor color, const SystemColorTable& table, Rgb* rgb) {
    switch (color >> 24) {
        case 0x00:
        case 0x02:
            *rgb = color & 0xFFFFFF;
            return kOk;
        case 0x80: {
            const OleColor index = color & 0xFFFFFF;
            if (index >= SystemColorTable::kCount) return kInvalidArg;
            *rgb = table.Get(static_cast<int>(index));
            return kOk;
        }
        default:
            return kInvalidArg;
    }
}

}  // namespace tumbler::framework
