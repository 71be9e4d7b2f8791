#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace unit_sim {

// A fault the simulated unit puts on the line instead of its normal answer.
struct Fault {
    enum class Kind {
        None,
        Silence,    // cable pulled: the request is not even received
        Drop,       // the request is carried out but the answer is lost
        Nak,        // every request is refused with NAK and not carried out
        Delay,      // the answer starts `amount` ms late
        Split,      // the answer comes in two halves, `amount` ms apart
        Noise,      // `amount` noise bytes come before the answer
        Reset,      // half the answer, then the connection is reset
        HalfClose,  // half the answer, then the connection is closed for sending
    };
    Kind kind = Kind::None;
    int amount = 0;
    int remaining = Forever;  // requests still to be hit

    static constexpr int Forever = -1;
};

// Whether the fault cuts the line as only a connection can be cut (not a terminal).
bool CutsTheLine(Fault::Kind kind);

// Parses "KIND [AMOUNT] [COUNT]", e.g. "silence", "nak 2", "delay 1500", "split 20 1";
// COUNT limits the fault to that many requests. Nothing when the text is not a fault.
std::optional<Fault> ParseFault(std::string_view text);
std::string DescribeFault(const Fault& fault);

// The fault in force; each request takes it once.
class FaultPlan {
  public:
    void set(const Fault& fault) { fault_ = fault; }
    void clear() { fault_ = Fault{}; }
    const Fault& current() const { return fault_; }

    // The fault for the request at hand; counts it down and ends it when used up.
    Fault take();

  private:
    Fault fault_;
};

}  // namespace unit_sim
