#include "switch_control/framework/module/module_state.h"

#include <dlfcn.h>

#include <algorithm>
#include <mutex>

#include "switch_control/framework/module/class_factory.h"

namespace tumbler::framework {
namespace {

std::mutex& LoadedMutex() {
    static std::mutex mutex;
    return mutex;
}

std::vector<ModuleState*>& Loaded() {
    static std::vector<ModuleState*> modules;
    return modules;
}

std::filesystem::path Canonical(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::path canonical = std::filesystem::canonical(path, ec);
    return ec ? path : canonical;
}

}  // namespace

ModuleState::ModuleState(std::string name, const void* anchor, std::map<int, std::string> strings)
    : name_(std::move(name)), anchor_(anchor), strings_(std::move(strings)) {
    std::lock_guard lock(LoadedMutex());
    Loaded().push_back(this);
}

ModuleState::~ModuleState() {
    std::lock_guard lock(LoadedMutex());
    std::erase(Loaded(), this);
}

std::filesystem::path ModuleState::Path() const {
    Dl_info info{};
    if (dladdr(anchor_, &info) == 0 || info.dli_fname == nullptr) return {};
    // dladdr answers with the path as it was given to dlopen.
    return Canonical(info.dli_fname);
}

std::string ModuleState::LoadString(int id) const {
    const auto it = strings_.find(id);
    return it == strings_.end() ? std::string() : it->second;
}

std::string ModuleState::BitmapResource(int id) const {
    const auto it = bitmaps_.find(id);
    return it == bitmaps_.end() ? std::string() : it->second;
}

ClassFactory* ModuleState::FindFactory(const std::string& clsid) const {
    const auto it = std::find_if(factories_.begin(), factories_.end(),
                                 [&](ClassFactory* f) { return f->ClassId() == clsid; });
    return it == factories_.end() ? nullptr : *it;
}

ModuleState* FindLoadedModule(const std::filesystem::path& path) {
    const std::filesystem::path wanted = Canonical(path);
    std::lock_guard lock(LoadedMutex());
    for (ModuleState* module : Loaded()) {
        if (module->Path() == wanted) return module;
    }
    return nullptr;
}

}  // namespace tumbler::framework
