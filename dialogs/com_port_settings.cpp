#include "dialogs/com_port_settings.h"

#include <utility>

namespace dialogs {

namespace {

constexpr const char* kSection = "Settings";
constexpr const char* kKey = "ComPort";

}  // namespace

ComPortSettings::ComPortSettings(platform::SerialPort& port, platform::MessageBoxes& boxes,
                                 platform::SettingsStore& store, std::string programTitle)
    : port_(port),
      boxes_(boxes),
      store_(store),
      programTitle_(std::move(programTitle)),
      ports_(store_, programTitle_) {}

void ComPortSettings::ComPortSet() {
    ComFlag = false;
    if (port_.isOpen()) port_.close();
    port_.setPortNumber(PortNumberOf(ComPort));
    port_.setSettings(LineSettingsOf(ComPort));
    std::string error;
    if (!port_.open(error)) {
        warnIllegalPort(error);
        return;
    }
    ComFlag = true;
}

void ComPortSettings::apply(const ComPortChoice& choice) {
    ComPort = CodeFromChoice(choice);
    ComPortSet();
    StoreComPort();
}

void ComPortSettings::LoadComPort() {
    ComPort = ParseStoredComPort(store_.read(programTitle_, kSection, kKey, ""))
                  .value_or(kDefaultComPort);
}

void ComPortSettings::StoreComPort() {
    store_.write(programTitle_, kSection, kKey, std::to_string(ComPort));
}

void ComPortSettings::warnIllegalPort(const std::string& reason) {
    boxes_.show(programTitle_, "The Comm Port Number is Illegal", platform::MessageIcon::Warning,
                platform::MessageButtons::Ok, reason);
}

std::string ComPortSettings::describePort(int portIndex) const {
    return ports_.describe(portIndex + 1);
}

std::vector<platform::MappableName> ComPortSettings::devicesPresent() const {
    return platform::MappableNames(platform::ListSerialDevices(deviceRoot_));
}

void ComPortSettings::warnRefusedName(int portIndex, const std::string& name,
                                      const std::string& reason) {
    boxes_.show(programTitle_, PortName(portIndex) + " cannot open \"" + name + "\": " + reason,
                platform::MessageIcon::Warning, platform::MessageButtons::Ok);
}

}  // namespace dialogs
