#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "tools/unit_sim/control_command.h"
#include "tools/unit_sim/simulated_unit.h"

namespace unit_sim {

// A simulated unit served on a byte stream by a thread of its own, whatever carries the stream
// (a pseudo-terminal, a TCP connection): request frames are assembled from the bytes received,
// and answers go out byte by byte at the configured line's pace, with the fault in force. The
// carrier is a derived class; it starts the thread once it is set up and stops it before it is
// taken down.
class LineServer {
  public:
    // What the unit saw or did, for a trace: "<- " frame received, "-> " answer sent, "-- " what
    // happened to the carrier.
    using TraceSink = std::function<void(std::string_view line)>;

    virtual ~LineServer();
    LineServer(const LineServer&) = delete;
    LineServer& operator=(const LineServer&) = delete;

    // What a client opens to reach the unit: a terminal's path, or tcp://HOST:PORT.
    virtual std::string lineName() const = 0;

    // Runs `use(unit, now)` with the unit locked against the line thread.
    template <class Use>
    auto withUnit(Use&& use) {
        std::lock_guard lock(mutex_);
        return use(unit_, SimClock::now());
    }
    // Runs a control command (ApplyControl) on the unit, as its carrier allows.
    std::string control(std::string_view line);

    // Every byte received so far (the last few kilobytes), as the host wrote them.
    std::string receivedBytes() const;
    // When the last byte of the latest answer went onto the line.
    std::optional<SimClock::time_point> lastAnswerByteTime() const;

  protected:
    // Throws std::runtime_error when the thread's wake-up cannot be made.
    LineServer(Carrier carrier, std::optional<std::chrono::nanoseconds> byteTime, TraceSink trace);

    void startServing();
    // Joins the thread; the derived destructor calls it before it closes its descriptors.
    void stopServing();
    // A "-- " line of the trace.
    void note(std::string_view what) const;

    // The carrier, called on the line thread only.
    // The descriptor the unit's bytes come and go on; -1 while there is none.
    virtual int lineDescriptor() const = 0;
    // A descriptor of the carrier's own, watched for input beside the line, and taken after
    // the line's own input; true when it says that the line's client has gone.
    virtual int carrierDescriptor() const = 0;
    virtual bool onCarrierInput() = 0;
    // Puts bytes on the line; what does not fit is lost, as on a line nobody listens to.
    virtual void deliver(std::string_view bytes) = 0;
    // The line's other end went away (end of input or an error).
    virtual void lineEnded() = 0;
    virtual void cut(LineCut how) = 0;

  private:
    struct Outgoing {
        SimClock::time_point due;
        std::optional<char> byte;  // none: only the cut
        bool endsAnswer = false;
        LineCut cut = LineCut::None;
    };

    void serve();
    void receive(int line, SimClock::time_point now);
    void schedule(const Answer& answer, SimClock::time_point from);
    void sendDue(SimClock::time_point now);
    // Drops the half-received frame and the answer still going out: their client is gone.
    void forgetExchange();
    void trace(std::string_view direction, std::string_view bytes) const;

    Carrier carrier_;
    std::optional<std::chrono::nanoseconds> byteTime_;  // none: no pacing
    TraceSink trace_;
    int wake_ = -1;

    mutable std::mutex mutex_;  // guards unit_, received_, lastAnswerByte_
    SimulatedUnit unit_;
    std::string received_;
    std::optional<SimClock::time_point> lastAnswerByte_;

    // Line thread only.
    FrameAssembler assembler_;
    std::deque<Outgoing> outgoing_;
    SimClock::time_point receiveLineFree_{};
    SimClock::time_point sendLineFree_{};

    std::thread thread_;
};

}  // namespace unit_sim
