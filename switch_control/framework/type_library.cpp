#include "switch_control/framework/type_library.h"

#include <algorithm>

#include "switch_control/framework/cp932_text.h"

namespace tumbler::framework {
namespace {

template <typename T>
const T* FindByGuid(const std::vector<T>& items, const std::string& guid) {
    const auto it =
        std::find_if(items.begin(), items.end(), [&](const T& item) { return item.guid == guid; });
    return it == items.end() ? nullptr : &*it;
}

}  // namespace

const PropertyInfo* DispInterfaceInfo::FindProperty(int32_t dispid) const {
    const auto it = std::find_if(properties.begin(), properties.end(),
                                 [&](const PropertyInfo& p) { return p.dispid == dispid; });
    return it == properties.end() ? nullptr : &*it;
}

const DispInterfaceInfo* TypeLibrary::FindInterface(const std::string& guid) const {
    return FindByGuid(interfaces, guid);
}

const CoClassInfo* TypeLibrary::FindCoClass(const std::string& guid) const {
    return FindByGuid(coclasses, guid);
}

std::string HelpBytes(const std::string& utf8) {
    return Utf8ToCp932(utf8).value_or(utf8);
}

std::string HelpText(const std::string& stored) {
    return Cp932ToUtf8(stored).value_or(stored);
}

}  // namespace tumbler::framework
