#include "switch_control/qt/smallest_extent.h"

#include <QImage>
#include <utility>

#include "switch_control/control_look.h"
#include "switch_control/framework/control/control_border.h"
#include "switch_control/graphics/raster_context.h"
#include "switch_control/rendering/smallest_size.h"
#include "switch_control/tumbler_ctrl.h"

namespace tumbler::qt {

QSize SmallestExtent(const CTumblerCtrl& control) {
    // The caption is measured as the control draws it, in a context of one pixel.
    QImage scratch(1, 1, QImage::Format_RGB32);
    drawing::QtRasterContext dc(scratch, drawing::FrameworkSystemColour);
    const drawing::Size inner = drawing::SmallestSwitchSize(dc, drawing::LookOf(control));
    const int border =
        2 * framework::BorderWidth(control.GetBorderStyle(), control.GetAppearance());
    return {inner.cx + border, inner.cy + border};
}

bool KeptSmallestExtent::Update(const CTumblerCtrl& control) {
    Inputs now{control.GetText(), control.InternalGetFont(), control.GetSwitchShape(),
               control.GetBorderStyle(), control.GetAppearance()};
    if (measured_ == now) return false;
    measured_ = std::move(now);
    const QSize before = extent_;
    extent_ = SmallestExtent(control);
    return extent_ != before;
}

}  // namespace tumbler::qt
