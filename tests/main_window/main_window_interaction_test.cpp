// What the operator and the link do with frmMain's widgets.
#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "dialogs/frm_about.h"
#include "dialogs/frm_com_setting.h"
#include "main_window_fixture.h"
#include "widgets/latching_switch.h"
#include "widgets/led_lamp.h"
#include "widgets/selection_combo_box.h"

namespace {

using unit_parameters::ParameterPanel;

// Opens the box's list and clicks `row` in it, as the operator does.
void pickFromList(QComboBox& box, int row) {
    box.showPopup();
    QAbstractItemView* list = box.view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QPoint entry = list->visualRect(list->model()->index(row, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry);
    EXPECT_FALSE(list->isVisible());
}

class MainWindowInteractionTest : public MainWindowTest {
  protected:
    static widgets::LatchingSwitch* cmdComStartOf(main_window::frmMain& w) {
        return Child<widgets::LatchingSwitch>(w, "cmdComStart");
    }
    main_window::frmMain& shownWindow() {
        main_window::frmMain& w = startWindow();
        w.show();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        return w;
    }
};

TEST_F(MainWindowInteractionTest, AltKeysTriggerTheMenuCommands) {
    main_window::frmMain& w = shownWindow();
    QSignalSpy exit(Child<QAction>(w, "mnuExit"), &QAction::triggered);
    QSignalSpy comSetting(Child<QAction>(w, "mnuComSetting"), &QAction::triggered);
    QSignalSpy about(Child<QAction>(w, "mnuAbout"), &QAction::triggered);
    QSignalSpy trend(&w, &main_window::frmMain::trendRequested);
    closeNextModal();
    QTest::keyClick(&w, Qt::Key_C, Qt::AltModifier);
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    closeNextModal();
    QTest::keyClick(&w, Qt::Key_A, Qt::AltModifier);
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    cmdComStartOf(w)->setOn(true);
    QTest::keyClick(&w, Qt::Key_T, Qt::AltModifier);
    // The trend is asked for; the monitor goes on.
    EXPECT_EQ(trend.count(), 1);
    EXPECT_TRUE(cmdComStartOf(w)->isOn());
    QTest::keyClick(&w, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(comSetting.count(), 1);
    EXPECT_EQ(about.count(), 1);
    EXPECT_EQ(exit.count(), 1);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MainWindowInteractionTest, DialogsTurnTheMonitorSwitchOffFirst) {
    main_window::frmMain& w = shownWindow();
    auto* cmdComStart = Child<widgets::LatchingSwitch>(w, "cmdComStart");
    for (QAction* command : {Child<QAction>(w, "mnuComSetting"), Child<QAction>(w, "mnuAbout")}) {
        cmdComStart->setOn(true);
        bool offWhileOpen = false;
        QTimer::singleShot(0, [&] {
            offWhileOpen = !cmdComStart->isOn();
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        command->trigger();
        EXPECT_TRUE(offWhileOpen) << command->objectName().toStdString();
        EXPECT_FALSE(cmdComStart->isOn());
    }
}

TEST_F(MainWindowInteractionTest, ComSettingReEnablesTheUnitControlsOnceThePortOpens) {
    port.openError = "busy";
    main_window::frmMain& w = shownWindow();
    auto* cmdLoad = Child<QPushButton>(w, "cmdLoad");
    ASSERT_FALSE(cmdLoad->isEnabled());
    port.openError.clear();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<dialogs::frmComSetting*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        // Not Child: nothing may be thrown through the dialog's event loop. Without its OK
        // button the dialog is cancelled, and the checks below fail.
        if (auto* ok = dialog->findChild<QPushButton*>("cmdOk")) {
            ok->click();
        } else {
            dialog->reject();
        }
    });
    Child<QAction>(w, "mnuComSetting")->trigger();
    EXPECT_TRUE(w.comPortSettings().ComFlag);
    EXPECT_TRUE(cmdLoad->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(w, "cmdUpLoad")->isEnabled());
    EXPECT_TRUE(Child<widgets::LatchingSwitch>(w, "cmdComStart")->isEnabled());
    EXPECT_EQ(stored("ComPort"), "81");
}

TEST_F(MainWindowInteractionTest, OptionGroupsAreIndependent) {
    main_window::frmMain& w = shownWindow();
    auto* optDir_1 = Child<QRadioButton>(w, "optDir", 1);
    auto* optStrobeCycle_2 = Child<QRadioButton>(w, "optStrobeCycle", 2);
    auto* optCode_1 = Child<QRadioButton>(w, "optCode", 1);
    Child<QTabWidget>(w, "SSTab1")->setCurrentIndex(1);
    optDir_1->click();
    optStrobeCycle_2->click();
    optCode_1->click();
    EXPECT_TRUE(optCode_1->isChecked());
    EXPECT_FALSE(Child<QRadioButton>(w, "optCode", 0)->isChecked());
    EXPECT_TRUE(optDir_1->isChecked());
    EXPECT_TRUE(optStrobeCycle_2->isChecked());
}

TEST_F(MainWindowInteractionTest, TypingIntoTheSensorTypeBoxLeavesNoEntrySelected) {
    main_window::frmMain& w = shownWindow();
    auto* cmbSensorType = Child<widgets::SelectionComboBox>(w, "cmbSensorType");
    Child<QTabWidget>(w, "SSTab1")->setCurrentIndex(1);
    cmbSensorType->setSelectedIndex(2);
    QTest::keyClicks(cmbSensorType->lineEdit(), "x");
    EXPECT_EQ(cmbSensorType->selectedIndex(), -1);
    unit_parameters::UnitParameters record = w.unitParameters();
    ASSERT_TRUE(unit_parameters::PanelToParameters(w.readPanel(), record));
    EXPECT_EQ(record[unit_parameters::SensorType], 0);
    // Picking the same entry again from the list selects it again.
    pickFromList(*cmbSensorType, 2);
    EXPECT_EQ(cmbSensorType->selectedIndex(), 2);
}

TEST_F(MainWindowInteractionTest, TypedTextThatMatchesAnEntrySelectsNothing) {
    main_window::frmMain& w = shownWindow();
    Child<QTabWidget>(w, "SSTab1")->setCurrentIndex(1);
    widgets::SelectionComboBox& box = *Child<widgets::SelectionComboBox>(w, "cmbSensorType");
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&box, "ABSOLUTE (1X-64X)");
    QTest::keyClick(&box, Qt::Key_Return);
    Child<QLineEdit>(w, "txtPhaseCount")->setFocus();
    ASSERT_FALSE(box.hasFocus());
    EXPECT_EQ(box.currentText().toStdString(), "ABSOLUTE (1X-64X)");
    EXPECT_EQ(w.readPanel().sensorType, -1);
    unit_parameters::UnitParameters record = w.unitParameters();
    ASSERT_TRUE(unit_parameters::PanelToParameters(w.readPanel(), record));
    EXPECT_EQ(record[unit_parameters::SensorType], 0);
    // A pick from the list still selects, also the entry Qt matched to the typed text.
    pickFromList(box, 1);
    EXPECT_EQ(w.readPanel().sensorType, 1);
    pickFromList(box, 0);
    EXPECT_EQ(w.readPanel().sensorType, 0);
}

TEST_F(MainWindowInteractionTest, PanelShowsAndReadsEveryState) {
    main_window::frmMain& w = shownWindow();
    const ParameterPanel panels[] = {
        {.code = 1,
         .dir = 1,
         .strobeCycle = 2,
         .sensorType = 2,
         .phaseCountText = "500",
         .presetDataText = "012345"},
        {.code = 0,
         .dir = 0,
         .strobeCycle = -1,
         .sensorType = -1,
         .phaseCountText = "-7",
         .presetDataText = "FFFFFF"},
    };
    for (const ParameterPanel& panel : panels) {
        w.showPanel(panel);
        EXPECT_EQ(w.readPanel(), panel);
    }
    EXPECT_EQ(Child<widgets::SelectionComboBox>(w, "cmbSensorType")->currentText(), "");
}

TEST_F(MainWindowInteractionTest, TheMonitorSwitchLatches) {
    main_window::frmMain& w = shownWindow();
    auto* cmdComStart = Child<widgets::LatchingSwitch>(w, "cmdComStart");
    QTest::mouseClick(cmdComStart, Qt::LeftButton);
    EXPECT_TRUE(cmdComStart->isOn());
    EXPECT_EQ(cmdComStart->text(), "Monitor Stop");
    QTest::mouseClick(cmdComStart, Qt::LeftButton);
    EXPECT_FALSE(cmdComStart->isOn());
    EXPECT_EQ(cmdComStart->text(), "Monitor Start");
    cmdComStart->setOn(true);
    w.switchMonitorOff();
    EXPECT_EQ(cmdComStart->text(), "Monitor Start");
}

TEST_F(MainWindowInteractionTest, LampsTakeNoClicks) {
    main_window::frmMain& w = shownWindow();
    auto* CWBtnUnitError_0 = Child<widgets::LedLamp>(w, "CWBtnUnitError", 0);
    auto* CWBtnSensorError_3 = Child<widgets::LedLamp>(w, "CWBtnSensorError", 3);
    EXPECT_TRUE(CWBtnUnitError_0->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(CWBtnUnitError_0->focusPolicy(), Qt::NoFocus);
    CWBtnSensorError_3->setOn(true);
    EXPECT_TRUE(CWBtnSensorError_3->isOn());
    const QImage lit = CWBtnSensorError_3->grab().toImage();
    const QColor middle = lit.pixelColor(lit.rect().center() + QPoint(4, 4));
    EXPECT_GT(middle.red(), 200);
    EXPECT_LT(middle.green(), 100);
}

TEST_F(MainWindowInteractionTest, ClosedInputHoldsClicksAndKeysWithoutGreyingThenDeliversThem) {
    main_window::frmMain& w = shownWindow();
    auto* SSTab1 = Child<QTabWidget>(w, "SSTab1");
    auto* txtPhaseCount = Child<QLineEdit>(w, "txtPhaseCount");
    auto* cmdComStart = Child<widgets::LatchingSwitch>(w, "cmdComStart");
    SSTab1->setCurrentIndex(1);
    txtPhaseCount->setFocus();
    SSTab1->setCurrentIndex(0);
    w.setInputEnabled(false);
    EXPECT_FALSE(w.inputEnabled());
    QTest::mouseClick(cmdComStart, Qt::LeftButton);
    EXPECT_FALSE(cmdComStart->isOn());
    EXPECT_FALSE(cmdComStart->isDown());
    EXPECT_TRUE(cmdComStart->isEnabled());
    EXPECT_TRUE(w.isEnabled());
    QSignalSpy exit(Child<QAction>(w, "mnuExit"), &QAction::triggered);
    QTest::keyClicks(txtPhaseCount, "9");
    EXPECT_EQ(txtPhaseCount->text(), "1000");

    // Opened: what came meanwhile takes effect once the opener has returned, in order.
    w.setInputEnabled(true);
    EXPECT_FALSE(cmdComStart->isOn());
    EXPECT_TRUE(QTest::qWaitFor([&] { return cmdComStart->isOn(); }, 2000));
    EXPECT_EQ(cmdComStart->text(), "Monitor Stop");
    EXPECT_EQ(txtPhaseCount->text(), "10009");
    QTest::keyClicks(txtPhaseCount, "8");
    EXPECT_EQ(txtPhaseCount->text(), "100098");

    // A shortcut held meanwhile runs too.
    w.setInputEnabled(false);
    QTest::keyClick(&w, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(exit.count(), 0);
    w.setInputEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return exit.count() == 1; }, 2000));
}

TEST_F(MainWindowInteractionTest, InputHeldDuringAFailedReadIsDroppedAndLeavesNoButtonDown) {
    main_window::frmMain& w = shownWindow();
    auto* cmdComStart = Child<widgets::LatchingSwitch>(w, "cmdComStart");
    // Pressed before the read closes the input, released during it.
    QTest::mousePress(cmdComStart, Qt::LeftButton);
    ASSERT_TRUE(cmdComStart->isDown());
    w.setInputEnabled(false);
    QTest::mouseRelease(cmdComStart, Qt::LeftButton);
    EXPECT_TRUE(cmdComStart->isDown());
    QTest::mouseClick(cmdComStart, Qt::LeftButton);
    // The read fails: its message, then the switch off, then the input open again.
    w.showLinkFailure(unit_link::LinkOutcome::TimedOut);
    w.switchMonitorOff();
    w.setInputEnabled(true);
    QTest::qWait(200);
    EXPECT_FALSE(cmdComStart->isDown());
    EXPECT_FALSE(cmdComStart->isOn());
    // The next click is an ordinary one.
    QTest::mouseClick(cmdComStart, Qt::LeftButton);
    EXPECT_TRUE(cmdComStart->isOn());
    EXPECT_FALSE(cmdComStart->isDown());
}

TEST_F(MainWindowInteractionTest, APressBeforeASuccessfulReadIsReleasedAfterIt) {
    main_window::frmMain& w = shownWindow();
    auto* cmdComStart = Child<widgets::LatchingSwitch>(w, "cmdComStart");
    QTest::mousePress(cmdComStart, Qt::LeftButton);
    w.setInputEnabled(false);
    QTest::mouseRelease(cmdComStart, Qt::LeftButton);
    EXPECT_FALSE(cmdComStart->isOn());
    w.setInputEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return cmdComStart->isOn(); }, 2000));
    EXPECT_FALSE(cmdComStart->isDown());
}

TEST_F(MainWindowInteractionTest, TheLinkReportsThroughTheRealWidgets) {
    main_window::frmMain& w = shownWindow();
    w.setStatusText("Parameter Load Busy...Please Wait!");
    EXPECT_EQ(w.statusPanel(2)->text(), "Parameter Load Busy...Please Wait!");
    EXPECT_EQ(w.statusPanel(1)->text(), "Norvikon");
    w.setLinkFailed(true);
    EXPECT_TRUE(w.linkFailed());
    w.showLinkFailure(unit_link::LinkOutcome::TimedOut);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "QM4417 Error!");
    EXPECT_EQ(boxes.shown[0].icon, platform::MessageIcon::Stop);
}

TEST_F(MainWindowInteractionTest, ABlockReadWithoutAUnitLeavesTheWindowUsable) {
    main_window::frmMain& w = shownWindow();
    auto* cmdComStart = Child<widgets::LatchingSwitch>(w, "cmdComStart");
    cmdComStart->setOn(true);
    unit_parameters::UnitParameters words{};
    w.link().ReadBlock(0xFFEF5C, words, 4);
    EXPECT_TRUE(w.linkFailed());
    EXPECT_FALSE(cmdComStart->isOn());
    EXPECT_TRUE(w.inputEnabled());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "QM4417 Error!");
}

}  // namespace
