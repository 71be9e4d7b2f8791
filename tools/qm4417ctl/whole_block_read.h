#pragma once

#include <cstdint>
#include <span>

#include "tools/qm4417ctl/ctl_command.h"

namespace qm4417ctl {

// One block read of `words.size()` words from `address` into `words`. False, with the
// reason on standard error, when the link failed or the unit sent fewer words.
bool ReadWholeBlock(CtlContext& context, unit_link::UnitLink& link, std::int32_t address,
                    std::span<std::int32_t> words);

}  // namespace qm4417ctl
