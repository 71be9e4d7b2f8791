#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace unit_sim {

// One request as the unit understands it, parsed from the text between STX and ETX.
struct UnitRequest {
    enum class Command { ReadWords, ReadTwoBytes, WriteWord, WriteWords };
    Command command = Command::ReadWords;
    std::uint32_t address = 0;
    int count = 0;                      // ReadWords: words asked for
    std::vector<std::uint16_t> values;  // WriteWord, WriteWords
};

// Parses the frame content (body followed by its 4-digit checksum). Nothing when
// the checksum does not match or the body is not a well-formed command; the unit
// answers such a frame with NAK.
std::optional<UnitRequest> ParseUnitRequest(std::string_view content);

// Collects request frames from the received byte stream: a frame starts at STX
// and ends at ETX; bytes outside a frame (the host's ACK, line noise) are ignored,
// and a new STX abandons an unfinished frame.
class FrameAssembler {
  public:
    // Takes one received byte; returns the content of the frame it completed.
    std::optional<std::string> push(char byte);

  private:
    static constexpr std::size_t MaxContent = 256;
    std::string content_;
    bool inFrame_ = false;
};

}  // namespace unit_sim
