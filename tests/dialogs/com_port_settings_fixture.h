#pragma once

#include <gtest/gtest.h>

#include "dialogs/com_port_settings.h"
#include "platform/fakes/fake_message_boxes.h"
#include "platform/fakes/fake_serial_port.h"
#include "platform/fakes/fake_settings_store.h"
#include "platform/fakes/fake_steady_clock.h"

// The settings of a run on fake port, boxes and store.
class ComPortSettingsFixture : public testing::Test {
  protected:
    std::string stored() const { return store.read("QM4417", "Settings", "ComPort", "<missing>"); }

    platform::FakeSteadyClock clock;
    platform::FakeSerialPort port{clock};
    platform::FakeMessageBoxes boxes;
    platform::FakeSettingsStore store;
    dialogs::ComPortSettings settings{port, boxes, store, "QM4417"};
};
