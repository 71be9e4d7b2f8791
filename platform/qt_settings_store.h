#pragma once

#include "platform/settings_store.h"

namespace platform {

// One INI file per application in the per-user configuration folder
// ($XDG_CONFIG_HOME/<application>.ini, default ~/.config), so tests and demos
// isolate their settings by setting XDG_CONFIG_HOME.
class QtSettingsStore : public SettingsStore {
  public:
    std::string read(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& fallback) const override;
    void write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value) override;

    static std::string filePath(const std::string& application);
};

}  // namespace platform
