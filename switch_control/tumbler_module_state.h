#pragma once

#include "switch_control/framework/module/module_state.h"

namespace tumbler {

// The module's string resources (UTF-8).
enum StringId : int {
    kIdsTumbler = 1,              // control type name
    kIdsTumblerPropPage = 2,      // property page type name
    kIdsTumblerPpgCaption = 200,  // property page caption
    kIdsVersion = 201,            // default of Ver
};

// The Tumbler module's state, holding its string table from the start. A control reads Ver's
// default from it, so it lives beside the control; the module's entry points add the factories,
// the type library, the version block and the bitmaps when the module is loaded.
framework::ModuleState& TumblerModuleState();

}  // namespace tumbler
