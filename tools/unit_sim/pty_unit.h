#pragma once

#include <termios.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "tools/unit_sim/line_server.h"

namespace unit_sim {

// A simulated unit on a pseudo-terminal, so that a test or a program can talk to it through the
// terminal's device path like to a serial port. A client that ends without closing its port
// properly (killed, or ended by a signal) leaves the terminal with its settings and exclusive
// mode; once the last client has gone the terminal gets its first settings back, so the next
// open works.
class PtyUnit : public LineServer {
  public:
    struct Options {
        std::optional<std::chrono::nanoseconds> byteTime;  // none: no pacing
        std::string linkPath = {};  // a symlink kept pointing at the device, if not empty
    };

    // Throws std::runtime_error when the pseudo-terminal or the symlink cannot be made.
    explicit PtyUnit(Options options, TraceSink trace = {});
    ~PtyUnit() override;

    std::string lineName() const override { return devicePath_; }
    const std::string& devicePath() const { return devicePath_; }
    // How often the terminal was put back after its last client had gone.
    int terminalResets() const { return terminalResets_; }

  private:
    void openTerminal();
    void watchClients();
    bool clientsRemain() const;
    void resetTerminal();
    void makeLink();

    int lineDescriptor() const override { return master_; }
    int carrierDescriptor() const override { return clientWatch_; }
    // A client closed the terminal; true when it was the last one.
    bool onCarrierInput() override;
    void deliver(std::string_view bytes) override;
    // The terminal's own end stays open, so its line never ends.
    void lineEnded() override {}
    // Never asked for: a fault that cuts the line is refused on a terminal.
    void cut(LineCut) override {}

    std::string linkPath_;
    int master_ = -1;
    int slave_ = -1;        // kept open so the master never reads EIO between the host's opens
    int clientWatch_ = -1;  // inotify: the terminal's closes by clients
    termios firstSettings_{};
    std::string devicePath_;
    std::atomic<int> terminalResets_ = 0;
};

}  // namespace unit_sim
