#include "switch_control/framework/control/control_base.h"

#include <algorithm>
#include <limits>

#include "switch_control/framework/control/bag_exchange.h"
#include "switch_control/framework/control/control_site.h"
#include "switch_control/framework/control/stream_exchange.h"

namespace tumbler::framework {

namespace {

// The size of a new control, in pixels.
constexpr int kInitialWidth = 100;
constexpr int kInitialHeight = 50;

// A stored extent can be far larger than any screen; the bounds then end at the largest int.
int SaturatingAdd(int origin, int size) {
    return static_cast<int>(
        std::min<std::int64_t>(std::numeric_limits<int>::max(), std::int64_t{origin} + size));
}

}  // namespace

ControlBase::ControlBase(const Guid& dispatchIid, const Guid& eventsIid)
    : dispatchIid_(dispatchIid),
      eventsIid_(eventsIid),
      bounds_{0, 0, kInitialWidth, kInitialHeight} {}

ControlBase::~ControlBase() = default;

HResult ControlBase::GetIdOfName(std::string_view name, DispId* id) const {
    const MemberInfo* member = DispatchInterface().Find(name);
    if (member == nullptr) return kUnknownName;
    *id = member->id;
    return kOk;
}

HResult ControlBase::GetProperty(DispId id, Variant* value) {
    return Invoke(id, InvokeKind::PropertyGet, {}, value);
}

HResult ControlBase::SetProperty(DispId id, const Variant& value) {
    return Invoke(id, InvokeKind::PropertyPut, std::span<const Variant>(&value, 1), nullptr);
}

HResult ControlBase::CallMethod(DispId id) {
    return Invoke(id, InvokeKind::Method, {}, nullptr);
}

void ControlBase::InitNew() {
    PropExchange reset(ExchangeMode::Reset);
    ExchangeProperties(reset);
    SetModifiedFlag(false);
    InvalidateControl();
}

HResult ControlBase::Load(PropExchange& px) {
    ExchangeProperties(px);
    if (Failed(px.Result())) {
        InitNew();
        return px.Result();
    }
    SetModifiedFlag(false);
    InvalidateControl();
    return kOk;
}

HResult ControlBase::Save(PropExchange& px, bool clearDirty) {
    ExchangeProperties(px);
    if (Succeeded(px.Result()) && clearDirty) SetModifiedFlag(false);
    return px.Result();
}

HResult ControlBase::LoadFromBag(const PropertyBag& bag) {
    BagLoadExchange px(bag);
    return Load(px);
}

HResult ControlBase::SaveToBag(PropertyBag* bag, bool clearDirty) {
    PropertyBag saved = *bag;
    BagSaveExchange px(&saved);
    const HResult hr = Save(px, clearDirty);
    if (Succeeded(hr)) *bag = std::move(saved);
    return hr;
}

HResult ControlBase::LoadFromBagText(std::string_view text) {
    PropertyBag bag;
    const HResult hr = ParsePropertyBag(text, &bag);
    if (Failed(hr)) {
        InitNew();
        return hr;
    }
    return LoadFromBag(bag);
}

HResult ControlBase::SaveToBagText(std::string* text, bool clearDirty) {
    PropertyBag bag;
    const HResult hr = SaveToBag(&bag, clearDirty);
    if (Succeeded(hr)) *text = FormatPropertyBag(bag);
    return hr;
}

HResult ControlBase::LoadFromStream(std::span<const std::uint8_t> data) {
    StreamLoadExchange px(data);
    return Load(px);
}

HResult ControlBase::SaveToStream(std::vector<std::uint8_t>* data, bool clearDirty) {
    std::vector<std::uint8_t> saved;
    StreamSaveExchange px(&saved);
    const HResult hr = Save(px, clearDirty);
    if (Succeeded(hr)) data->insert(data->end(), saved.begin(), saved.end());
    return hr;
}

void ControlBase::ExchangeStockProps(PropExchange& px) {
    Extent extent = PixelsToHimetric(bounds_.Width(), bounds_.Height());
    const Extent initial = PixelsToHimetric(kInitialWidth, kInitialHeight);
    PxLong(px, "_ExtentX", extent.cx, initial.cx);
    PxLong(px, "_ExtentY", extent.cy, initial.cy);
    if (px.Mode() == ExchangeMode::Load && (extent.cx < 0 || extent.cy < 0)) {
        px.Fail(kDataCorrupt);
    }
    if (px.Mode() != ExchangeMode::Save && Succeeded(px.Result())) {
        bounds_.r = SaturatingAdd(bounds_.l, HimetricToPixels(extent.cx));
        bounds_.b = SaturatingAdd(bounds_.t, HimetricToPixels(extent.cy));
    }
    PxString(px, "Caption", stock_.text, "");
    PxFont(px, "Font", stock_.font, AmbientFont());
    PxColor(px, "ForeColor", stock_.foreColor, AmbientForeColor());
    PxColor(px, "BackColor", stock_.backColor, AmbientBackColor());
    PxShort(px, "BorderStyle", stock_.borderStyle, 0);
    PxShort(px, "Appearance", stock_.appearance, 0);
}

void ControlBase::OnButtonDown(MouseButton button, Point where) {
    pressed_.reset();
    if (bounds_.Contains(where)) pressed_ = button;
}

void ControlBase::OnButtonUp(MouseButton button, Point where) {
    if (pressed_ != button) return;
    pressed_.reset();
    if (bounds_.Contains(where)) HandleClick(button);
}

void ControlBase::HandleClick(MouseButton) {
    FireEvent(kDispIdClick);
}

void ControlBase::PaintControl(drawing::DrawingContext&, const Rect&) {}

void ControlBase::DrawToMetafile(drawing::DrawingContext& dc, const Rect& bounds) {
    PaintControl(dc, bounds);
}

void ControlBase::InvalidateControl(bool erase) {
    needsRepaint_ = true;
    if (site_ != nullptr) site_->InvalidateControl(erase);
}

void ControlBase::OnStockPropertyChanged(DispId) {
    InvalidateControl();
}

template <typename T>
HResult ControlBase::SetStock(DispId id, T& field, T value) {
    // Only members marked request-edit in the dispatch table ask the container first.
    const MemberInfo* member = DispatchInterface().Find(id);
    const bool asks = member != nullptr && (member->flags & kFlagRequestEdit) != 0;
    if (asks && site_ != nullptr && !site_->RequestEdit(id)) return kSetNotPermitted;
    field = std::move(value);
    SetModifiedFlag();
    OnStockPropertyChanged(id);
    if (site_ != nullptr) site_->PropertyChanged(id);
    return kOk;
}

HResult ControlBase::SetText(std::string text) {
    return SetStock(kDispIdCaption, stock_.text, std::move(text));
}

HResult ControlBase::SetFont(FontDescription font) {
    if (!IsUsableFont(font)) return kInvalidPropertyValue;
    return SetStock(kDispIdFont, stock_.font, std::move(font));
}

HResult ControlBase::SetForeColor(OleColor color) {
    return SetStock(kDispIdForeColor, stock_.foreColor, color);
}

HResult ControlBase::SetBackColor(OleColor color) {
    return SetStock(kDispIdBackColor, stock_.backColor, color);
}

HResult ControlBase::SetBorderStyle(std::int16_t style) {
    return SetStock(kDispIdBorderStyle, stock_.borderStyle, style);
}

HResult ControlBase::SetAppearance(std::int16_t appearance) {
    return SetStock(kDispIdAppearance, stock_.appearance, appearance);
}

Rgb ControlBase::TranslateColor(OleColor color) const {
    Rgb rgb = 0;
    return Succeeded(framework::TranslateColor(color, SystemColors(), &rgb)) ? rgb : 0;
}

namespace {

std::optional<Variant> Ambient(const ControlSite* site, DispId id, VarType type) {
    Variant value;
    Variant converted;
    if (site == nullptr || !site->GetAmbientProperty(id, &value) ||
        Failed(ChangeType(value, type, &converted))) {
        return std::nullopt;
    }
    return converted;
}

}  // namespace

OleColor ControlBase::AmbientBackColor() const {
    const auto ambient = Ambient(site_, kDispIdAmbientBackColor, VarType::Color);
    return ambient ? ambient->AsColor() : SystemColors().Get(kColorWindow);
}

OleColor ControlBase::AmbientForeColor() const {
    const auto ambient = Ambient(site_, kDispIdAmbientForeColor, VarType::Color);
    return ambient ? ambient->AsColor() : SystemColors().Get(kColorWindowText);
}

FontDescription ControlBase::AmbientFont() const {
    const auto ambient = Ambient(site_, kDispIdAmbientFont, VarType::Font);
    return ambient && IsUsableFont(ambient->AsFont()) ? ambient->AsFont() : DefaultStockFont();
}

}  // namespace tumbler::framework
