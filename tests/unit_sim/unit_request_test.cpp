#include "tools/unit_sim/unit_request.h"

#include <gtest/gtest.h>

#include <array>

#include "tests/unit_sim/sim_test_support.h"
#include "unit_link/unit_commands.h"

namespace unit_sim {
namespace {

using Command = UnitRequest::Command;

TEST(UnitRequestTest, ParsesEveryCommandTheLinkBuilds) {
    const auto read = ParseUnitRequest(FrameContent(unit_link::ReadWordsBody(0xFFEF5C, 16)));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->command, Command::ReadWords);
    EXPECT_EQ(read->address, 0xFFEF5Cu);
    EXPECT_EQ(read->count, 16);

    const auto write = ParseUnitRequest(FrameContent(unit_link::WriteWordBody(0xFFEF34, -1)));
    ASSERT_TRUE(write);
    EXPECT_EQ(write->command, Command::WriteWord);
    EXPECT_EQ(write->values, std::vector<std::uint16_t>{0xFFFF});

    const std::array<std::int16_t, 3> values = {1, 0x1234, -2};
    const auto block = ParseUnitRequest(FrameContent(unit_link::WriteWordsBody(0x10, values)));
    ASSERT_TRUE(block);
    EXPECT_EQ(block->command, Command::WriteWords);
    EXPECT_EQ(block->address, 0x10u);
    EXPECT_EQ(block->values, (std::vector<std::uint16_t>{1, 0x1234, 0xFFFE}));

    const auto bytes = ParseUnitRequest(FrameContent(unit_link::ReadTwoBytesBody(0x101)));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->command, Command::ReadTwoBytes);
    EXPECT_EQ(bytes->address, 0x101u);
}

TEST(UnitRequestTest, RefusesBadChecksumAndMalformedBodies) {
    EXPECT_FALSE(ParseUnitRequest("4FFEF5C;4;026E"));  // checksum off by one
    EXPECT_FALSE(ParseUnitRequest("026D"));
    for (const char* body :
         {"4FFEF5C;0;", "4FFEF5C;11;", "4FFEF5;4;", "4FFEF5C;4", "4FFEF5D;1;", "2FFEF34,3E8;",
          "2FFEF34;03E8;", "5FFEF34;2;03E8;", "5FFEF34;1;03E8", "1;", "3FFEF5C;4;", "4FFEF5C;4;x"})
        EXPECT_FALSE(ParseUnitRequest(FrameContent(body))) << body;
}

TEST(FrameAssemblerTest, TakesFramesOutOfNoiseAndRestartsAtStx) {
    FrameAssembler assembler;
    std::vector<std::string> frames;
    const std::string stream =
        std::string("xy\x06") + "\x02" + "abc" + "\x02" + "4FF" + "\x03" + "\x03" + "\x02" + "\x03";
    for (const char byte : stream)
        if (auto frame = assembler.push(byte)) frames.push_back(*frame);
    EXPECT_EQ(frames, (std::vector<std::string>{"4FF", ""}));
}

TEST(FrameAssemblerTest, DropsAnEndlessFrame) {
    FrameAssembler assembler;
    assembler.push(unit_link::STX);
    for (int i = 0; i < 1000; ++i) EXPECT_FALSE(assembler.push('A'));
    EXPECT_FALSE(assembler.push(unit_link::ETX));
}

}  // namespace
}  // namespace unit_sim
