#pragma once

#include <fstream>
#include <optional>
#include <ostream>
#include <string>

#include "platform/com_port_map.h"
#include "platform/qt_event_pump.h"
#include "platform/qt_serial_port.h"
#include "platform/settings_store.h"
#include "platform/system_steady_clock.h"
#include "tools/qm4417ctl/ctl_arguments.h"
#include "tools/qm4417ctl/ctl_command.h"
#include "tools/qm4417ctl/wire_trace.h"
#include "unit_link/console_link_window.h"

namespace qm4417ctl {

// Which port to open and how: --port and --line when given, else the stored
// "ComPort" code and the COM mapping, as the window does.
struct PortChoice {
    int number = 1;
    std::string device;  // --port DEVICE: opened instead of what COM `number` maps to
    std::string line;
};
PortChoice ChoosePort(const GlobalOptions& options, const platform::SettingsStore& settings);

// The unit link of one run of qm4417ctl, on the Qt serial port; failure
// messages go to standard error.
class LinkSession : public LinkAccess {
  public:
    LinkSession(platform::SettingsStore& settings, const GlobalOptions& options, std::ostream& err);

    unit_link::UnitLink* open() override;
    bool linkFailed() const override { return window_.linkFailed(); }

  private:
    // The settings with the device given on the command line standing in for the
    // mapping of the chosen COM number, for this run only.
    class DeviceOverride : public platform::SettingsStore {
      public:
        DeviceOverride(platform::SettingsStore& settings, const PortChoice& choice)
            : settings_(settings), choice_(choice) {}
        std::string read(const std::string& application, const std::string& section,
                         const std::string& key, const std::string& fallback) const override;
        void write(const std::string& application, const std::string& section,
                   const std::string& key, const std::string& value) override {
            settings_.write(application, section, key, value);
        }

      private:
        platform::SettingsStore& settings_;
        const PortChoice& choice_;
    };

    // The port the link uses: the Qt one, or the Qt one traced with --trace.
    platform::SerialPort* linkPort();

    std::ostream& err_;
    PortChoice choice_;
    unit_link::TransactionLimits limits_;
    std::optional<std::string> tracePath_;
    std::ofstream traceFile_;
    std::optional<TracingSerialPort> tracing_;
    DeviceOverride settings_;
    platform::ComPortMap ports_;
    platform::QtSerialPort port_;
    platform::SystemSteadyClock clock_;
    platform::QtEventPump events_;
    unit_link::ConsoleLinkWindow window_;
    std::optional<unit_link::UnitLink> link_;
    bool openFailed_ = false;
};

}  // namespace qm4417ctl
