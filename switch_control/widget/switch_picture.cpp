#include "switch_control/widget/switch_picture.h"

#include <cmath>

#include "switch_control/control_look.h"
#include "switch_control/framework/control/control_base.h"
#include "switch_control/framework/control/control_border.h"
#include "switch_control/graphics/raster_context.h"

namespace tumbler::widget {
namespace {

QSize DeviceSize(QSize size, double devicePixelRatio) {
    return {std::max(1, static_cast<int>(std::lround(size.width() * devicePixelRatio))),
            std::max(1, static_cast<int>(std::lround(size.height() * devicePixelRatio)))};
}

// Draws the control over the whole of `image` (device pixels).
void RenderInto(framework::ControlBase& control, QImage& image, double devicePixelRatio) {
    image.setDevicePixelRatio(1.0);
    // The control draws in device pixels; its bounds stay logical for the mouse.
    const framework::Rect logical = control.Bounds();
    control.SetBounds({0, 0, image.width(), image.height()});
    const framework::Rect client = framework::ClientBounds(control);
    // The border and the control's own back fill cover every pixel, unless too small for both.
    if (client.l >= client.r || client.t >= client.b) image.fill(Qt::white);
    {
        drawing::QtRasterContext dc(image, drawing::FrameworkSystemColour, devicePixelRatio);
        // The picture is off-screen already: the control's own bitmap is drawn straight into it.
        dc.DrawOffScreenInPlace(client);
        framework::PaintControlWindow(control, dc);
    }
    control.SetBounds(logical);
    control.ValidateControl();
    image.setDevicePixelRatio(devicePixelRatio);
}

}  // namespace

const QImage& SwitchPicture::Get(framework::ControlBase& control, QSize size,
                                 double devicePixelRatio) {
    if (!valid_ || size != size_ || devicePixelRatio != ratio_) {
        // The same buffer is drawn over again while the size stays.
        if (image_.size() != DeviceSize(size, devicePixelRatio)) {
            image_ = QImage(DeviceSize(size, devicePixelRatio), QImage::Format_RGB32);
        }
        RenderInto(control, image_, devicePixelRatio);
        size_ = size;
        ratio_ = devicePixelRatio;
        valid_ = true;
    }
    return image_;
}

QImage RenderControl(framework::ControlBase& control, QSize size, double devicePixelRatio) {
    QImage image(DeviceSize(size, devicePixelRatio), QImage::Format_RGB32);
    RenderInto(control, image, devicePixelRatio);
    return image;
}

}  // namespace tumbler::widget
