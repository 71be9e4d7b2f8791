#include "switch_control/tumbler_module_state.h"

namespace tumbler {
namespace {

int anchor;  // an address inside the module, which tells the framework the module's file

}  // namespace

framework::ModuleState& TumblerModuleState() {
    static framework::ModuleState state("tumbler", &anchor,
                                        {
                                            {kIdsTumbler, "Quill Switch Control"},
                                            {kIdsTumblerPropPage, "Switch Property Page"},
                                            {kIdsTumblerPpgCaption, "General"},
                                            {kIdsVersion, "1.10 Bata1"},
                                        });
    return state;
}

}  // namespace tumbler
