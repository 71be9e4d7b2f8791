#include "switch_control/widget/tumbler_switch.h"

#include <QButtonGroup>
#include <QMouseEvent>
#include <QPainter>

#include "switch_control/framework/control/control_border.h"
#include "switch_control/framework/control/control_site.h"
#include "switch_control/qt/qt_values.h"
#include "switch_control/qt/switch_picture.h"
#include "switch_control/tumbler_ctrl.h"
#include "switch_control/tumbler_interfaces.h"

namespace fw = tumbler::framework;
namespace dispid = tumbler::dispid;
using tumbler::qt::MouseButtonOf;
using tumbler::qt::ToOleColor;

namespace {

constexpr QSize kDefaultExtent(100, 50);

fw::Point PointOf(const QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    return {at.x(), at.y()};
}

// A caption shown as the button's text names the button for accessibility; '&' in it is
// the caption's own character, not a mnemonic.
QString AsButtonText(QString caption) {
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

// The widget as the control's container site: the ambient back colour, repaint requests and
// the control's events.
struct TumblerSwitch::Site : fw::ControlSite, fw::EventSink {
    explicit Site(TumblerSwitch& owner) : widget(owner) {}

    bool GetAmbientProperty(fw::DispId id, fw::Variant* value) const override {
        if (id != fw::kDispIdAmbientBackColor) return false;
        const QWidget* parent = widget.parentWidget();
        const QPalette& palette = parent != nullptr ? parent->palette() : widget.palette();
        *value = fw::Variant::Color(ToOleColor(palette.color(QPalette::Window)));
        return true;
    }
    // Every set and load repaints: the widget's font and text follow the control's then.
    void InvalidateControl(bool) override {
        picture.Invalidate();
        widget.ShowControlFont();
        widget.ShowControlCaption();
        widget.update();
    }
    void* ContainerWindow() const override { return widget.window(); }
    void OnEvent(fw::DispId id) override {
        if (id == dispid::kChange) {
            emit widget.changed();
            widget.SyncChecked();
        } else if (id == fw::kDispIdClick && !widget.qtClicking_) {
            emit widget.clicked(widget.isChecked());
        }
    }

    TumblerSwitch& widget;
    tumbler::qt::SwitchPicture picture;
    std::uint32_t cookie = 0;
    bool showingFont = false;
};

TumblerSwitch::TumblerSwitch(QWidget* parent)
    : QAbstractButton(parent),
      control_(std::make_unique<tumbler::CTumblerCtrl>()),
      site_(std::make_unique<Site>(*this)) {
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is the control's: Qt fills nothing under it first, not even in a render().
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    control_->SetClientSite(site_.get());
    site_->cookie = control_->Advise(site_.get());
    control_->SetBounds({0, 0, width(), height()});
    control_->InitNew();  // again, now that the ambient back colour is the parent's
    SyncChecked();
}

TumblerSwitch::~TumblerSwitch() {
    control_->Unadvise(site_->cookie);
    control_->SetClientSite(nullptr);
}

tumbler::CTumblerCtrl& TumblerSwitch::control() const {
    return *control_;
}

namespace {

fw::Variant Get(tumbler::CTumblerCtrl& control, fw::DispId id) {
    fw::Variant value;
    control.GetProperty(id, &value);
    return value;
}

}  // namespace

bool TumblerSwitch::value() const {
    return Get(*control_, dispid::kValue).IsTrue();
}

void TumblerSwitch::setValue(bool on) {
    // The checked switch of an exclusive group stays on, as Qt's buttons do.
    if (!on && ClickWouldUncheckExclusive()) return;
    control_->SetProperty(dispid::kValue, fw::Variant::Bool(on ? 1 : 0));
}

TumblerSwitch::TumblerShapes TumblerSwitch::switchShape() const {
    return static_cast<TumblerShapes>(Get(*control_, dispid::kSwitchShape).Integer());
}

void TumblerSwitch::setSwitchShape(TumblerShapes shape) {
    control_->SetProperty(dispid::kSwitchShape, fw::Variant::Long(shape));
}

TumblerSwitch::TumblerAliments TumblerSwitch::alignment() const {
    return static_cast<TumblerAliments>(Get(*control_, dispid::kAlignment).Integer());
}

void TumblerSwitch::setAlignment(TumblerAliments alignment) {
    control_->SetProperty(dispid::kAlignment, fw::Variant::Long(alignment));
}

TumblerSwitch::Aliments TumblerSwitch::captionAlignment() const {
    return static_cast<Aliments>(Get(*control_, dispid::kCaptionAlignment).Integer());
}

void TumblerSwitch::setCaptionAlignment(Aliments alignment) {
    control_->SetProperty(dispid::kCaptionAlignment, fw::Variant::Long(alignment));
}

QString TumblerSwitch::caption() const {
    return QString::fromStdString(Get(*control_, fw::kDispIdCaption).AsString());
}

void TumblerSwitch::setCaption(const QString& caption) {
    control_->SetProperty(fw::kDispIdCaption, fw::Variant::String(caption.toStdString()));
}

QColor TumblerSwitch::ControlColour(int dispid) const {
    return tumbler::qt::ToQColor(Get(*control_, dispid).AsColor(), palette(),
                                 [this](fw::OleColor c) { return control_->TranslateColor(c); });
}

void TumblerSwitch::SetControlProperty(int dispid, const QColor& colour) {
    if (colour.isValid()) control_->SetProperty(dispid, fw::Variant::Color(ToOleColor(colour)));
}

QColor TumblerSwitch::captionColor() const {
    return ControlColour(dispid::kCaptionColor);
}
void TumblerSwitch::setCaptionColor(const QColor& colour) {
    SetControlProperty(dispid::kCaptionColor, colour);
}
QColor TumblerSwitch::ledColor() const {
    return ControlColour(dispid::kLedColor);
}
void TumblerSwitch::setLedColor(const QColor& colour) {
    SetControlProperty(dispid::kLedColor, colour);
}
QColor TumblerSwitch::foreColor() const {
    return ControlColour(fw::kDispIdForeColor);
}
void TumblerSwitch::setForeColor(const QColor& colour) {
    SetControlProperty(fw::kDispIdForeColor, colour);
}
QColor TumblerSwitch::backColor() const {
    return ControlColour(fw::kDispIdBackColor);
}
void TumblerSwitch::setBackColor(const QColor& colour) {
    SetControlProperty(fw::kDispIdBackColor, colour);
}

double TumblerSwitch::ledDarkPrm() const {
    return Get(*control_, dispid::kLedDarkPrm).AsDouble();
}

void TumblerSwitch::setLedDarkPrm(double amount) {
    control_->SetProperty(dispid::kLedDarkPrm, fw::Variant::Double(amount));
}

int TumblerSwitch::borderStyle() const {
    return Get(*control_, fw::kDispIdBorderStyle).Integer();
}

void TumblerSwitch::setBorderStyle(int style) {
    control_->SetProperty(fw::kDispIdBorderStyle, fw::Variant::Long(style));
}

int TumblerSwitch::appearance() const {
    return Get(*control_, fw::kDispIdAppearance).Integer();
}

void TumblerSwitch::setAppearance(int appearance) {
    control_->SetProperty(fw::kDispIdAppearance, fw::Variant::Long(appearance));
}

QString TumblerSwitch::ver() const {
    return QString::fromStdString(Get(*control_, dispid::kVer).AsString());
}

QSize TumblerSwitch::sizeHint() const {
    return kDefaultExtent;
}

void TumblerSwitch::doClick() {
    control_->CallMethod(fw::kDispIdDoClick);
}

bool TumblerSwitch::ClickWouldUncheckExclusive() const {
    if (!isChecked()) return false;
    return group() != nullptr ? group()->exclusive() : autoExclusive();
}

void TumblerSwitch::SyncChecked() {
    const bool on = control_->GetValue() != 0;
    if (isChecked() == on) return;
    syncing_ = true;
    setChecked(on);
    syncing_ = false;
    // An exclusive group keeps its checked button on; the control follows it back.
    if (isChecked() != on) setValue(isChecked());
}

void TumblerSwitch::nextCheckState() {
    qtClicking_ = true;
    doClick();
    qtClicking_ = false;
}

void TumblerSwitch::checkStateSet() {
    if (syncing_ || isChecked() == (control_->GetValue() != 0)) return;
    control_->SetProperty(dispid::kValue, fw::Variant::Bool(isChecked() ? 1 : 0));
}

void TumblerSwitch::ShowControlFont() {
    const QFont shown = tumbler::qt::ToWidgetFont(control_->InternalGetFont());
    if (font() == shown && testAttribute(Qt::WA_SetFont)) return;
    site_->showingFont = true;
    setFont(shown);
    site_->showingFont = false;
}

void TumblerSwitch::ShowControlCaption() {
    const QString shown = AsButtonText(caption());
    if (text() != shown) setText(shown);
}

void TumblerSwitch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    site_->picture.Show(painter, *control_, size());
    if (hasFocus()) {
        // A dotted frame inside the border: the control's picture stays visible under it.
        const int inset =
            fw::BorderWidth(control_->GetBorderStyle(), control_->GetAppearance()) + 1;
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
    }
}

void TumblerSwitch::mousePressEvent(QMouseEvent* event) {
    const auto button = MouseButtonOf(event->button());
    if (!button || ClickWouldUncheckExclusive()) return;
    control_->OnButtonDown(*button, PointOf(event));
}

void TumblerSwitch::mouseReleaseEvent(QMouseEvent* event) {
    const auto button = MouseButtonOf(event->button());
    if (button) control_->OnButtonUp(*button, PointOf(event));
}

// The control recognises its clicks itself; the button's own pressed state stays out.
void TumblerSwitch::mouseMoveEvent(QMouseEvent*) {}

void TumblerSwitch::resizeEvent(QResizeEvent*) {
    control_->SetBounds({0, 0, width(), height()});
}

void TumblerSwitch::changeEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::FontChange:
            if (!site_->showingFont) {
                fw::FontDescription shown = tumbler::qt::FromWidgetFont(font());
                shown.charset = control_->InternalGetFont().charset;
                if (!(shown == control_->InternalGetFont())) {
                    control_->SetProperty(fw::kDispIdFont, fw::Variant::Font(shown));
                }
            }
            break;
        case QEvent::PaletteChange:
        case QEvent::ParentChange:
            site_->picture.Invalidate();
            update();
            break;
        default:
            break;
    }
    QAbstractButton::changeEvent(event);
}
