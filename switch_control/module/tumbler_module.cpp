// The module's entry points, each answering for this module's state.

#include "switch_control/framework/module/class_objects.h"
#include "switch_control/framework/module/module_server.h"
#include "switch_control/module/tumbler_factories.h"
#include "switch_control/module/tumbler_type_library.h"
#include "switch_control/module/version_block.h"
#include "switch_control/tumbler_module_state.h"

namespace tumbler {
namespace {

// Created when the module is loaded, ended when it is unloaded.
struct TumblerModule {
    TumblerModule() {
        state.SetTypeLibrary(&library);
        state.SetVersion(&TumblerVersionBlock());
        state.SetBitmaps({{1, ":/tumbler/toolbox.xpm"}});  // the toolbox bitmap, 16 x 15
    }
    framework::ModuleState& state = TumblerModuleState();
    framework::TypeLibrary library = TumblerTypeLibrary();
    TumblerCtrlFactory control{state};
    TumblerPropPageFactory page{state};
};

TumblerModule& Module() {
    static TumblerModule module;
    return module;
}

// Known to the framework from the moment the module is loaded.
[[maybe_unused]] const TumblerModule& loaded = Module();

}  // namespace
}  // namespace tumbler

using tumbler::framework::HResult;

extern "C" __attribute__((visibility("default"))) HResult DllRegisterServer() {
    return tumbler::framework::RegisterModuleServer(tumbler::Module().state,
                                                    tumbler::framework::ClassRegistry());
}

extern "C" __attribute__((visibility("default"))) HResult DllUnregisterServer() {
    return tumbler::framework::UnregisterModuleServer(tumbler::Module().state,
                                                      tumbler::framework::ClassRegistry());
}

extern "C" __attribute__((visibility("default"))) HResult DllGetClassObject(
    const tumbler::framework::Guid* clsid, tumbler::framework::ClassFactory** factory) {
    if (clsid == nullptr) return tumbler::framework::kPointer;
    return tumbler::framework::GetModuleClassObject(tumbler::Module().state,
                                                    tumbler::framework::ToString(*clsid), factory);
}

extern "C" __attribute__((visibility("default"))) HResult DllCanUnloadNow() {
    return tumbler::framework::CanUnloadModuleNow(tumbler::Module().state);
}
