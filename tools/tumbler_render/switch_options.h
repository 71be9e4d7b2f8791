#pragma once

#include <optional>
#include <string>
#include <vector>

#include "switch_control/drawing/switch_look.h"

namespace tumbler::render {

// What `tumbler-render` is asked to draw, and where the result goes.
struct SwitchRequest {
    drawing::SwitchLook look;
    drawing::Rect bounds{0, 0, 120, 90};
    bool calls = false;      // print the recorded drawing calls
    std::string pngFile;     // render pixels into this PNG
    std::string sheetFile;   // render the contact sheet of every shape into this PNG
};

// Whether the arguments ask for a drawing at all (--shape, --calls, --png or --sheet).
bool WantsDrawing(const std::vector<std::string>& args);

// Reads --shape N, --horizontal, --on, --caption TEXT, --caption-bottom, --bounds L,T,R,B,
// --fore 0xBBGGRR, --led 0xBBGGRR, --dark X, --calls, --png FILE, --sheet FILE. `look` comes
// in with the control's defaults. On a bad argument, returns nothing and says why in `error`.
std::optional<SwitchRequest> ParseSwitchRequest(const std::vector<std::string>& args,
                                                const drawing::SwitchLook& look,
                                                std::string& error);

}  // namespace tumbler::render
