#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "unit_link/command_frame.h"
#include "unit_link/link_window.h"
#include "unit_link/transaction.h"

namespace unit_link {

// The link operations of the main window, one unit command each (or one command
// repeated in chunks of at most 16 words). Every operation runs on the window
// thread and returns when its exchange is over; a failure shows the window's link
// failure message and sets LinkFailed, as each operation documents.
class UnitLink {
  public:
    // A chunk of WriteBlock refused this many times more is given up like a time-out.
    static constexpr int MaxNakResends = 3;

    UnitLink(const LinkServices& services, LinkWindow& window) : link_(services), window_(window) {}

    // True from an operation's start to its return, including while its failure
    // message is shown, so that a timer tick or a click can refuse to start another.
    bool operationRunning() const { return running_; }

    // Reads `count` words from `address` on into words[0...] (unsigned, 0..65535).
    // Never writes past the end of `words`. Disables the window's input while it runs.
    void ReadBlock(UnitAddress address, std::span<std::int32_t> words, std::int16_t count);
    // Writes the low 16 bits of `value`.
    void WriteWord(UnitAddress address, std::int32_t value);
    // One word read as signed 16 bits; 0 on failure.
    std::int16_t ReadWord(UnitAddress address);
    // Writes `count` words of `values` (never past its end) from `address` on.
    void WriteBlock(UnitAddress address, std::span<const std::int16_t> values, std::int16_t count);
    void WriteBlockWord(UnitAddress address, std::int16_t value);
    // The two bytes at `address` as two characters, or "%%" when the unit does not
    // answer. Shows nothing and leaves LinkFailed alone.
    std::string Char_Read(std::int32_t address);

  private:
    class Running;

    bool ReadBlockChunk(UnitAddress address, std::span<std::int32_t> words);
    AckOutcome WriteBlockChunk(UnitAddress address, std::span<const std::int16_t> values);
    void WriteSingleWord(const std::string& body);
    void FailBlockOperation();

    LinkServices link_;
    LinkWindow& window_;
    bool running_ = false;
};

}  // namespace unit_link
