// The widgets of frmMain against the layout tables: names, kinds, captions, initial texts.
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
        const auto* widget = w.findChild<QWidget*>(expected.name);
        ASSERT_NE(widget, nullptr) << expected.name;
        EXPECT_TRUE(widget->inherits(expected.kind)) << expected.name;
        if (expected.text) {
            EXPECT_EQ(TextOf(widget), expected.text) << expected.name;
        }
    }
    // Members and objectNames agree, arrays included.
    EXPECT_EQ(w.cmdLoad->objectName(), "cmdLoad");
    EXPECT_EQ(w.optStrobeCycle[2]->objectName(), "optStrobeCycle_2");
    EXPECT_EQ(w.CWBtnSensorError[4]->objectName(), "CWBtnSensorError_4");
    EXPECT_EQ(w.lblUnitErrorTitle[1]->text(), "Save R/D Data Error");
    EXPECT_EQ(w.statusPanel(1)->text(), "Norvikon");
    EXPECT_EQ(w.Timer1->objectName(), "Timer1");
    EXPECT_EQ(w.Timer1->interval(), 100);
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
    ASSERT_EQ(menu.size(), 3);
    EXPECT_EQ(menu[0], w.mnuExit);
    EXPECT_EQ(menu[0]->text(), "Exit(&X)");
    EXPECT_EQ(menu[1]->text(), "Com Setting(&C)");
    EXPECT_EQ(menu[2]->text(), "About(&A)");
    for (QAction* command : menu) EXPECT_EQ(command->menu(), nullptr);

    ASSERT_EQ(w.SSTab1->count(), 2);
    EXPECT_EQ(w.SSTab1->tabText(0), "Monitor");
    EXPECT_EQ(w.SSTab1->tabText(1), "Parameter");
    EXPECT_EQ(w.SSTab1->currentIndex(), 0);
    EXPECT_TRUE(w.SSTab1->widget(0)->isAncestorOf(w.lblPositionDec));
    EXPECT_TRUE(w.SSTab1->widget(0)->isAncestorOf(w.cmdComStart));
    EXPECT_TRUE(w.SSTab1->widget(1)->isAncestorOf(w.cmdUpLoad));
}

TEST_F(MainWindowLayoutTest, InitialStateBeforeStartUp) {
    main_window::frmMain& w = makeWindow();
    EXPECT_EQ(w.readPanel(), unit_parameters::ParameterPanel{});
    EXPECT_EQ(w.cmbSensorType->count(), 3);
    EXPECT_EQ(w.cmbSensorType->itemText(0), "SEMI-ABSOLUTE (1X)");
    EXPECT_EQ(w.cmbSensorType->itemText(1), "ABSOLUTE (1X-64X)");
    EXPECT_EQ(w.cmbSensorType->itemText(2), "ABSOLUTE (1X-64X-4096X)");
    EXPECT_EQ(w.cmbSensorType->currentText(), "");
    for (auto* lamp : w.CWBtnUnitError) EXPECT_FALSE(lamp->isOn());
    for (auto* lamp : w.CWBtnSensorError) EXPECT_FALSE(lamp->isOn());
    EXPECT_FALSE(w.cmdComStart->isOn());
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(w.txtPhaseCount->maxLength(), 32767);  // Qt's own ceiling, no limit of ours
}

TEST_F(MainWindowLayoutTest, PlacesFollowTheTwipsFigures) {
    main_window::frmMain& w = makeWindow();
    w.show();
    // On a tab page the figures count from the tab control's corner, tab strip included.
    const QPoint monitorSwitch = w.cmdComStart->mapTo(w.SSTab1, QPoint(0, 0));
    EXPECT_EQ(monitorSwitch, QPoint(300 / 15, 3540 / 15));
    EXPECT_EQ(w.cmdComStart->size(), QSize(5655 / 15, 735 / 15));
    EXPECT_EQ(w.SSTab1->geometry(), QRect(8, 8, 417, 301));
    w.SSTab1->setCurrentIndex(1);
    EXPECT_EQ(w.txtPresetData->mapTo(w.SSTab1, QPoint(0, 0)), QPoint(240 / 15, 3900 / 15));
    // Lamp i and caption i share a row.
    for (std::size_t i = 0; i < w.CWBtnSensorError.size(); ++i) {
        const int lampMiddle = w.CWBtnSensorError[i]->geometry().center().y();
        const int captionMiddle = w.lblSensorErrorTitle[i]->geometry().center().y();
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
    w.StatusBar1->showMessage(QStringLiteral("a passing hint"));
    QTest::qWait(20);
    EXPECT_TRUE(w.statusPanel(1)->isVisible());
    EXPECT_TRUE(w.statusPanel(2)->isVisible());
    EXPECT_EQ(w.statusPanel(1)->geometry(), first);
    EXPECT_EQ(w.statusPanel(2)->geometry(), second);
}

TEST_F(MainWindowLayoutTest, DisplaysAreGreenOnDarkGreen) {
    main_window::frmMain& w = makeWindow();
    for (QLabel* display : {w.lblPositionDec, w.lblPositionHex}) {
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
        auto* group = w.findChild<QGroupBox*>(name);
        ASSERT_NE(group, nullptr) << name;
        const int frameTop = widgets::FrameTop(*group);
        for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_GT(child->y(), frameTop) << qPrintable(child->objectName());
            EXPECT_LT(child->geometry().bottom(), group->height() - 1)
                << qPrintable(child->objectName());
        }
    }
    // The groups themselves stay where the figures put them, and the rows keep their pitch.
    auto* frame2 = w.findChild<QGroupBox*>("Frame2");
    EXPECT_EQ(frame2->mapTo(w.SSTab1, QPoint(0, 0)), QPoint(3360 / 15, 1440 / 15));
    EXPECT_EQ(frame2->size(), QSize(2655 / 15, 1875 / 15));
    for (int i = 0; i + 1 < 5; ++i) {
        const auto* lamp = w.findChild<QWidget*>(QString("CWBtnSensorError_%1").arg(i));
        const auto* next = w.findChild<QWidget*>(QString("CWBtnSensorError_%1").arg(i + 1));
        EXPECT_EQ(next->y() - lamp->y(), 300 / 15) << i;
    }
    const auto* pb = w.findChild<QWidget*>("optCode_0");
    const auto* gray = w.findChild<QWidget*>("optCode_1");
    EXPECT_EQ(pb->y(), gray->y());
    EXPECT_EQ(gray->x() - pb->x(), (1260 - 240) / 15);
}

// The style draws a plain frame in the text's colour; the read-outs' border is dark.
TEST_F(MainWindowLayoutTest, DisplaysHaveADarkBorderAroundGreenText) {
    main_window::frmMain& w = makeWindow();
    w.show();
    for (const char* name : {"lblPositionDec", "lblPositionHex"}) {
        auto* display = w.findChild<QLabel*>(name);
        ASSERT_NE(display, nullptr) << name;
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
