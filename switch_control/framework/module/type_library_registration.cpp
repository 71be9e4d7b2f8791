#include "switch_control/framework/module/type_library_registration.h"

#include "switch_control/framework/module/loaded_module.h"

namespace tumbler::framework {

bool RegisterModuleTypeLibrary(const ClassRegistry& registry, const ModuleState& module) {
    const TypeLibrary* library = module.typeLibrary();
    const std::filesystem::path path = module.Path();
    if (library == nullptr || path.empty()) return false;
    // The platform's "control" library flag is 0x2.
    const TypeLibEntry entry{ToString(library->libId),
                             library->major,
                             library->minor,
                             library->locale,
                             library->name,
                             path.string(),
                             std::string(),
                             library->control ? 0x2u : 0x0u};
    return registry.RegisterTypeLib(entry);
}

bool UnregisterTypeLibrary(const ClassRegistry& registry, const Guid& libId, uint16_t major,
                           uint16_t minor, uint32_t locale) {
    return registry.UnregisterTypeLib(ToString(libId), major, minor, locale);
}

LoadedTypeLibrary LoadRegisteredTypeLibrary(const ClassRegistry& registry, const Guid& libId,
                                            uint16_t major, uint16_t minor, uint32_t locale) {
    const std::optional<TypeLibEntry> entry =
        registry.FindTypeLib(ToString(libId), major, minor, locale);
    if (!entry) return {};
    LoadedModule module = LoadModule(entry->path);
    if (!module) return {};
    const TypeLibrary* library = module.state()->typeLibrary();
    if (library == nullptr || library->libId != libId || library->major != entry->major ||
        library->minor != entry->minor) {
        return {};
    }
    return LoadedTypeLibrary(module.handle(), library);
}

}  // namespace tumbler::framework
