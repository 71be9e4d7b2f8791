#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace unit_link {

// Replies are read by character position, counted from 1 at the reply's STX;
// bytes received before the first STX are line noise and dropped, and a reply
// with no STX at all is garbage. Positions the unit owns are never examined. A data
// group that is not hexadecimal, or a reply that ends before the positions it must
// hold, gives no value at all: garbage is never taken for data.

// Whole lengths of sound replies, STX to ETX: only what a wait looks for, never
// checked against what came.
std::size_t WordsReplyLength(int words);
std::size_t TwoBytesReplyLength();

// Reply to "4": word j at positions 14+4j..17+4j, at most maxWords of them; the
// list ends early at the first group whose first character is ";".
std::optional<std::vector<std::uint16_t>> DecodeWordsReply(std::string_view received, int maxWords);

// Reply to "4" for one word, read as signed 16 bits; an empty list reads as 0.
std::optional<std::int16_t> DecodeSignedWordReply(std::string_view received);

// Reply to "1": two bytes as hex pairs at positions 11-12 and 13-14, returned as
// the two characters with those codes.
std::optional<std::string> DecodeTwoBytesReply(std::string_view received);

}  // namespace unit_link
