#include <gtest/gtest.h>

#include "unit_link/reply_decoding.h"

namespace unit_link {
namespace {

// STX plus 12 characters the unit owns, so the data starts at position 14.
const std::string Head =
    "\x02"
    "4FFEF5C;4;hh";

std::vector<std::uint16_t> Words(std::initializer_list<std::uint16_t> list) {
    return list;
}

TEST(DecodeWordsReply, ReadsGroupsFromPositionFourteenInEitherCase) {
    EXPECT_EQ(DecodeWordsReply(Head + "03e803E8ffff0000;ck\x03", 4), Words({1000, 1000, 65535, 0}));
}

TEST(DecodeWordsReply, StopsAtGroupStartingWithSemicolonOrAtTheCountAsked) {
    EXPECT_EQ(DecodeWordsReply(Head + "00010002;ck\x03", 4), Words({1, 2}));
    EXPECT_EQ(DecodeWordsReply(Head + ";ck\x03", 4), Words({}));
    // Characters after the words asked for are the unit's and are not examined.
    EXPECT_EQ(DecodeWordsReply(Head + "00010002zz\x03", 2), Words({1, 2}));
}

TEST(DecodeWordsReply, RefusesNonHexOrCutShortGroups) {
    EXPECT_EQ(DecodeWordsReply(Head + "00G1;\x03", 1), std::nullopt);
    EXPECT_EQ(DecodeWordsReply(Head + "0001 002;\x03", 2), std::nullopt);
    EXPECT_EQ(DecodeWordsReply(Head + "00\x03", 1), std::nullopt);  // ETX inside the group
    EXPECT_EQ(DecodeWordsReply(Head.substr(0, 8) + "\x03", 1), std::nullopt);  // ends before 14
    EXPECT_EQ(DecodeWordsReply(Head + "0001", 2), std::nullopt);  // ends where a group should be
    EXPECT_EQ(DecodeWordsReply(Head + "+001;\x03", 1), std::nullopt);
}

TEST(DecodeWordsReply, CountsPositionsFromTheFirstStxDroppingNoiseBeforeIt) {
    // Hex-looking noise would shift every group by its length if it were counted.
    EXPECT_EQ(DecodeWordsReply("0A" + Head + "03e8ffff;ck\x03", 2), Words({1000, 65535}));
    EXPECT_EQ(DecodeWordsReply(std::string("\xff\x00 ;", 4) + Head + "0001;\x03", 4), Words({1}));
    // An STX later in the reply is the unit's and changes nothing.
    EXPECT_EQ(DecodeWordsReply(Head + "0002\x02" + "0003;\x03", 4), std::nullopt);
    EXPECT_EQ(DecodeWordsReply(Head.substr(1) + "00010002;\x03", 1), std::nullopt);  // no STX
    EXPECT_EQ(DecodeSignedWordReply("FF" + Head + "FFFE;\x03"), std::int16_t{-2});
    EXPECT_EQ(DecodeSignedWordReply(Head.substr(1) + "FFFE0;\x03"), std::nullopt);
}

TEST(DecodeSignedWordReply, ReadsSixteenBitsSignedAndEmptyListAsZero) {
    EXPECT_EQ(DecodeSignedWordReply(Head + "FFFF;\x03"), std::int16_t{-1});
    EXPECT_EQ(DecodeSignedWordReply(Head + "8000;\x03"), std::int16_t{-32768});
    EXPECT_EQ(DecodeSignedWordReply(Head + "7fff;\x03"), std::int16_t{32767});
    EXPECT_EQ(DecodeSignedWordReply(Head + ";\x03"), std::int16_t{0});
    EXPECT_EQ(DecodeSignedWordReply(Head + "12\x03"), std::nullopt);
}

TEST(DecodeTwoBytesReply, ReadsHexPairsAtPositionsElevenToFourteen) {
    const std::string head =
        "\x02"
        "10;xxxxxx";  // positions 1 to 10
    EXPECT_EQ(DecodeTwoBytesReply(head + "4142;\x03"), "AB");
    EXPECT_EQ(DecodeTwoBytesReply(head + "61ff\x03"), std::string("a\xFF"));
    EXPECT_EQ(DecodeTwoBytesReply(head + "41\x03"), std::nullopt);
    EXPECT_EQ(DecodeTwoBytesReply(head + "4X42\x03"), std::nullopt);
    EXPECT_EQ(DecodeTwoBytesReply("3132" + head + "4142;\x03"), "AB");
    EXPECT_EQ(DecodeTwoBytesReply(head.substr(1) + "414243;\x03"), std::nullopt);  // no STX
}

}  // namespace
}  // namespace unit_link
