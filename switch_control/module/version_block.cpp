#include "switch_control/module/version_block.h"

namespace tumbler {
namespace {

// The version comes from the build (TUMBLER_VERSION), numbers and text alike.
#define TUMBLER_TEXT(x) #x
#define TUMBLER_VERSION_TEXT(a, b, c, d) \
    TUMBLER_TEXT(a) ", " TUMBLER_TEXT(b) ", " TUMBLER_TEXT(c) ", " TUMBLER_TEXT(d)

constexpr const char* kVersionText = TUMBLER_VERSION_TEXT(
    TUMBLER_VERSION_MAJOR, TUMBLER_VERSION_MINOR, TUMBLER_VERSION_PATCH, TUMBLER_VERSION_TWEAK);

}  // namespace

const framework::VersionInfo& TumblerVersionBlock() {
    static const framework::VersionInfo block{
        {TUMBLER_VERSION_MAJOR, TUMBLER_VERSION_MINOR, TUMBLER_VERSION_PATCH,
         TUMBLER_VERSION_TWEAK},
        {TUMBLER_VERSION_MAJOR, TUMBLER_VERSION_MINOR, TUMBLER_VERSION_PATCH,
         TUMBLER_VERSION_TWEAK},
        0x0411,  // Japanese
        0x04B0,  // Unicode strings
        {
            {"FileDescription", "Quill Switch ActiveX Control Module"},
            {"FileVersion", kVersionText},
            {"InternalName", "tumbler"},
            {"OriginalFilename", "tumbler.OCX"},
            {"ProductName", "Quill Switch ActiveX Control Module"},
            {"ProductVersion", kVersionText},
            {"OLESelfRegister", ""},  // the module registers itself
        },
    };
    return block;
}

}  // namespace tumbler
