#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "main_window/frm_main.h"
#include "platform/fakes/fake_event_pump.h"
#include "platform/fakes/fake_file_dialogs.h"
#include "platform/fakes/fake_message_boxes.h"
#include "platform/fakes/fake_program_identity.h"
#include "platform/fakes/fake_serial_port.h"
#include "platform/fakes/fake_settings_store.h"
#include "platform/fakes/fake_steady_clock.h"
#include "tests/widgets/window_child.h"

// frmMain on fake services; `window` is made by makeWindow() so a test can set the fakes up first.
class MainWindowTest : public testing::Test {
  protected:
    MainWindowTest() { port.opened = false; }

    main_window::frmMain& makeWindow() {
        window = std::make_unique<main_window::frmMain>(main_window::MainWindowServices{
            settings, boxes, port, fileDialogs, identity, clock, events});
        return *window;
    }
    main_window::frmMain& startWindow() {
        makeWindow().Form_Load();
        return *window;
    }
    std::string stored(const std::string& key) const {
        return settings.read("QM4417", "Settings", key, "<missing>");
    }
    // Closes whatever modal window opens next, so a modal exec() returns.
    static void closeNextModal() {
        QTimer::singleShot(0, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
    }

    platform::FakeSettingsStore settings;
    platform::FakeMessageBoxes boxes;
    platform::FakeSteadyClock clock;
    platform::FakeSerialPort port{clock};
    platform::FakeFileDialogs fileDialogs;
    platform::FakeProgramIdentity identity;
    platform::FakeEventPump events;
    std::unique_ptr<main_window::frmMain> window;
};
