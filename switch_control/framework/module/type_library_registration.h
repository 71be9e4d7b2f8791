#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "switch_control/framework/control/guid.h"
#include "switch_control/framework/module/class_registry.h"
#include "switch_control/framework/module/module_state.h"
#include "switch_control/framework/module/type_library.h"

namespace tumbler::framework {

// Registers the type library that `module` carries as a resource, under its
// identifier, version and locale, pointing at the module's own file (there is no
// separate library file and no help folder). False when the module has no
// library or the registry cannot be written.
bool RegisterModuleTypeLibrary(const ClassRegistry& registry, const ModuleState& module);

bool UnregisterTypeLibrary(const ClassRegistry& registry, const Guid& libId, uint16_t major,
                           uint16_t minor, uint32_t locale);

// A type library loaded from the module that the registry names for it. The
// module stays loaded while the handle lives.
class LoadedTypeLibrary {
  public:
    LoadedTypeLibrary() = default;
    LoadedTypeLibrary(std::shared_ptr<void> module, const TypeLibrary* library)
        : module_(std::move(module)), library_(library) {}

    explicit operator bool() const { return library_ != nullptr; }
    const TypeLibrary& operator*() const { return *library_; }
    const TypeLibrary* operator->() const { return library_; }

  private:
    std::shared_ptr<void> module_;
    const TypeLibrary* library_ = nullptr;
};

// Loads by identifier, version (same major, minor at least) and locale (falling
// back to the neutral entry). Empty when nothing fitting is registered or the
// module cannot be loaded or carries no such library.
LoadedTypeLibrary LoadRegisteredTypeLibrary(const ClassRegistry& registry, const Guid& libId,
                                            uint16_t major, uint16_t minor, uint32_t locale);

}  // namespace tumbler::framework
