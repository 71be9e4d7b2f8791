#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace param_files {

// Replaces the file at `path` with `bytes` only once all of them are on disk; on any
// failure the old file stays as it was and no partial file is left behind.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

// The first `limit` bytes of the file at `path` (all of a shorter file), or nothing when
// it cannot be opened or read.
std::optional<std::string> ReadFileStart(const std::string& path, std::size_t limit);

}  // namespace param_files
