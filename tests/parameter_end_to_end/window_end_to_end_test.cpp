// The real main window, headless, against the simulated unit on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

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
#include "tools/unit_sim/fault_plan.h"
#include "tools/unit_sim/pty_unit.h"
#include "unit_link/link_failure_message.h"
#include "unit_link/unit_commands.h"
#include "widgets/latching_switch.h"
#include "widgets/led_lamp.h"
#include "widgets/selection_combo_box.h"

namespace {

using main_window::frmMain;
using platform::MessageIcon;

// The Qt port with a hook on every request the window writes, so a test can change the
// unit between two requests of one operation.
class HookedSerialPort : public platform::QtSerialPort {
  public:
    using QtSerialPort::QtSerialPort;
    bool write(std::string_view bytes) override {
        ++writes;
        if (beforeWrite) beforeWrite(writes);
        return QtSerialPort::write(bytes);
    }

    int writes = 0;
    std::function<void(int)> beforeWrite;
};

class WindowEndToEnd : public ::testing::Test, protected parameter_end_to_end::WindowFakes {
  protected:
    WindowEndToEnd() {
        settings.values[{"QM4417", "Ports", "COM1"}] = unit.devicePath();
        window.Form_Load();
        window.show();
    }

    void setFault(const char* fault) {
        unit.withUnit([&](unit_sim::SimulatedUnit& simulated, auto) {
            simulated.faults().set(*unit_sim::ParseFault(fault));
        });
    }
    std::uint16_t unitWord(std::uint32_t address) {
        return unit.withUnit([&](unit_sim::SimulatedUnit& simulated, auto now) {
            return simulated.memory().read(address, now);
        });
    }
    bool waitFor(const std::function<bool()>& condition, int ms = 3000) {
        return QTest::qWaitFor(condition, ms);
    }
    std::string status() const { return window.statusPanel(2)->text().toStdString(); }
    std::vector<std::string> parameterWrites() const {
        std::vector<std::string> writes;
        for (const auto& body : parameter_end_to_end::ReceivedBodies(unit.receivedBytes()))
            if (body.starts_with('2')) writes.push_back(body);
        return writes;
    }
    void showParameterTab() { Child<QTabWidget>(window, "SSTab1")->setCurrentIndex(1); }

    unit_sim::PtyUnit unit{{}};
    HookedSerialPort port{ports};
    frmMain window{{settings, boxes, port, dialogs, identity, clock, events}};
};

TEST_F(WindowEndToEnd, MonitorShowsThePositionAndLampsAndFollowsAClearedBit) {
    auto* cmdComStart = Child<widgets::LatchingSwitch>(window, "cmdComStart");
    auto* CWBtnSensorError_0 = Child<widgets::LedLamp>(window, "CWBtnSensorError", 0);
    auto* CWBtnSensorError_4 = Child<widgets::LedLamp>(window, "CWBtnSensorError", 4);
    unit.withUnit([](unit_sim::SimulatedUnit& simulated, auto now) {
        simulated.memory().setPosition(0x123456, now);
        simulated.memory().setUnitErrors(1);
        simulated.memory().setSensorErrors(0x11);
    });
    cmdComStart->setOn(true);
    ASSERT_TRUE(
        waitFor([&] { return Child<QLabel>(window, "lblPositionHex")->text() == "123456"; }));
    EXPECT_EQ(Child<QLabel>(window, "lblPositionDec")->text(), "1193046");
    EXPECT_TRUE(Child<widgets::LedLamp>(window, "CWBtnUnitError", 0)->isOn());
    EXPECT_FALSE(Child<widgets::LedLamp>(window, "CWBtnUnitError", 1)->isOn());
    EXPECT_TRUE(CWBtnSensorError_0->isOn());
    EXPECT_TRUE(CWBtnSensorError_4->isOn());

    unit.withUnit(
        [](unit_sim::SimulatedUnit& simulated, auto) { simulated.memory().setSensorErrors(0x01); });
    ASSERT_TRUE(waitFor([&] { return !CWBtnSensorError_4->isOn(); }));
    EXPECT_TRUE(CWBtnSensorError_0->isOn());
    EXPECT_TRUE(cmdComStart->isOn());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WindowEndToEnd, PulledCableGivesOneMessageAndLeavesTheSwitchOff) {
    auto* cmdComStart = Child<widgets::LatchingSwitch>(window, "cmdComStart");
    auto* lblPositionHex = Child<QLabel>(window, "lblPositionHex");
    unit.withUnit([](unit_sim::SimulatedUnit& simulated, auto now) {
        simulated.memory().setPosition(0xABCDEF, now);
    });
    cmdComStart->setOn(true);
    ASSERT_TRUE(waitFor([&] { return lblPositionHex->text() == "ABCDEF"; }));
    setFault("silence");
    ASSERT_TRUE(waitFor([&] { return !cmdComStart->isOn(); }));
    QTest::qWait(500);  // five more ticks
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, unit_link::LinkFailureText);
    EXPECT_EQ(boxes.shown[0].title, "QM4417 Error!");
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Stop);
    EXPECT_FALSE(cmdComStart->isOn());
    EXPECT_EQ(lblPositionHex->text(), "ABCDEF");
}

TEST_F(WindowEndToEnd, TabChangesStopTheMonitorAndClearTheStatus) {
    auto* cmdComStart = Child<widgets::LatchingSwitch>(window, "cmdComStart");
    cmdComStart->setOn(true);
    showParameterTab();
    EXPECT_FALSE(cmdComStart->isOn());
    window.setStatusText("Load was Complated.");
    Child<QTabWidget>(window, "SSTab1")->setCurrentIndex(0);
    EXPECT_EQ(status(), "");
    EXPECT_FALSE(cmdComStart->isOn());
}

TEST_F(WindowEndToEnd, LoadWritesTheEightWordsInOrder) {
    showParameterTab();
    Child<QRadioButton>(window, "optCode", 1)->setChecked(true);
    Child<QRadioButton>(window, "optStrobeCycle", 2)->setChecked(true);
    Child<QLineEdit>(window, "txtPhaseCount")->setText("2000");
    Child<widgets::SelectionComboBox>(window, "cmbSensorType")->setSelectedIndex(2);
    Child<QLineEdit>(window, "txtPresetData")->setText("FFFFFF");
    Child<QPushButton>(window, "cmdLoad")->click();

    EXPECT_EQ(parameterWrites(),
              (std::vector<std::string>{"2FFEF2E,0001;", "2FFEF30,0000;", "2FFEF32,000A;",
                                        "2FFEF34,07D0;", "2FFEF36,0003;", "2FFEF38,00FF;",
                                        "2FFEF3A,FFFF;", "2FFEF66,0001;"}));
    EXPECT_EQ(unitWord(0xFFEF34), 2000);
    EXPECT_EQ(unitWord(0xFFEF3A), 0xFFFF);
    EXPECT_EQ(status(), "Load was Complated.");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Load commparate.");
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::None);
}

TEST_F(WindowEndToEnd, FailedFourthWriteStopsAfterWordThree) {
    showParameterTab();
    Child<QRadioButton>(window, "optCode", 1)->setChecked(true);
    Child<QLineEdit>(window, "txtPhaseCount")->setText("2000");
    const std::uint16_t phaseCountBefore = unitWord(0xFFEF34);
    port.beforeWrite = [&](int write) {
        if (write == 4) setFault("silence");
    };
    Child<QPushButton>(window, "cmdLoad")->click();
    // Word 3 went out but never reached the unit; nothing followed it.
    EXPECT_EQ(parameterWrites(), (std::vector<std::string>{"2FFEF2E,0001;", "2FFEF30,0000;",
                                                           "2FFEF32,0002;", "2FFEF34,07D0;"}));
    EXPECT_EQ(port.writes, 4);
    EXPECT_EQ(unitWord(0xFFEF2E), 1);
    EXPECT_EQ(unitWord(0xFFEF34), phaseCountBefore);
    EXPECT_EQ(status(), "Load was Interrupted.");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, unit_link::LinkFailureText);
    EXPECT_EQ(boxes.shown[1].text, "Load Error");
    EXPECT_EQ(boxes.shown[1].icon, MessageIcon::Warning);
}

TEST_F(WindowEndToEnd, OnlyTheStoreWriteFailing) {
    showParameterTab();
    port.beforeWrite = [&](int write) {
        if (write == 8) setFault("nak 1");
    };
    Child<QPushButton>(window, "cmdLoad")->click();
    EXPECT_EQ(port.writes, 8);
    EXPECT_EQ(status(), "Load was Interrupted.");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, "Load Error");
    EXPECT_EQ(boxes.shown[1].icon, MessageIcon::None);
}

TEST_F(WindowEndToEnd, SecondOperationWhileALoadWaitsIsRefused) {
    auto* cmdLoad = Child<QPushButton>(window, "cmdLoad");
    showParameterTab();
    bool clicked = false;
    port.beforeWrite = [&](int write) {
        if (write != 2) return;
        // Clicks that arrive while the second word waits for its acknowledgement.
        QTimer::singleShot(0, [&] {
            clicked = cmdLoad->isEnabled();
            cmdLoad->click();
            Child<QPushButton>(window, "cmdUpLoad")->click();
            Child<QPushButton>(window, "cmdFileWrite")->click();
            Child<QPushButton>(window, "cmdFileRead")->click();
        });
    };
    cmdLoad->click();
    EXPECT_TRUE(clicked);
    EXPECT_EQ(port.writes, 8);
    EXPECT_EQ(parameterWrites().size(), 8u);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(status(), "Load was Complated.");
}

TEST_F(WindowEndToEnd, UploadShowsTheUnitsParameters) {
    unit.withUnit([](unit_sim::SimulatedUnit& simulated, auto) {
        const std::uint16_t words[] = {1, 1, 10, 500, 3, 0x01, 0x2345};
        for (int i = 0; i < 7; ++i) simulated.memory().write(0xFFEF2E + 2 * i, words[i]);
    });
    showParameterTab();
    Child<QPushButton>(window, "cmdUpLoad")->click();
    EXPECT_TRUE(Child<QRadioButton>(window, "optCode", 1)->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(window, "optDir", 1)->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(window, "optStrobeCycle", 2)->isChecked());
    EXPECT_EQ(Child<QLineEdit>(window, "txtPhaseCount")->text(), "500");
    EXPECT_EQ(Child<widgets::SelectionComboBox>(window, "cmbSensorType")->currentText(),
              "ABSOLUTE (1X-64X-4096X)");
    EXPECT_EQ(Child<QLineEdit>(window, "txtPresetData")->text(), "012345");
    EXPECT_EQ(status(), "Upload was Complated.");
    EXPECT_TRUE(boxes.shown.empty());
}

class WindowFiles : public WindowEndToEnd {
  protected:
    std::string path(const char* name) const { return folder.filePath(name).toStdString(); }
    std::string fileBytes(const char* name) const {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
    }

    QTemporaryDir folder;
};

TEST_F(WindowFiles, WriteAfterStartUpGivesTheTwentyFourByteFile) {
    showParameterTab();
    dialogs.choose(path("start.par"));
    Child<QPushButton>(window, "cmdFileWrite")->click();
    EXPECT_EQ(fileBytes("start.par"), std::string("0\r\n0\r\n2\r\n1000\r\n1\r\n0\r\n0\r\n"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].settings.initialFolder, window.parameterFolder());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "File Name : start.par\r\nWrite The Parameter File?");
}

TEST_F(WindowFiles, WriteOfATextLoadRefusesWarnsFocusesItAndWritesNothing) {
    showParameterTab();
    auto* txtPresetData = Child<QLineEdit>(window, "txtPresetData");
    txtPresetData->setText("XYZ");
    dialogs.choose(path("typed.par"));
    Child<QPushButton>(window, "cmdFileWrite")->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Preset Data is Over Flow");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(window.focusWidget(), txtPresetData);
    EXPECT_EQ(fileBytes("typed.par"), "<missing>");
    EXPECT_EQ(window.unitParameters(), unit_parameters::DefaultParameters());
}

TEST_F(WindowFiles, CancelAndNoWriteNothing) {
    auto* cmdFileWrite = Child<QPushButton>(window, "cmdFileWrite");
    showParameterTab();
    dialogs.cancel();
    cmdFileWrite->click();
    dialogs.choose(path("no.par"));
    boxes.answers.push_back(platform::MessageAnswer::No);
    cmdFileWrite->click();
    EXPECT_EQ(fileBytes("no.par"), "<missing>");
    EXPECT_EQ(boxes.shown.size(), 1u);
    dialogs.cancel();
    Child<QPushButton>(window, "cmdFileRead")->click();
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(WindowFiles, ReadShowsTheFileAndFailuresLeaveThePanel) {
    auto* cmdFileRead = Child<QPushButton>(window, "cmdFileRead");
    auto* txtPhaseCount = Child<QLineEdit>(window, "txtPhaseCount");
    showParameterTab();
    QFile good(folder.filePath("good.par"));
    ASSERT_TRUE(good.open(QIODevice::WriteOnly));
    good.write("1\r\n1\r\n10\r\n500\r\n3\r\n18\r\n13398\r\n");
    good.close();
    dialogs.choose(path("good.par"));
    cmdFileRead->click();
    EXPECT_EQ(Child<QLineEdit>(window, "txtPresetData")->text(), "123456");
    EXPECT_EQ(txtPhaseCount->text(), "500");
    EXPECT_TRUE(boxes.shown.empty());

    QFile shortFile(folder.filePath("short.par"));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write("0\r\n0\r\n2\r\n");
    shortFile.close();
    txtPhaseCount->setText("777");  // an edit that was never loaded stays
    for (const char* name : {"short.par", "missing.par"}) {
        dialogs.choose(path(name));
        cmdFileRead->click();
    }
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, path("short.par") + " Can't Read Parameter File");
    EXPECT_EQ(boxes.shown[1].text, path("missing.par") + " Can't Read Parameter File");
    EXPECT_EQ(boxes.shown[1].title, "QM4417 Error!");
    EXPECT_EQ(boxes.shown[0].detail, "It holds 3 lines where 7 are needed.");
    EXPECT_EQ(boxes.shown[1].detail, "There is no such file.");
    EXPECT_EQ(txtPhaseCount->text(), "777");
    EXPECT_EQ(window.unitParameters(),
              (unit_parameters::UnitParameters{1, 1, 10, 500, 3, 18, 13398}));
}

}  // namespace
