#pragma once

#include <string>
#include <string_view>

#include "unit_link/command_frame.h"

namespace unit_sim {

// What stands between STX and ETX of the request with this body.
inline std::string FrameContent(std::string_view body) {
    return std::string(body) + unit_link::FrameChecksum(body);
}

}  // namespace unit_sim
