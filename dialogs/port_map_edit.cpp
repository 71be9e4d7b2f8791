#include "dialogs/port_map_edit.h"

namespace dialogs {

PortMapEdit::PortMapEdit(platform::ComPortMap& ports) : ports_(ports) {
    for (int i = 0; i < kPortCount; ++i) readStored(i);
}

// The entry as the store holds it, which becomes the edited one too.
void PortMapEdit::readStored(int portIndex) {
    const int number = portIndex + 1;
    stored_[portIndex] = ports_.isMapped(number) ? ports_.device(number) : "";
    entries_[portIndex] = stored_[portIndex];
}

bool PortMapEdit::edited(int portIndex) const {
    return entries_[portIndex] != stored_[portIndex];
}

std::string PortMapEdit::rowText(int portIndex) const {
    const std::string& name = entries_[portIndex];
    return PortName(portIndex) + "  " +
           (name.empty() ? platform::ComPortMap::defaultDevice(portIndex + 1) : name) +
           (edited(portIndex) ? "  (changed)" : "");
}

std::string PortMapEdit::describe(int portIndex) const {
    return ports_.describe(portIndex + 1);
}

std::optional<PortMapRefusal> PortMapEdit::store() {
    for (int i = 0; i < kPortCount; ++i) {
        if (!edited(i) || entries_[i].empty()) continue;
        if (auto reason = platform::ComPortMap::refusal(entries_[i]))
            return PortMapRefusal{i, *reason};
    }
    for (int i = 0; i < kPortCount; ++i) {
        if (!edited(i)) continue;
        if (entries_[i].empty())
            ports_.reset(i + 1);
        else
            ports_.setEntry(i + 1, entries_[i]);
        readStored(i);
    }
    return std::nullopt;
}

}  // namespace dialogs
