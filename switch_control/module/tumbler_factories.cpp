#include "switch_control/module/tumbler_factories.h"

#include "switch_control/framework/control/control_site.h"
#include "switch_control/module/about_dialog.h"
#include "switch_control/tumbler_ctrl.h"
#include "switch_control/tumbler_interfaces.h"
#include "switch_control/tumbler_module_state.h"

namespace tumbler {
namespace {

// OLEMISC_RECOMPOSEONRESIZE | CANTLINKINSIDE | INSIDEOUT | ACTIVATEWHENVISIBLE |
// SETCLIENTSITEFIRST.
constexpr uint32_t kTumblerMiscStatus = 0x20191;

framework::ClassEntry ControlRegistration(const framework::ModuleState& module) {
    framework::ClassEntry entry;
    entry.clsid = framework::ToString(kClsidTumbler);
    entry.typeName = module.LoadString(kIdsTumbler);
    entry.progId = "Tumbler.TumblerCtrl.1";
    entry.threadingModel = "Apartment";
    entry.miscStatus = kTumblerMiscStatus;
    entry.control = true;
    entry.toolboxBitmap = "1";
    entry.typeLibId = framework::ToString(kLibIdTumbler);
    entry.typeLibVersion = "1.0";
    return entry;
}

framework::ClassEntry PageRegistration(const framework::ModuleState& module) {
    framework::ClassEntry entry;
    entry.clsid = framework::ToString(kClsidTumblerPropPage);
    entry.typeName = module.LoadString(kIdsTumblerPropPage);
    entry.threadingModel = "Apartment";
    return entry;
}

}  // namespace

TumblerCtrlFactory::TumblerCtrlFactory(framework::ModuleState& module)
    : ClassFactory(module, ControlRegistration(module)) {}

std::shared_ptr<framework::ControlBase> TumblerCtrlFactory::CreateControl() const {
    auto* control = new CTumblerCtrl(module());
    control->SetAboutBoxHandler([control] {
        const framework::ControlSite* site = control->ClientSite();
        ShowAboutDialog(site != nullptr ? static_cast<QWidget*>(site->ContainerWindow()) : nullptr);
    });
    return Counted(control);
}

std::vector<framework::Guid> TumblerCtrlFactory::PropertyPages() const {
    return TumblerPropertyPages();
}

TumblerPropPageFactory::TumblerPropPageFactory(framework::ModuleState& module)
    : PageClassFactory(module, PageRegistration(module)) {}

}  // namespace tumbler
