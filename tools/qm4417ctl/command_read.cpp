// read ADDRESS COUNT: COUNT words from ADDRESS (hexadecimal) on, one a line as
// 4 upper-case hexadecimal digits.
#include <cstdio>
#include <vector>

#include "tools/qm4417ctl/commands.h"
#include "tools/qm4417ctl/ctl_arguments.h"
#include "tools/qm4417ctl/whole_block_read.h"

namespace qm4417ctl {

int RunRead(CtlContext& context) {
    ExpectArgumentCount(context.arguments, 2, "read ADDRESS COUNT");
    const std::int32_t address = ParseUnitAddress(context.arguments[0]);
    const int count = ParseCount(context.arguments[1], 1, 256, "count");
    unit_link::UnitLink* link = context.link.open();
    if (!link) return LinkFailure;

    std::vector<std::int32_t> words(static_cast<std::size_t>(count));
    // A reply with fewer words than asked leaves holes; print none of the read.
    if (!ReadWholeBlock(context, *link, address, words)) return LinkFailure;
    for (const std::int32_t word : words) {
        char text[8];
        std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(word));
        context.out << text << '\n';
    }
    return Success;
}

}  // namespace qm4417ctl
