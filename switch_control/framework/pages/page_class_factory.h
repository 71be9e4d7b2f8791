#pragma once

#include <QObject>

#include "switch_control/framework/module/class_factory.h"
#include "switch_control/framework/pages/property_page.h"

namespace tumbler::framework {

// Counts `object` as a live object of `module` until it is destroyed.
void CountAsModuleObject(QObject* object, ModuleState& module);

// The factory of a property page class `Page`, made from its module's state (its resources)
// and a parent widget.
template <typename Page>
class PageClassFactory : public ClassFactory {
  public:
    using ClassFactory::ClassFactory;

    PropertyPage* CreatePage(QWidget* parent) const override {
        auto* page = new Page(module(), parent);
        CountAsModuleObject(page, module());
        return page;
    }
};

}  // namespace tumbler::framework
