#include "dialogs/com_port_code.h"

#include <gtest/gtest.h>

namespace dialogs {
namespace {

TEST(ComPortCode, DefaultIsCom1At9600Even8And1) {
    EXPECT_EQ(PortNumberOf(kDefaultComPort), 1);
    EXPECT_EQ(LineSettingsOf(kDefaultComPort), "9600,e,8,1");
    EXPECT_EQ(
        ChoiceFromCode(kDefaultComPort),
        (ComPortChoice{.portIndex = 0, .stopBit = 0, .dataWidth = 1, .parity = 1, .baudRate = 1}));
}

TEST(ComPortCode, DialogChoicesMakeTheirCodes) {
    const ComPortChoice com3{
        .portIndex = 2, .stopBit = 1, .dataWidth = 0, .parity = 2, .baudRate = 2};
    EXPECT_EQ(CodeFromChoice(com3), 674);
    EXPECT_EQ(LineSettingsOf(674), "19200,o,7,2");
    EXPECT_EQ(PortNumberOf(674), 3);

    const ComPortChoice com16{
        .portIndex = 15, .stopBit = 0, .dataWidth = 1, .parity = 0, .baudRate = 0};
    EXPECT_EQ(CodeFromChoice(com16), 3904);
    EXPECT_EQ(LineSettingsOf(3904), "4800,n,8,1");
    EXPECT_EQ(PortNumberOf(3904), 16);
}

TEST(ComPortCode, EveryDialogChoiceRoundTrips) {
    int codes = 0;
    for (int port = 0; port < kPortCount; ++port)
        for (int stop = 0; stop < 2; ++stop)
            for (int data = 0; data < 2; ++data)
                for (int parity = 0; parity < 3; ++parity)
                    for (int baud = 0; baud < 3; ++baud) {
                        const ComPortChoice choice{port, stop, data, parity, baud};
                        const std::int16_t code = CodeFromChoice(choice);
                        ASSERT_TRUE(IsDialogCode(code)) << code;
                        ASSERT_EQ(ChoiceFromCode(code), choice) << code;
                        ++codes;
                    }
    EXPECT_EQ(codes, 16 * 2 * 2 * 3 * 3);
}

TEST(ParseStoredComPort, AcceptsOnlyCodesTheDialogCanMake) {
    EXPECT_EQ(ParseStoredComPort("81"), 81);
    EXPECT_EQ(ParseStoredComPort(" 674 "), 674);
    EXPECT_EQ(ParseStoredComPort("3904"), 3904);
    EXPECT_EQ(ParseStoredComPort("0"), 0);
    for (const char* bad :
         {"", "abc", "81x", "-81", "4096", "83", "113", "85", "99999999999", "0x51", "8 1"}) {
        EXPECT_FALSE(ParseStoredComPort(bad)) << bad;
    }
}

TEST(ParsePortName, AcceptsComOneToSixteenInAnyCase) {
    EXPECT_EQ(ParsePortName("COM1"), 0);
    EXPECT_EQ(ParsePortName(" com16 "), 15);
    EXPECT_EQ(ParsePortName("Com3"), 2);
    for (const char* bad : {"", "COM", "COM0", "COM17", "COM-1", "COM 1", "CON1", "1", "COM1x"}) {
        EXPECT_FALSE(ParsePortName(bad)) << bad;
    }
    EXPECT_EQ(PortName(0), "COM1");
    EXPECT_EQ(PortName(15), "COM16");
}

}  // namespace
}  // namespace dialogs
