#include "switch_control/framework/module/module_server.h"

#include "switch_control/framework/module/class_factory.h"
#include "switch_control/framework/module/type_library_registration.h"

namespace tumbler::framework {
namespace {

bool UnregisterModuleTypeLibrary(const ModuleState& module, const ClassRegistry& registry) {
    const TypeLibrary* library = module.typeLibrary();
    return library != nullptr && UnregisterTypeLibrary(registry, library->libId, library->major,
                                                       library->minor, library->locale);
}

}  // namespace

HResult RegisterModuleServer(const ModuleState& module, const ClassRegistry& registry) {
    if (!RegisterModuleTypeLibrary(registry, module)) return kSelfRegTypeLibError;
    for (const ClassFactory* factory : module.factories()) {
        if (!factory->Register(registry)) return kSelfRegClassError;
    }
    return kOk;
}

HResult UnregisterModuleServer(const ModuleState& module, const ClassRegistry& registry) {
    if (!UnregisterModuleTypeLibrary(module, registry)) return kSelfRegTypeLibError;
    for (const ClassFactory* factory : module.factories()) {
        if (!factory->Unregister(registry)) return kSelfRegClassError;
    }
    return kOk;
}

HResult GetModuleClassObject(const ModuleState& module, const std::string& clsid,
                             ClassFactory** factory) {
    if (factory == nullptr) return kPointer;
    *factory = module.FindFactory(clsid);
    return *factory != nullptr ? kOk : kClassNotAvailable;
}

HResult CanUnloadModuleNow(const ModuleState& module) {
    return module.CanUnload() ? kOk : kFalse;
}

}  // namespace tumbler::framework
