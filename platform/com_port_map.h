#pragma once

#include <string>
#include <utility>

#include "platform/settings_store.h"

namespace platform {

// Which device a COM number stands for: the device named by key "COMn" of the
// settings section "Ports" when set, else /dev/ttyS<n-1>, the convention of
// Windows compatibility layers on Linux.
class ComPortMap {
  public:
    ComPortMap(SettingsStore& store, std::string application)
        : store_(store), application_(std::move(application)) {}

    std::string device(int number) const;
    bool isMapped(int number) const;
    void set(int number, const std::string& device);
    void reset(int number);  // back to the default device

    static std::string defaultDevice(int number);

  private:
    SettingsStore& store_;
    std::string application_;
};

}  // namespace platform
