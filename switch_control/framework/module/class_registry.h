#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "switch_control/framework/module/locked_text_file.h"

namespace tumbler::framework {

// What a class factory registers for its class. Identifiers are in their
// braced text form, "{9C681F67-7D55-11D4-8DB5-004005399797}".
struct ClassEntry {
    std::string clsid;
    std::string typeName;
    std::string progId;  // empty: none registered (property pages)
    std::string modulePath;
    std::string threadingModel;
    uint32_t miscStatus = 0;
    bool control = false;
    std::string toolboxBitmap;  // "module path, resource id"
    std::string typeLibId;
    std::string typeLibVersion;  // "1.0"
};

struct TypeLibEntry {
    std::string libId;
    uint16_t major = 0;
    uint16_t minor = 0;
    uint32_t locale = 0;
    std::string name;
    std::string path;
    std::string helpDir;
    uint32_t flags = 0;
};

// The per-user class registry: a readable UTF-8 file, by default
// $XDG_DATA_HOME/quill-components/classes.reg. Every change is one locked,
// atomic rewrite of the file; the Register/Unregister calls answer false when
// the registry cannot be written. Removing what is not there succeeds.
class ClassRegistry {
  public:
    explicit ClassRegistry(std::filesystem::path file = DefaultPath());

    static std::filesystem::path DefaultPath();
    const std::filesystem::path& path() const { return file_.path(); }

    std::optional<ClassEntry> FindClass(const std::string& clsid) const;
    std::optional<std::string> ClsidFromProgId(const std::string& progId) const;
    std::vector<ClassEntry> Classes() const;

    // The registered library with the same major version and the highest minor
    // not below the one asked for; an entry of the exact locale wins over the
    // neutral locale 0, which serves every other locale.
    std::optional<TypeLibEntry> FindTypeLib(const std::string& libId, uint16_t major,
                                            uint16_t minor, uint32_t locale) const;

    bool RegisterClass(const ClassEntry& entry) const;
    bool UnregisterClass(const std::string& clsid, const std::string& progId) const;
    bool RegisterTypeLib(const TypeLibEntry& entry) const;
    bool UnregisterTypeLib(const std::string& libId, uint16_t major, uint16_t minor,
                           uint32_t locale) const;

  private:
    LockedTextFile file_;
};

}  // namespace tumbler::framework
