#pragma once

#include <atomic>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "switch_control/framework/module/version_info.h"

namespace tumbler::framework {

class ClassFactory;
struct TypeLibrary;

// One loaded module as the framework sees it: its file, its resources (type
// library, string table), its class factories and the count of its live
// objects and server locks, which decides whether it may be unloaded. Whatever
// needs a module's resources is given its state: a factory hands it to the
// objects it makes.
class ModuleState {
  public:
    // `anchor` is any address inside the module; it tells the module's file.
    ModuleState(std::string name, const void* anchor, std::map<int, std::string> strings = {});
    ~ModuleState();
    ModuleState(const ModuleState&) = delete;
    ModuleState& operator=(const ModuleState&) = delete;

    const std::string& name() const { return name_; }
    // The module's file, with links resolved.
    std::filesystem::path Path() const;

    void SetTypeLibrary(const TypeLibrary* library) { typeLibrary_ = library; }
    const TypeLibrary* typeLibrary() const { return typeLibrary_; }
    void SetVersion(const VersionInfo* version) { version_ = version; }
    // The version resource, null when the module has none.
    const VersionInfo* version() const { return version_; }
    void SetStrings(std::map<int, std::string> strings) { strings_ = std::move(strings); }
    // The string resource `id` (UTF-8), empty when there is none.
    std::string LoadString(int id) const;
    // Bitmap resources name the image files (Qt resource paths) the module carries.
    void SetBitmaps(std::map<int, std::string> bitmaps) { bitmaps_ = std::move(bitmaps); }
    // The image of bitmap resource `id`, empty when there is none.
    std::string BitmapResource(int id) const;

    void AddFactory(ClassFactory* factory) { factories_.push_back(factory); }
    const std::vector<ClassFactory*>& factories() const { return factories_; }
    ClassFactory* FindFactory(const std::string& clsid) const;

    void ObjectCreated() { ++objects_; }
    void ObjectDestroyed() { --objects_; }
    void Lock(bool lock) { lock ? ++locks_ : --locks_; }
    int liveObjects() const { return objects_; }
    bool CanUnload() const { return objects_ == 0 && locks_ == 0; }

  private:
    std::string name_;
    const void* anchor_;
    const TypeLibrary* typeLibrary_ = nullptr;
    const VersionInfo* version_ = nullptr;
    std::map<int, std::string> strings_;
    std::map<int, std::string> bitmaps_;
    std::vector<ClassFactory*> factories_;
    std::atomic<int> objects_{0};
    std::atomic<int> locks_{0};
};

// The state of a module loaded in this process whose file is `path`.
ModuleState* FindLoadedModule(const std::filesystem::path& path);

}  // namespace tumbler::framework
