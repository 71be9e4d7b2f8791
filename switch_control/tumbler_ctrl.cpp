#include "switch_control/tumbler_ctrl.h"

#include "switch_control/tumbler_interfaces.h"
#include "switch_control/tumbler_module_state.h"

namespace tumbler {

using namespace framework;

namespace {

// The control's state while it loads; it never changes it.
constexpr std::int32_t kReadyStateLoading = 1;

}  // namespace

CTumblerCtrl::CTumblerCtrl() : CTumblerCtrl(TumblerModuleState()) {}

CTumblerCtrl::CTumblerCtrl(const ModuleState& module)
    : ControlBase(kIidDTumbler, kIidDTumblerEvents), module_(module) {
    Stock().readyState = kReadyStateLoading;
    InitNew();
}

CTumblerCtrl::~CTumblerCtrl() = default;

const InterfaceInfo& CTumblerCtrl::DispatchInterface() const {
    return DispatchTableOf().Info();
}

const InterfaceInfo& CTumblerCtrl::EventInterface() const {
    return TumblerEventsInterface();
}

HResult CTumblerCtrl::Invoke(DispId id, InvokeKind kind, std::span<const Variant> args,
                             Variant* result) {
    return DispatchTableOf().Invoke(*this, id, kind, args, result);
}

std::uint32_t CTumblerCtrl::GetControlFlags() const {
    return ControlBase::GetControlFlags() | kControlFlagNoFlickerActivate;
}

void CTumblerCtrl::ExchangeProperties(PropExchange& px) {
    px.ExchangeVersion(kExchangeVersion);
    ExchangeStockProps(px);
    StockProperties& stock = Stock();
    PxString(px, "Caption", stock.text, "");
    PxColor(px, "BackColor", stock.backColor, AmbientBackColor());
    PxColor(px, "ForeColor", stock.foreColor, TranslateColor(SystemColor(kColorButtonFace)));
    PxShort(px, "Appearance", stock.appearance, 1);
    PxShort(px, "BorderStyle", stock.borderStyle, 1);
    PxBool(px, "Value", value_, 0);
    PxLong(px, "SwitchShape", switchShape_, static_cast<std::int32_t>(TumblerShapes::type1));
    PxLong(px, "Alignment", alignment_, static_cast<std::int32_t>(TumblerAliments::vertical));
    PxLong(px, "CaptionAlignment", captionAlignment_, static_cast<std::int32_t>(Aliments::top));
    PxColor(px, "CaptionColor", captionColor_, 0x000000);
    PxColor(px, "LedColor", ledColor_, 0x0000FF);
    PxDouble(px, "LedDarkPrm", ledDarkPrm_, 0.5);
    PxString(px, "Ver", versionText_, module_.LoadString(kIdsVersion));
}

void CTumblerCtrl::HandleClick(MouseButton button) {
    value_ = value_ == 0 ? 1 : 0;
    OnValueChanged();
    ControlBase::HandleClick(button);
}

void CTumblerCtrl::OnPropertyChanged() {
    InvalidateControl(true);
    SetModifiedFlag();
}

void CTumblerCtrl::OnValueChanged() {
    InvalidateControl(true);
    FireEvent(dispid::kChange);
    SetModifiedFlag();
}

void CTumblerCtrl::SetValue(std::int32_t value) {
    value_ = value;
    OnValueChanged();
}

void CTumblerCtrl::SetSwitchShape(std::int32_t shape) {
    switchShape_ = shape;
    OnPropertyChanged();
}

void CTumblerCtrl::SetAlignment(std::int32_t alignment) {
    alignment_ = alignment;
    OnPropertyChanged();
}

void CTumblerCtrl::SetCaptionAlignment(std::int32_t alignment) {
    captionAlignment_ = alignment;
    OnPropertyChanged();
}

void CTumblerCtrl::SetCaptionColor(OleColor color) {
    captionColor_ = color;
    OnPropertyChanged();
}

void CTumblerCtrl::SetLedColor(OleColor color) {
    ledColor_ = color;
    OnPropertyChanged();
}

void CTumblerCtrl::SetLedDarkPrm(double amount) {
    ledDarkPrm_ = amount;
    OnPropertyChanged();
}

HResult CTumblerCtrl::AboutBox() {
    if (!aboutBox_) return kNotImplemented;
    aboutBox_();
    return kOk;
}

}  // namespace tumbler
