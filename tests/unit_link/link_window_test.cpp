#include <gtest/gtest.h>

#include <sstream>

#include "platform/fakes/fake_message_boxes.h"
#include "unit_link/console_link_window.h"
#include "unit_link/link_failure_message.h"

namespace unit_link {
namespace {

TEST(LinkFailureMessage, IsAStopBoxTitledWithTheProgram) {
    platform::FakeMessageBoxes boxes;
    ShowLinkFailureBox(boxes, "QM4417");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "QM4417 Error!");
    EXPECT_EQ(boxes.shown[0].text, "Communication Time Out!\r\nPlease Check Communication Line");
    EXPECT_EQ(boxes.shown[0].icon, platform::MessageIcon::Stop);
    EXPECT_EQ(boxes.shown[0].buttons, platform::MessageButtons::Ok);
}

TEST(ConsoleLinkWindow, WritesTheMessageAsTerminalLinesAndKeepsTheFlag) {
    std::ostringstream messages;
    ConsoleLinkWindow window(messages);
    EXPECT_FALSE(window.linkFailed());
    window.showLinkFailure(LinkOutcome::Refused);
    window.setLinkFailed(true);
    EXPECT_EQ(messages.str(),
              "Communication Time Out!\nPlease Check Communication Line\n"
              "Cause: the unit refused the request (NAK)\n");
    EXPECT_TRUE(window.linkFailed());
}

}  // namespace
}  // namespace unit_link
