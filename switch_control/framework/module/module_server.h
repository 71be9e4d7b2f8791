#pragma once

#include <string>

#include "switch_control/framework/control/result_codes.h"
#include "switch_control/framework/module/class_registry.h"
#include "switch_control/framework/module/module_state.h"

namespace tumbler::framework {

class ClassFactory;

// Results of a self-registering module's registration steps.
constexpr HResult kSelfRegTypeLibError = MakeError(0x80040200);
constexpr HResult kSelfRegClassError = MakeError(0x80040201);

// DllRegisterServer: the module's type library, then every class factory's
// class. Stops at the first failing step; nothing is rolled back.
HResult RegisterModuleServer(const ModuleState& module, const ClassRegistry& registry);
// DllUnregisterServer: the same two steps, removing.
HResult UnregisterModuleServer(const ModuleState& module, const ClassRegistry& registry);
// DllGetClassObject: the module's factory for `clsid`.
HResult GetModuleClassObject(const ModuleState& module, const std::string& clsid,
                             ClassFactory** factory);
// DllCanUnloadNow: kOk when no object of the module is alive and no lock held, else kFalse.
HResult CanUnloadModuleNow(const ModuleState& module);

}  // namespace tumbler::framework
