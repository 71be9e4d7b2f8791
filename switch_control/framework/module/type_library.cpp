#include "switch_control/framework/module/type_library.h"

#include <algorithm>

#include "switch_control/framework/module/cp932_text.h"

namespace tumbler::framework {

const InterfaceInfo* TypeLibrary::FindInterface(const Guid& iid) const {
    const auto it = std::find_if(interfaces.begin(), interfaces.end(),
                                 [&](const InterfaceInfo& i) { return i.iid == iid; });
    return it == interfaces.end() ? nullptr : &*it;
}

const CoClassInfo* TypeLibrary::FindCoClass(const Guid& clsid) const {
    const auto it = std::find_if(coclasses.begin(), coclasses.end(),
                                 [&](const CoClassInfo& c) { return c.clsid == clsid; });
    return it == coclasses.end() ? nullptr : &*it;
}

std::string StoredHelp(const std::string& utf8) {
    return Utf8ToCp932(utf8).value_or(utf8);
}

std::string HelpText(const std::string& stored) {
    return Cp932ToUtf8(stored).value_or(stored);
}

InterfaceInfo StoredInterface(InterfaceInfo info) {
    info.helpString = StoredHelp(info.helpString);
    for (MemberInfo& member : info.members) member.helpString = StoredHelp(member.helpString);
    return info;
}

EnumInfo StoredEnum(EnumInfo info) {
    info.helpString = StoredHelp(info.helpString);
    for (EnumInfo::Member& member : info.members) member.helpString = StoredHelp(member.helpString);
    return info;
}

}  // namespace tumbler::framework
