#include "switch_control/framework/module/loaded_module.h"

#include <dlfcn.h>

namespace tumbler::framework {

void* LoadedModule::Symbol(const char* name) const {
    return handle_ ? dlsym(handle_.get(), name) : nullptr;
}

LoadedModule LoadModule(const std::filesystem::path& path, std::string* error) {
    void* raw = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (raw == nullptr) {
        if (error != nullptr) *error = dlerror();
        return {};
    }
    std::shared_ptr<void> handle(raw, [](void* h) { dlclose(h); });
    ModuleState* state = FindLoadedModule(path);
    if (state == nullptr) {
        if (error != nullptr) *error = path.string() + " is not a component module";
        return {};
    }
    return LoadedModule(std::move(handle), state);
}

}  // namespace tumbler::framework
