#pragma once

#include "switch_control/framework/module/class_factory.h"
#include "switch_control/framework/pages/page_class_factory.h"
#include "switch_control/property_page/tumbler_prop_page.h"

namespace tumbler {

// The control class's factory: new CTumblerCtrl objects, whose AboutBox shows
// the module's about dialog.
class TumblerCtrlFactory : public framework::ClassFactory {
  public:
    explicit TumblerCtrlFactory(framework::ModuleState& module);
    std::shared_ptr<framework::ControlBase> CreateControl() const override;
    std::vector<framework::Guid> PropertyPages() const override;
};

class TumblerPropPageFactory : public framework::PageClassFactory<CTumblerPropPage> {
  public:
    explicit TumblerPropPageFactory(framework::ModuleState& module);
};

}  // namespace tumbler
