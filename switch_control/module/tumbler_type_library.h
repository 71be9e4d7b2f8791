#pragma once

#include "switch_control/framework/module/type_library.h"

namespace tumbler {

// TumblerLib 1.0, the module's type library resource.
framework::TypeLibrary TumblerTypeLibrary();

}  // namespace tumbler
