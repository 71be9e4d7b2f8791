#pragma once

#include <QSocketNotifier>
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QEventLoop;

namespace platform {

// An open, non-blocking descriptor of a serial device or of a connection to a device server,
// watched for input by a notifier of its own, and the one rule by which both wait for input.
//
// Received bytes are read as soon as they come (so that a hang-up is seen at once, even between
// exchanges) and kept until readAll(). An end of input or an error closes the descriptor: the
// line is then lost, as a pulled adapter or a device server gone.
class WatchedDescriptor {
  public:
    // What becomes of received bytes before they are kept; the network line's Telnet layer.
    using InputFilter = std::function<std::string(std::string_view received)>;

    // A wait told no count looks for this many bytes.
    static constexpr int InputGroupBytes = 8;

    WatchedDescriptor() = default;
    ~WatchedDescriptor() { close(); }
    WatchedDescriptor(const WatchedDescriptor&) = delete;
    WatchedDescriptor& operator=(const WatchedDescriptor&) = delete;

    // Takes a serial device's `descriptor` (non-blocking) over; `byteTime` is one byte's time on
    // the line.
    void attachDevice(int descriptor, std::chrono::nanoseconds byteTime) {
        attach(descriptor, byteTime, false, {});
    }
    // The same for a connection to a device server, which holds what its UART gathered for
    // `forwardingDelay` after the line falls quiet before it sends it on.
    void attachConnection(int descriptor, std::chrono::nanoseconds byteTime,
                          std::chrono::nanoseconds forwardingDelay) {
        attach(descriptor, byteTime, true, forwardingDelay);
    }
    void setInputFilter(InputFilter filter) { filter_ = std::move(filter); }
    int descriptor() const { return descriptor_; }

    bool isOpen() const { return descriptor_ >= 0; }
    // Closed on purpose: not lost.
    void close();
    bool lost() const { return lost_; }

    // Hands every byte to the system at once; false (and lost) when it refuses them. The bytes
    // count toward the line time that waits leave unwatched.
    bool write(std::string_view bytes) { return send(bytes, true); }
    // The same for bytes that never reach the serial line: a device server's negotiation.
    bool writeControl(std::string_view bytes) { return send(bytes, false); }
    std::string readAll();
    // Drops what has been received; `flushDevice` also drops what the system still holds.
    void discardInput(const std::function<void(int)>& flushDevice = {});
    // Sleeps, letting the program's events run, until bytes are kept or the timeout has passed.
    // A reply comes a byte at a time at line pace, and every byte that reaches a watched
    // descriptor wakes the program, which cost more than the whole exchange. Like a UART's
    // receive FIFO, the descriptor is left unwatched for the line time of what is still going
    // out and of the `expectedBytes` looked for, while the window's events go on; then what came
    // is taken at once, and should it fall short the next wait looks for the rest.
    void waitForInput(std::chrono::nanoseconds timeout, std::size_t expectedBytes);
    // Sleeps, letting the program's events run, until `done` holds after input came, the line
    // is lost, or the timeout has passed; for a line's own setting up.
    void waitUntil(const std::function<bool()>& done, std::chrono::nanoseconds timeout);

  private:
    // `socket`: writes go through send(), so that a closed peer raises no SIGPIPE.
    void attach(int descriptor, std::chrono::nanoseconds byteTime, bool socket,
                std::chrono::nanoseconds forwardingDelay);
    bool send(std::string_view bytes, bool onTheLine);
    // A device server sends a reply as the line delivers it, in small pieces; with Nagle's
    // rule on its side, each piece after the first waits for our acknowledgement, which Linux
    // would delay by 40 ms. So a connection acknowledges at once, rearmed after every read
    // and write because the system falls back to delaying.
    void acknowledgeAtOnce() const;
    // Reads what the system holds; an end of input or an error loses the line.
    void readAvailable();
    void loseLine();
    // The event loop of a wait: ends at `limit`, or once input came and `done` holds; input
    // is not watched for the first `unwatched` milliseconds.
    void runWait(int limit, int unwatched, const std::function<bool()>& done);
    std::chrono::nanoseconds outputStillGoing() const;

    int descriptor_ = -1;
    bool socket_ = false;
    bool lost_ = false;
    bool notifying_ = false;  // the notifier's signal is running
    std::chrono::nanoseconds byteTime_{};
    std::chrono::nanoseconds forwardingDelay_{};
    std::chrono::steady_clock::time_point outputEnds_{};
    std::unique_ptr<QSocketNotifier> notifier_;
    InputFilter filter_;
    std::string received_;
    QEventLoop* waiting_ = nullptr;  // the wait running now, which a close ends
};

}  // namespace platform
