#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/fakes/fake_settings_store.h"
#include "tools/unit_sim/control_command.h"
#include "tools/unit_sim/line_pace.h"
#include "tools/unit_sim/pty_unit.h"

namespace end_to_end {

inline constexpr const char* Line = "9600,e,8,1";

// A simulated unit on a pseudo-terminal at 9600,e,8,1 pace, with COM1 of the
// settings mapped to it.
class SimulatedUnitTest : public ::testing::Test {
  protected:
    SimulatedUnitTest() { settings.values[{"QM4417", "Ports", "COM1"}] = unit.devicePath(); }

    // Runs a control command of the simulator; fails the test when it is refused.
    std::string control(const std::string& line) {
        const std::string reply = unit.withUnit([&](unit_sim::SimulatedUnit& simulated, auto now) {
            return unit_sim::ApplyControl(line, simulated, now);
        });
        EXPECT_FALSE(reply.starts_with("error")) << line << ": " << reply;
        return reply;
    }

    unit_sim::PtyUnit unit{{unit_sim::ByteTime(Line), ""}};
    platform::FakeSettingsStore settings;
};

}  // namespace end_to_end
