#include "tools/tumbler_container/control_host.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "switch_control/framework/control/control_border.h"
#include "switch_control/graphics/raster_context.h"

namespace container {
namespace {

std::optional<fw::MouseButton> ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return fw::MouseButton::Left;
        case Qt::RightButton:
            return fw::MouseButton::Right;
        case Qt::MiddleButton:
            return fw::MouseButton::Middle;
        default:
            return std::nullopt;
    }
}

fw::OleColor ToOleColor(const QColor& colour) {
    return static_cast<fw::OleColor>(colour.red() | colour.green() << 8 | colour.blue() << 16);
}

}  // namespace

ControlHost::ControlHost(QWidget* parent) : QWidget(parent) {
    setMinimumSize(160, 160);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ControlHost::~ControlHost() {
    Attach(nullptr);
}

void ControlHost::Attach(fw::ControlBase* control) {
    if (control_ != nullptr) {
        control_->Unadvise(cookie_);
        control_->SetClientSite(nullptr);
    }
    control_ = control;
    if (control_ != nullptr) {
        control_->SetClientSite(this);
        cookie_ = control_->Advise(this);
        control_->SetBounds(ControlBounds());
    }
    update();
}

fw::Rect ControlHost::ControlBounds() const {
    return {kMargin, kMargin, width() - kMargin, height() - kMargin};
}

bool ControlHost::GetAmbientProperty(fw::DispId id, fw::Variant* value) const {
    if (id != fw::kDispIdAmbientBackColor) return false;
    *value = fw::Variant::Color(ToOleColor(palette().color(QPalette::Window)));
    return true;
}

void ControlHost::InvalidateControl(bool) {
    update();
}

void* ControlHost::ContainerWindow() const {
    return window();
}

void ControlHost::PropertyChanged(fw::DispId id) {
    emit propertyChanged(id);
}

void ControlHost::OnEvent(fw::DispId id) {
    emit eventFired(id);
}

void ControlHost::paintEvent(QPaintEvent*) {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(palette().color(QPalette::Window));
    if (control_ != nullptr) {
        tumbler::drawing::QtRasterContext dc(
            image, [](int index) { return fw::SystemColors().Get(index); });
        fw::PaintControlWindow(*control_, dc);  // the framework's border, then the control
        control_->ValidateControl();
    }
    QPainter(this).drawImage(0, 0, image);
}

void ControlHost::mousePressEvent(QMouseEvent* event) {
    const auto button = ButtonOf(event->button());
    if (control_ != nullptr && button) {
        control_->OnButtonDown(*button,
                               {event->position().toPoint().x(), event->position().toPoint().y()});
    }
}

void ControlHost::mouseReleaseEvent(QMouseEvent* event) {
    const auto button = ButtonOf(event->button());
    if (control_ != nullptr && button) {
        control_->OnButtonUp(*button,
                             {event->position().toPoint().x(), event->position().toPoint().y()});
    }
}

void ControlHost::resizeEvent(QResizeEvent*) {
    if (control_ != nullptr) control_->SetBounds(ControlBounds());
}

}  // namespace container
