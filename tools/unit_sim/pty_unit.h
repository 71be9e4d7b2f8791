#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include <termios.h>

#include "tools/unit_sim/simulated_unit.h"

namespace unit_sim {

// A simulated unit on a pseudo-terminal, served by a thread of its own so that a
// test or a program can talk to it through the terminal's device path like to a
// serial port. Incoming and outgoing bytes take the time the configured line
// needs for them. A client that ends without closing its port properly (killed, or
// ended by a signal) leaves the terminal with its settings and exclusive mode; once the
// last client has gone the terminal gets its first settings back, so the next open works.
class PtyUnit {
  public:
    struct Options {
        std::optional<std::chrono::nanoseconds> byteTime;  // none: no pacing
        std::string linkPath;  // a symlink kept pointing at the device, if not empty
    };
    // What the unit saw or did, for a trace: "<- " frame received, "-> " answer sent.
    using TraceSink = std::function<void(std::string_view line)>;

    // Throws std::runtime_error when the pseudo-terminal or the symlink cannot be made.
    explicit PtyUnit(Options options, TraceSink trace = {});
    ~PtyUnit();
    PtyUnit(const PtyUnit&) = delete;
    PtyUnit& operator=(const PtyUnit&) = delete;

    const std::string& devicePath() const { return devicePath_; }

    // Runs `use(unit, now)` with the unit locked against the line thread.
    template <class Use>
    auto withUnit(Use&& use) {
        std::lock_guard lock(mutex_);
        return use(unit_, SimClock::now());
    }

    // Every byte received so far (the last few kilobytes), as the host wrote them.
    std::string receivedBytes() const;
    // When the last byte of the latest answer went onto the terminal.
    std::optional<SimClock::time_point> lastAnswerByteTime() const;
    // How often the terminal was put back after its last client had gone.
    int terminalResets() const;

  private:
    struct OutgoingByte {
        SimClock::time_point due;
        char byte;
        bool endsAnswer;
    };

    void openTerminal();
    void watchClients();
    void takeClientEvents();
    bool clientsRemain() const;
    void resetTerminal();
    void makeLink();
    void serve();
    void receive(SimClock::time_point now);
    void schedule(const Answer& answer, SimClock::time_point from);
    void sendDue(SimClock::time_point now);
    void trace(std::string_view direction, std::string_view bytes) const;

    Options options_;
    TraceSink trace_;
    int master_ = -1;
    int slave_ = -1;  // kept open so the master never reads EIO between the host's opens
    int wake_ = -1;
    int clientWatch_ = -1;  // inotify: the terminal's closes by clients
    termios firstSettings_{};
    std::string devicePath_;

    mutable std::mutex mutex_;  // guards unit_, received_, lastAnswerByte_, terminalResets_
    SimulatedUnit unit_;
    std::string received_;
    std::optional<SimClock::time_point> lastAnswerByte_;
    int terminalResets_ = 0;

    // Line thread only.
    FrameAssembler assembler_;
    std::deque<OutgoingByte> outgoing_;
    SimClock::time_point receiveLineFree_{};
    SimClock::time_point sendLineFree_{};

    std::thread thread_;
};

}  // namespace unit_sim
