#include "switch_control/quick/switch_face_item.h"

#include <QQuickWindow>
#include <QSGImageNode>
#include <cmath>

#include "switch_control/framework/control/control_border.h"
#include "switch_control/framework/control/control_site.h"
#include "switch_control/qt/qt_values.h"
#include "switch_control/tumbler_ctrl.h"
#include "switch_control/tumbler_interfaces.h"

namespace tumbler::quick {

namespace fw = framework;

namespace {

fw::Variant Get(CTumblerCtrl& control, fw::DispId id) {
    fw::Variant value;
    control.GetProperty(id, &value);
    return value;
}

}  // namespace

// The item as the control's site: a repaint request becomes a new picture at the next polish.
struct SwitchFaceItem::Site : fw::ControlSite {
    explicit Site(SwitchFaceItem& owner) : item(owner) {}
    void InvalidateControl(bool) override { item.Redraw(); }
    SwitchFaceItem& item;
};

SwitchFaceItem::SwitchFaceItem(QQuickItem* parent)
    : QQuickItem(parent),
      control_(std::make_unique<CTumblerCtrl>()),
      site_(std::make_unique<Site>(*this)) {
    setFlag(ItemHasContents);
    control_->SetClientSite(site_.get());
    // A new control's bounds are its default extent.
    const fw::Rect extent = control_->Bounds();
    setImplicitSize(extent.Width(), extent.Height());
}

SwitchFaceItem::~SwitchFaceItem() {
    control_->SetClientSite(nullptr);
}

template <typename Value, typename Store>
void SwitchFaceItem::Change(const Value& now, const Value& wanted, Store store,
                            void (SwitchFaceItem::*changed)()) {
    if (now == wanted) return;
    store();
    Q_EMIT(this->*changed)();
}

bool SwitchFaceItem::value() const {
    return control_->GetValue() != 0;
}
void SwitchFaceItem::setValue(bool on) {
    Change(
        value(), on, [&] { control_->SetProperty(dispid::kValue, fw::Variant::Bool(on ? 1 : 0)); },
        &SwitchFaceItem::valueChanged);
}

int SwitchFaceItem::switchShape() const {
    return control_->GetSwitchShape();
}
void SwitchFaceItem::setSwitchShape(int shape) {
    Change(
        switchShape(), shape,
        [&] { control_->SetProperty(dispid::kSwitchShape, fw::Variant::Long(shape)); },
        &SwitchFaceItem::switchShapeChanged);
}

int SwitchFaceItem::alignment() const {
    return control_->GetAlignment();
}
void SwitchFaceItem::setAlignment(int alignment) {
    Change(
        this->alignment(), alignment,
        [&] { control_->SetProperty(dispid::kAlignment, fw::Variant::Long(alignment)); },
        &SwitchFaceItem::alignmentChanged);
}

int SwitchFaceItem::captionAlignment() const {
    return control_->GetCaptionAlignment();
}
void SwitchFaceItem::setCaptionAlignment(int alignment) {
    Change(
        captionAlignment(), alignment,
        [&] { control_->SetProperty(dispid::kCaptionAlignment, fw::Variant::Long(alignment)); },
        &SwitchFaceItem::captionAlignmentChanged);
}

QString SwitchFaceItem::caption() const {
    return QString::fromStdString(control_->GetText());
}
void SwitchFaceItem::setCaption(const QString& caption) {
    Change(
        this->caption(), caption,
        [&] {
            control_->SetProperty(fw::kDispIdCaption, fw::Variant::String(caption.toStdString()));
        },
        &SwitchFaceItem::captionChanged);
}

QFont SwitchFaceItem::font() const {
    return qt::ToWidgetFont(control_->InternalGetFont());
}
void SwitchFaceItem::setFont(const QFont& font) {
    // Compared as the control keeps fonts: a QFont that says the same in other words is no change.
    fw::FontDescription wanted = qt::FromWidgetFont(font);
    wanted.charset = control_->InternalGetFont().charset;
    Change(
        control_->InternalGetFont(), wanted,
        [&] { control_->SetProperty(fw::kDispIdFont, fw::Variant::Font(wanted)); },
        &SwitchFaceItem::fontChanged);
}

QColor SwitchFaceItem::Colour(int dispid) const {
    return qt::RgbToQColor(control_->TranslateColor(Get(*control_, dispid).AsColor()));
}
void SwitchFaceItem::SetColour(int dispid, const QColor& colour,
                               void (SwitchFaceItem::*changed)()) {
    if (!colour.isValid()) return;
    Change(
        Colour(dispid).rgb(), colour.toRgb().rgb(),
        [&] { control_->SetProperty(dispid, fw::Variant::Color(qt::ToOleColor(colour))); },
        changed);
}

QColor SwitchFaceItem::captionColor() const {
    return Colour(dispid::kCaptionColor);
}
void SwitchFaceItem::setCaptionColor(const QColor& colour) {
    SetColour(dispid::kCaptionColor, colour, &SwitchFaceItem::captionColorChanged);
}
QColor SwitchFaceItem::ledColor() const {
    return Colour(dispid::kLedColor);
}
void SwitchFaceItem::setLedColor(const QColor& colour) {
    SetColour(dispid::kLedColor, colour, &SwitchFaceItem::ledColorChanged);
}
QColor SwitchFaceItem::foreColor() const {
    return Colour(fw::kDispIdForeColor);
}
void SwitchFaceItem::setForeColor(const QColor& colour) {
    SetColour(fw::kDispIdForeColor, colour, &SwitchFaceItem::foreColorChanged);
}
QColor SwitchFaceItem::backColor() const {
    return Colour(fw::kDispIdBackColor);
}
void SwitchFaceItem::setBackColor(const QColor& colour) {
    SetColour(fw::kDispIdBackColor, colour, &SwitchFaceItem::backColorChanged);
}

double SwitchFaceItem::ledDarkPrm() const {
    return control_->GetLedDarkPrm();
}
void SwitchFaceItem::setLedDarkPrm(double amount) {
    Change(
        ledDarkPrm(), amount,
        [&] { control_->SetProperty(dispid::kLedDarkPrm, fw::Variant::Double(amount)); },
        &SwitchFaceItem::ledDarkPrmChanged);
}

int SwitchFaceItem::borderStyle() const {
    return control_->GetBorderStyle();
}
void SwitchFaceItem::setBorderStyle(int style) {
    const int width = borderWidth();
    Change(
        borderStyle(), style,
        [&] { control_->SetProperty(fw::kDispIdBorderStyle, fw::Variant::Long(style)); },
        &SwitchFaceItem::borderStyleChanged);
    if (borderWidth() != width) Q_EMIT borderWidthChanged();
}

int SwitchFaceItem::appearance() const {
    return control_->GetAppearance();
}
void SwitchFaceItem::setAppearance(int appearance) {
    const int width = borderWidth();
    Change(
        this->appearance(), appearance,
        [&] { control_->SetProperty(fw::kDispIdAppearance, fw::Variant::Long(appearance)); },
        &SwitchFaceItem::appearanceChanged);
    if (borderWidth() != width) Q_EMIT borderWidthChanged();
}

int SwitchFaceItem::borderWidth() const {
    return fw::BorderWidth(control_->GetBorderStyle(), control_->GetAppearance());
}

void SwitchFaceItem::Redraw() {
    picture_.Invalidate();
    polish();
}

void SwitchFaceItem::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) {
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size()) polish();
}

void SwitchFaceItem::itemChange(ItemChange change, const ItemChangeData& data) {
    QQuickItem::itemChange(change, data);
    if (change == ItemSceneChange || change == ItemDevicePixelRatioHasChanged) polish();
}

void SwitchFaceItem::updatePolish() {
    // Whole pixels: the control's bounds are integers, and a whole-pixel picture at a
    // whole-pixel place is shown pixel for pixel.
    const QSize size(static_cast<int>(std::lround(width())),
                     static_cast<int>(std::lround(height())));
    const double ratio = window() != nullptr ? window()->effectiveDevicePixelRatio() : 0;
    const Extent wanted{size.isEmpty() || ratio <= 0 ? QSize() : size, ratio};
    if (picture_.IsValid() && shown_ == wanted) return;
    drawn_ = wanted.size.isEmpty() ? QImage() : picture_.Get(*control_, size, ratio);
    shown_ = wanted;
    update();
}

QSGNode* SwitchFaceItem::updatePaintNode(QSGNode* old, UpdatePaintNodeData*) {
    auto* node = static_cast<QSGImageNode*>(old);
    if (shown_.size.isEmpty()) {
        delete node;
        return nullptr;
    }
    // A scene graph made anew (another window, a released one) has lost the node: the kept
    // picture serves again (the GUI thread waits while this runs).
    if (node == nullptr && drawn_.isNull())
        drawn_ = picture_.Get(*control_, shown_.size, shown_.ratio);
    if (!drawn_.isNull()) {
        // A new node for a new picture: a node deletes the texture it owns when it goes, while
        // not every backend's node deletes the one it replaces.
        delete node;
        node = window()->createImageNode();
        node->setOwnsTexture(true);
        // One picture pixel to one device pixel: nothing to filter.
        node->setFiltering(QSGTexture::Nearest);
        node->setTexture(window()->createTextureFromImage(drawn_));
        drawn_ = QImage();
    }
    node->setRect(QRectF(QPointF(0, 0), QSizeF(shown_.size)));
    return node;
}

}  // namespace tumbler::quick
