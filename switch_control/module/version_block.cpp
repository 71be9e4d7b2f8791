#include "switch_control/module/version_block.h"

namespace tumbler {

const framework::VersionInfo& TumblerVersionBlock() {
    static const framework::VersionInfo block{
        {1, 0, 0, 2},
        {1, 0, 0, 2},
        0x0411,  // Japanese
        0x04B0,  // Unicode strings
        {
            {"FileDescription", "Quill Switch ActiveX Control Module"},
            {"FileVersion", "1, 0, 0, 2"},
            {"InternalName", "tumbler"},
            {"OriginalFilename", "tumbler.OCX"},
            {"ProductName", "Quill Switch ActiveX Control Module"},
            {"ProductVersion", "1, 0, 0, 2"},
            {"OLESelfRegister", ""},  // the module registers itself
        },
    };
    return block;
}

}  // namespace tumbler
