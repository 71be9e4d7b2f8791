#include "tools/unit_sim/unit_memory.h"

#include <gtest/gtest.h>

namespace unit_sim {
namespace {

using std::chrono::milliseconds;

const SimClock::time_point T0{};

std::uint32_t MonitorPosition(const UnitMemory& memory, SimClock::time_point now) {
    return memory.read(UnitMemory::MonitorBlock, now) |
           static_cast<std::uint32_t>(memory.read(UnitMemory::MonitorBlock + 2, now)) << 16;
}

TEST(UnitMemoryTest, PositionMovesAtItsSpeedAndWrapsAt24Bits) {
    UnitMemory memory(T0);
    memory.setPosition(0xFFFFF0, T0);
    memory.setSpeed(1000, T0);
    EXPECT_EQ(MonitorPosition(memory, T0 + milliseconds(10)), 0xFFFFFAu);
    EXPECT_EQ(MonitorPosition(memory, T0 + milliseconds(20)), 0x000004u);  // wrapped
    memory.setSpeed(-1000, T0 + milliseconds(20));
    EXPECT_EQ(MonitorPosition(memory, T0 + milliseconds(30)), 0xFFFFFAu);  // and back
    EXPECT_EQ(memory.read(UnitMemory::MonitorBlock + 2, T0) & 0xFF00, 0);
}

TEST(UnitMemoryTest, ErrorWordsCarryTheBitsSetAndMonitorBlockIsReadOnly) {
    UnitMemory memory(T0);
    memory.setUnitErrors(0x3);
    memory.setSensorErrors(0x15);
    memory.write(UnitMemory::MonitorBlock + 4, 0);
    memory.write(UnitMemory::MonitorBlock, 0x1234);
    EXPECT_EQ(memory.read(UnitMemory::MonitorBlock + 4, T0), 0x3);
    EXPECT_EQ(memory.read(UnitMemory::MonitorBlock + 6, T0), 0x15);
    EXPECT_EQ(memory.read(UnitMemory::MonitorBlock, T0), 0);
}

TEST(UnitMemoryTest, StartsWithFactoryParametersAndKeepsWrittenWords) {
    UnitMemory memory(T0);
    const std::uint16_t factory[] = {0, 0, 2, 1000, 1, 0, 0};
    for (int i = 0; i < UnitMemory::ParameterCount; ++i)
        EXPECT_EQ(memory.read(UnitMemory::ParameterBase + 2 * i, T0), factory[i]) << i;
    memory.write(0x1000, 0xBEEF);
    EXPECT_EQ(memory.read(0x1000, T0), 0xBEEF);
    EXPECT_EQ(memory.read(0x1002, T0), 0);
}

class StoreTest : public ::testing::Test {
  protected:
    std::uint16_t storeWith(int field, std::uint16_t value) {
        memory.write(UnitMemory::ParameterBase + 2 * field, value);
        memory.write(UnitMemory::StoreWord, 1);
        return memory.read(UnitMemory::MonitorBlock + 4, T0) & UnitMemory::DataLimitErrorBit;
    }
    UnitMemory memory{T0};
};

TEST_F(StoreTest, OutOfRangeParameterRaisesLimitErrorAndValidStoreClearsIt) {
    struct Case {
        int field;
        std::uint16_t bad, good;
    };
    const Case cases[] = {{0, 2, 1},       {1, 2, 1}, {2, 3, 10}, {2, 0, 5},
                          {3, 2001, 2000}, {4, 0, 3}, {4, 4, 2},  {5, 0x100, 0xFF}};
    for (const Case& c : cases) {
        EXPECT_NE(storeWith(c.field, c.bad), 0) << "field " << c.field << " = " << c.bad;
        EXPECT_EQ(storeWith(c.field, c.good), 0) << "field " << c.field << " = " << c.good;
    }
    EXPECT_EQ(storeWith(6, 0xFFFF), 0);  // every low half is valid
}

TEST_F(StoreTest, OnlyTheValueOneStoresAndTheWordReadsBackZero) {
    memory.write(UnitMemory::ParameterBase + 6, 5000);
    memory.write(UnitMemory::StoreWord, 2);
    EXPECT_EQ(memory.read(UnitMemory::MonitorBlock + 4, T0), 0);
    memory.write(UnitMemory::StoreWord, 1);
    EXPECT_EQ(memory.read(UnitMemory::MonitorBlock + 4, T0), UnitMemory::DataLimitErrorBit);
    EXPECT_EQ(memory.read(UnitMemory::StoreWord, T0), 0);
    memory.setUnitErrors(0x1);  // the operator's bits add to the unit's own
    EXPECT_EQ(memory.read(UnitMemory::MonitorBlock + 4, T0), 0x5);
}

}  // namespace
}  // namespace unit_sim
