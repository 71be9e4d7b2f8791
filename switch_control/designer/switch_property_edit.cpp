#include "switch_control/designer/switch_property_edit.h"

#include <QMetaProperty>
#include <string>

#include "switch_control/designer/reference_help.h"
#include "switch_control/designer/sheet_language.h"
#include "switch_control/framework/control/control_property_access.h"
#include "switch_control/framework/pages/property_sheet.h"
#include "switch_control/property_page/tumbler_prop_page.h"
#include "switch_control/tumbler_ctrl.h"
#include "switch_control/tumbler_interfaces.h"
#include "switch_control/tumbler_module_state.h"
#include "switch_control/widget/tumbler_switch.h"

namespace tumbler::designer {

namespace fw = framework;

std::vector<PropertyChange> EditCopy(const TumblerSwitch& widget,
                                     const std::function<void(TumblerSwitch& copy)>& edit) {
    TumblerSwitch copy;
    std::string stored;
    widget.control().SaveToBagText(&stored, false);
    copy.control().LoadFromBagText(stored);
    edit(copy);

    std::vector<PropertyChange> changes;
    const QMetaObject& meta = TumblerSwitch::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        if (!property.isWritable() || !property.isDesignable()) continue;
        const QVariant after = copy.property(property.name());
        if (after != widget.property(property.name())) changes.emplace_back(property.name(), after);
    }
    // The font as the control holds it: the copy's QFont may resolve differently from the
    // widget's (another parent) while the control's font is the same.
    if (!(copy.control().InternalGetFont() == widget.control().InternalGetFont())) {
        changes.emplace_back("font", copy.font());
    }
    return changes;
}

void RunPropertySheet(TumblerSwitch& copy, QWidget* parent, const QLocale& language,
                      const QString& reference) {
    fw::ControlPropertyAccess access(copy.control());
    const fw::PageMaker makePage = [](const fw::Guid& clsid, QWidget* tabs) -> fw::PropertyPage* {
        if (clsid == kClsidTumblerPropPage) return new CTumblerPropPage(TumblerModuleState(), tabs);
        return fw::CreateStockPropertyPage(clsid, tabs);
    };
    fw::PropertySheet sheet("TumblerSwitch Properties", {&access},
                            copy.control().GetPropertyPages(), makePage,
                            parent != nullptr ? parent->window() : nullptr);
    if (const std::unique_ptr<QTranslator> translator = PageTranslatorFor(language)) {
        for (int i = 0; i < sheet.PageCount(); ++i) TranslatePage(*sheet.Page(i), *translator);
    }
    sheet.SetHelpHandler([&](const fw::PropertyPage&) { ShowReference(&sheet, reference); });
    sheet.exec();
}

}  // namespace tumbler::designer
