#include "trend/lamp_events.h"

#include <gtest/gtest.h>

namespace trend {
namespace {

TEST(LampCaption, NamesTheLampsAsTheWindowDoes) {
    EXPECT_STREQ(LampCaption(0), "Save parameter Error");
    EXPECT_STREQ(LampCaption(2), "Parameter Data Limit Error");
    EXPECT_STREQ(LampCaption(3), "Fine Resolver Error");
    EXPECT_STREQ(LampCaption(5), "Cose Resolver Error");
    EXPECT_STREQ(LampCaption(7), "Sensor Data Error");
}

class LampEventLogTest : public testing::Test {
  protected:
    void read(std::int32_t unit, std::int32_t sensor, Millis time) {
        log.add(history.add({0, 0, unit, sensor}, time));
    }
    ReadingHistory history;
    LampEventLog log;
};

TEST_F(LampEventLogTest, ALampLitForOneReadingIsAPairOfEvents) {
    read(0, 0, 100);
    read(0, 0x10, 200);
    read(0, 0, 300);
    EXPECT_EQ(log.events(), (std::deque<LampEvent>{{200, 7, true}, {300, 7, false}}));
}

TEST_F(LampEventLogTest, EveryLampThatChangesGivesItsOwnEventInLampOrder) {
    read(0b101, 0b00001, 100);  // lit at the first reading: on against all dark
    read(0b100, 0b00010, 200);
    EXPECT_EQ(log.events(), (std::deque<LampEvent>{{100, 0, true},
                                                   {100, 2, true},
                                                   {100, 3, true},
                                                   {200, 0, false},
                                                   {200, 3, false},
                                                   {200, 4, true}}));
    EXPECT_EQ(log.added(), 6u);
}

TEST_F(LampEventLogTest, AcrossAGapTheReadingBeforeItIsComparedWith) {
    read(0, 0x10, 100);
    history.interrupt();
    read(0, 0x10, 9000);  // still lit after the gap: no event
    read(0, 0, 9100);
    EXPECT_EQ(log.events(), (std::deque<LampEvent>{{100, 7, true}, {9100, 7, false}}));
}

TEST_F(LampEventLogTest, IgnoredBitsMakeNoEvents) {
    read(0, 0, 100);
    read(0xFFF8, 0xFFE0, 200);
    EXPECT_TRUE(log.events().empty());
}

TEST_F(LampEventLogTest, EventsOfDroppedReadingsGoWithThem) {
    read(1, 0, 100);
    read(0, 0, 200);
    read(1, 0, 300);
    log.dropBefore(200);
    EXPECT_EQ(log.events(), (std::deque<LampEvent>{{200, 0, false}, {300, 0, true}}));
    EXPECT_EQ(log.dropped(), 1u);
    EXPECT_EQ(log.added(), 3u);
}

}  // namespace
}  // namespace trend
