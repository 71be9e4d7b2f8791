#pragma once

#include "platform/com_port_map.h"
#include "platform/fakes/fake_file_dialogs.h"
#include "platform/fakes/fake_message_boxes.h"
#include "platform/fakes/fake_program_identity.h"
#include "platform/fakes/fake_settings_store.h"
#include "platform/qt_event_pump.h"
#include "platform/system_steady_clock.h"

namespace parameter_end_to_end {

// What the real window runs on in these tests besides its serial port: fakes where a person
// would answer, the real clock and event loop where the line's timing matters.
struct WindowFakes {
    platform::FakeSettingsStore settings;
    platform::ComPortMap ports{settings, "QM4417"};
    platform::FakeMessageBoxes boxes;
    platform::FakeFileDialogs dialogs;
    platform::FakeProgramIdentity identity;
    platform::SystemSteadyClock clock;
    platform::QtEventPump events;
};

}  // namespace parameter_end_to_end
