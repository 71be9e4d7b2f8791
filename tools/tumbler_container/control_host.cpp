#include "tools/tumbler_container/control_host.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "switch_control/framework/control/control_border.h"
#include "switch_control/graphics/raster_context.h"
#include "switch_control/qt/qt_values.h"

namespace container {

using tumbler::qt::MouseButtonOf;
using tumbler::qt::ToOleColor;

ControlHost::ControlHost(QWidget* parent) : QWidget(parent) {
    SetFixedControlSize(std::nullopt);
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
    }
    ApplyBounds();
}

fw::Rect ControlHost::ControlBounds() const {
    if (fixedSize_) {
        return {kMargin, kMargin, kMargin + fixedSize_->width(), kMargin + fixedSize_->height()};
    }
    return {kMargin, kMargin, width() - kMargin, height() - kMargin};
}

void ControlHost::SetFixedControlSize(std::optional<QSize> size) {
    fixedSize_ = size;
    const QSize least(160, 160);
    setMinimumSize(size ? least.expandedTo(*size + QSize(2 * kMargin, 2 * kMargin)) : least);
    ApplyBounds();
}

void ControlHost::ApplyBounds() {
    if (control_ != nullptr) control_->SetBounds(ControlBounds());
    update();
}

bool ControlHost::GetAmbientProperty(fw::DispId id, fw::Variant* value) const {
    if (id != fw::kDispIdAmbientBackColor) return false;
    *value = fw::Variant::Color(ToOleColor(palette().color(QPalette::Window)));
    return true;
}

void ControlHost::InvalidateControl(bool) {
    update();
    emit invalidated();
}

bool ControlHost::RequestEdit(fw::DispId id) {
    emit editRequested(id, !refuseEdits_);
    return !refuseEdits_;
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
    const auto button = MouseButtonOf(event->button());
    if (control_ != nullptr && button) {
        control_->OnButtonDown(*button,
                               {event->position().toPoint().x(), event->position().toPoint().y()});
    }
}

void ControlHost::mouseReleaseEvent(QMouseEvent* event) {
    const auto button = MouseButtonOf(event->button());
    if (control_ != nullptr && button) {
        control_->OnButtonUp(*button,
                             {event->position().toPoint().x(), event->position().toPoint().y()});
    }
}

void ControlHost::resizeEvent(QResizeEvent*) {
    ApplyBounds();
}

}  // namespace container
