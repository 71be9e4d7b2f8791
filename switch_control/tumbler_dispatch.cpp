#include "switch_control/framework/control/stock_properties.h"
#include "switch_control/tumbler_ctrl.h"
#include "switch_control/tumbler_interfaces.h"

namespace tumbler {

using namespace framework;

namespace {

using Row = DispatchTable::Row;

constexpr std::uint32_t kBindableRequestEdit = kFlagBindable | kFlagRequestEdit;

const CTumblerCtrl& Self(const ControlBase& control) {
    return static_cast<const CTumblerCtrl&>(control);
}
CTumblerCtrl& Self(ControlBase& control) {
    return static_cast<CTumblerCtrl&>(control);
}

Row Custom(DispId id, std::string name, VarType type, std::uint32_t helpContext,
           std::string helpString, std::string typeName = {}) {
    Row row;
    row.info.id = id;
    row.info.name = std::move(name);
    row.info.kind = MemberKind::Property;
    row.info.type = type;
    row.info.typeName = std::move(typeName);
    row.info.helpContext = helpContext;
    row.info.helpString = std::move(helpString);
    return row;
}

// A long property backed by a getter and setter of the control.
template <std::int32_t (CTumblerCtrl::*Get)() const, void (CTumblerCtrl::*Set)(std::int32_t)>
Row LongProperty(Row row) {
    row.get = [](const ControlBase& c, Variant* v) {
        *v = Variant::Long((Self(c).*Get)());
        return kOk;
    };
    row.put = [](ControlBase& c, const Variant& v) {
        (Self(c).*Set)(v.Integer());
        return kOk;
    };
    return row;
}

template <OleColor (CTumblerCtrl::*Get)() const, void (CTumblerCtrl::*Set)(OleColor)>
Row ColorProperty(Row row) {
    row.get = [](const ControlBase& c, Variant* v) {
        *v = Variant::Color((Self(c).*Get)());
        return kOk;
    };
    row.put = [](ControlBase& c, const Variant& v) {
        (Self(c).*Set)(v.AsColor());
        return kOk;
    };
    return row;
}

Row ValueRow() {
    Row row = Custom(dispid::kValue, "Value", VarType::Bool, 2009, "ｱﾀｲ true = ON, False = OFF");
    row.get = [](const ControlBase& c, Variant* v) {
        *v = Variant::Bool(Self(c).GetValue());
        return kOk;
    };
    row.put = [](ControlBase& c, const Variant& v) {
        Self(c).SetValue(v.Integer());
        return kOk;
    };
    return row;
}

Row LedDarkPrmRow() {
    Row row = Custom(dispid::kLedDarkPrm, "LedDarkPrm", VarType::Double, 2013, "");
    row.get = [](const ControlBase& c, Variant* v) {
        *v = Variant::Double(Self(c).GetLedDarkPrm());
        return kOk;
    };
    row.put = [](ControlBase& c, const Variant& v) {
        Self(c).SetLedDarkPrm(v.AsDouble());
        return kOk;
    };
    return row;
}

Row VerRow() {
    Row row = Custom(dispid::kVer, "Ver", VarType::String, 2012, "ﾊﾞｰｼﾞｮﾝ ｼｭﾄｸ");
    row.get = [](const ControlBase& c, Variant* v) {
        *v = Variant::String(Self(c).GetVer());
        return kOk;
    };
    return row;
}

DispatchTable MakeTable() {
    using C = CTumblerCtrl;
    return DispatchTable(
        InterfaceInfo{kIidDTumbler, "_DTumbler", "Tumbler Control 用ﾃﾞｨｽﾊﾟｯﾁ ｲﾝﾀｰﾌｪｲｽ", true, {}},
        {
            StockPropertyRow(kDispIdReadyState, 0, std::nullopt, ""),
            StockPropertyRow(kDispIdAppearance, kBindableRequestEdit, 2001,
                             "ｺﾝﾄﾛｰﾙﾋｮｳｼﾞ (ﾌﾗｯﾄ/3D)"),
            StockPropertyRow(kDispIdBackColor, kBindableRequestEdit, 2002, "ﾊﾞｯｸｸﾞﾗﾝﾄﾞｶﾗｰ"),
            StockPropertyRow(kDispIdBorderStyle, kBindableRequestEdit, 2010, "ｷｮｳｶｲｾﾝ ｽﾀｲﾙ"),
            StockPropertyRow(kDispIdCaption, kBindableRequestEdit, 2003, "ｷｬﾌﾟｼｮﾝ"),
            StockPropertyRow(kDispIdForeColor, kBindableRequestEdit, 2011, "ｽｲｯﾁ ﾉ ｲﾛ"),
            ValueRow(),
            LongProperty<&C::GetSwitchShape, &C::SetSwitchShape>(
                Custom(dispid::kSwitchShape, "SwitchShape", VarType::Long, 2008, "ｽｲｯﾁ ﾉ ｹｲｼﾞｮｳ",
                       "TumblerShapes")),
            LongProperty<&C::GetAlignment, &C::SetAlignment>(
                Custom(dispid::kAlignment, "Alignment", VarType::Long, 2000, "ｺﾝﾄﾛｰﾙ ﾉ ﾊｲﾁ",
                       "TumblerAliments")),
            LongProperty<&C::GetCaptionAlignment, &C::SetCaptionAlignment>(
                Custom(dispid::kCaptionAlignment, "CaptionAlignment", VarType::Long, 2004,
                       "ｷｬﾌﾟｼｮﾝ ﾉ ﾊｲﾁ", "Aliments")),
            ColorProperty<&C::GetCaptionColor, &C::SetCaptionColor>(Custom(
                dispid::kCaptionColor, "CaptionColor", VarType::Color, 2005, "ｷｬﾌﾟｼｮﾝ ﾉ ｲﾛ")),
            ColorProperty<&C::GetLedColor, &C::SetLedColor>(
                Custom(dispid::kLedColor, "LedColor", VarType::Color, 2007, "Led ﾉ ｲﾛ")),
            StockPropertyRow(kDispIdFont, kFlagBindable, 2006, "ｷｬﾌﾟｼｮﾝ ﾌｫﾝﾄ"),
            LedDarkPrmRow(),
            VerRow(),
            StockDoClickRow(),
            MethodRow(kDispIdAboutBox, "AboutBox",
                      [](ControlBase& c) { return Self(c).AboutBox(); }),
        });
}

}  // namespace

const DispatchTable& CTumblerCtrl::DispatchTableOf() {
    static const DispatchTable table = MakeTable();
    return table;
}

}  // namespace tumbler
