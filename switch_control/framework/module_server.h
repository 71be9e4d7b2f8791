#pragma once

#include <cstdint>
#include <string>

#include "switch_control/framework/class_registry.h"
#include "switch_control/framework/module_state.h"

namespace tumbler::framework {

class ClassFactory;

// Results of a self-registering module's entry points.
inline constexpr int32_t kSelfRegTypeLibError = static_cast<int32_t>(0x80040200);
inline constexpr int32_t kSelfRegClassError = static_cast<int32_t>(0x80040201);
inline constexpr int32_t kClassNotAvailable = static_cast<int32_t>(0x80040111);
inline constexpr int32_t kServerOk = 0;
inline constexpr int32_t kServerFalse = 1;

// DllRegisterServer: the module's type library, then every class factory's
// class. Stops at the first failing step; nothing is rolled back.
int32_t RegisterModuleServer(const ModuleState& module, const ClassRegistry& registry);
// DllUnregisterServer: the same two steps, removing.
int32_t UnregisterModuleServer(const ModuleState& module, const ClassRegistry& registry);
// DllGetClassObject: the module's factory for `clsid`.
int32_t GetModuleClassObject(const ModuleState& module, const std::string& clsid,
                             ClassFactory** factory);
// DllCanUnloadNow: ok when no object of the module is alive and no lock held.
int32_t CanUnloadModuleNow(const ModuleState& module);

}  // namespace tumbler::framework
