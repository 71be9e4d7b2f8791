#include "switch_control/framework/control/stock_properties.h"

#include "switch_control/framework/control/control_base.h"

namespace tumbler::framework {

namespace {

using Row = DispatchTable::Row;

Row Property(DispId id, std::string name, VarType type) {
    Row row;
    row.info.id = id;
    row.info.name = std::move(name);
    row.info.kind = MemberKind::Property;
    row.info.type = type;
    return row;
}

}  // namespace

Row StockPropertyRow(DispId id, std::uint32_t flags, std::optional<std::uint32_t> helpContext,
                     std::string helpString) {
    Row row;
    switch (id) {
        case kDispIdReadyState:
            row = Property(id, "ReadyState", VarType::Long);
            row.get = [](const ControlBase& c, Variant* v) {
                *v = Variant::Long(c.GetReadyState());
                return kOk;
            };
            break;
        case kDispIdAppearance:
            row = Property(id, "Appearance", VarType::Short);
            row.get = [](const ControlBase& c, Variant* v) {
                *v = Variant::Short(c.GetAppearance());
                return kOk;
            };
            row.put = [](ControlBase& c, const Variant& v) {
                return c.SetAppearance(static_cast<std::int16_t>(v.Integer()));
            };
            break;
        case kDispIdBorderStyle:
            row = Property(id, "BorderStyle", VarType::Short);
            row.get = [](const ControlBase& c, Variant* v) {
                *v = Variant::Short(c.GetBorderStyle());
                return kOk;
            };
            row.put = [](ControlBase& c, const Variant& v) {
                return c.SetBorderStyle(static_cast<std::int16_t>(v.Integer()));
            };
            break;
        case kDispIdBackColor:
            row = Property(id, "BackColor", VarType::Color);
            row.get = [](const ControlBase& c, Variant* v) {
                *v = Variant::Color(c.GetBackColor());
                return kOk;
            };
            row.put = [](ControlBase& c, const Variant& v) { return c.SetBackColor(v.AsColor()); };
            break;
        case kDispIdForeColor:
            row = Property(id, "ForeColor", VarType::Color);
            row.get = [](const ControlBase& c, Variant* v) {
                *v = Variant::Color(c.GetForeColor());
                return kOk;
            };
            row.put = [](ControlBase& c, const Variant& v) { return c.SetForeColor(v.AsColor()); };
            break;
        case kDispIdCaption:
            row = Property(id, "Caption", VarType::String);
            row.get = [](const ControlBase& c, Variant* v) {
                *v = Variant::String(c.GetText());
                return kOk;
            };
            row.put = [](ControlBase& c, const Variant& v) { return c.SetText(v.AsString()); };
            break;
        case kDispIdFont:
            row = Property(id, "Font", VarType::Font);
            row.get = [](const ControlBase& c, Variant* v) {
                *v = Variant::Font(c.InternalGetFont());
                return kOk;
            };
            row.put = [](ControlBase& c, const Variant& v) { return c.SetFont(v.AsFont()); };
            break;
        default:
            break;
    }
    row.info.flags = flags;
    row.info.helpContext = helpContext;
    row.info.helpString = std::move(helpString);
    return row;
}

Row StockDoClickRow() {
    return MethodRow(kDispIdDoClick, "DoClick", [](ControlBase& c) {
        c.DoClick();
        return kOk;
    });
}

}  // namespace tumbler::framework
