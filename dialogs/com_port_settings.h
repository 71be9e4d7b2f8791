#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/com_port_code.h"
#include "platform/com_port_map.h"
#include "platform/message_boxes.h"
#include "platform/serial_device_list.h"
#include "platform/serial_port.h"
#include "platform/settings_store.h"

namespace dialogs {

// The serial settings of the whole run: the code `ComPort`, the flag `ComFlag` and
// `ComPortSet`, which applies the code to the main window's port and opens it. They outlive
// the settings dialog, which only edits them.
class ComPortSettings {
  public:
    ComPortSettings(platform::SerialPort& port, platform::MessageBoxes& boxes,
                    platform::SettingsStore& store, std::string programTitle);

    std::int16_t ComPort = kDefaultComPort;
    bool ComFlag = false;

    // Closes the port, applies `ComPort` and opens it again; `ComFlag` says whether it opened.
    // A port that does not open shows "The Comm Port Number is Illegal", with the port's reason
    // as the box's detail.
    void ComPortSet();

    // The settings dialog's OK: the choice becomes `ComPort`, which is applied and then stored,
    // stored even when the port does not open.
    void apply(const ComPortChoice& choice);

    // "ComPort" of section "Settings"; a missing value, or one the dialog cannot produce,
    // gives the default code. The store is left as it is.
    void LoadComPort();
    void StoreComPort();

    // The warning that the port cannot be used, shown by ComPortSet and by the dialog.
    void warnIllegalPort(const std::string& reason = {});

    // Which device port entry `portIndex` (0 for COM1) opens, and whether it is there now.
    std::string describePort(int portIndex) const;

    // The COM mapping, shared with qm4417ctl, that the port-map dialog edits.
    platform::ComPortMap& portMap() { return ports_; }
    // Every name of the serial devices present now, by-id names first.
    std::vector<platform::MappableName> devicesPresent() const;
    // Where devices are looked for: "/" on a running system, a made-up tree in tests.
    void setDeviceRoot(std::filesystem::path root) { deviceRoot_ = std::move(root); }
    // The warning that a name typed for COM `portIndex + 1` cannot be stored, and why.
    void warnRefusedName(int portIndex, const std::string& name, const std::string& reason);

  private:
    platform::SerialPort& port_;
    platform::MessageBoxes& boxes_;
    platform::SettingsStore& store_;
    std::string programTitle_;
    platform::ComPortMap ports_;
    std::filesystem::path deviceRoot_ = "/";
};

}  // namespace dialogs
