#include "platform/line_settings.h"

#include <cctype>
#include <sstream>
#include <vector>

namespace platform {

namespace {

std::vector<std::string> SplitAtCommas(const std::string& text) {
    std::vector<std::string> fields;
    std::stringstream stream(text);
    std::string field;
    while (std::getline(stream, field, ',')) fields.push_back(field);
    if (!text.empty() && text.back() == ',') fields.emplace_back();
    return fields;
}

}  // namespace

std::optional<LineSettings> ParseLineSettings(const std::string& text) {
    const auto fields = SplitAtCommas(text);
    if (fields.size() != 4 || fields[1].size() != 1) return std::nullopt;
    LineSettings line;
    if (fields[0] == "4800" || fields[0] == "9600" || fields[0] == "19200") {
        line.baud = std::stoi(fields[0]);
    } else {
        return std::nullopt;
    }
    line.parity = static_cast<char>(std::tolower(static_cast<unsigned char>(fields[1][0])));
    if (line.parity != 'n' && line.parity != 'e' && line.parity != 'o') return std::nullopt;
    if (fields[2] != "7" && fields[2] != "8") return std::nullopt;
    line.dataBits = fields[2][0] - '0';
    if (fields[3] != "1" && fields[3] != "2") return std::nullopt;
    line.stopBits = fields[3][0] - '0';
    return line;
}

std::chrono::nanoseconds ByteTime(const LineSettings& line) {
    const int bits = 1 + line.dataBits + (line.parity == 'n' ? 0 : 1) + line.stopBits;
    return std::chrono::nanoseconds(1'000'000'000LL * bits / line.baud);
}

}  // namespace platform
