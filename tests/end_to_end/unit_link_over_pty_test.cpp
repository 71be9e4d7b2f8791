// The link's operations through the termios serial device on a real pseudo-terminal against the
// simulated unit: the bytes on the wire and what each operation gives back.
#include <gtest/gtest.h>

#include <thread>

#include "tests/end_to_end/link_fixture.h"
#include "tools/unit_sim/pty_unit.h"

namespace end_to_end {
namespace {

using unit_link::ACK;
using unit_link::ETX;
using unit_link::STX;

using LinkOverPtyTest = LinkOn<unit_sim::PtyUnit>;

TEST_F(LinkOverPtyTest, MonitorReadSendsTheDocumentedFrameAndDecodesTheBlock) {
    control("position 0x123456");
    control("unit-errors 5");
    control("sensor-errors 0x10");
    EXPECT_EQ(readMonitorBlock(), (std::array<std::int32_t, 4>{0x3456, 0x12, 5, 0x10}));
    EXPECT_FALSE(window.linkFailed());
    EXPECT_EQ(unit.receivedBytes(), std::string(1, STX) + "4FFEF5C;4;026D" + ETX);
}

TEST_F(LinkOverPtyTest, LoadOfParametersReachesTheUnitAndBadOnesRaiseTheLimitLamp) {
    const std::array<std::int32_t, 7> parameters = {1, 1, 10, 2000, 3, 0xFF, 0xFFFF};
    for (int i = 0; i < 7; ++i) {
        link.WriteWord(unit_link::ParameterBaseAddress + 2 * i, parameters[i]);
        ASSERT_FALSE(window.linkFailed()) << i;
    }
    link.WriteWord(unit_link::ParameterStoreAddress, 1);
    EXPECT_EQ(readMonitorBlock()[2], 0);
    std::array<std::int32_t, 7> uploaded{};
    link.ReadBlock(unit_link::ParameterBaseAddress, uploaded, 7);
    EXPECT_EQ(uploaded, parameters);

    link.WriteWord(unit_link::ParameterBaseAddress + 6, 2001);  // phase count out of range
    link.WriteWord(unit_link::ParameterStoreAddress, 1);
    EXPECT_EQ(readMonitorBlock()[2], 4);
    EXPECT_TRUE(unit.receivedBytes().find(std::string(1, STX) + "2FFEF66,0001;02DD" + ETX) !=
                std::string::npos);
}

TEST_F(LinkOverPtyTest, BlockWriteInChunksAndByteReadWithTheHostsAck) {
    std::array<std::int16_t, 20> values{};
    for (int i = 0; i < 20; ++i) values[i] = static_cast<std::int16_t>(0x4100 + i);
    link.WriteBlock(0x1000, values, 20);
    EXPECT_FALSE(window.linkFailed());
    EXPECT_EQ(control("peek 1026"), "0x4113");  // the second chunk's last word
    EXPECT_EQ(link.ReadWord(0x1026), 0x4113);

    link.WriteWord(0x2000, 0x4142);
    EXPECT_EQ(link.Char_Read(0x2000), "AB");
    EXPECT_EQ(link.ReadWord(0x2000), 0x4142);
    // The host acknowledged the "1" reply before its next request; the unit takes
    // the ACK as a stray byte.
    const std::string charRead = unit_link::CommandFrame(unit_link::ReadTwoBytesBody(0x2000));
    EXPECT_NE(unit.receivedBytes().find(charRead + ACK + STX), std::string::npos);
}

TEST_F(LinkOverPtyTest, SilentUnitFailsTheReadWithTheLinkFailureMessage) {
    control("position 77");
    readMonitorBlock();
    control("fault silence");
    std::array<std::int32_t, 4> words = {1, 2, 3, 4};
    link.ReadBlock(unit_link::MonitorBlockAddress, words, 4);
    EXPECT_TRUE(window.linkFailed());
    EXPECT_EQ(words, (std::array<std::int32_t, 4>{1, 2, 3, 4}));
    EXPECT_EQ(messages.str(),
              "Communication Time Out!\nPlease Check Communication Line\n"
              "Cause: the unit did not answer in time\n");
    EXPECT_EQ(link.Char_Read(0), "%%");
}

TEST_F(LinkOverPtyTest, RefusedWriteFailsAndSplitReplyIsCollectedWhole) {
    control("fault nak 1");
    link.WriteWord(0x10, 5);
    EXPECT_TRUE(window.linkFailed());
    EXPECT_EQ(control("peek 10"), "0x0000");

    control("position 0xABCDEF");
    control("fault split 150 1");
    EXPECT_EQ(readMonitorBlock()[0], 0xCDEF);
    EXPECT_FALSE(window.linkFailed());
}

TEST_F(LinkOverPtyTest, LateReplyOfATimedOutReadDoesNotShiftTheNextOne) {
    control("position 0x010203");
    control("fault delay 1400 1");  // well past the limit, even on a busy machine
    readMonitorBlock();
    EXPECT_TRUE(window.linkFailed());
    // The late reply lands in the port; the next request must not take it for its own.
    const auto timedOut = std::chrono::steady_clock::now();
    for (int wait = 0; wait < 300 && unit.lastAnswerByteTime() < timedOut; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_GT(unit.lastAnswerByteTime(), timedOut);
    control("position 0x040506");
    EXPECT_EQ(readMonitorBlock(), (std::array<std::int32_t, 4>{0x0506, 0x04, 0, 0}));
    EXPECT_FALSE(window.linkFailed());
}

TEST_F(LinkOverPtyTest, NoiseBeforeTheReplyShiftsNoWord) {
    control("position 0x0A0B0C");
    control("unit-errors 3");
    for (const int bytes : {1, 4, 7}) {
        control("fault noise " + std::to_string(bytes) + " 1");
        EXPECT_EQ(readMonitorBlock(), (std::array<std::int32_t, 4>{0x0B0C, 0x0A, 3, 0}))
            << bytes << " noise bytes";
        EXPECT_FALSE(window.linkFailed());
    }
}

}  // namespace
}  // namespace end_to_end
