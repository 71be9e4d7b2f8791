#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "unit_link/command_frame.h"
#include "unit_link/link_outcome.h"
#include "unit_link/link_window.h"
#include "unit_link/operation_guard.h"
#include "unit_link/transaction.h"

namespace unit_link {

// The link operations of the main window, one unit command each (or one command
// repeated in chunks of at most 16 words). Every operation runs on the window
// thread and returns when its exchange is over; a failure shows the window's link
// failure message and sets LinkFailed, as each operation documents, and the
// operation's outcome names the cause.
//
// Before it sends, an operation reopens the port once when the port was closed
// because its device went away (an adapter pulled and plugged back); when that
// fails, the operation fails as on a closed port.
class UnitLink {
  public:
    // A chunk of WriteBlock refused this many times more is given up like a time-out.
    static constexpr int MaxNakResends = 3;

    // Holds `guard` while an operation runs; the window shares its own with the link.
    UnitLink(const LinkServices& services, LinkWindow& window, OperationGuard& guard)
        : link_(services), window_(window), guard_(guard) {}
    UnitLink(const LinkServices& services, LinkWindow& window)
        : UnitLink(services, window, ownGuard_) {}

    // True while the guard is held: from an operation's start to its return, including
    // while its failure message is shown, so a timer tick or a click can refuse to start
    // another.
    bool operationRunning() const { return guard_.busy(); }
    // For callers whose own run of several operations must not be interleaved either.
    OperationGuard& guard() { return guard_; }
    // How the latest operation ended.
    LinkOutcome lastOutcome() const { return lastOutcome_; }

    // Reads `count` words from `address` on into words[0...] (unsigned, 0..65535).
    // Never writes past the end of `words`. Disables the window's input while it runs.
    LinkOutcome ReadBlock(UnitAddress address, std::span<std::int32_t> words, std::int16_t count);
    // Writes the low 16 bits of `value`.
    LinkOutcome WriteWord(UnitAddress address, std::int32_t value);
    // One word read as signed 16 bits; 0 on failure (the cause in lastOutcome()).
    std::int16_t ReadWord(UnitAddress address);
    // Writes `count` words of `values` (never past its end) from `address` on.
    LinkOutcome WriteBlock(UnitAddress address, std::span<const std::int16_t> values,
                           std::int16_t count);
    LinkOutcome WriteBlockWord(UnitAddress address, std::int16_t value);
    // The two bytes at `address` as two characters, or "%%" when the unit does not
    // answer. Shows nothing and leaves LinkFailed alone.
    std::string Char_Read(std::int32_t address);

  private:
    // Holds the guard and reopens a port whose device went away, once per operation.
    class Running;

    LinkOutcome ReadBlockChunk(UnitAddress address, std::span<std::int32_t> words);
    LinkOutcome WriteBlockChunk(UnitAddress address, std::span<const std::int16_t> values);
    LinkOutcome WriteSingleWord(const std::string& body);
    LinkOutcome FailBlockOperation(LinkOutcome cause);
    LinkOutcome Succeed();

    OperationGuard ownGuard_;
    LinkServices link_;
    LinkWindow& window_;
    OperationGuard& guard_;
    LinkOutcome lastOutcome_ = LinkOutcome::Accepted;
};

}  // namespace unit_link
