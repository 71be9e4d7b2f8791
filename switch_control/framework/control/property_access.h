#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "switch_control/framework/control/dispatch.h"

namespace tumbler::framework {

// An object that property pages edit, reached through its dispatch interface.
class PropertyAccess {
  public:
    virtual ~PropertyAccess() = default;
    virtual const InterfaceInfo& DispatchInfo() const = 0;
    virtual HResult GetProperty(DispId id, Variant* value) = 0;
    virtual HResult SetProperty(DispId id, const Variant& value) = 0;
};

// By name, as the pages bind their fields; kUnknownName when the object has no
// property of that name.
HResult GetPropertyByName(PropertyAccess& object, std::string_view name, Variant* value);
HResult SetPropertyByName(PropertyAccess& object, std::string_view name, const Variant& value);

}  // namespace tumbler::framework

namespace tumbler::framework {

// Names of the object's writable properties of `type`, in interface order
// (the stock colour and font pages list them).
std::vector<std::string> WritablePropertiesOfType(const PropertyAccess& object, VarType type);

}  // namespace tumbler::framework
