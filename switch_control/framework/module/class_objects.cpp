#include "switch_control/framework/module/class_objects.h"

namespace tumbler::framework {

ClassObject GetClassObject(const ClassRegistry& registry, const Guid& clsid) {
    ClassObject object;
    const std::optional<ClassEntry> entry = registry.FindClass(ToString(clsid));
    if (!entry || entry->modulePath.empty()) return object;
    object.module = LoadModule(entry->modulePath);
    if (!object.module) {
        object.result = kModuleNotFound;
        return object;
    }
    auto get = reinterpret_cast<GetClassObjectFunction>(object.module.Symbol("DllGetClassObject"));
    if (get == nullptr) {
        object.result = kErrorInModule;
        return object;
    }
    object.result = get(&clsid, &object.factory);
    if (Failed(object.result)) object.factory = nullptr;
    return object;
}

HResult ClsidFromString(const ClassRegistry& registry, std::string_view text, Guid* clsid) {
    if (std::optional<Guid> parsed = ParseGuid(text)) {
        *clsid = *parsed;
        return kOk;
    }
    const std::optional<std::string> registered = registry.ClsidFromProgId(std::string(text));
    if (!registered) return kInvalidClassString;
    const std::optional<Guid> parsed = ParseGuid(*registered);
    if (!parsed) return kInvalidClassString;
    *clsid = *parsed;
    return kOk;
}

}  // namespace tumbler::framework
