#include <gtest/gtest.h>

#include "unit_link/command_frame.h"
#include "unit_link/unit_commands.h"

namespace unit_link {
namespace {

TEST(FrameChecksum, SumsCharacterCodesIntoFourUpperCaseDigits) {
    EXPECT_EQ(FrameChecksum("4FFEF5C;4;"), "026D");
    EXPECT_EQ(FrameChecksum("4FFEF2E;7;"), "026F");
    EXPECT_EQ(FrameChecksum("2FFEF66,0001;"), "02DD");
    EXPECT_EQ(FrameChecksum("2FFEF34,03E8;"), "02F7");
    EXPECT_EQ(FrameChecksum("1"), "0031");
    EXPECT_EQ(FrameChecksum("abc"), "0126");
    EXPECT_EQ(FrameChecksum(""), "0000");
}

TEST(FrameChecksum, KeepsAllFourDigitsOfLargeSums) {
    // 4660 = 0x1234: 36 characters of code 127 (4572) plus one of code 88.
    const std::string body = std::string(36, '\x7F') + 'X';
    EXPECT_EQ(FrameChecksum(body), "1234");
}

TEST(FrameChecksum, IsAPlainSumNotModuloByteNorExclusiveOr) {
    // 0xFF + 0xFF = 0x1FE; a byte sum would give FE, exclusive-or 0000.
    EXPECT_EQ(FrameChecksum("\xFF\xFF"), "01FE");
}

TEST(CommandFrame, WrapsBodyAndChecksumInStxEtx) {
    const std::string expected =
        "\x02"
        "4FFEF5C;4;026D\x03";
    EXPECT_EQ(CommandFrame("4FFEF5C;4;"), expected);
}

TEST(FieldEncodings, AddressesCountsAndValues) {
    EXPECT_EQ(EncodeUnitAddress(0xFFEF5C), "FFEF5C");
    EXPECT_EQ(EncodeUnitAddress(5), "000005");
    EXPECT_EQ(EncodeUnitAddress(0), "000000");
    EXPECT_EQ(EncodeUnitAddress(0x7FFFEF5C), "FFEF5C");  // only the low 24 bits
    EXPECT_EQ(EncodeCharReadAddress(0), "0");
    EXPECT_EQ(EncodeCharReadAddress(0x100), "100");
    EXPECT_EQ(EncodeCharReadAddress(0xabc), "ABC");
    EXPECT_EQ(EncodeWordCount(7), "7");
    EXPECT_EQ(EncodeWordCount(15), "F");
    EXPECT_EQ(EncodeWordCount(16), "10");
    EXPECT_EQ(EncodeWordValue(1000), "03E8");
    EXPECT_EQ(EncodeWordValue(65536), "0000");
    EXPECT_EQ(EncodeWordValue(70000), "1170");
    EXPECT_EQ(EncodeWordValue(-1), "FFFF");
}

TEST(RequestBodies, EachCommandsLayout) {
    EXPECT_EQ(ReadWordsBody(MonitorBlockAddress, 4), "4FFEF5C;4;");
    EXPECT_EQ(ReadWordsBody(ParameterBaseAddress, 7), "4FFEF2E;7;");
    EXPECT_EQ(ReadWordsBody(0, 16), "4000000;10;");
    EXPECT_EQ(WriteWordBody(ParameterStoreAddress, 1), "2FFEF66,0001;");
    EXPECT_EQ(WriteWordBody(0xFFEF34, 1000), "2FFEF34,03E8;");
    const std::int16_t values[] = {1, -1, 0x1234};
    EXPECT_EQ(WriteWordsBody(0x100, values), "5000100;3;0001FFFF1234;");
    EXPECT_EQ(ReadTwoBytesBody(0), "10;");
    EXPECT_EQ(ReadTwoBytesBody(0x1F00), "11F00;");
}

}  // namespace
}  // namespace unit_link
