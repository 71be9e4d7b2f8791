#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace house {

// Folders by their path from the repository's root ("switch_control/graphics"), each with the
// folders its files may include from. A folder may always include its own files.
using DependencyTable = std::map<std::string, std::set<std::string>>;

// A path of folders that leads back to its first one, when the table has a circle.
std::optional<std::vector<std::string>> FindCircle(const DependencyTable& table);

// Every breach of the table by the C++ files under the `scopes` (folders of `root`), one
// readable line each: an include the table does not allow ("a/x.cpp:3 includes b/y.h: b is not
// allowed from a"), a folder holding C++ files that the table does not name, and a folder the
// table names that is missing. Includes of files outside the scopes are left to their own table.
std::vector<std::string> IncludeBreaches(const std::filesystem::path& root,
                                         const std::vector<std::string>& scopes,
                                         const DependencyTable& table);

// The same for every top folder of the table ("a" for the rows "a" and "a/b").
std::vector<std::string> IncludeBreaches(const std::filesystem::path& root,
                                         const DependencyTable& table);

}  // namespace house
