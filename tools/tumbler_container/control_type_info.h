#pragma once

#include <cstdint>

#include "switch_control/framework/control/guid.h"
#include "switch_control/framework/control/result_codes.h"
#include "switch_control/framework/module/class_registry.h"
#include "switch_control/framework/module/type_library_registration.h"

namespace tumbler::framework {

constexpr HResult kTypeLibNotRegistered = MakeError(0x8002801D);

// A control's type information: a control class has one (its count is 1), the
// coclass's default dispatch interface in the type library that the registry
// names for the class, loaded by library identifier, version and the
// caller's locale. The library stays loaded while this lives.
struct ControlTypeInfo {
    static constexpr int kCount = 1;
    LoadedTypeLibrary library;
    const InterfaceInfo* dispatch = nullptr;
};

// kClassNotRegistered for an unknown class, kTypeLibNotRegistered when its
// library (or the coclass in it) cannot be found.
HResult LoadControlTypeInfo(const ClassRegistry& registry, const Guid& clsid, std::uint32_t locale,
                            ControlTypeInfo* info);

}  // namespace tumbler::framework
