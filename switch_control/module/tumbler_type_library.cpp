#include "switch_control/module/tumbler_type_library.h"

#include "switch_control/tumbler_ctrl.h"
#include "switch_control/tumbler_interfaces.h"

namespace tumbler {

framework::TypeLibrary TumblerTypeLibrary() {
    framework::TypeLibrary library;
    library.libId = kLibIdTumbler;
    library.name = "TumblerLib";
    library.major = 1;
    library.minor = 0;
    library.locale = 0;
    library.helpString = framework::StoredHelp("Quill Switch ActiveX ｺﾝﾄﾛｰﾙ ﾓｼﾞｭｰﾙ");
    library.helpFile = "tumbler.hlp";
    library.helpContext = 0;
    library.control = true;
    // The colour type and the font interface come from the standard OLE library.
    library.imports = {"stdole2.tlb"};
    for (const framework::EnumInfo& e : TumblerEnums()) {
        library.enums.push_back(framework::StoredEnum(e));
    }
    library.interfaces.push_back(
        framework::StoredInterface(CTumblerCtrl::DispatchTableOf().Info()));
    library.interfaces.push_back(framework::StoredInterface(TumblerEventsInterface()));
    library.coclasses.push_back({kClsidTumbler, "Tumbler", framework::StoredHelp("Tumbler Control"),
                                 true, kIidDTumbler, kIidDTumblerEvents});
    return library;
}

}  // namespace tumbler
