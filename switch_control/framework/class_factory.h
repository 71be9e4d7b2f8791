#pragma once

#include <string>

#include "switch_control/framework/class_registry.h"
#include "switch_control/framework/module_state.h"

namespace tumbler::framework {

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

    // Keeps the module loaded without a live object (containers that cache
    // the factory).
    void LockServer(bool lock) { module_.Lock(lock); }

  private:
    ModuleState& module_;
    ClassEntry registration_;
};

}  // namespace tumbler::framework
