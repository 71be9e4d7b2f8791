#include "switch_control/framework/control/property_access.h"

#include <optional>

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

namespace {

std::optional<Variant> ReadAs(PropertyAccess& object, std::string_view name, VarType type) {
    Variant raw;
    Variant value;
    if (Failed(GetPropertyByName(object, name, &raw)) || Failed(ChangeType(raw, type, &value))) {
        return std::nullopt;
    }
    if (type == VarType::Bool) value = Variant::Bool(value.IsTrue() ? -1 : 0);
    return value;
}

}  // namespace

CommonReading ReadCommonProperty(const std::vector<PropertyAccess*>& objects, std::string_view name,
                                 VarType type, Variant* value) {
    if (objects.empty()) return CommonReading::None;
    const std::optional<Variant> first = ReadAs(*objects.front(), name, type);
    for (std::size_t i = 1; i < objects.size(); ++i) {
        if (ReadAs(*objects[i], name, type) != first) return CommonReading::Differ;
    }
    if (!first) return CommonReading::None;
    *value = *first;
    return CommonReading::Same;
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
