#include "include_graph.h"

#include <algorithm>
#include <fstream>
#include <regex>

namespace house {
namespace fs = std::filesystem;
namespace {

bool IsCppFile(const fs::path& file) {
    const std::string ext = file.extension().string();
    return ext == ".h" || ext == ".cpp";
}

std::string FolderOf(const std::string& relativeFile) {
    return fs::path(relativeFile).parent_path().generic_string();
}

bool IsInside(const std::string& folder, const std::vector<std::string>& scopes) {
    return std::any_of(scopes.begin(), scopes.end(), [&](const std::string& scope) {
        return folder == scope || folder.starts_with(scope + "/");
    });
}

// Depth-first walk; `path` holds the folders on the way down.
bool WalkForCircle(const DependencyTable& table, const std::string& folder,
                   std::map<std::string, int>& state, std::vector<std::string>& path) {
    enum { kUnseen, kOnPath, kDone };
    state[folder] = kOnPath;
    path.push_back(folder);
    const auto row = table.find(folder);
    if (row != table.end()) {
        for (const std::string& next : row->second) {
            if (state[next] == kOnPath) {
                path.erase(path.begin(), std::find(path.begin(), path.end(), next));
                path.push_back(next);
                return true;
            }
            if (state[next] == kUnseen && WalkForCircle(table, next, state, path)) return true;
        }
    }
    state[folder] = kDone;
    path.pop_back();
    return false;
}

void CheckFile(const fs::path& root, const std::string& file,
               const std::vector<std::string>& scopes, const DependencyTable& table,
               std::vector<std::string>& breaches) {
    static const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
    const std::string from = FolderOf(file);
    const auto allowed = table.find(from);
    std::ifstream in(root / file);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::smatch match;
        if (!std::regex_search(line, match, include)) continue;
        const std::string target = match[1].str();
        const std::string to = FolderOf(target);
        if (to == from || !IsInside(to, scopes)) continue;
        if (allowed != table.end() && allowed->second.contains(to)) continue;
        breaches.push_back(file + ":" + std::to_string(number) + " includes " + target + ": " + to +
                           " is not allowed from " + from);
    }
}

}  // namespace

std::optional<std::vector<std::string>> FindCircle(const DependencyTable& table) {
    std::map<std::string, int> state;
    for (const auto& [folder, _] : table) {
        std::vector<std::string> path;
        if (state[folder] == 0 && WalkForCircle(table, folder, state, path)) return path;
    }
    return std::nullopt;
}

std::vector<std::string> IncludeBreaches(const fs::path& root,
                                         const std::vector<std::string>& scopes,
                                         const DependencyTable& table) {
    std::vector<std::string> breaches;
    std::set<std::string> seenFolders;
    std::vector<std::string> files;
    for (const std::string& scope : scopes) {
        if (!fs::is_directory(root / scope)) continue;  // reported below as missing
        for (const auto& entry : fs::recursive_directory_iterator(root / scope)) {
            if (!entry.is_regular_file() || !IsCppFile(entry.path())) continue;
            files.push_back(fs::relative(entry.path(), root).generic_string());
        }
    }
    std::sort(files.begin(), files.end());
    for (const std::string& file : files) {
        const std::string folder = FolderOf(file);
        if (seenFolders.insert(folder).second && !table.contains(folder))
            breaches.push_back(folder + " holds C++ files but is not in the table");
        CheckFile(root, file, scopes, table, breaches);
    }
    for (const auto& [folder, _] : table) {
        if (!seenFolders.contains(folder))
            breaches.push_back(folder + " is in the table but holds no C++ files");
    }
    return breaches;
}

std::vector<std::string> IncludeBreaches(const fs::path& root, const DependencyTable& table) {
    std::set<std::string> tops;
    for (const auto& [folder, _] : table) tops.insert(folder.substr(0, folder.find('/')));
    return IncludeBreaches(root, std::vector<std::string>(tops.begin(), tops.end()), table);
}

}  // namespace house
