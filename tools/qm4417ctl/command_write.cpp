// write ADDRESS VALUE: one WriteWord; VALUE decimal, or hexadecimal with 0x.
#include "tools/qm4417ctl/commands.h"
#include "tools/qm4417ctl/ctl_arguments.h"

namespace qm4417ctl {

int RunWrite(CtlContext& context) {
    ExpectArgumentCount(context.arguments, 2, "write ADDRESS VALUE");
    const std::int32_t address = ParseUnitAddress(context.arguments[0]);
    const std::int32_t value = ParseWordValue(context.arguments[1]);
    unit_link::UnitLink* link = context.link.open();
    if (!link) return LinkFailure;
    link->WriteWord(address, value);
    return context.link.linkFailed() ? LinkFailure : Success;
}

}  // namespace qm4417ctl
