#include "platform/qt_serial_port.h"

#include "platform/com_entry.h"
#include "platform/network_line.h"
#include "platform/termios_device.h"

namespace platform {

QtSerialPort::QtSerialPort(const ComPortMap& ports) : ports_(ports) {}

QtSerialPort::~QtSerialPort() = default;

bool QtSerialPort::setSettings(const std::string& settings) {
    const auto line = ParseLineSettings(settings);
    if (!line) return false;
    lineSettings_ = *line;
    settingsText_ = settings;
    return true;
}

bool QtSerialPort::open(std::string& error) {
    // The entry is read again at every open, so a changed mapping takes effect and a lost line
    // comes back by its name (a by-id link finds the adapter under its new device).
    const std::string name = ports_.device(number_);
    const ComEntryReading reading = ReadComEntry(name);
    const bool wasLost = lost();
    close();
    if (!reading.entry) {
        error = PortOpenFailureText(number_, name, {PortOpenFault::Other, reading.fault + "."});
        stillLost_ = wasLost;
        return false;
    }
    const ComEntry& entry = *reading.entry;
    if (entry.kind == LineKind::Device) {
        line_ = std::make_unique<TermiosDevice>(number_, entry.device, lineSettings_);
    } else {
        line_ =
            std::make_unique<NetworkLine>(number_, name, entry.kind, entry.endpoint, lineSettings_);
    }
    const bool opened = line_->open(error);
    stillLost_ = wasLost && !opened;
    return opened;
}

void QtSerialPort::close() {
    if (line_) line_->close();
    stillLost_ = false;
}

PortDevice QtSerialPort::deviceOf(int number) const {
    return DescribeDevice(ports_.device(number));
}

}  // namespace platform
