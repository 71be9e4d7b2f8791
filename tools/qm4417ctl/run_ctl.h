#pragma once

#include <atomic>
#include <ostream>
#include <string>
#include <vector>

#include "platform/settings_store.h"

namespace qm4417ctl {

// Runs one command line of qm4417ctl (without the program name) and returns its
// exit code. Needs a QCoreApplication for the serial port.
int RunCtl(const std::vector<std::string>& arguments, platform::SettingsStore& settings,
           std::ostream& out, std::ostream& err, const std::atomic<bool>& interrupted);

}  // namespace qm4417ctl
