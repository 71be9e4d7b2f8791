#include "switch_control/framework/module/class_registry.h"

#include <cstdlib>
#include <sstream>

#include "switch_control/framework/module/registry_text.h"

namespace tumbler::framework {
namespace {

const std::string kClassPrefix = "Class ";
const std::string kProgIdPrefix = "ProgID ";
const std::string kTypeLibPrefix = "TypeLib ";

std::string Hex(uint32_t value) {
    std::ostringstream out;
    out << "0x" << std::hex << std::uppercase << value;
    return out.str();
}

uint32_t Number(const RegistrySection& section, const std::string& key) {
    const auto it = section.find(key);
    if (it == section.end()) return 0;
    return static_cast<uint32_t>(std::strtoul(it->second.c_str(), nullptr, 0));
}

std::string Text(const RegistrySection& section, const std::string& key) {
    const auto it = section.find(key);
    return it == section.end() ? std::string() : it->second;
}

std::string TypeLibSectionName(const std::string& libId, uint16_t major, uint16_t minor,
                               uint32_t locale) {
    return kTypeLibPrefix + libId + " " + std::to_string(major) + "." + std::to_string(minor) +
           " " + std::to_string(locale);
}

ClassEntry ClassFromSection(const std::string& clsid, const RegistrySection& s) {
    ClassEntry e;
    e.clsid = clsid;
    e.typeName = Text(s, "TypeName");
    e.progId = Text(s, "ProgID");
    e.modulePath = Text(s, "InprocServer");
    e.threadingModel = Text(s, "ThreadingModel");
    e.miscStatus = Number(s, "MiscStatus");
    e.control = Text(s, "Control") == "yes";
    e.toolboxBitmap = Text(s, "ToolboxBitmap");
    e.typeLibId = Text(s, "TypeLib");
    e.typeLibVersion = Text(s, "Version");
    return e;
}

RegistrySection SectionFromClass(const ClassEntry& e) {
    RegistrySection s{{"TypeName", e.typeName}, {"InprocServer", e.modulePath}};
    if (!e.progId.empty()) s["ProgID"] = e.progId;
    if (!e.threadingModel.empty()) s["ThreadingModel"] = e.threadingModel;
    if (e.miscStatus != 0) s["MiscStatus"] = Hex(e.miscStatus);
    if (e.control) s["Control"] = "yes";
    if (!e.toolboxBitmap.empty()) s["ToolboxBitmap"] = e.toolboxBitmap;
    if (!e.typeLibId.empty()) s["TypeLib"] = e.typeLibId;
    if (!e.typeLibVersion.empty()) s["Version"] = e.typeLibVersion;
    return s;
}

// "TypeLib {id} 1.0 0" split back into its parts.
std::optional<TypeLibEntry> TypeLibKey(const std::string& sectionName) {
    if (sectionName.rfind(kTypeLibPrefix, 0) != 0) return std::nullopt;
    std::istringstream in(sectionName.substr(kTypeLibPrefix.size()));
    TypeLibEntry e;
    std::string version;
    if (!(in >> e.libId >> version >> e.locale)) return std::nullopt;
    const auto dot = version.find('.');
    if (dot == std::string::npos) return std::nullopt;
    e.major = static_cast<uint16_t>(std::strtoul(version.substr(0, dot).c_str(), nullptr, 10));
    e.minor = static_cast<uint16_t>(std::strtoul(version.substr(dot + 1).c_str(), nullptr, 10));
    return e;
}

RegistryDocument Load(const LockedTextFile& file) {
    const std::optional<std::string> text = file.Read();
    return text ? ParseRegistryText(*text) : RegistryDocument{};
}

bool Edit(const LockedTextFile& file, const std::function<void(RegistryDocument&)>& change) {
    return file.Update([&](std::string& text) {
        RegistryDocument document = ParseRegistryText(text);
        change(document);
        text = FormatRegistryText(document);
    });
}

}  // namespace

ClassRegistry::ClassRegistry(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path ClassRegistry::DefaultPath() {
    std::filesystem::path base;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data != '\0') {
        base = data;
    } else if (const char* home = std::getenv("HOME"); home != nullptr) {
        base = std::filesystem::path(home) / ".local" / "share";
    }
    return base / "quill-components" / "classes.reg";
}

std::optional<ClassEntry> ClassRegistry::FindClass(const std::string& clsid) const {
    const RegistryDocument document = Load(file_);
    const auto it = document.find(kClassPrefix + clsid);
    if (it == document.end()) return std::nullopt;
    return ClassFromSection(clsid, it->second);
}

std::optional<std::string> ClassRegistry::ClsidFromProgId(const std::string& progId) const {
    const RegistryDocument document = Load(file_);
    const auto it = document.find(kProgIdPrefix + progId);
    if (it == document.end()) return std::nullopt;
    return Text(it->second, "CLSID");
}

std::vector<ClassEntry> ClassRegistry::Classes() const {
    std::vector<ClassEntry> classes;
    for (const auto& [name, section] : Load(file_)) {
        if (name.rfind(kClassPrefix, 0) == 0) {
            classes.push_back(ClassFromSection(name.substr(kClassPrefix.size()), section));
        }
    }
    return classes;
}

std::optional<TypeLibEntry> ClassRegistry::FindTypeLib(const std::string& libId, uint16_t major,
                                                       uint16_t minor, uint32_t locale) const {
    std::optional<TypeLibEntry> best;
    for (const auto& [name, section] : Load(file_)) {
        std::optional<TypeLibEntry> key = TypeLibKey(name);
        if (!key || key->libId != libId || key->major != major || key->minor < minor) continue;
        if (key->locale != locale && key->locale != 0) continue;
        const bool better = !best || key->minor > best->minor ||
                            (key->minor == best->minor && key->locale == locale);
        if (!better) continue;
        key->name = Text(section, "Name");
        key->path = Text(section, "Path");
        key->helpDir = Text(section, "HelpDir");
        key->flags = Number(section, "Flags");
        best = key;
    }
    return best;
}

bool ClassRegistry::RegisterClass(const ClassEntry& entry) const {
    return Edit(file_, [&](RegistryDocument& document) {
        document[kClassPrefix + entry.clsid] = SectionFromClass(entry);
        if (!entry.progId.empty()) {
            document[kProgIdPrefix + entry.progId] = {{"CLSID", entry.clsid},
                                                      {"TypeName", entry.typeName}};
        }
    });
}

bool ClassRegistry::UnregisterClass(const std::string& clsid, const std::string& progId) const {
    return Edit(file_, [&](RegistryDocument& document) {
        document.erase(kClassPrefix + clsid);
        if (progId.empty()) return;
        const auto it = document.find(kProgIdPrefix + progId);
        // Another class may have taken the name over since; leave its entry alone.
        if (it != document.end() && Text(it->second, "CLSID") == clsid) document.erase(it);
    });
}

bool ClassRegistry::RegisterTypeLib(const TypeLibEntry& entry) const {
    return Edit(file_, [&](RegistryDocument& document) {
        RegistrySection s{{"Name", entry.name}, {"Path", entry.path}, {"Flags", Hex(entry.flags)}};
        if (!entry.helpDir.empty()) s["HelpDir"] = entry.helpDir;
        document[TypeLibSectionName(entry.libId, entry.major, entry.minor, entry.locale)] = s;
    });
}

bool ClassRegistry::UnregisterTypeLib(const std::string& libId, uint16_t major, uint16_t minor,
                                      uint32_t locale) const {
    return Edit(file_, [&](RegistryDocument& document) {
        document.erase(TypeLibSectionName(libId, major, minor, locale));
    });
}

}  // namespace tumbler::framework
