#include "trend/reading_history.h"

#include <gtest/gtest.h>

#include "trend/column_decimation.h"

namespace trend {
namespace {

unit_link::MonitorBlock At(std::uint32_t position, std::int32_t unit = 0, std::int32_t sensor = 0) {
    return {static_cast<std::int32_t>(position & 0xFFFF), static_cast<std::int32_t>(position >> 16),
            unit, sensor};
}

TEST(UnwrappedStep, AStepOfMoreThanHalfTheRangeIsAWrapTakenTheShortWay) {
    EXPECT_EQ(UnwrappedStep(0xFFFFFE, 0x000001), 3);
    EXPECT_EQ(UnwrappedStep(0x000001, 0xFFFFFE), -3);
    EXPECT_EQ(UnwrappedStep(100, 250), 150);
    EXPECT_EQ(UnwrappedStep(250, 100), -150);
    // Exactly half the range is a step, not a wrap; one more is a wrap.
    EXPECT_EQ(UnwrappedStep(0, 0x800000), 0x800000);
    EXPECT_EQ(UnwrappedStep(0, 0x800001), 0x800001 - CountRange);
}

TEST(ReadingHistory, KeepsTheLastReadingsOldestFirstAndDropsOlderOnes) {
    ReadingHistory history(3);
    for (std::uint32_t i = 0; i < 5; ++i) history.add(At(10 + i), 1000 + i * 100);
    ASSERT_EQ(history.size(), 3u);
    EXPECT_EQ(history[0].position(), 12u);
    EXPECT_EQ(history[0].time, 1200);
    EXPECT_EQ(history.newest().position(), 14u);
    EXPECT_EQ(history.added(), 5u);
    EXPECT_EQ(ReadingHistory().capacity(), 36'000u);
}

TEST(ReadingHistory, CountsOnAcrossAWrapInBothDirections) {
    ReadingHistory history;
    history.add(At(0xFFFFF0), 0);
    history.add(At(0x000010), 100);  // forward through FFFFFF
    history.add(At(0xFFFFF8), 200);  // and back again
    EXPECT_EQ(history[1].unwrapped, 0xFFFFF0 + 0x20);
    EXPECT_EQ(history[1].position(), 0x10u);
    EXPECT_EQ(history[2].unwrapped, 0xFFFFF8);
    EXPECT_EQ(PlottedValue(history[1], false), 0x10);
    EXPECT_EQ(PlottedValue(history[1], true), 0x1000010);
    // Backwards below 0 the continued count goes negative; the position stays 24-bit.
    ReadingHistory backwards;
    backwards.add(At(5), 0);
    backwards.add(At(0xFFFFFD), 100);
    EXPECT_EQ(backwards[1].unwrapped, -3);
    EXPECT_EQ(backwards[1].position(), 0xFFFFFDu);
}

TEST(ReadingHistory, MarksWhereARunStartsAfterAGap) {
    ReadingHistory history;
    history.add(At(1), 0);
    history.add(At(2), 100);
    history.interrupt();
    history.interrupt();
    history.add(At(3), 5000);
    history.add(At(4), 5100);
    EXPECT_TRUE(history[0].startsRun);
    EXPECT_FALSE(history[1].startsRun);
    EXPECT_TRUE(history[2].startsRun);
    EXPECT_FALSE(history[3].startsRun);
}

TEST(ReadingHistory, KeepsTheWordsAndLampsAsRead) {
    ReadingHistory history;
    const Sample& sample = history.add({0x3456, 0xAB12, 0xFF05, 0x0031}, 7);
    EXPECT_EQ(sample.position(), 0x123456u);
    EXPECT_EQ(sample.unitWord, 0xFF05);
    EXPECT_EQ(sample.sensorWord, 0x0031);
    // Unit lamps 0 and 2, sensor lamp 0 and 4 (bit 5 of word 3 drives nothing).
    EXPECT_EQ(sample.lamps, 0b1000'1101);
    // The block decodes as the one read: word 1's ignored high byte is all that is gone.
    EXPECT_EQ(unit_link::DecodeMonitorBlock(sample.block()),
              unit_link::DecodeMonitorBlock({0x3456, 0xAB12, 0xFF05, 0x0031}));
}

TEST(ReadingHistory, AClockSetBackKeepsTheOrder) {
    ReadingHistory history;
    history.add(At(1), 10'000);
    history.add(At(2), 4'000);
    EXPECT_EQ(history[1].time, 10'000);
}

TEST(ReadingHistory, FindsReadingsByTime) {
    ReadingHistory history(4);
    for (int i = 0; i < 6; ++i) history.add(At(static_cast<std::uint32_t>(i)), i * 100);
    // Holds 200, 300, 400, 500.
    EXPECT_EQ(history.firstAtOrAfter(0), 0u);
    EXPECT_EQ(history.firstAtOrAfter(300), 1u);
    EXPECT_EQ(history.firstAtOrAfter(301), 2u);
    EXPECT_EQ(history.firstAtOrAfter(501), 4u);
    EXPECT_EQ(history.nearest(340), 1u);
    EXPECT_EQ(history.nearest(360), 2u);
    EXPECT_EQ(history.nearest(-50), 0u);
    EXPECT_EQ(history.nearest(9000), 3u);
}

}  // namespace
}  // namespace trend
