#include "unit_link/position_monitor.h"

#include "tests/unit_link/link_fixture.h"
#include "unit_link/monitor_listener.h"
#include "unit_link/unit_commands.h"

namespace unit_link {
namespace {

MonitorReading Reading(std::string hex, std::string dec, std::array<bool, 3> unit = {},
                       std::array<bool, 5> sensor = {}) {
    return {std::move(hex), std::move(dec), unit, sensor};
}

TEST(DecodeMonitorBlock, PositionIsTwentyFourUnsignedBits) {
    EXPECT_EQ(DecodeMonitorBlock({0x3456, 0x0012, 0, 0}), Reading("123456", "1193046"));
    EXPECT_EQ(DecodeMonitorBlock({0x3456, 0xAB12, 0, 0}), Reading("123456", "1193046"));
    EXPECT_EQ(DecodeMonitorBlock({0x8000, 0, 0, 0}), Reading("008000", "32768"));
    EXPECT_EQ(DecodeMonitorBlock({0, 0, 0, 0}), Reading("000000", "0"));
    EXPECT_EQ(DecodeMonitorBlock({0xFFFF, 0xFFFF, 0, 0}), Reading("FFFFFF", "16777215"));
}

TEST(DecodeMonitorBlock, LampsFollowTheirBitsOnly) {
    EXPECT_EQ(DecodeMonitorBlock({0, 0, 5, 0}).unitLamps, (std::array{true, false, true}));
    EXPECT_EQ(DecodeMonitorBlock({0, 0, 8, 0}).unitLamps, (std::array{false, false, false}));
    EXPECT_EQ(DecodeMonitorBlock({0, 0, 0, 0x10}).sensorLamps,
              (std::array{false, false, false, false, true}));
    EXPECT_EQ(DecodeMonitorBlock({0, 0, 0, 0x1F}).sensorLamps,
              (std::array{true, true, true, true, true}));
    EXPECT_EQ(DecodeMonitorBlock({0, 0, 0, 0x20}).sensorLamps, (std::array<bool, 5>{}));
}

// The monitor's part of the window, on top of the link's fake window state.
class FakeMonitorView : public MonitorView {
  public:
    explicit FakeMonitorView(FakeLinkWindow& window) : window_(window) {}
    bool monitorSwitchOn() const override { return window_.monitorOn; }
    void switchMonitorOff() override { window_.monitorOn = false; }
    bool linkFailed() const override { return window_.linkFailed.value_or(false); }
    void showMonitorReading(const MonitorReading& reading) override { readings.push_back(reading); }

    std::vector<MonitorReading> readings;

  private:
    FakeLinkWindow& window_;
};

// Keeps what the monitor handed on: a block with its time, or 'interrupted'.
class RecordingListener : public MonitorListener {
  public:
    void readingTaken(const MonitorBlock& words,
                      std::chrono::system_clock::time_point arrived) override {
        blocks.push_back(words);
        times.push_back(arrived);
        events += "r";
    }
    void readingsInterrupted() override { events += "-"; }

    std::vector<MonitorBlock> blocks;
    std::vector<std::chrono::system_clock::time_point> times;
    std::string events;
};

class MonitorTickTest : public LinkTest {
  protected:
    void Tick() { MonitorTick(link, view, &listener); }

    RecordingListener listener;

    FakeMonitorView view{window};
    const std::string monitorRequest = CommandFrame(ReadWordsBody(MonitorBlockAddress, 4));
};

TEST_F(MonitorTickTest, ReadsTheBlockOnlyWhileTheSwitchIsOn) {
    window.monitorOn = false;
    Tick();
    EXPECT_TRUE(port.written.empty());

    window.monitorOn = true;
    AnswerAtOnce(WordsReply("3456001200050010"));
    AnswerAtOnce(WordsReply("3457001200000000"));
    Tick();
    Tick();
    EXPECT_EQ(Requests(), (std::vector{monitorRequest, monitorRequest}));
    EXPECT_EQ(monitorRequest, CommandFrame("4FFEF5C;4;"));
    ASSERT_EQ(view.readings.size(), 2u);
    EXPECT_EQ(view.readings[0], Reading("123456", "1193046", {true, false, true},
                                        {false, false, false, false, true}));
    // A cleared bit turns its lamp off on the next good tick.
    EXPECT_EQ(view.readings[1], Reading("123457", "1193047"));
    EXPECT_TRUE(window.monitorOn);
}

TEST_F(MonitorTickTest, FailedReadShowsOneMessageAndStopsWithTheDisplaysKept) {
    AnswerAtOnce(WordsReply("0001000000000000"));
    Tick();
    Tick();  // no answer: the unit's cable is pulled
    for (int i = 0; i < 5; ++i) Tick();
    EXPECT_EQ(window.failureMessages, 1);
    EXPECT_FALSE(window.monitorOn);
    EXPECT_EQ(Requests().size(), 2u);
    EXPECT_EQ(view.readings.size(), 1u);
}

TEST_F(MonitorTickTest, TheListenerGetsEveryBlockAndEveryBreakInTheRun) {
    window.monitorOn = false;
    Tick();
    window.monitorOn = true;
    AnswerAtOnce(WordsReply("3456AB1200050010"));
    const auto before = std::chrono::system_clock::now();
    Tick();
    const auto after = std::chrono::system_clock::now();
    Tick();  // silent: fails and stops
    Tick();
    EXPECT_EQ(listener.events, "-r--");
    ASSERT_EQ(listener.blocks.size(), 1u);
    // The words as read, the ignored bits too; the time is when the reply came.
    EXPECT_EQ(listener.blocks[0], (MonitorBlock{0x3456, 0xAB12, 5, 0x10}));
    EXPECT_GE(listener.times[0], before);
    EXPECT_LE(listener.times[0], after);
    EXPECT_EQ(MonitorPosition(listener.blocks[0]), 0x123456u);
}

TEST_F(MonitorTickTest, TicksDuringAnOperationOrItsMessageDoNothing) {
    int ticksRun = 0;
    const auto nestedTick = [&] {
        ++ticksRun;
        Tick();
    };
    events.onProcess = nestedTick;
    window.onLinkFailure = nestedTick;
    Tick();  // times out, ticking during its wait and while its message shows
    EXPECT_GE(ticksRun, 2);
    EXPECT_EQ(Requests().size(), 1u);
    EXPECT_EQ(window.failureMessages, 1);
}

}  // namespace
}  // namespace unit_link
