// The link through a raw network line (tcp://) to the simulated unit behind its TCP listener:
// the faults of the serial line give the same outcome and message as on a terminal, and a
// connection the unit cuts mid-reply is a lost line that the next operation opens again.
#include <gtest/gtest.h>

#include "tests/end_to_end/link_fixture.h"
#include "tools/unit_sim/tcp_unit.h"

namespace end_to_end {
namespace {

using unit_link::LinkOutcome;

using LinkOverTcpTest = LinkOn<unit_sim::TcpUnit>;

int Count(const std::string& text, const std::string& what) {
    int count = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

TEST_F(LinkOverTcpTest, ACutMidReplyFailsOnceAndTheNextOperationConnectsAgain) {
    control("position 0x123456");
    const std::array<std::int32_t, 4> expected{0x3456, 0x12, 0, 0};
    ASSERT_EQ(readMonitorBlock(), expected);
    int connections = 1;
    for (const char* fault : {"fault reset 1", "fault half-close 1"}) {
        messages.str("");
        control(fault);
        std::array<std::int32_t, 4> words{1, 2, 3, 4};
        EXPECT_EQ(link.ReadBlock(unit_link::MonitorBlockAddress, words, 4), LinkOutcome::PortClosed)
            << fault;
        EXPECT_EQ(words, (std::array<std::int32_t, 4>{1, 2, 3, 4})) << fault;
        EXPECT_TRUE(window.linkFailed());
        EXPECT_TRUE(port.lost()) << fault;
        EXPECT_EQ(Count(messages.str(), "Communication Time Out!"), 1) << messages.str();
        EXPECT_NE(messages.str().find("Cause: the line is closed, or its device or connection "
                                      "is gone"),
                  std::string::npos)
            << messages.str();

        messages.str("");
        EXPECT_EQ(readMonitorBlock(), expected) << fault;
        EXPECT_FALSE(window.linkFailed());
        EXPECT_EQ(messages.str(), "");
        EXPECT_EQ(unit.connectionsServed(), ++connections) << fault;
    }
}

TEST_F(LinkOverTcpTest, ACutWriteIsNoAcceptedWrite) {
    control("fault reset 1");
    EXPECT_EQ(link.WriteWord(0x10, 5), LinkOutcome::PortClosed);
    EXPECT_EQ(Count(messages.str(), "Communication Time Out!"), 1) << messages.str();
    // The unit took the word before it cut the connection, as a unit whose answer was lost.
    EXPECT_EQ(control("peek 10"), "0x0005");
    EXPECT_EQ(link.ReadWord(0x10), 5);
    EXPECT_EQ(unit.connectionsServed(), 2);
}

TEST_F(LinkOverTcpTest, ASilentUnitGivesTheMessageItGivesOnATerminal) {
    control("fault silence 1");
    readMonitorBlock();
    EXPECT_TRUE(window.linkFailed());
    EXPECT_EQ(messages.str(),
              "Communication Time Out!\nPlease Check Communication Line\n"
              "Cause: the unit did not answer in time\n");
    EXPECT_FALSE(port.lost());
    control("position 9");
    EXPECT_EQ(readMonitorBlock()[0], 9);
    EXPECT_EQ(unit.connectionsServed(), 1);
}

}  // namespace
}  // namespace end_to_end
