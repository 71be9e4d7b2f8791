#include "tools/tumbler_container/control_type_info.h"

#include <cstdio>

#include "switch_control/framework/module/class_objects.h"

namespace tumbler::framework {

HResult LoadControlTypeInfo(const ClassRegistry& registry, const Guid& clsid, std::uint32_t locale,
                            ControlTypeInfo* info) {
    const std::optional<ClassEntry> entry = registry.FindClass(ToString(clsid));
    if (!entry) return kClassNotRegistered;
    const std::optional<Guid> libId = ParseGuid(entry->typeLibId);
    unsigned major = 0;
    unsigned minor = 0;
    if (!libId || std::sscanf(entry->typeLibVersion.c_str(), "%u.%u", &major, &minor) != 2) {
        return kTypeLibNotRegistered;
    }
    LoadedTypeLibrary library =
        LoadRegisteredTypeLibrary(registry, *libId, static_cast<std::uint16_t>(major),
                                  static_cast<std::uint16_t>(minor), locale);
    const CoClassInfo* coclass = library ? library->FindCoClass(clsid) : nullptr;
    const InterfaceInfo* dispatch =
        coclass != nullptr ? library->FindInterface(coclass->defaultInterface) : nullptr;
    if (dispatch == nullptr) return kTypeLibNotRegistered;
    info->library = std::move(library);
    info->dispatch = dispatch;
    return kOk;
}

}  // namespace tumbler::framework
