#pragma once

#include <atomic>
#include <functional>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/settings_store.h"
#include "unit_link/unit_link.h"

namespace qm4417ctl {

// Exit codes scripts rely on.
enum ExitCode { Success = 0, LinkFailure = 1, UsageFailure = 2, VerifyMismatch = 3 };

// A bad command line; the message names the bad argument.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The link as a command sees it: open on the port the options or the settings
// chose, and whether the last operation failed.
class LinkAccess {
  public:
    virtual ~LinkAccess() = default;
    // Opens the port on first use; nothing when it cannot be opened (said on
    // standard error).
    virtual unit_link::UnitLink* open() = 0;
    virtual bool linkFailed() const = 0;
};

// Everything one command works with.
struct CtlContext {
    std::vector<std::string> arguments;  // what follows the command's name
    platform::SettingsStore& settings;
    LinkAccess& link;
    std::ostream& out;
    std::ostream& err;
    const std::atomic<bool>& interrupted;  // set by SIGINT, SIGTERM, SIGHUP or SIGPIPE
};

// One command of qm4417ctl: its name, its usage line and what runs it.
struct CtlCommand {
    std::string_view name;
    std::string_view usage;
    std::function<int(CtlContext&)> run;
};

// Every command, in the order the usage lists them.
std::span<const CtlCommand> Commands();

// The settings application the window uses, so both share "ComPort" and "Ports".
inline constexpr const char* SettingsApplication = "QM4417";

}  // namespace qm4417ctl
