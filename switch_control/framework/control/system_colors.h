#pragma once

#include <array>
#include <cstdint>

#include "switch_control/framework/control/result_codes.h"
#include "switch_control/graphics/colour.h"
#include "switch_control/graphics/system_colour_index.h"

namespace tumbler::framework {

// The ActiveX colour type: an RGB colour 0x00BBGGRR, or 0x800000nn for system colour nn.
using OleColor = std::uint32_t;
// Translated colours are the drawing's RGB values.
using drawing::Rgb;

constexpr OleColor SystemColor(int index) {
    return 0x80000000u | static_cast<OleColor>(index);
}

// The system colour indices are the drawing's (kColorButtonFace, ...).
using namespace drawing::system_colour_index;

// The system's colours by index, with the classic desktop scheme as defaults. A host may
// replace entries (a theme, a test).
class SystemColorTable {
  public:
    static constexpr int kCount = 31;

    SystemColorTable();
    // 0 for an index outside the table.
    Rgb Get(int index) const;
    // False (and nothing changes) for an index outside the table.
    bool Set(int index, Rgb color);
    void RestoreDefaults();

  private:
    std::array<Rgb, kCount> colors_{};
};

// The process's table, the one controls translate with.
SystemColorTable& SystemColors();

// An RGB colour for `color`: RGB values as they are, system colours from `table`, and the
// palette-relative form 0x02BBGGRR as its RGB part. Anything else fails with kInvalidArg.
HResult TranslateColor(OleColor color, const SystemColorTable& table, Rgb* rgb);

}  // namespace tumbler::framework
