#include "tools/unit_sim/line_pace.h"

#include <string>

#include "platform/line_settings.h"

namespace unit_sim {

std::optional<std::chrono::nanoseconds> ByteTime(std::string_view lineSettings) {
    const auto line = platform::ParseLineSettings(std::string(lineSettings));
    if (!line) return std::nullopt;
    const int bits = 1 + line->dataBits + (line->parity == 'n' ? 0 : 1) + line->stopBits;
    return std::chrono::nanoseconds(1'000'000'000LL * bits / line->baud);
}

}  // namespace unit_sim
