#pragma once

#include <string>

#include "switch_control/framework/module/type_library.h"

namespace tumbler::framework {

// The library as interface-definition text (the form a type library viewer
// shows): enumerations, dispatch interfaces with DISPIDs, types and flags, help
// strings in UTF-8, and the coclass.
std::string FormatTypeLibrary(const TypeLibrary& library);

}  // namespace tumbler::framework
