// Start-up and shutdown of frmMain, and the settings it keeps.
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "main_window_fixture.h"
#include "widgets/latching_switch.h"
#include "widgets/selection_combo_box.h"

namespace {

using unit_parameters::ParameterPanel;

using MainWindowLifecycleTest = MainWindowTest;

TEST_F(MainWindowLifecycleTest, FirstRunWithAnEmptyStore) {
    main_window::frmMain& w = startWindow();
    auto* cmdComStart = Child<widgets::LatchingSwitch>(w, "cmdComStart");
    EXPECT_EQ(w.pos(), QPoint(1000 / 15, 1000 / 15));
    EXPECT_EQ(port.portNumberSet, 1);
    EXPECT_EQ(port.settingsText, "9600,e,8,1");
    EXPECT_TRUE(port.opened);
    EXPECT_TRUE(w.comPortSettings().ComFlag);
    EXPECT_TRUE(Child<QPushButton>(w, "cmdLoad")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(w, "cmdUpLoad")->isEnabled());
    EXPECT_TRUE(cmdComStart->isEnabled());
    EXPECT_EQ(w.readPanel(), (ParameterPanel{.code = 0,
                                             .dir = 0,
                                             .strobeCycle = 0,
                                             .sensorType = 0,
                                             .phaseCountText = "1000",
                                             .presetDataText = "000000"}));
    EXPECT_EQ(Child<widgets::SelectionComboBox>(w, "cmbSensorType")->currentText(),
              "SEMI-ABSOLUTE (1X)");
    EXPECT_EQ(w.unitParameters(), unit_parameters::DefaultParameters());
    EXPECT_EQ(Child<QTabWidget>(w, "SSTab1")->currentIndex(), 0);
    EXPECT_FALSE(cmdComStart->isOn());
    EXPECT_FALSE(w.linkFailed());
    EXPECT_TRUE(Child<QTimer>(w, "Timer1")->isActive());
    EXPECT_EQ(w.parameterFolder(), "/opt/qm4417/Parameter");
    EXPECT_TRUE(identity.madeFolders.count("/opt/qm4417/Parameter"));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(settings.writes, 0);
}

TEST_F(MainWindowLifecycleTest, StoredPositionAndPortAreUsed) {
    settings.write("QM4417", "Settings", "MainLeft", "1500");
    settings.write("QM4417", "Settings", "MainTop", "3000");
    settings.write("QM4417", "Settings", "ComPort", "674");
    main_window::frmMain& w = startWindow();
    EXPECT_EQ(w.pos(), QPoint(100, 200));
    EXPECT_EQ(port.portNumberSet, 3);
    EXPECT_EQ(port.settingsText, "19200,o,7,2");
    EXPECT_EQ(w.comPortSettings().ComPort, 674);
}

TEST_F(MainWindowLifecycleTest, InvalidStoredValuesFallBackWithoutRewritingTheStore) {
    settings.write("QM4417", "Settings", "MainLeft", "left");
    settings.write("QM4417", "Settings", "MainTop", "");
    settings.write("QM4417", "Settings", "ComPort", "83");
    const int writesBefore = settings.writes;
    main_window::frmMain& w = startWindow();
    EXPECT_EQ(w.pos(), QPoint(1000 / 15, 1000 / 15));
    EXPECT_EQ(w.comPortSettings().ComPort, 81);
    EXPECT_EQ(port.settingsText, "9600,e,8,1");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(settings.writes, writesBefore);
    EXPECT_EQ(stored("ComPort"), "83");
}

TEST_F(MainWindowLifecycleTest, AWindowOffEveryScreenIsMovedOntoTheNearest) {
    settings.write("QM4417", "Settings", "MainLeft", "-150000");
    settings.write("QM4417", "Settings", "MainTop", "15000");
    main_window::frmMain& w = startWindow();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(w.x(), screen.left());
    EXPECT_TRUE(screen.intersects(w.frameGeometry()));
    // What is stored at the end is where the window really was.
    w.close();
    EXPECT_EQ(stored("MainLeft"), std::to_string(w.x() * 15));
}

TEST_F(MainWindowLifecycleTest, APartlyVisibleNegativePositionIsKept) {
    settings.write("QM4417", "Settings", "MainLeft", "-300");
    settings.write("QM4417", "Settings", "MainTop", "-150");
    main_window::frmMain& w = startWindow();
    EXPECT_EQ(w.pos(), QPoint(-20, -10));
    w.close();
    EXPECT_EQ(stored("MainLeft"), "-300");
    EXPECT_EQ(stored("MainTop"), "-150");
}

TEST_F(MainWindowLifecycleTest, APortThatDoesNotOpenDisablesTheUnitControls) {
    port.openError = "no such device";
    main_window::frmMain& w = startWindow();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "QM4417");
    EXPECT_EQ(boxes.shown[0].text, "The Comm Port Number is Illegal");
    EXPECT_EQ(boxes.shown[0].icon, platform::MessageIcon::Warning);
    EXPECT_FALSE(w.comPortSettings().ComFlag);
    EXPECT_FALSE(Child<QPushButton>(w, "cmdLoad")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(w, "cmdUpLoad")->isEnabled());
    EXPECT_FALSE(Child<widgets::LatchingSwitch>(w, "cmdComStart")->isEnabled());
    // Everything else keeps working.
    EXPECT_TRUE(Child<QPushButton>(w, "cmdFileRead")->isEnabled());
    EXPECT_TRUE(Child<QAction>(w, "mnuComSetting")->isEnabled());
    EXPECT_TRUE(Child<QTimer>(w, "Timer1")->isActive());
}

TEST_F(MainWindowLifecycleTest, AReadOnlyProgramFolderFallsBackToTheUserDataFolder) {
    identity.programFolderWritable = false;
    main_window::frmMain& w = startWindow();
    EXPECT_EQ(w.parameterFolder(), "/home/user/.local/share/QM4417/Parameter");
    EXPECT_TRUE(identity.madeFolders.count(w.parameterFolder()));
}

TEST_F(MainWindowLifecycleTest, AnInstalledProgramKeepsItsFilesInTheUserDataFolder) {
    // Writable (root running /usr/bin/qm4417), yet nothing may be made beside the program.
    identity.runsInstalled = true;
    main_window::frmMain& w = startWindow();
    EXPECT_EQ(w.parameterFolder(), "/home/user/.local/share/QM4417/Parameter");
    EXPECT_EQ(identity.madeFolders, std::set<std::string>{w.parameterFolder()});
}

TEST_F(MainWindowLifecycleTest, CloseSavesThePositionInTwips) {
    main_window::frmMain& w = startWindow();
    w.show();
    w.move(40, 70);
    Child<QAction>(w, "mnuExit")->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(stored("MainLeft"), "600");
    EXPECT_EQ(stored("MainTop"), "1050");
}

TEST_F(MainWindowLifecycleTest, AMinimisedWindowSavesNothing) {
    main_window::frmMain& w = startWindow();
    w.showMinimized();
    ASSERT_TRUE(w.isMinimized());
    w.close();
    EXPECT_EQ(settings.writes, 0);
    EXPECT_EQ(stored("MainLeft"), "<missing>");
}

TEST_F(MainWindowLifecycleTest, CloseUnloadsAnOpenDialogFirst) {
    main_window::frmMain& w = startWindow();
    w.show();
    bool dialogWasOpen = false;
    // While the about box is modal, the window is closed; the box must go with it.
    QTimer::singleShot(0, [&] {
        dialogWasOpen = QApplication::activeModalWidget() != nullptr;
        w.close();
    });
    QTimer guard;  // bounds the test should the box stay open
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    guard.start(5000);
    Child<QAction>(w, "mnuAbout")->trigger();
    EXPECT_TRUE(dialogWasOpen);
    EXPECT_TRUE(guard.isActive());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_NE(stored("MainLeft"), "<missing>");
}

TEST_F(MainWindowLifecycleTest, CloseEndsAWindowOpenedBesideIt) {
    main_window::frmMain& w = startWindow();
    w.show();
    QWidget beside(&w, Qt::Window);
    beside.show();
    w.close();
    EXPECT_FALSE(beside.isVisible());
    EXPECT_NE(stored("MainLeft"), "<missing>");
}

// The operator closes the window while a monitor read waits on the line.
class CloseDuringAReadTest : public MainWindowLifecycleTest {
  protected:
    // Reads the monitor block with a close asked for as the request goes out; `reply`
    // empty: the unit stays silent. Returns what that close returned.
    bool closeDuringARead(main_window::frmMain& w, const std::string& reply) {
        port.opened = true;
        bool closedAtOnce = true;
        port.onWrite = [&](const std::string&) {
            closedAtOnce = w.close();
            if (!reply.empty()) port.arriveAfter(std::chrono::milliseconds(10), reply);
        };
        unit_parameters::UnitParameters words{};
        w.link().ReadBlock(0xFFEF5C, words, 4);
        port.onWrite = nullptr;
        return closedAtOnce;
    }
};

TEST_F(CloseDuringAReadTest, TakesEffectWhenTheReadHasEnded) {
    main_window::frmMain& w = startWindow();
    w.show();
    const std::string reply =
        "\x02"
        "4FFEF5C;4;hh1234007f0003FFFF;CCCC\x03";
    EXPECT_FALSE(closeDuringARead(w, reply));
    EXPECT_FALSE(w.linkFailed());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); }, 2000));
    EXPECT_NE(stored("MainLeft"), "<missing>");
}

TEST_F(CloseDuringAReadTest, IsDroppedWhenTheReadFails) {
    main_window::frmMain& w = startWindow();
    w.show();
    EXPECT_FALSE(closeDuringARead(w, ""));
    EXPECT_TRUE(w.linkFailed());
    EXPECT_EQ(boxes.shown.size(), 1u);
    QTest::qWait(100);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.close());  // the next close is an ordinary one
}

}  // namespace
