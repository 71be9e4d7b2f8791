#include "trend/column_decimation.h"

#include <gtest/gtest.h>

namespace trend {
namespace {

unit_link::MonitorBlock At(std::uint32_t position) {
    return {static_cast<std::int32_t>(position & 0xFFFF), static_cast<std::int32_t>(position >> 16),
            0, 0};
}

TEST(DecimateToColumns, EachColumnHoldsTheLowestHighestFirstAndLastOfItsReadings) {
    ReadingHistory history;
    // Ten columns of 100 ms over 0..1000 ms; readings every 25 ms in the first two.
    const std::uint32_t values[] = {50, 10, 90, 40, 60, 70, 20, 30};
    for (int i = 0; i < 8; ++i) history.add(At(values[i]), i * 25);
    EXPECT_EQ(DecimateToColumns(history, 0, 1000, 10, false),
              (std::vector<Column>{{0, 10, 90, 50, 40, false}, {1, 20, 70, 60, 30, true}}));
}

TEST(DecimateToColumns, ReadingsOutsideTheSpanAreLeftOutAndEmptyColumnsAreSkipped) {
    ReadingHistory history;
    for (int i = 0; i < 20; ++i) history.add(At(static_cast<std::uint32_t>(i)), i * 100);
    // 500..1500 ms over 100 columns of 10 ms: readings land every tenth column, joined.
    const std::vector<Column> columns = DecimateToColumns(history, 500, 1500, 100, false);
    ASSERT_EQ(columns.size(), 10u);
    EXPECT_EQ(columns.front(), (Column{0, 5, 5, 5, 5, false}));
    EXPECT_EQ(columns[1], (Column{10, 6, 6, 6, 6, true}));
    EXPECT_EQ(columns.back().first, 14);
}

TEST(DecimateToColumns, AGapIsNeverJoined) {
    ReadingHistory history;
    history.add(At(100), 0);
    history.add(At(200), 100);
    history.interrupt();  // a failed read, or the switch off
    history.add(At(300), 3000);
    const std::vector<Column> columns = DecimateToColumns(history, 0, 4000, 40, false);
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_TRUE(columns[1].joined);
    EXPECT_FALSE(columns[2].joined);
}

TEST(DecimateToColumns, AWrapIsDrawnAsTheJumpItIsUnlessUnwrapped) {
    ReadingHistory history;
    history.add(At(0xFFFFF0), 0);
    history.add(At(0x000010), 10);  // same column
    EXPECT_EQ(DecimateToColumns(history, 0, 100, 1, false),
              (std::vector<Column>{{0, 0x10, 0xFFFFF0, 0xFFFFF0, 0x10, false}}));
    EXPECT_EQ(DecimateToColumns(history, 0, 100, 1, true),
              (std::vector<Column>{{0, 0xFFFFF0, 0x1000010, 0xFFFFF0, 0x1000010, false}}));
}

TEST(DecimateToColumns, AFullHourComesToAtMostOneColumnAPixel) {
    ReadingHistory history;
    for (int i = 0; i < 36'000; ++i) history.add(At(static_cast<std::uint32_t>(i * 7)), i * 100);
    const std::vector<Column> columns = DecimateToColumns(history, 0, 3'600'000, 800, false);
    ASSERT_EQ(columns.size(), 800u);
    EXPECT_EQ(RangeOf(columns), (ValueRange{0, 35'999 * 7}));
    EXPECT_EQ(columns.back().x, 799);
    EXPECT_TRUE(DecimateToColumns(history, 0, 3'600'000, 0, false).empty());
    EXPECT_TRUE(DecimateToColumns(history, 100, 100, 800, false).empty());
}

TEST(RedrawDue, WhenTheLineHasMovedThreePixelsALampChangedOrASecondPassed) {
    // 1 min over 800 pixels: 75 ms a pixel.
    EXPECT_FALSE(RedrawDue(100, 800, 60'000, false));
    EXPECT_FALSE(RedrawDue(200, 800, 60'000, false));
    EXPECT_TRUE(RedrawDue(225, 800, 60'000, false));
    EXPECT_TRUE(RedrawDue(100, 800, 60'000, true));
    // 1 h: a pixel is 4.5 s, yet the newest reading shows within a second.
    EXPECT_FALSE(RedrawDue(900, 800, 3'600'000, false));
    EXPECT_TRUE(RedrawDue(1000, 800, 3'600'000, false));
    // 10 s: every reading moves the line 8 pixels.
    EXPECT_TRUE(RedrawDue(100, 800, 10'000, false));
}

}  // namespace
}  // namespace trend
