#include "tools/qm4417ctl/whole_block_read.h"

#include <algorithm>

namespace qm4417ctl {

bool ReadWholeBlock(CtlContext& context, unit_link::UnitLink& link, std::int32_t address,
                    std::span<std::int32_t> words) {
    // A word the unit did not send keeps this mark; real words are 0..65535.
    constexpr std::int32_t NotReceived = -1;
    std::fill(words.begin(), words.end(), NotReceived);
    link.ReadBlock(address, words, static_cast<std::int16_t>(words.size()));
    if (context.link.linkFailed()) return false;
    if (std::find(words.begin(), words.end(), NotReceived) != words.end()) {
        context.err << "The unit sent fewer words than asked for\n";
        return false;
    }
    return true;
}

}  // namespace qm4417ctl
