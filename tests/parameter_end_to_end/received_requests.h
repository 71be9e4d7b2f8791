#pragma once

#include <string>
#include <vector>

namespace parameter_end_to_end {

// The bodies of the request frames in `bytes` (what the unit received), in order,
// without STX, checksum and ETX.
inline std::vector<std::string> ReceivedBodies(const std::string& bytes) {
    std::vector<std::string> bodies;
    for (auto start = bytes.find('\x02'); start != std::string::npos;
         start = bytes.find('\x02', start + 1)) {
        const auto end = bytes.find('\x03', start);
        if (end == std::string::npos || end - start < 5) break;
        bodies.push_back(bytes.substr(start + 1, end - start - 5));
    }
    return bodies;
}

}  // namespace parameter_end_to_end
