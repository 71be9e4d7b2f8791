#include "tools/unit_sim/line_pace.h"

#include <string>

#include "platform/line_settings.h"

namespace unit_sim {

std::optional<std::chrono::nanoseconds> ByteTime(std::string_view lineSettings) {
    const auto line = platform::ParseLineSettings(std::string(lineSettings));
    if (!line) return std::nullopt;
    return platform::ByteTime(*line);
}

}  // namespace unit_sim
