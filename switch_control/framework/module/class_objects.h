#pragma once

#include <string>
#include <string_view>

#include "switch_control/framework/control/guid.h"
#include "switch_control/framework/control/result_codes.h"
#include "switch_control/framework/module/class_registry.h"
#include "switch_control/framework/module/loaded_module.h"

namespace tumbler::framework {

class ClassFactory;

constexpr HResult kClassNotRegistered = MakeError(0x80040154);
constexpr HResult kModuleNotFound = MakeError(0x800401F8);
constexpr HResult kErrorInModule = MakeError(0x800401F9);
constexpr HResult kInvalidClassString = MakeError(0x800401F3);

// The signature of a module's DllGetClassObject.
using GetClassObjectFunction = HResult (*)(const Guid* clsid, ClassFactory** factory);

// A class factory found through the registry, with the module that holds it,
// which stays loaded while this lives.
struct ClassObject {
    HResult result = kClassNotRegistered;
    LoadedModule module;
    ClassFactory* factory = nullptr;
};

// Finds the class's module in the registry, loads it and asks its
// DllGetClassObject for the factory.
ClassObject GetClassObject(const ClassRegistry& registry, const Guid& clsid);

// A class identifier from its text form or from a registered ProgID.
HResult ClsidFromString(const ClassRegistry& registry, std::string_view text, Guid* clsid);

}  // namespace tumbler::framework
