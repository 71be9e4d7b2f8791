#pragma once

#include <cstdint>
#include <ostream>
#include <span>

#include "tools/qm4417ctl/ctl_command.h"

namespace qm4417ctl {

// A reply with fewer words than asked leaves the tail of a block read as it was: the
// words are marked before the read so that such a tail is never taken for the unit's.
void MarkNotReceived(std::span<std::int32_t> words);
// False, with the reason on `err`, when a word still has its mark.
bool AllReceived(std::span<const std::int32_t> words, std::ostream& err);

// One block read of `words.size()` words from `address` into `words`. False, with the
// reason on standard error, when the link failed or the unit sent fewer words.
bool ReadWholeBlock(CtlContext& context, unit_link::UnitLink& link, std::int32_t address,
                    std::span<std::int32_t> words);

}  // namespace qm4417ctl
