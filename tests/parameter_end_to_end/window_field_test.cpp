// The real main window, headless, against the simulated unit answering at 9600 8E1 pace
// behind a symlink: clicks that land in the middle of a monitor read, and a unit whose
// terminal goes away and comes back behind the same link.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <optional>
#include <random>

#include "main_window/frm_main.h"
#include "platform/com_port_map.h"
#include "platform/fakes/fake_file_dialogs.h"
#include "platform/fakes/fake_message_boxes.h"
#include "platform/fakes/fake_program_identity.h"
#include "platform/fakes/fake_settings_store.h"
#include "platform/qt_event_pump.h"
#include "platform/qt_serial_port.h"
#include "platform/system_steady_clock.h"
#include "tests/parameter_end_to_end/received_requests.h"
#include "tests/parameter_end_to_end/window_fakes.h"
#include "tests/widgets/window_child.h"
#include "tools/unit_sim/line_pace.h"
#include "tools/unit_sim/pty_unit.h"
#include "unit_link/link_failure_message.h"
#include "widgets/latching_switch.h"

namespace {

using main_window::frmMain;

class WindowInTheField : public ::testing::Test, protected parameter_end_to_end::WindowFakes {
  protected:
    WindowInTheField() {
        startUnit();
        settings.values[{"QM4417", "Ports", "COM1"}] = linkPath;
        window.Form_Load();
        window.show();
    }

    void startUnit() {
        unit.emplace(unit_sim::PtyUnit::Options{unit_sim::ByteTime("9600,e,8,1"), linkPath});
        unit->withUnit([](unit_sim::SimulatedUnit& simulated, auto now) {
            simulated.memory().setPosition(0x123456, now);
        });
    }
    std::size_t monitorReads() const {
        std::size_t reads = 0;
        for (const auto& body : parameter_end_to_end::ReceivedBodies(unit->receivedBytes()))
            if (body.starts_with("4FFEF5C")) ++reads;
        return reads;
    }
    bool waitFor(const std::function<bool()>& condition, int ms = 3000) {
        return QTest::qWaitFor(condition, ms);
    }

    QTemporaryDir folder;
    std::string linkPath = folder.filePath("com1").toStdString();
    std::optional<unit_sim::PtyUnit> unit;
    platform::QtSerialPort port{ports};
    frmMain window{{settings, boxes, port, dialogs, identity, clock, events}};
};

// Each click comes from a timer, so it lands wherever the window happens to be, most often
// inside a read's wait. Every one must toggle the switch: none is lost, none is doubled.
TEST_F(WindowInTheField, NoClickOnTheMonitorSwitchIsLostDuringReads) {
    auto* cmdComStart = Child<widgets::LatchingSwitch>(window, "cmdComStart");
    cmdComStart->setOn(true);
    ASSERT_TRUE(
        waitFor([&] { return Child<QLabel>(window, "lblPositionHex")->text() == "123456"; }));
    std::mt19937 random(4417);
    std::uniform_int_distribution<int> pause(0, 120);
    bool expected = true;
    int clicksDuringReads = 0;
    for (int click = 0; click < 12; ++click) {
        // Let the monitor run again before the next click.
        if (!expected) {
            QTest::mouseClick(cmdComStart, Qt::LeftButton);
            ASSERT_TRUE(waitFor([&] { return cmdComStart->isOn(); }));
            expected = true;
        }
        const std::size_t readsBefore = monitorReads();
        ASSERT_TRUE(waitFor([&] { return monitorReads() > readsBefore; }));
        bool clicked = false;
        QTimer::singleShot(pause(random), [&] {
            if (!window.inputEnabled()) ++clicksDuringReads;
            QTest::mouseClick(cmdComStart, Qt::LeftButton);
            clicked = true;
        });
        ASSERT_TRUE(waitFor([&] { return clicked; }));
        expected = !expected;
        ASSERT_TRUE(waitFor([&] { return cmdComStart->isOn() == expected; }, 1500))
            << "click " << click << " was lost";
        QTest::qWait(150);  // a double delivery would flip it back
        EXPECT_EQ(cmdComStart->isOn(), expected) << "click " << click;
        EXPECT_FALSE(cmdComStart->isDown());
    }
    EXPECT_GT(clicksDuringReads, 0);  // the case that lost clicks did occur
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WindowInTheField, AUnitBackBehindTheSameLinkIsReadAgainAtTheNextMonitorStart) {
    auto* cmdComStart = Child<widgets::LatchingSwitch>(window, "cmdComStart");
    auto* lblPositionHex = Child<QLabel>(window, "lblPositionHex");
    cmdComStart->setOn(true);
    ASSERT_TRUE(waitFor([&] { return lblPositionHex->text() == "123456"; }));

    unit.reset();  // the unit's terminal goes away mid-monitor
    ASSERT_TRUE(waitFor([&] { return !cmdComStart->isOn(); }));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, unit_link::LinkFailureText);
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(port.lost());

    startUnit();  // a new one behind the same link
    unit->withUnit([](unit_sim::SimulatedUnit& simulated, auto now) {
        simulated.memory().setPosition(0xABCDEF, now);
    });
    QTest::mouseClick(cmdComStart, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return lblPositionHex->text() == "ABCDEF"; }));
    EXPECT_TRUE(cmdComStart->isOn());
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(port.isOpen());
}

TEST_F(WindowInTheField, AUnitStillMissingFailsAsBeforeWithOneMessage) {
    auto* cmdComStart = Child<widgets::LatchingSwitch>(window, "cmdComStart");
    cmdComStart->setOn(true);
    ASSERT_TRUE(
        waitFor([&] { return Child<QLabel>(window, "lblPositionHex")->text() == "123456"; }));
    unit.reset();
    ASSERT_TRUE(waitFor([&] { return !cmdComStart->isOn(); }));
    QTest::mouseClick(cmdComStart, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return boxes.shown.size() == 2; }));
    EXPECT_EQ(boxes.shown[1].text, unit_link::LinkFailureText);
    QTest::qWait(300);
    EXPECT_FALSE(cmdComStart->isOn());
    EXPECT_EQ(boxes.shown.size(), 2u);
}

}  // namespace
