// CTumblerCtrl's painting: the control's half of the paint hook.
#include "switch_control/control_look.h"
#include "switch_control/rendering/switch_painting.h"
#include "switch_control/tumbler_ctrl.h"

namespace tumbler {

void CTumblerCtrl::PaintControl(drawing::DrawingContext& dc, const framework::Rect& bounds) {
    drawing::PaintSwitch(dc, bounds, drawing::LookOf(*this), IsDrawingMetafile());
}

void CTumblerCtrl::DrawToMetafile(drawing::DrawingContext& dc, const framework::Rect& bounds) {
    // A metafile cannot take a bitmap copy: the paint draws into it directly meanwhile.
    struct MetafileScope {
        std::int32_t& flag;
        explicit MetafileScope(std::int32_t& f) : flag(f) { flag = 1; }
        ~MetafileScope() { flag = 0; }
    } scope(drawingMetafile_);
    ControlBase::DrawToMetafile(dc, bounds);
}

}  // namespace tumbler
