#include <sstream>
#include <vector>

#include "platform/file_dialogs.h"

namespace platform {

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream stream(text);
    while (std::getline(stream, part, separator)) parts.push_back(part);
    return parts;
}

}  // namespace

std::string QtNameFilters(const std::string& filter) {
    const std::vector<std::string> items = split(filter, '|');
    std::string result;
    for (std::size_t i = 0; i + 1 < items.size(); i += 2) {
        std::string patterns = items[i + 1];
        for (char& c : patterns)
            if (c == ';') c = ' ';
        // Qt reads the patterns from a trailing "(...)" and shows the entry as given, so a name
        // that already ends in its own patterns is used unchanged.
        const std::string& name = items[i];
        const std::string carried = "(" + patterns + ")";
        if (!result.empty()) result += ";;";
        result += name.ends_with(carried) ? name : name + " " + carried;
    }
    return result;
}

}  // namespace platform
