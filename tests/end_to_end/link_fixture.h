#pragma once

#include <array>
#include <sstream>

#include "platform/com_port_map.h"
#include "platform/qt_event_pump.h"
#include "platform/qt_serial_port.h"
#include "platform/system_steady_clock.h"
#include "tests/end_to_end/sim_fixture.h"
#include "unit_link/console_link_window.h"
#include "unit_link/unit_commands.h"
#include "unit_link/unit_link.h"

namespace end_to_end {

// The link on COM1, open, to a simulated unit served by `Unit`; failure messages are written
// to `messages`.
template <class Unit>
class LinkOn : public SimulatedUnitOn<Unit> {
  protected:
    LinkOn() {
        port.setPortNumber(1);
        EXPECT_TRUE(port.setSettings(Line));
        std::string error;
        EXPECT_TRUE(port.open(error)) << error;
    }

    std::array<std::int32_t, 4> readMonitorBlock() {
        std::array<std::int32_t, 4> words{};
        link.ReadBlock(unit_link::MonitorBlockAddress, words, 4);
        return words;
    }

    platform::ComPortMap ports{this->settings, "QM4417"};
    platform::QtSerialPort port{ports};
    platform::SystemSteadyClock clock;
    platform::QtEventPump events;
    std::ostringstream messages;
    unit_link::ConsoleLinkWindow window{messages};
    unit_link::UnitLink link{{port, clock, events}, window};
};

}  // namespace end_to_end
