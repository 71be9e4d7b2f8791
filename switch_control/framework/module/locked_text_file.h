#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tumbler::framework {

// A text file that several processes may rewrite at once. Readers see either the
// old or the new content (each write goes to a temporary file that replaces the
// original by rename); writers take turns on an exclusive lock of a side file,
// so two registrations never lose each other's entries.
class LockedTextFile {
  public:
    explicit LockedTextFile(std::filesystem::path path) : path_(std::move(path)) {}

    const std::filesystem::path& path() const { return path_; }

    // Content of the file; empty when it does not exist yet, nothing when it
    // exists but cannot be read.
    std::optional<std::string> Read() const;

    // Reads, lets `edit` change the text, and writes it back, all under the lock.
    // False when the folder, the lock or the file cannot be made or written.
    bool Update(const std::function<void(std::string&)>& edit) const;

  private:
    std::filesystem::path path_;
};

}  // namespace tumbler::framework
