#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace param_files {

// Replaces the file at `path` with `bytes` only once all of them are on disk; on any
// failure the old file stays as it was and no partial file is left behind. Returns why the
// file could not be written, as a sentence ("The folder /x does not exist."); empty when it
// was written.
std::string WriteFileAtomically(const std::string& path, const std::string& bytes);

// The bytes a read gave, or the sentence saying why there are none.
struct FileBytes {
    std::optional<std::string> bytes;
    std::string reason;
};

// The first `limit` bytes of the file at `path` (all of a shorter file).
FileBytes ReadFileStart(const std::string& path, std::size_t limit);

}  // namespace param_files
