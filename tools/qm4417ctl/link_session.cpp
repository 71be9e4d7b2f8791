#include "tools/qm4417ctl/link_session.h"

#include <cctype>
#include <cerrno>
#include <cstring>

#include "dialogs/com_port_code.h"

namespace qm4417ctl {

namespace {

bool LooksLikeComName(const std::string& text) {
    return text.size() > 3 && std::toupper(static_cast<unsigned char>(text[0])) == 'C' &&
           std::toupper(static_cast<unsigned char>(text[1])) == 'O' &&
           std::toupper(static_cast<unsigned char>(text[2])) == 'M' &&
           std::isdigit(static_cast<unsigned char>(text[3]));
}

}  // namespace

PortChoice ChoosePort(const GlobalOptions& options, const platform::SettingsStore& settings) {
    const std::string stored = settings.read(SettingsApplication, "Settings", "ComPort",
                                             std::to_string(dialogs::kDefaultComPort));
    const std::int16_t code =
        dialogs::ParseStoredComPort(stored).value_or(dialogs::kDefaultComPort);
    PortChoice choice{dialogs::PortNumberOf(code), "", dialogs::LineSettingsOf(code)};
    if (options.line) choice.line = *options.line;
    if (options.port) {
        if (LooksLikeComName(*options.port)) {
            choice.number = ParseComNumber(*options.port);
        } else {
            choice.device = *options.port;
        }
    }
    return choice;
}

std::string LinkSession::DeviceOverride::read(const std::string& application,
                                              const std::string& section, const std::string& key,
                                              const std::string& fallback) const {
    if (!choice_.device.empty() && section == "Ports" &&
        key == "COM" + std::to_string(choice_.number))
        return choice_.device;
    return settings_.read(application, section, key, fallback);
}

LinkSession::LinkSession(platform::SettingsStore& settings, const GlobalOptions& options,
                         std::ostream& err)
    : err_(err),
      choice_(ChoosePort(options, settings)),
      limits_(options.limits),
      tracePath_(options.trace),
      settings_(settings, choice_),
      ports_(settings_, SettingsApplication),
      port_(ports_),
      window_(err) {}

platform::SerialPort* LinkSession::linkPort() {
    if (!tracePath_) return &port_;
    if (!tracing_) {
        traceFile_.open(*tracePath_, std::ios::out | std::ios::trunc);
        if (!traceFile_) {
            err_ << "qm4417ctl: cannot write the trace " << *tracePath_ << ": "
                 << std::strerror(errno) << "\n";
            return nullptr;
        }
        tracing_.emplace(port_, clock_, traceFile_);
    }
    return &*tracing_;
}

unit_link::UnitLink* LinkSession::open() {
    if (link_) return &*link_;
    if (openFailed_) return nullptr;
    platform::SerialPort* port = linkPort();
    if (!port) {
        openFailed_ = true;
        return nullptr;
    }
    port->setPortNumber(choice_.number);
    port->setSettings(choice_.line);
    std::string error;
    if (!port->open(error)) {
        // The window's words for a port that cannot be opened, then why, as its box's detail.
        err_ << "The Comm Port Number is Illegal\n" << error << "\n";
        openFailed_ = true;
        return nullptr;
    }
    link_.emplace(unit_link::LinkServices{*port, clock_, events_, limits_}, window_);
    return &*link_;
}

}  // namespace qm4417ctl
