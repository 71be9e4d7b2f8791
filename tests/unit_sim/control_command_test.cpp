#include "tools/unit_sim/control_command.h"

#include <gtest/gtest.h>

#include "tools/unit_sim/line_pace.h"

namespace unit_sim {
namespace {

using std::chrono::milliseconds;

const SimClock::time_point T0{};

class ControlTest : public ::testing::Test {
  protected:
    std::string apply(std::string_view line, SimClock::time_point now = T0) {
        return ApplyControl(line, unit, now, carrier);
    }
    SimulatedUnit unit{T0};
    Carrier carrier = Carrier::Terminal;
};

TEST_F(ControlTest, SetsPositionSpeedErrorsAndFault) {
    EXPECT_EQ(apply("position 0x100"), "ok");
    EXPECT_EQ(apply("speed -2.5e3"), "ok");
    EXPECT_EQ(apply("unit-errors 3"), "ok");
    EXPECT_EQ(apply("sensor-errors 0x1F"), "ok");
    EXPECT_EQ(apply("fault split 20 4"), "ok");
    EXPECT_EQ(apply("status", T0 + milliseconds(100)),
              "position=6 speed=-2500 unit-errors=0x0003 sensor-errors=0x001F fault=split 20 4 "
              "requests=0");
    EXPECT_EQ(apply("peek FFEF34"), "0x03E8");
    EXPECT_EQ(apply("fault none"), "ok");
    EXPECT_EQ(unit.faults().current().kind, Fault::Kind::None);
}

TEST_F(ControlTest, PokeWritesTheWordThatPeekThenReads) {
    EXPECT_EQ(apply("poke FFEF34 0x07D0"), "ok");
    EXPECT_EQ(apply("peek FFEF34"), "0x07D0");
    EXPECT_EQ(apply("poke ffef36 65535"), "ok");
    EXPECT_EQ(apply("peek FFEF36"), "0xFFFF");
    EXPECT_EQ(apply("poke FFEF35 1"), "error: bad address 'FFEF35'");
    EXPECT_EQ(apply("poke FFEF34 65536"), "error: bad value '65536'");
    EXPECT_EQ(apply("poke FFEF34 -1"), "error: bad value '-1'");
    EXPECT_EQ(apply("poke FFEF34 1 2"), "error: unknown command 'poke FFEF34 1 2' (try help)");
    EXPECT_EQ(apply("poke FFEF34"), "error: unknown command 'poke FFEF34' (try help)");
    EXPECT_EQ(apply("peek FFEF34"), "0x07D0");
}

TEST_F(ControlTest, BadLinesNameTheirFaultAndChangeNothing) {
    EXPECT_EQ(apply("position 0x1000000"), "error: bad position '0x1000000'");
    EXPECT_EQ(apply("position 12 13"), "error: unknown command 'position 12 13' (try help)");
    EXPECT_EQ(apply("speed fast"), "error: bad speed 'fast'");
    EXPECT_EQ(apply("unit-errors -1"), "error: bad bits '-1'");
    EXPECT_EQ(apply("fault delay"), "error: bad fault 'delay'");
    EXPECT_EQ(apply("peek FFEF35"), "error: bad address 'FFEF35'");
    EXPECT_EQ(apply("jump"), "error: unknown command 'jump' (try help)");
    EXPECT_EQ(apply("status"),
              "position=0 speed=0 unit-errors=0x0000 sensor-errors=0x0000 fault=none requests=0");
}

TEST_F(ControlTest, ConnectionCutsAreRefusedOnATerminalAndTakenOnAConnection) {
    EXPECT_EQ(apply("fault reset"),
              "error: reset cuts a network connection; this unit is on a pseudo-terminal "
              "(kv3907-sim --listen serves it on one)");
    EXPECT_TRUE(apply("fault half-close 2").starts_with("error: half-close cuts"));
    EXPECT_EQ(unit.faults().current().kind, Fault::Kind::None);
    carrier = Carrier::Connection;
    EXPECT_EQ(apply("fault half-close 2"), "ok");
    EXPECT_TRUE(apply("status").ends_with("fault=half-close 2 requests=0"));
    EXPECT_EQ(apply("fault reset 0"), "error: bad fault 'reset 0'");
}

TEST(LinePaceTest, ByteTimeCountsStartParityAndStopBits) {
    EXPECT_EQ(ByteTime("9600,e,8,1"), std::chrono::nanoseconds(1'145'833));  // 11 bits
    EXPECT_EQ(ByteTime("19200,n,8,1"), std::chrono::nanoseconds(520'833));   // 10 bits
    EXPECT_EQ(ByteTime("4800,o,7,2"), std::chrono::nanoseconds(2'291'666));  // 11 bits
    for (const char* bad : {"", "9600", "9600,x,8,1", "9600,e,9,1", "9600,e,8,3", "1200,n,8,1",
                            "9600,e,8,1,1", "9600;e;8;1"})
        EXPECT_FALSE(ByteTime(bad)) << bad;
}

}  // namespace
}  // namespace unit_sim
