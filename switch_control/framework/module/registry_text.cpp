#include "switch_control/framework/module/registry_text.h"

#include <sstream>

namespace tumbler::framework {
namespace {

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

// A value never spans lines; a stray line break would split the entry on reading.
std::string OneLine(const std::string& value) {
    std::string out = value;
    for (char& c : out) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return out;
}

}  // namespace

RegistryDocument ParseRegistryText(std::string_view text) {
    RegistryDocument document;
    RegistrySection* current = nullptr;
    std::istringstream lines{std::string(text)};
    std::string raw;
    while (std::getline(lines, raw)) {
        const std::string_view line = Trim(raw);
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[' && line.back() == ']') {
            current = &document[std::string(Trim(line.substr(1, line.size() - 2)))];
            continue;
        }
        const auto eq = line.find('=');
        if (current == nullptr || eq == std::string_view::npos) continue;
        (*current)[std::string(Trim(line.substr(0, eq)))] = std::string(Trim(line.substr(eq + 1)));
    }
    return document;
}

std::string FormatRegistryText(const RegistryDocument& document) {
    std::ostringstream out;
    out << "# Per-user class registry of the Quill component framework (UTF-8).\n";
    for (const auto& [name, section] : document) {
        out << "\n[" << OneLine(name) << "]\n";
        for (const auto& [key, value] : section) {
            out << OneLine(key) << " = " << OneLine(value) << '\n';
        }
    }
    return out.str();
}

}  // namespace tumbler::framework
