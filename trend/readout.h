#pragma once

#include <string>

#include "trend/reading_history.h"

namespace trend {

// What the cursor over the plot shows of the reading nearest to it: its local time, the
// position in decimal (the count continued across wraps when `unwrap`) and in hexadecimal, and
// the lit lamps. With a reference reading, a second line gives the difference from it in
// counts, in seconds and as counts per second.
std::string ReadoutText(const Sample& sample, bool unwrap, Millis utcOffset,
                        const Sample* reference = nullptr);

}  // namespace trend
