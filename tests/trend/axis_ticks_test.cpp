#include "trend/axis_ticks.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace trend {
namespace {

constexpr Millis Hour = 3'600'000;

std::vector<std::string> Labels(const std::vector<AxisTick>& ticks) {
    std::vector<std::string> labels;
    for (const AxisTick& tick : ticks) labels.push_back(tick.label);
    return labels;
}

TEST(CountAxis, StepsAreOneTwoOrFiveTimesAPowerOfTen) {
    EXPECT_EQ(RoundCountStep(1000, 400, 40), 100);  // 10 ticks fit
    EXPECT_EQ(RoundCountStep(1000, 200, 40), 200);
    EXPECT_EQ(RoundCountStep(16'777'215, 400, 40), 2'000'000);
    EXPECT_EQ(RoundCountStep(3, 400, 40), 1);
    EXPECT_EQ(RoundCountStep(0, 400, 40), 1);
}

TEST(CountAxis, TicksSitOnMultiplesOfTheStep) {
    EXPECT_EQ(Labels(CountTicks(1234, 1790, 300, 60)),
              (std::vector<std::string>{"1300", "1400", "1500", "1600", "1700"}));
    EXPECT_EQ(Labels(CountTicks(-250, 250, 100, 40)),
              (std::vector<std::string>{"-200", "0", "200"}));
}

TEST(TimeAxis, StepsAreRoundOnesOfTheClock) {
    EXPECT_EQ(RoundTimeStep(10'000, 800, 80), 1000);
    EXPECT_EQ(RoundTimeStep(60'000, 800, 80), 10'000);
    EXPECT_EQ(RoundTimeStep(600'000, 800, 80), 60'000);
    EXPECT_EQ(RoundTimeStep(Hour, 800, 80), 10 * 60'000);
    EXPECT_EQ(RoundTimeStep(Hour, 50, 80), Hour);
    EXPECT_EQ(RoundTimeStep(1000, 800, 80), 100);
}

TEST(TimeAxis, TicksFallOnTheLocalClocksRoundTimes) {
    // 2026-12-09 06:04:55.300 UTC, one minute, in a zone 5 h 30 min ahead.
    const Millis from = 1'796'796'295'300;
    const Millis offset = 5 * Hour + Hour / 2;
    const std::vector<AxisTick> ticks = TimeTicks(from, from + 60'000, 800, 80, offset);
    EXPECT_EQ(Labels(ticks), (std::vector<std::string>{"11:35:00", "11:35:10", "11:35:20",
                                                       "11:35:30", "11:35:40", "11:35:50"}));
    EXPECT_EQ(ticks.front().value, 1'796'796'300'000);
    EXPECT_EQ(Labels(TimeTicks(from, from + Hour, 800, 80, 0)),
              (std::vector<std::string>{"06:10", "06:20", "06:30", "06:40", "06:50", "07:00"}));
    EXPECT_EQ(Labels(TimeTicks(from + 50, from + 1000, 800, 80, 0)).front(), "06:04:55.4");
}

TEST(TimeAxis, ClockTextIsTheLocalTimeToTheMillisecond) {
    EXPECT_EQ(ClockText(1'796'796'301'007, 0), "06:05:01.007");
    EXPECT_EQ(ClockText(1'796'796'301'007, -7 * Hour), "23:05:01.007");
}

TEST(TimeAxis, TheLocalOffsetFollowsTheTimeZone) {
    const char* saved = std::getenv("TZ");
    const std::string kept = saved ? saved : "";
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    EXPECT_EQ(LocalUtcOffset(1'796'796'301'007), Hour);      // December: CET
    EXPECT_EQ(LocalUtcOffset(1'781'000'000'000), 2 * Hour);  // June: CEST
    if (saved)
        setenv("TZ", kept.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

}  // namespace
}  // namespace trend
