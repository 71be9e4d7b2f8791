#include "switch_control/qt/switch_picture.h"

#include <QPaintEngine>
#include <QPainter>
#include <cmath>

#include "switch_control/control_look.h"
#include "switch_control/framework/control/control_base.h"
#include "switch_control/framework/control/control_border.h"
#include "switch_control/graphics/raster_context.h"

namespace tumbler::qt {
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

// The widget's pixels in the image that `painter` writes, as an image of their own, when the
// control may be drawn straight into them: a 32-bit image, nothing between the widget and it
// but the device pixel ratio and a whole-pixel offset, painted opaque, and every pixel of the
// widget part of this paint (a widget over ours is left out of it, and must stay).
std::optional<QImage> WidgetPixels(QPainter& painter, QSize deviceSize, double ratio) {
    QPaintEngine& engine = *painter.paintEngine();
    if (engine.paintDevice()->devType() != QInternal::Image) return std::nullopt;
    const QImage& target = *static_cast<const QImage*>(engine.paintDevice());
    if (target.format() != QImage::Format_RGB32 &&
        target.format() != QImage::Format_ARGB32_Premultiplied) {
        return std::nullopt;
    }
    const QTransform toDevice = painter.deviceTransform();
    const QPointF offset(toDevice.dx(), toDevice.dy());
    if (toDevice.type() > QTransform::TxScale || toDevice.m11() != ratio ||
        toDevice.m22() != ratio || offset != offset.toPoint()) {
        return std::nullopt;
    }
    const auto mode = painter.compositionMode();
    if (painter.opacity() < 1.0 || painter.hasClipping() ||
        (mode != QPainter::CompositionMode_SourceOver &&
         mode != QPainter::CompositionMode_Source)) {
        return std::nullopt;
    }
    const QRect place(offset.toPoint(), deviceSize);
    const QRegion painted = engine.systemClip();  // device pixels; empty when not clipped
    if (!target.rect().contains(place) ||
        (!painted.isEmpty() && !(QRegion(place) - painted).isEmpty())) {
        return std::nullopt;
    }
    // The engine writes through the same pointer; nothing detaches the device's pixels.
    uchar* first = const_cast<uchar*>(target.constBits()) + place.y() * target.bytesPerLine() +
                   place.x() * qsizetype(sizeof(QRgb));
    return QImage(first, place.width(), place.height(), target.bytesPerLine(), target.format());
}

}  // namespace

const QImage& SwitchPicture::Get(framework::ControlBase& control, QSize size,
                                 double devicePixelRatio) {
    const Extent wanted{size, devicePixelRatio};
    if (!valid_ || extent_ != wanted) {
        // The same buffer is drawn over again while the size stays.
        if (image_.size() != DeviceSize(size, devicePixelRatio)) {
            image_ = QImage(DeviceSize(size, devicePixelRatio), QImage::Format_RGB32);
        }
        RenderInto(control, image_, devicePixelRatio);
        extent_ = wanted;
        valid_ = true;
    }
    return image_;
}

void SwitchPicture::Show(QPainter& painter, framework::ControlBase& control, QSize size) {
    // The pixels written are the engine's device's: a render() into a sharper image than the
    // screen's reaches us with the widget as the painter's device.
    const double ratio = painter.paintEngine()->paintDevice()->devicePixelRatio();
    const Extent wanted{size, ratio};
    if ((!valid_ || extent_ != wanted) && drawnDirect_ != wanted) {
        if (std::optional<QImage> pixels = WidgetPixels(painter, DeviceSize(size, ratio), ratio)) {
            RenderInto(control, *pixels, ratio);
            drawnDirect_ = wanted;
            return;
        }
    }
    painter.drawImage(QPoint(0, 0), Get(control, size, ratio));
}

QImage RenderControl(framework::ControlBase& control, QSize size, double devicePixelRatio) {
    QImage image(DeviceSize(size, devicePixelRatio), QImage::Format_RGB32);
    RenderInto(control, image, devicePixelRatio);
    return image;
}

}  // namespace tumbler::qt
