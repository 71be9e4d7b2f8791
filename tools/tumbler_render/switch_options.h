#pragma once

#include <optional>
#include <string>
#include <vector>

#include "switch_control/graphics/colour.h"
#include "switch_control/graphics/geometry.h"

namespace tumbler {
class CTumblerCtrl;
}

namespace tumbler::render {

// What `tumbler-render` is asked to draw, and where the result goes. Properties not named
// keep the control's defaults.
struct SwitchRequest {
    int shape = 0;
    bool horizontal = false;
    bool on = false;
    std::string caption;
    bool captionBottom = false;
    drawing::Rect bounds{0, 0, 120, 90};
    std::optional<drawing::Rgb> fore;
    std::optional<drawing::Rgb> led;
    std::optional<double> dark;
    bool calls = false;     // print the recorded drawing calls
    std::string pngFile;    // render pixels into this PNG
    std::string sheetFile;  // render the contact sheet of every shape into this PNG
};

// Whether the arguments ask for a drawing (--shape, --calls, --png or --sheet).
bool WantsDrawing(const std::vector<std::string>& args);

// Reads --shape N, --horizontal, --on, --caption TEXT, --caption-bottom, --bounds L,T,R,B,
// --fore 0xBBGGRR, --led 0xBBGGRR, --dark X, --calls, --png FILE, --sheet FILE. On a bad
// argument, returns nothing and says why in `error`.
std::optional<SwitchRequest> ParseSwitchRequest(const std::vector<std::string>& args,
                                                std::string& error);

// Sets the control's properties as the request names them.
void ApplyRequest(const SwitchRequest& request, CTumblerCtrl& control);

}  // namespace tumbler::render
