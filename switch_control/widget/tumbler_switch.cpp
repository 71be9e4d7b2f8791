#include "switch_control/widget/tumbler_switch.h"

#include <QButtonGroup>
#include <QMouseEvent>
#include <QPainter>

#include "switch_control/framework/control/control_border.h"
#include "switch_control/framework/control/control_site.h"
#include "switch_control/qt/followed_look.h"
#include "switch_control/qt/qt_values.h"
#include "switch_control/qt/smallest_extent.h"
#include "switch_control/qt/switch_picture.h"
#include "switch_control/tumbler_ctrl.h"
#include "switch_control/tumbler_interfaces.h"

namespace fw = tumbler::framework;
namespace dispid = tumbler::dispid;
using tumbler::qt::FollowedLook;
using tumbler::qt::ToOleColor;
using Followed = FollowedLook::Property;

namespace {

constexpr QSize kDefaultExtent(100, 50);

fw::Point PointOf(const QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    return {at.x(), at.y()};
}

// The caption as the button's own text names the button for accessibility; '&' in it is the
// caption's own character, not a mnemonic.
QString AsButtonText(QString caption) {
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString FromButtonText(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

}  // namespace

// The widget as the control's container site (the ambient back colour, repaint requests, the
// control's events) and everything else the widget keeps.
struct TumblerSwitch::Private : fw::ControlSite, fw::EventSink {
    explicit Private(TumblerSwitch& owner) : widget(owner) {}

    bool GetAmbientProperty(fw::DispId id, fw::Variant* value) const override {
        if (id != fw::kDispIdAmbientBackColor) return false;
        *value = fw::Variant::Color(ToOleColor(widget.palette().color(QPalette::Window)));
        return true;
    }
    // Every set and load repaints: the widget's font, text and size hints follow the control's.
    void InvalidateControl(bool) override {
        picture.Invalidate();
        widget.ShowControlFont();
        widget.ShowControlCaption();
        if (minimumSize.Update(control)) widget.updateGeometry();
        widget.update();
    }
    void* ContainerWindow() const override { return widget.window(); }
    void OnEvent(fw::DispId id) override {
        if (id == dispid::kChange) {
            Q_EMIT widget.changed();
            widget.SyncChecked();
        } else if (id == fw::kDispIdClick && !qtClicking) {
            Q_EMIT widget.clicked(widget.isChecked());
        }
    }

    TumblerSwitch& widget;
    tumbler::CTumblerCtrl control;
    tumbler::qt::SwitchPicture picture;
    FollowedLook look;
    tumbler::qt::KeptSmallestExtent minimumSize;
    std::uint32_t cookie = 0;
    bool showingFont = false;  // the widget's font is being set to the control's
    bool syncing = false;      // checked is being set to follow the control
    bool qtClicking = false;   // Qt's click path runs; Qt emits clicked itself
};

TumblerSwitch::TumblerSwitch(QWidget* parent)
    : QAbstractButton(parent), d_(std::make_unique<Private>(*this)) {
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is the control's: Qt fills nothing under it first, not even in a render().
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    d_->control.SetClientSite(d_.get());
    d_->cookie = d_->control.Advise(d_.get());
    d_->control.SetBounds({0, 0, width(), height()});
    d_->control.InitNew();  // again, now that the ambient back colour is the widget's
    connect(this, &QAbstractButton::toggled, this, &TumblerSwitch::toggled);
    FollowLook();
    SyncChecked();
}

TumblerSwitch::~TumblerSwitch() {
    d_->control.Unadvise(d_->cookie);
    d_->control.SetClientSite(nullptr);
}

tumbler::CTumblerCtrl& TumblerSwitch::control() const {
    return d_->control;
}

namespace {

fw::Variant Get(tumbler::CTumblerCtrl& control, fw::DispId id) {
    fw::Variant value;
    control.GetProperty(id, &value);
    return value;
}

}  // namespace

bool TumblerSwitch::value() const {
    return Get(d_->control, dispid::kValue).IsTrue();
}

void TumblerSwitch::setValue(bool on) {
    // The checked switch of an exclusive group stays on, as Qt's buttons do.
    if (!on && ClickWouldUncheckExclusive()) return;
    d_->control.SetProperty(dispid::kValue, fw::Variant::Bool(on ? 1 : 0));
}

TumblerSwitch::SwitchShape TumblerSwitch::switchShape() const {
    return static_cast<SwitchShape>(Get(d_->control, dispid::kSwitchShape).Integer());
}

void TumblerSwitch::setSwitchShape(SwitchShape shape) {
    d_->control.SetProperty(dispid::kSwitchShape, fw::Variant::Long(shape));
}

TumblerSwitch::Orientation TumblerSwitch::alignment() const {
    return static_cast<Orientation>(Get(d_->control, dispid::kAlignment).Integer());
}

void TumblerSwitch::setAlignment(Orientation alignment) {
    d_->control.SetProperty(dispid::kAlignment, fw::Variant::Long(alignment));
}

TumblerSwitch::CaptionPosition TumblerSwitch::captionAlignment() const {
    return static_cast<CaptionPosition>(Get(d_->control, dispid::kCaptionAlignment).Integer());
}

void TumblerSwitch::setCaptionAlignment(CaptionPosition position) {
    d_->control.SetProperty(dispid::kCaptionAlignment, fw::Variant::Long(position));
}

QString TumblerSwitch::caption() const {
    return QString::fromStdString(Get(d_->control, fw::kDispIdCaption).AsString());
}

void TumblerSwitch::setCaption(const QString& caption) {
    d_->control.SetProperty(fw::kDispIdCaption, fw::Variant::String(caption.toStdString()));
}

QColor TumblerSwitch::ControlColour(int dispid) const {
    return tumbler::qt::ToQColor(Get(d_->control, dispid).AsColor(), palette(),
                                 [this](fw::OleColor c) { return d_->control.TranslateColor(c); });
}

void TumblerSwitch::SetControlProperty(int dispid, const QColor& colour) {
    if (colour.isValid()) d_->control.SetProperty(dispid, fw::Variant::Color(ToOleColor(colour)));
}

QColor TumblerSwitch::captionColor() const {
    return ControlColour(dispid::kCaptionColor);
}
void TumblerSwitch::setCaptionColor(const QColor& colour) {
    if (colour.isValid()) d_->look.Pin(Followed::CaptionColour);
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
    if (colour.isValid()) d_->look.Pin(Followed::BackColour);
    SetControlProperty(fw::kDispIdBackColor, colour);
}

double TumblerSwitch::ledDarkPrm() const {
    return Get(d_->control, dispid::kLedDarkPrm).AsDouble();
}

void TumblerSwitch::setLedDarkPrm(double amount) {
    d_->control.SetProperty(dispid::kLedDarkPrm, fw::Variant::Double(amount));
}

int TumblerSwitch::borderStyle() const {
    return Get(d_->control, fw::kDispIdBorderStyle).Integer();
}

void TumblerSwitch::setBorderStyle(int style) {
    d_->control.SetProperty(fw::kDispIdBorderStyle, fw::Variant::Long(style));
}

int TumblerSwitch::appearance() const {
    return Get(d_->control, fw::kDispIdAppearance).Integer();
}

void TumblerSwitch::setAppearance(int appearance) {
    d_->control.SetProperty(fw::kDispIdAppearance, fw::Variant::Long(appearance));
}

QString TumblerSwitch::ver() const {
    return QString::fromStdString(Get(d_->control, dispid::kVer).AsString());
}

QSize TumblerSwitch::sizeHint() const {
    return kDefaultExtent.expandedTo(minimumSizeHint());
}

QSize TumblerSwitch::minimumSizeHint() const {
    return d_->minimumSize.Get();
}

void TumblerSwitch::doClick() {
    d_->control.CallMethod(fw::kDispIdDoClick);
}

bool TumblerSwitch::ClickWouldUncheckExclusive() const {
    if (!isChecked()) return false;
    return group() != nullptr ? group()->exclusive() : autoExclusive();
}

void TumblerSwitch::SyncChecked() {
    const bool on = d_->control.GetValue() != 0;
    if (isChecked() == on) return;
    d_->syncing = true;
    setChecked(on);
    d_->syncing = false;
    // An exclusive group keeps its checked button on; the control follows it back.
    if (isChecked() != on) setValue(isChecked());
}

void TumblerSwitch::nextCheckState() {
    d_->qtClicking = true;
    doClick();
    d_->qtClicking = false;
}

void TumblerSwitch::checkStateSet() {
    if (d_->syncing || isChecked() == (d_->control.GetValue() != 0)) return;
    d_->control.SetProperty(dispid::kValue, fw::Variant::Bool(isChecked() ? 1 : 0));
}

void TumblerSwitch::FollowLook() {
    d_->look.Follow(d_->control, tumbler::qt::HostLookOf(font(), palette(),
                                                         d_->control.InternalGetFont().charset));
}

// A font set through the control (its dispatch, a load) becomes the widget's own.
void TumblerSwitch::ShowControlFont() {
    if (d_->look.Follows(Followed::Font, d_->control)) return;
    const fw::FontDescription& held = d_->control.InternalGetFont();
    fw::FontDescription shown = tumbler::qt::FromWidgetFont(font());
    shown.charset = held.charset;
    if (shown == held) return;
    d_->showingFont = true;
    setFont(tumbler::qt::ToWidgetFont(held));
    d_->showingFont = false;
}

void TumblerSwitch::ShowControlCaption() {
    const QString shown = AsButtonText(caption());
    if (QAbstractButton::text() != shown) QAbstractButton::setText(shown);
}

void TumblerSwitch::paintEvent(QPaintEvent*) {
    // QAbstractButton::setText is not virtual: a text set through a QAbstractButton pointer
    // becomes the caption here.
    if (QAbstractButton::text() != AsButtonText(caption())) {
        setCaption(FromButtonText(QAbstractButton::text()));
    }
    QPainter painter(this);
    d_->picture.Show(painter, d_->control, size());
    if (hasFocus()) {
        // A dotted frame inside the border: the control's picture stays visible under it.
        const int inset =
            fw::BorderWidth(d_->control.GetBorderStyle(), d_->control.GetAppearance()) + 1;
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
    }
}

// Only the left button clicks, as with every Qt button; the others are the parent's.
void TumblerSwitch::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    if (ClickWouldUncheckExclusive()) return;
    d_->control.OnButtonDown(fw::MouseButton::Left, PointOf(event));
}

void TumblerSwitch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    d_->control.OnButtonUp(fw::MouseButton::Left, PointOf(event));
}

// The control recognises its clicks itself; the button's own pressed state stays out.
void TumblerSwitch::mouseMoveEvent(QMouseEvent*) {}

void TumblerSwitch::resizeEvent(QResizeEvent*) {
    d_->control.SetBounds({0, 0, width(), height()});
}

void TumblerSwitch::changeEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::FontChange:
            if (d_->showingFont) break;
            // A font the program set on the widget is the control's from now on; one handed
            // down (application, parent, style sheet) is followed while the program set none.
            if (testAttribute(Qt::WA_SetFont)) {
                d_->look.Pin(Followed::Font);
                fw::FontDescription shown = tumbler::qt::FromWidgetFont(font());
                shown.charset = d_->control.InternalGetFont().charset;
                if (!(shown == d_->control.InternalGetFont())) {
                    d_->control.SetProperty(fw::kDispIdFont, fw::Variant::Font(shown));
                }
            } else {
                FollowLook();
            }
            break;
        case QEvent::PaletteChange:
            FollowLook();
            // System colour values are the palette's colours.
            d_->picture.Invalidate();
            update();
            break;
        default:
            break;
    }
    QAbstractButton::changeEvent(event);
}
