#pragma once

#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "tools/unit_sim/fault_plan.h"
#include "tools/unit_sim/unit_memory.h"
#include "tools/unit_sim/unit_request.h"

namespace unit_sim {

// How a line is cut once a piece of an answer is out: a connection reset, or closed for sending
// so that the other end reads the end of its input.
enum class LineCut { None, Reset, HalfClose };

// A piece of the unit's answer: a pause on the line, then bytes, then perhaps the line cut.
struct AnswerPiece {
    std::chrono::milliseconds pauseBefore{0};
    std::string bytes;
    LineCut cutAfter = LineCut::None;
};
using Answer = std::vector<AnswerPiece>;

// The KV3907P410 unit without its line: takes one received request frame and says
// what goes back, with the fault in force applied. Plain logic, no clock or thread
// of its own: callers pass the time.
class SimulatedUnit {
  public:
    explicit SimulatedUnit(SimClock::time_point now) : memory_(now) {}

    // `content` is what stood between STX and ETX.
    Answer receive(std::string_view content, SimClock::time_point now);

    UnitMemory& memory() { return memory_; }
    const UnitMemory& memory() const { return memory_; }
    FaultPlan& faults() { return faults_; }
    const FaultPlan& faults() const { return faults_; }
    int requestCount() const { return requestCount_; }

  private:
    std::string carryOut(const UnitRequest& request, SimClock::time_point now);
    std::string noise(int count);

    UnitMemory memory_;
    FaultPlan faults_;
    std::minstd_rand noiseSource_{4417};
    int requestCount_ = 0;
};

// The reply frame the unit sends for a read, from the body it carries: STX, body,
// checksum of the body, ETX.
std::string ReplyFrame(std::string_view body);

}  // namespace unit_sim
