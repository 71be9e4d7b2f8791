#include "unit_link/reply_decoding.h"

#include <algorithm>

#include "unit_link/command_frame.h"

namespace unit_link {

namespace {

constexpr std::size_t FirstWordIndex = 13;  // position 14
constexpr std::size_t FirstByteIndex = 10;  // position 11

// The reply from its first STX on, so that line noise before it shifts no
// position; nothing when no STX came at all.
std::optional<std::string_view> FromStx(std::string_view received) {
    const auto start = received.find(STX);
    if (start == std::string_view::npos) return std::nullopt;
    return received.substr(start);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The hex field of `width` characters at `index`, or nothing when it is cut short
// or holds a character that is not a hex digit.
std::optional<std::uint32_t> HexField(std::string_view reply, std::size_t index,
                                      std::size_t width) {
    if (index + width > reply.size()) return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : reply.substr(index, width)) {
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}

// After the data: the closing ";", the 4-digit checksum and ETX.
constexpr std::size_t ReplyTrailer = 1 + 4 + 1;

}  // namespace

std::size_t WordsReplyLength(int words) {
    return FirstWordIndex + 4 * static_cast<std::size_t>(std::max(words, 0)) + ReplyTrailer;
}

std::size_t TwoBytesReplyLength() {
    return FirstByteIndex + 4 + ReplyTrailer;
}

std::optional<std::vector<std::uint16_t>> DecodeWordsReply(std::string_view received,
                                                           int maxWords) {
    const auto reply = FromStx(received);
    if (!reply) return std::nullopt;
    std::vector<std::uint16_t> words;
    for (int j = 0; j < maxWords; ++j) {
        const std::size_t index = FirstWordIndex + 4 * static_cast<std::size_t>(j);
        if (index >= reply->size()) return std::nullopt;
        if ((*reply)[index] == ';') break;
        const auto value = HexField(*reply, index, 4);
        if (!value) return std::nullopt;
        words.push_back(static_cast<std::uint16_t>(*value));
    }
    return words;
}

std::optional<std::int16_t> DecodeSignedWordReply(std::string_view received) {
    const auto words = DecodeWordsReply(received, 1);
    if (!words) return std::nullopt;
    return words->empty() ? std::int16_t{0} : static_cast<std::int16_t>(words->front());
}

std::optional<std::string> DecodeTwoBytesReply(std::string_view received) {
    const auto reply = FromStx(received);
    if (!reply) return std::nullopt;
    const auto first = HexField(*reply, FirstByteIndex, 2);
    const auto second = HexField(*reply, FirstByteIndex + 2, 2);
    if (!first || !second) return std::nullopt;
    return std::string{static_cast<char>(*first), static_cast<char>(*second)};
}

}  // namespace unit_link
