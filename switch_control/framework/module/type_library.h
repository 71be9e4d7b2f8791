#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "switch_control/framework/control/dispatch.h"
#include "switch_control/framework/control/guid.h"

namespace tumbler::framework {

struct CoClassInfo {
    Guid clsid;
    std::string name;
    std::string helpString;
    bool control = false;
    Guid defaultInterface;
    Guid defaultSource;
};

// A module's type library, held as data. Its help strings are kept as the bytes
// the platform stores, code page 932 (see StoredHelp); HelpText gives them back
// as UTF-8.
struct TypeLibrary {
    Guid libId;
    std::string name;
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint32_t locale = 0;
    std::string helpString;
    std::string helpFile;
    std::uint32_t helpContext = 0;
    bool control = false;
    std::vector<std::string> imports;
    std::vector<EnumInfo> enums;
    std::vector<InterfaceInfo> interfaces;
    std::vector<CoClassInfo> coclasses;

    const InterfaceInfo* FindInterface(const Guid& iid) const;
    const CoClassInfo* FindCoClass(const Guid& clsid) const;
};

// Code page 932 bytes of a UTF-8 text, for storing help strings; a text that
// code page 932 cannot hold is kept as it is.
std::string StoredHelp(const std::string& utf8);
// A stored help string as UTF-8.
std::string HelpText(const std::string& stored);

// Copies of interface and enumeration descriptions (UTF-8) with every help
// string in its stored form.
InterfaceInfo StoredInterface(InterfaceInfo info);
EnumInfo StoredEnum(EnumInfo info);

}  // namespace tumbler::framework
