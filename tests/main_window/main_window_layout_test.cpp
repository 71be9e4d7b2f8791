// The widgets of frmMain against the layout tables: names, kinds, captions, initial texts.
#include <gtest/gtest-spi.h>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "main_window_fixture.h"
#include "widgets/display_label.h"
#include "widgets/group_frame.h"
#include "widgets/latching_switch.h"
#include "widgets/led_lamp.h"
#include "widgets/selection_combo_box.h"

namespace {

struct Expected {
    const char* name;
    const char* kind;
    const char* text;  // caption, title or initial text
};

const Expected kWidgets[] = {
    {"SSTab1", "QTabWidget", nullptr},
    {"StatusBar1", "QStatusBar", nullptr},
    {"StatusBar1_Panel1", "QLabel", "Norvikon"},
    {"StatusBar1_Panel2", "QLabel", ""},
    {"lblPositionT", "QLabel", "Position Data"},
    {"lblPositionDec", "QLabel", "00000000"},
    {"lblDec", "QLabel", "DEC"},
    {"lblPositionHex", "QLabel", "0000"},
    {"lblHex", "QLabel", "HEX"},
    {"Frame1", "QGroupBox", "Unit Status"},
    {"Frame2", "QGroupBox", "Sensor Status"},
    {"cmdComStart", "widgets::LatchingSwitch", "Monitor Start"},
    {"lblUnitErrorTitle_0", "QLabel", "Save parameter Error"},
    {"lblUnitErrorTitle_1", "QLabel", "Save R/D Data Error"},
    {"lblUnitErrorTitle_2", "QLabel", "Parameter Data Limit Error"},
    {"lblSensorErrorTitle_0", "QLabel", "Fine Resolver Error"},
    {"lblSensorErrorTitle_1", "QLabel", "Mid Resolver Error"},
    {"lblSensorErrorTitle_2", "QLabel", "Cose Resolver Error"},
    {"lblSensorErrorTitle_3", "QLabel", "Reserve"},
    {"lblSensorErrorTitle_4", "QLabel", "Sensor Data Error"},
    {"fraCode", "QGroupBox", "Data Code"},
    {"optCode_0", "QRadioButton", "PB"},
    {"optCode_1", "QRadioButton", "GRAY"},
    {"fraDir", "QGroupBox", "Dir of an Increase"},
    {"optDir_0", "QRadioButton", "CCW"},
    {"optDir_1", "QRadioButton", "CW"},
    {"fraStrobeCycle", "QGroupBox", "Strobe Cycle"},
    {"optStrobeCycle_0", "QRadioButton", "2 ms"},
    {"optStrobeCycle_1", "QRadioButton", "5 ms"},
    {"optStrobeCycle_2", "QRadioButton", "10 ms"},
    {"lblSensorTypeTitle", "QLabel", "Sensor Type"},
    {"cmbSensorType", "widgets::SelectionComboBox", ""},
    {"lblPhaseCountTitle", "QLabel", "Phase Count (Normal : 1000)"},
    {"txtPhaseCount", "QLineEdit", "1000"},
    {"lblPhaseCountUnit", "QLabel", "(0 to 2000)"},
    {"lblPresetDataTitle", "QLabel", "Preset Data"},
    {"txtPresetData", "QLineEdit", "000000"},
    {"lblPresetDataUnit", "QLabel", "Hex (0 to FFFFFFH)"},
    {"cmdFileRead", "QPushButton", "File Read"},
    {"cmdFileWrite", "QPushButton", "File Write"},
    {"cmdLoad", "QPushButton", "Data Load"},
    {"cmdUpLoad", "QPushButton", "Data UpLoad"},
};

QString TextOf(const QObject* object) {
    if (const auto* group = qobject_cast<const QGroupBox*>(object)) return group->title();
    if (const auto* combo = qobject_cast<const QComboBox*>(object)) return combo->currentText();
    return object->property("text").toString();
}

using MainWindowLayoutTest = MainWindowTest;

TEST_F(MainWindowLayoutTest, EveryWidgetHasItsNameKindAndText) {
    main_window::frmMain& w = makeWindow();
    for (const Expected& expected : kWidgets) {
        const auto* widget = Child<QWidget>(w, expected.name);
        EXPECT_TRUE(widget->inherits(expected.kind)) << expected.name;
        if (expected.text) {
            EXPECT_EQ(TextOf(widget), expected.text) << expected.name;
        }
    }
    // Array elements are found by index, the lamps, menu commands and timer by name too.
    EXPECT_EQ(Child<QRadioButton>(w, "optStrobeCycle", 2)->text(), "10 ms");
    for (std::size_t i = 0; i < 3; ++i) Child<widgets::LedLamp>(w, "CWBtnUnitError", i);
    for (std::size_t i = 0; i < 5; ++i) Child<widgets::LedLamp>(w, "CWBtnSensorError", i);
    EXPECT_EQ(w.statusPanel(1), Child<QLabel>(w, "StatusBar1_Panel1"));
    EXPECT_EQ(Child<QAction>(w, "mnuAbout")->text(), "About(&A)");
    EXPECT_EQ(Child<QTimer>(w, "Timer1")->interval(), 100);
}

// The lookup the tests and tools use: a widget that is not there, or not of the asked kind,
// fails the test by its name instead of crashing on a null pointer.
TEST_F(MainWindowLayoutTest, LookingUpAMissingWidgetFailsTheTestByName) {
    static main_window::frmMain* window;
    window = &makeWindow();
    EXPECT_NONFATAL_FAILURE(
        EXPECT_THROW(Child<QPushButton>(*window, "cmdNoSuch"), std::out_of_range),
        "frmMain has no QPushButton named cmdNoSuch");
    EXPECT_NONFATAL_FAILURE(EXPECT_THROW(Child<QPushButton>(*window, "lblDec"), std::out_of_range),
                            "frmMain has no QPushButton named lblDec");
    EXPECT_NONFATAL_FAILURE(
        EXPECT_THROW(Child<QRadioButton>(*window, "optCode", 2), std::out_of_range),
        "frmMain has no QRadioButton named optCode_2");
}

TEST_F(MainWindowLayoutTest, WindowMenuAndTabs) {
    main_window::frmMain& w = makeWindow();
    EXPECT_EQ(w.windowTitle(), "KV3907P410 SETUP PROG.");
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_EQ(w.width(), 433);
    EXPECT_EQ(w.height() - w.menuBar()->sizeHint().height(), 339);
    EXPECT_EQ(w.font().family(), "Arial");

    const QList<QAction*> menu = w.menuBar()->actions();
    ASSERT_EQ(menu.size(), 4);
    EXPECT_EQ(menu[0], Child<QAction>(w, "mnuExit"));
    EXPECT_EQ(menu[0]->text(), "Exit(&X)");
    EXPECT_EQ(menu[1]->text(), "Com Setting(&C)");
    EXPECT_EQ(menu[2], Child<QAction>(w, "mnuTrend"));
    EXPECT_EQ(menu[2]->text(), "Trend(&T)");
    EXPECT_EQ(menu[3]->text(), "About(&A)");
    for (QAction* command : menu) EXPECT_EQ(command->menu(), nullptr);

    const QTabWidget* tabs = Child<QTabWidget>(w, "SSTab1");
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), "Monitor");
    EXPECT_EQ(tabs->tabText(1), "Parameter");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_TRUE(tabs->widget(0)->isAncestorOf(Child<QLabel>(w, "lblPositionDec")));
    EXPECT_TRUE(tabs->widget(0)->isAncestorOf(Child<widgets::LatchingSwitch>(w, "cmdComStart")));
    EXPECT_TRUE(tabs->widget(1)->isAncestorOf(Child<QPushButton>(w, "cmdUpLoad")));
}

TEST_F(MainWindowLayoutTest, InitialStateBeforeStartUp) {
    main_window::frmMain& w = makeWindow();
    EXPECT_EQ(w.readPanel(), unit_parameters::ParameterPanel{});
    const auto* sensorType = Child<widgets::SelectionComboBox>(w, "cmbSensorType");
    EXPECT_EQ(sensorType->count(), 3);
    EXPECT_EQ(sensorType->itemText(0), "SEMI-ABSOLUTE (1X)");
    EXPECT_EQ(sensorType->itemText(1), "ABSOLUTE (1X-64X)");
    EXPECT_EQ(sensorType->itemText(2), "ABSOLUTE (1X-64X-4096X)");
    EXPECT_EQ(sensorType->currentText(), "");
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_FALSE(Child<widgets::LedLamp>(w, "CWBtnUnitError", i)->isOn()) << i;
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_FALSE(Child<widgets::LedLamp>(w, "CWBtnSensorError", i)->isOn()) << i;
    EXPECT_FALSE(Child<widgets::LatchingSwitch>(w, "cmdComStart")->isOn());
    EXPECT_FALSE(Child<QTimer>(w, "Timer1")->isActive());
    EXPECT_EQ(Child<QLineEdit>(w, "txtPhaseCount")->maxLength(),
              32767);  // Qt's own ceiling, no limit of ours
}

TEST_F(MainWindowLayoutTest, PlacesFollowTheTwipsFigures) {
    main_window::frmMain& w = makeWindow();
    w.show();
    // On a tab page the figures count from the tab control's corner, tab strip included.
    auto* tabs = Child<QTabWidget>(w, "SSTab1");
    const auto* monitorSwitch = Child<widgets::LatchingSwitch>(w, "cmdComStart");
    EXPECT_EQ(monitorSwitch->mapTo(tabs, QPoint(0, 0)), QPoint(300 / 15, 3540 / 15));
    EXPECT_EQ(monitorSwitch->size(), QSize(5655 / 15, 735 / 15));
    EXPECT_EQ(tabs->geometry(), QRect(8, 8, 417, 301));
    tabs->setCurrentIndex(1);
    EXPECT_EQ(Child<QLineEdit>(w, "txtPresetData")->mapTo(tabs, QPoint(0, 0)),
              QPoint(240 / 15, 3900 / 15));
    // Lamp i and caption i share a row.
    for (std::size_t i = 0; i < 5; ++i) {
        const int lampMiddle =
            Child<widgets::LedLamp>(w, "CWBtnSensorError", i)->geometry().center().y();
        const int captionMiddle =
            Child<QLabel>(w, "lblSensorErrorTitle", i)->geometry().center().y();
        EXPECT_LE(std::abs(lampMiddle - captionMiddle), 3) << i;
    }
}

TEST_F(MainWindowLayoutTest, StatusPanelsStayThroughATemporaryMessage) {
    main_window::frmMain& w = makeWindow();
    w.show();
    QTest::qWait(20);
    const QRect first = w.statusPanel(1)->geometry();
    const QRect second = w.statusPanel(2)->geometry();
    EXPECT_LE(first.left(), 4);  // "Norvikon" opens the bar on the left
    Child<QStatusBar>(w, "StatusBar1")->showMessage(QStringLiteral("a passing hint"));
    QTest::qWait(20);
    EXPECT_TRUE(w.statusPanel(1)->isVisible());
    EXPECT_TRUE(w.statusPanel(2)->isVisible());
    EXPECT_EQ(w.statusPanel(1)->geometry(), first);
    EXPECT_EQ(w.statusPanel(2)->geometry(), second);
}

TEST_F(MainWindowLayoutTest, DisplaysAreGreenOnDarkGreen) {
    main_window::frmMain& w = makeWindow();
    for (QLabel* display :
         {Child<QLabel>(w, "lblPositionDec"), Child<QLabel>(w, "lblPositionHex")}) {
        EXPECT_EQ(display->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        EXPECT_EQ(display->palette().color(QPalette::Window), QColor(0, 64, 0));
        EXPECT_TRUE(display->alignment() & Qt::AlignRight);
        EXPECT_TRUE(display->font().bold());
        EXPECT_DOUBLE_EQ(display->font().pointSizeF(), 21.75);
    }
}

// Widgets are found by name: the layout's names are what other code relies on.
TEST_F(MainWindowLayoutTest, GroupChildrenSitInsideTheFrameAndKeepTheirRows) {
    main_window::frmMain& w = makeWindow();
    w.show();
    for (const char* name : {"Frame1", "Frame2", "fraCode", "fraDir", "fraStrobeCycle"}) {
        auto* group = Child<QGroupBox>(w, name);
        const int frameTop = widgets::FrameTop(*group);
        for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_GT(child->y(), frameTop) << qPrintable(child->objectName());
            EXPECT_LT(child->geometry().bottom(), group->height() - 1)
                << qPrintable(child->objectName());
        }
    }
    // The groups themselves stay where the figures put them, and the rows keep their pitch.
    auto* frame2 = Child<QGroupBox>(w, "Frame2");
    EXPECT_EQ(frame2->mapTo(Child<QTabWidget>(w, "SSTab1"), QPoint(0, 0)),
              QPoint(3360 / 15, 1440 / 15));
    EXPECT_EQ(frame2->size(), QSize(2655 / 15, 1875 / 15));
    for (std::size_t i = 0; i + 1 < 5; ++i) {
        const auto* lamp = Child<widgets::LedLamp>(w, "CWBtnSensorError", i);
        const auto* next = Child<widgets::LedLamp>(w, "CWBtnSensorError", i + 1);
        EXPECT_EQ(next->y() - lamp->y(), 300 / 15) << i;
    }
    const auto* pb = Child<QRadioButton>(w, "optCode", 0);
    const auto* gray = Child<QRadioButton>(w, "optCode", 1);
    EXPECT_EQ(pb->y(), gray->y());
    EXPECT_EQ(gray->x() - pb->x(), (1260 - 240) / 15);
}

// The style draws a plain frame in the text's colour; the read-outs' border is dark.
TEST_F(MainWindowLayoutTest, DisplaysHaveADarkBorderAroundGreenText) {
    main_window::frmMain& w = makeWindow();
    w.show();
    for (const char* name : {"lblPositionDec", "lblPositionHex"}) {
        auto* display = Child<QLabel>(w, name);
        const QImage image = display->grab().toImage();
        const int middle = image.height() / 2;
        EXPECT_EQ(QColor(image.pixel(0, middle)), widgets::DisplayLabel::kFrameColor) << name;
        EXPECT_EQ(QColor(image.pixel(image.width() - 1, middle)),
                  widgets::DisplayLabel::kFrameColor)
            << name;
        EXPECT_EQ(QColor(image.pixel(1, middle)), QColor(0, 64, 0)) << name;
    }
}

}  // namespace
