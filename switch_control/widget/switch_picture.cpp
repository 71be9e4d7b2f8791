#include "switch_control/widget/switch_picture.h"

#include <cmath>

#include "switch_control/drawing/control_look.h"
#include "switch_control/drawing/raster_context.h"
#include "switch_control/framework/control_base.h"
#include "switch_control/framework/control_border.h"

namespace tumbler::widget {

const QImage& SwitchPicture::Get(framework::ControlBase& control, QSize size,
                                 double devicePixelRatio) {
    if (!valid_ || size != size_ || devicePixelRatio != ratio_) {
        image_ = RenderControl(control, size, devicePixelRatio);
        size_ = size;
        ratio_ = devicePixelRatio;
        valid_ = true;
    }
    return image_;
}

QImage RenderControl(framework::ControlBase& control, QSize size, double devicePixelRatio) {
    const int width = std::max(1, static_cast<int>(std::lround(size.width() * devicePixelRatio)));
    const int height = std::max(1, static_cast<int>(std::lround(size.height() * devicePixelRatio)));
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        // The control draws in device pixels; its bounds stay logical for the mouse.
        const framework::Rect logical = control.Bounds();
        control.SetBounds({0, 0, width, height});
        drawing::QtRasterContext dc(image, drawing::FrameworkSystemColour, devicePixelRatio);
        framework::PaintControlWindow(control, dc);
        control.SetBounds(logical);
        control.ValidateControl();
    }
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

}  // namespace tumbler::widget
