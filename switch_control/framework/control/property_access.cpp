#include "switch_control/framework/control/property_access.h"

namespace tumbler::framework {
namespace {

const MemberInfo* FindProperty(const PropertyAccess& object, std::string_view name) {
    const MemberInfo* member = object.DispatchInfo().Find(name);
    return member != nullptr && member->kind == MemberKind::Property ? member : nullptr;
}

}  // namespace

HResult GetPropertyByName(PropertyAccess& object, std::string_view name, Variant* value) {
    const MemberInfo* member = FindProperty(object, name);
    return member == nullptr ? kUnknownName : object.GetProperty(member->id, value);
}

HResult SetPropertyByName(PropertyAccess& object, std::string_view name, const Variant& value) {
    const MemberInfo* member = FindProperty(object, name);
    return member == nullptr ? kUnknownName : object.SetProperty(member->id, value);
}

}  // namespace tumbler::framework

namespace tumbler::framework {

std::vector<std::string> WritablePropertiesOfType(const PropertyAccess& object, VarType type) {
    std::vector<std::string> names;
    for (const MemberInfo& member : object.DispatchInfo().members) {
        if (member.kind == MemberKind::Property && member.type == type && !member.readOnly) {
            names.push_back(member.name);
        }
    }
    return names;
}

}  // namespace tumbler::framework
