#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/fakes/fake_settings_store.h"
#include "tools/unit_sim/line_pace.h"
#include "tools/unit_sim/pty_unit.h"

namespace end_to_end {

inline constexpr const char* Line = "9600,e,8,1";

// A simulated unit served by `Unit` (a PtyUnit, a TcpUnit) at 9600,e,8,1 pace, with COM1 of
// the settings mapped to it.
template <class Unit>
class SimulatedUnitOn : public ::testing::Test {
  protected:
    SimulatedUnitOn() { settings.values[{"QM4417", "Ports", "COM1"}] = unit.lineName(); }

    // Runs a control command of the simulator; fails the test when it is refused.
    std::string control(const std::string& line) {
        const std::string reply = unit.control(line);
        EXPECT_FALSE(reply.starts_with("error")) << line << ": " << reply;
        return reply;
    }

    Unit unit{{unit_sim::ByteTime(Line)}};
    platform::FakeSettingsStore settings;
};

using SimulatedUnitTest = SimulatedUnitOn<unit_sim::PtyUnit>;

}  // namespace end_to_end
