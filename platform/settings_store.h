#pragma once

#include <string>

namespace platform {

// Per-user string settings by application, section and key.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual std::string read(const std::string& application, const std::string& section,
                             const std::string& key, const std::string& fallback) const = 0;
    virtual void write(const std::string& application, const std::string& section,
                       const std::string& key, const std::string& value) = 0;
};

}  // namespace platform
