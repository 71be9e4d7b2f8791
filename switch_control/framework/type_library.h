#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tumbler::framework {

// A module's type library, held as data. Help strings are kept as the bytes the
// platform stores, code page 932; HelpText() gives them back as UTF-8.
// Types are named as the interface language names them ("long", "OLE_COLOR",
// "TumblerShapes", "IFontDisp*").

struct EnumMemberInfo {
    std::string name;
    int32_t value = 0;
    std::string helpString;
};

struct EnumInfo {
    std::string guid;
    std::string name;
    std::string helpString;
    std::vector<EnumMemberInfo> members;
};

struct PropertyInfo {
    int32_t dispid = 0;
    std::string name;
    std::string type;
    bool readOnly = false;
    bool bindable = false;
    bool requestEdit = false;
    std::optional<uint32_t> helpContext;
    std::string helpString;
};

struct MethodInfo {
    int32_t dispid = 0;
    std::string name;
    std::string resultType = "void";
    std::optional<uint32_t> helpContext;
    std::string helpString;
};

struct DispInterfaceInfo {
    std::string guid;
    std::string name;
    std::string helpString;
    bool hidden = false;
    std::vector<PropertyInfo> properties;
    std::vector<MethodInfo> methods;

    const PropertyInfo* FindProperty(int32_t dispid) const;
};

struct CoClassInfo {
    std::string guid;
    std::string name;
    std::string helpString;
    bool control = false;
    std::string defaultInterface;
    std::string defaultSource;
};

struct TypeLibrary {
    std::string libId;
    std::string name;
    uint16_t major = 0;
    uint16_t minor = 0;
    uint32_t locale = 0;
    std::string helpString;
    std::string helpFile;
    uint32_t helpContext = 0;
    bool control = false;
    std::vector<std::string> imports;
    std::vector<EnumInfo> enums;
    std::vector<DispInterfaceInfo> interfaces;
    std::vector<CoClassInfo> coclasses;

    const DispInterfaceInfo* FindInterface(const std::string& guid) const;
    const CoClassInfo* FindCoClass(const std::string& guid) const;
};

// Code page 932 bytes of a UTF-8 literal, for building help strings; a text
// that code page 932 cannot hold is kept as it was.
std::string HelpBytes(const std::string& utf8);
// A stored help string as UTF-8.
std::string HelpText(const std::string& stored);

}  // namespace tumbler::framework
