#include "switch_control/framework/module/class_factory.h"

#include "switch_control/framework/control/control_base.h"

namespace tumbler::framework {

ClassFactory::ClassFactory(ModuleState& module, ClassEntry registration)
    : module_(module), registration_(std::move(registration)) {
    module_.AddFactory(this);
}

bool ClassFactory::Register(const ClassRegistry& registry) const {
    const std::filesystem::path path = module_.Path();
    if (path.empty()) return false;
    ClassEntry entry = registration_;
    entry.modulePath = path.string();
    // The toolbox bitmap is a resource of the module: "path, id".
    if (!entry.toolboxBitmap.empty())
        entry.toolboxBitmap = path.string() + ", " + entry.toolboxBitmap;
    return registry.RegisterClass(entry);
}

std::shared_ptr<ControlBase> ClassFactory::Counted(ControlBase* control) const {
    ModuleState& module = module_;
    module.ObjectCreated();
    return std::shared_ptr<ControlBase>(control, [&module](ControlBase* c) {
        delete c;
        module.ObjectDestroyed();
    });
}

bool ClassFactory::Unregister(const ClassRegistry& registry) const {
    return registry.UnregisterClass(registration_.clsid, registration_.progId);
}

}  // namespace tumbler::framework
