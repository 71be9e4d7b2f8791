#include "tools/qm4417ctl/whole_block_read.h"

#include <algorithm>

namespace qm4417ctl {

namespace {

// Real words are 0..65535.
constexpr std::int32_t NotReceived = -1;

}  // namespace

void MarkNotReceived(std::span<std::int32_t> words) {
    std::fill(words.begin(), words.end(), NotReceived);
}

bool AllReceived(std::span<const std::int32_t> words, std::ostream& err) {
    if (std::find(words.begin(), words.end(), NotReceived) == words.end()) return true;
    err << "The unit sent fewer words than asked for\n";
    return false;
}

bool ReadWholeBlock(CtlContext& context, unit_link::UnitLink& link, std::int32_t address,
                    std::span<std::int32_t> words) {
    MarkNotReceived(words);
    link.ReadBlock(address, words, static_cast<std::int16_t>(words.size()));
    return !context.link.linkFailed() && AllReceived(words, context.err);
}

}  // namespace qm4417ctl
