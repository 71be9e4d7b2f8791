#pragma once

#include <map>
#include <tuple>

#include "platform/settings_store.h"

namespace platform {

// In-memory settings; `writes` counts every write so tests can check that nothing was stored.
class FakeSettingsStore : public SettingsStore {
  public:
    std::string read(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& fallback) const override {
        const auto found = values.find({application, section, key});
        return found == values.end() ? fallback : found->second;
    }
    void write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value) override {
        values[{application, section, key}] = value;
        ++writes;
    }

    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
    int writes = 0;
};

}  // namespace platform
