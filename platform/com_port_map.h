#pragma once

#include <optional>
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
    // A COM entry as an operator names it (qm4417ctl ports set, the port-map dialog): stored
    // when refusal() passes it, a device path made absolute without resolving links, else
    // nothing is stored and the refusal returned.
    std::optional<std::string> setEntry(int number, const std::string& name);
    // Why `name` cannot be a COM entry, or nothing when it can.
    static std::optional<std::string> refusal(const std::string& name);
    void reset(int number);  // back to the default device

    // What COM `number` opens now, in words for a tooltip or a list: "COM3 opens
    // rfc2217://cab7-ds:4001.", for tcp:// that the line settings are the server's, for a
    // device whether it is there and, for a by-id link, what it points to.
    std::string describe(int number) const;
    // What kind of line COM `number` opens: "device", "tcp", "rfc2217", or "malformed" for an
    // entry written into the settings by hand that no name reading takes.
    std::string kind(int number) const;

    static std::string defaultDevice(int number);

  private:
    SettingsStore& store_;
    std::string application_;
};

}  // namespace platform
