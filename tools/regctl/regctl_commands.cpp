#include "tools/regctl/regctl_commands.h"

#include <cstdio>
#include <filesystem>

#include "switch_control/framework/control/control_base.h"
#include "switch_control/framework/module/class_factory.h"
#include "switch_control/framework/module/class_objects.h"
#include "switch_control/framework/module/type_library_registration.h"
#include "tools/component_text/type_library_text.h"
#include "tools/component_text/variant_text.h"

namespace regctl {
namespace {

namespace fw = tumbler::framework;

constexpr const char* kUsage =
    "usage: regctl register MODULE\n"
    "       regctl unregister MODULE\n"
    "       regctl list\n"
    "       regctl typelib LIBID [MAJOR.MINOR]\n"
    "       regctl props PROGID|CLSID\n"
    "       regctl version MODULE\n";

std::string Hex(fw::HResult hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(hr));
    return text;
}

// Calls the module's DllRegisterServer or DllUnregisterServer.
int CallServerEntry(const std::string& path, const char* entry, std::ostream& out,
                    std::ostream& err) {
    std::string error;
    const fw::LoadedModule module = fw::LoadModule(std::filesystem::absolute(path), &error);
    if (!module) {
        err << "regctl: cannot load " << path << ": " << error << "\n";
        return 2;
    }
    auto call = reinterpret_cast<fw::HResult (*)()>(module.Symbol(entry));
    if (call == nullptr) {
        err << "regctl: " << path << " has no " << entry << "\n";
        return 2;
    }
    const fw::HResult hr = call();
    out << entry << " " << Hex(hr) << (fw::Succeeded(hr) ? " succeeded" : " failed") << "\n";
    return fw::Succeeded(hr) ? 0 : 1;
}

int Version(const std::string& path, std::ostream& out, std::ostream& err) {
    std::string error;
    const fw::LoadedModule module = fw::LoadModule(std::filesystem::absolute(path), &error);
    if (!module) {
        err << "regctl: cannot load " << path << ": " << error << "\n";
        return 2;
    }
    const fw::VersionInfo* version = module.state()->version();
    if (version == nullptr) {
        err << "regctl: " << path << " has no version resource\n";
        return 1;
    }
    const auto dotted = [](const std::array<uint16_t, 4>& v) {
        return std::to_string(v[0]) + "." + std::to_string(v[1]) + "." + std::to_string(v[2]) +
               "." + std::to_string(v[3]);
    };
    char translation[16];
    std::snprintf(translation, sizeof translation, "%04X%04X", version->language,
                  version->codePage);
    out << "FILEVERSION " << dotted(version->fileVersion) << "\n"
        << "PRODUCTVERSION " << dotted(version->productVersion) << "\n"
        << "Translation " << translation << "\n";
    for (const auto& [key, value] : version->strings) out << key << " = \"" << value << "\"\n";
    return 0;
}

int List(const fw::ClassRegistry& registry, std::ostream& out) {
    for (const fw::ClassEntry& entry : registry.Classes()) {
        out << entry.clsid << "  " << (entry.progId.empty() ? "-" : entry.progId) << "  \""
            << entry.typeName << "\"  " << entry.modulePath << "\n";
    }
    return 0;
}

int TypeLib(const std::vector<std::string>& args, const fw::ClassRegistry& registry,
            std::ostream& out, std::ostream& err) {
    const std::optional<fw::Guid> libId = fw::ParseGuid(args[1]);
    unsigned major = 1;
    unsigned minor = 0;
    if (!libId ||
        (args.size() == 3 && std::sscanf(args[2].c_str(), "%u.%u", &major, &minor) != 2)) {
        err << kUsage;
        return 2;
    }
    const fw::LoadedTypeLibrary library = fw::LoadRegisteredTypeLibrary(
        registry, *libId, static_cast<uint16_t>(major), static_cast<uint16_t>(minor), 0);
    if (!library) {
        err << "regctl: type library " << args[1] << " " << major << "." << minor
            << " is not registered or cannot be loaded\n";
        return 1;
    }
    out << fw::FormatTypeLibrary(*library);
    return 0;
}

int Props(const std::string& name, const fw::ClassRegistry& registry, std::ostream& out,
          std::ostream& err) {
    fw::Guid clsid;
    if (fw::Failed(fw::ClsidFromString(registry, name, &clsid))) {
        err << "regctl: " << name << " is not a registered ProgID or a class identifier\n";
        return 1;
    }
    const fw::ClassObject object = fw::GetClassObject(registry, clsid);
    if (object.factory == nullptr) {
        err << "regctl: no class object for " << name << ": " << Hex(object.result) << "\n";
        return 1;
    }
    std::shared_ptr<fw::ControlBase> control = object.factory->CreateControl();
    if (!control) {
        err << "regctl: " << name << " is not a control\n";
        return 1;
    }
    for (const fw::MemberInfo& member : control->DispatchInterface().members) {
        if (member.kind != fw::MemberKind::Property) continue;
        fw::Variant value;
        const fw::HResult hr = control->GetProperty(member.id, &value);
        out << member.id << " " << member.name << " = "
            << (fw::Succeeded(hr) ? fw::DisplayText(value) : "<" + Hex(hr) + ">") << "\n";
    }
    return 0;
}

}  // namespace

int Run(const std::vector<std::string>& args, const fw::ClassRegistry& registry, std::ostream& out,
        std::ostream& err) {
    const std::string command = args.empty() ? std::string() : args[0];
    if (command == "register" && args.size() == 2) {
        return CallServerEntry(args[1], "DllRegisterServer", out, err);
    }
    if (command == "unregister" && args.size() == 2) {
        return CallServerEntry(args[1], "DllUnregisterServer", out, err);
    }
    if (command == "list" && args.size() == 1) return List(registry, out);
    if (command == "typelib" && (args.size() == 2 || args.size() == 3)) {
        return TypeLib(args, registry, out, err);
    }
    if (command == "props" && args.size() == 2) return Props(args[1], registry, out, err);
    if (command == "version" && args.size() == 2) return Version(args[1], out, err);
    err << kUsage;
    return 2;
}

}  // namespace regctl
