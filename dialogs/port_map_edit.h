#pragma once

#include <array>
#include <optional>
#include <string>

#include "dialogs/com_port_code.h"
#include "platform/com_port_map.h"

namespace dialogs {

// A COM entry that OK could not store, and why.
struct PortMapRefusal {
    int portIndex = 0;
    std::string reason;
};

// The port-map dialog's work without its widgets: the sixteen COM entries as stored, the
// operator's edits, and OK, which stores the edits the way `qm4417ctl ports set` does.
class PortMapEdit {
  public:
    explicit PortMapEdit(platform::ComPortMap& ports);

    // The entry as edited: a device path or a network name; empty is the default device.
    const std::string& entry(int portIndex) const { return entries_[portIndex]; }
    void edit(int portIndex, std::string name) { entries_[portIndex] = std::move(name); }
    bool edited(int portIndex) const;

    // "COM3  /dev/serial/by-id/usb-...", the entry or its default device, marked when edited.
    std::string rowText(int portIndex) const;
    // What the stored entry opens now (the settings dialog's tooltip words).
    std::string describe(int portIndex) const;

    // Stores every edited entry, an empty one as a reset; when one is malformed nothing at
    // all is stored and the first such entry is returned with its reason.
    std::optional<PortMapRefusal> store();

  private:
    void readStored(int portIndex);

    platform::ComPortMap& ports_;
    std::array<std::string, kPortCount> stored_;
    std::array<std::string, kPortCount> entries_;
};

}  // namespace dialogs
