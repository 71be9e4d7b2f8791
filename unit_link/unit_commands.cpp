#include "unit_link/unit_commands.h"

namespace unit_link {

std::string ReadWordsBody(UnitAddress address, int count) {
    return "4" + EncodeUnitAddress(address) + ";" + EncodeWordCount(count) + ";";
}

std::string WriteWordBody(UnitAddress address, std::int32_t value) {
    return "2" + EncodeUnitAddress(address) + "," + EncodeWordValue(value) + ";";
}

std::string WriteWordsBody(UnitAddress address, std::span<const std::int16_t> values) {
    std::string body = "5" + EncodeUnitAddress(address) + ";" +
                       EncodeWordCount(static_cast<int>(values.size())) + ";";
    for (const std::int16_t value : values) body += EncodeWordValue(value);
    return body + ";";
}

std::string ReadTwoBytesBody(std::int32_t address) {
    return "1" + EncodeCharReadAddress(address) + ";";
}

}  // namespace unit_link
