#include "tools/unit_sim/line_pace.h"

#include <sstream>
#include <string>

namespace unit_sim {

std::optional<std::chrono::nanoseconds> ByteTime(std::string_view lineSettings) {
    std::istringstream in{std::string(lineSettings)};
    long baud = 0;
    char parity = 0, comma1 = 0, comma2 = 0, comma3 = 0;
    int dataBits = 0, stopBits = 0;
    in >> baud >> comma1 >> parity >> comma2 >> dataBits >> comma3 >> stopBits;
    if (std::string rest; !in || in >> rest) return std::nullopt;
    if (comma1 != ',' || comma2 != ',' || comma3 != ',') return std::nullopt;
    if (baud <= 0 || (dataBits != 7 && dataBits != 8) || (stopBits != 1 && stopBits != 2))
        return std::nullopt;
    int parityBits = 0;
    switch (parity) {
        case 'n':
            break;
        case 'e':
        case 'o':
            parityBits = 1;
            break;
        default:
            return std::nullopt;
    }
    const int bits = 1 + dataBits + parityBits + stopBits;
    return std::chrono::nanoseconds(1'000'000'000LL * bits / baud);
}

}  // namespace unit_sim
