#pragma once

#include <memory>
#include <string>
#include <vector>

#include "switch_control/framework/control/guid.h"

#include "switch_control/framework/module/class_registry.h"
#include "switch_control/framework/module/module_state.h"

class QWidget;

namespace tumbler::framework {

class ControlBase;
class PropertyPage;

// A module's factory for one class: it knows the class's registration data
// and registers or unregisters it. Derived factories create the objects
// (controls, property pages); each object they create counts against the
// module's unloading until it is destroyed.
class ClassFactory {
  public:
    // `registration` is the class's entry without the module path, which is
    // the module's own file at registration time.
    ClassFactory(ModuleState& module, ClassEntry registration);
    virtual ~ClassFactory() = default;
    ClassFactory(const ClassFactory&) = delete;
    ClassFactory& operator=(const ClassFactory&) = delete;

    const std::string& ClassId() const { return registration_.clsid; }
    const ClassEntry& registration() const { return registration_; }
    ModuleState& module() const { return module_; }

    virtual bool Register(const ClassRegistry& registry) const;
    // Removes the class by class identifier and ProgID.
    virtual bool Unregister(const ClassRegistry& registry) const;

    // A new object of the class; a factory answers for its own kind of object
    // only (nullptr for the other).
    virtual std::shared_ptr<ControlBase> CreateControl() const { return nullptr; }
    virtual PropertyPage* CreatePage(QWidget* /*parent*/) const { return nullptr; }

    // The property pages that edit an object of the class, in order.
    virtual std::vector<Guid> PropertyPages() const { return {}; }

    // Keeps the module loaded without a live object (containers that cache
    // the factory).
    void LockServer(bool lock) { module_.Lock(lock); }

  protected:
    // Shares a new control so that the module counts it until the last owner
    // lets it go.
    std::shared_ptr<ControlBase> Counted(ControlBase* control) const;

  private:
    ModuleState& module_;
    ClassEntry registration_;
};

}  // namespace tumbler::framework
