// The widgets of frmMain, created in their initial state.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "main_window/frm_main.h"
#include "main_window/window_icon.h"
#include "unit_link/position_monitor.h"
#include "widgets/display_label.h"
#include "widgets/group_frame.h"
#include "widgets/latching_switch.h"
#include "widgets/led_lamp.h"
#include "widgets/named_widgets.h"
#include "widgets/option_buttons.h"
#include "widgets/selection_combo_box.h"
#include "widgets/tab_page.h"
#include "widgets/twips.h"

namespace main_window {

namespace {

using widgets::Arial;
using widgets::ElementName;
using widgets::FromTwips;
using widgets::MakeButton;
using widgets::MakeLabel;
using widgets::MakeOptions;
using widgets::Named;

constexpr int kClientWidthTwips = 6495;
constexpr int kClientHeightTwips = 5085;
constexpr int kStatusBarHeightTwips = 375;
constexpr int kStatusPanel1WidthTwips = 1600;
constexpr QSize kOptionSizeTwips(855, 255);
constexpr int kRowLabelHeightTwips = 255;

// The green-on-dark-green position readouts.
QLabel* MakeDisplay(QWidget* parent, const char* name, const QString& text) {
    auto* display = Named(new widgets::DisplayLabel(text, parent), name);
    display->setFont(Arial(21.75, true));
    display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display->setAutoFillBackground(true);
    QPalette palette = display->palette();
    palette.setColor(QPalette::Window, QColor(0, 64, 0));
    palette.setColor(QPalette::WindowText, QColor(0, 255, 0));
    display->setPalette(palette);
    return display;
}

// One lamp and its caption per row, lamp i beside caption i.
template <std::size_t N>
void MakeStatusRows(QGroupBox* group, std::array<widgets::LedLamp*, N>& lamps,
                    const char* lampArray, std::array<QLabel*, N>& captions,
                    const char* captionArray, const std::array<const char*, N>& texts) {
    const int captionWidth = group->width() * widgets::kTwipsPerPixel - 540 - 60;
    for (std::size_t i = 0; i < N; ++i) {
        const int row = static_cast<int>(i) * 300;
        lamps[i] = Named(new widgets::LedLamp(group), ElementName(lampArray, i));
        lamps[i]->setGeometry(FromTwips(120, 240 + row, 315, 315));
        captions[i] = MakeLabel(group, ElementName(captionArray, i), texts[i]);
        captions[i]->setGeometry(FromTwips(540, 300 + row, captionWidth, kRowLabelHeightTwips));
    }
}

QLineEdit* MakeTextBox(widgets::TabPage* page, const char* name, const QString& text,
                       const QRect& twipsRect) {
    auto* box = Named(new QLineEdit(text, page), name);
    box->setFont(Arial(11.25, true));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    page->place(box, twipsRect);
    return box;
}

}  // namespace

void frmMain::buildLayout() {
    setObjectName("frmMain");
    setWindowTitle("KV3907P410 SETUP PROG.");
    setWindowIcon(WindowIcon());
    setFont(Arial(9));
    // Fixed size, a close box and a system menu, but no minimise or maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    buildMenu();

    StatusBar1 = Named(new QStatusBar(this), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(kStatusBarHeightTwips / widgets::kTwipsPerPixel);
    for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
        statusPanels_[i] = MakeLabel(StatusBar1, QString("StatusBar1_Panel%1").arg(i + 1));
        statusPanels_[i]->setFrameShape(QFrame::Panel);
        statusPanels_[i]->setFrameShadow(QFrame::Sunken);
    }
    statusPanels_[0]->setText("Norvikon");
    statusPanels_[0]->setFixedWidth(kStatusPanel1WidthTwips / widgets::kTwipsPerPixel);
    // Permanent, so that a temporary status message can never hide the panels.
    StatusBar1->addPermanentWidget(statusPanels_[0]);
    StatusBar1->addPermanentWidget(statusPanels_[1], 1);
    setStatusBar(StatusBar1);

    auto* client = new QWidget(this);
    setCentralWidget(client);
    SSTab1 = Named(new QTabWidget(client), "SSTab1");
    SSTab1->setGeometry(FromTwips(120, 120, 6255, 4515));
    SSTab1->tabBar()->setFont(Arial(11.25));
    buildMonitorTab();
    buildParameterTab();
    SSTab1->setCurrentIndex(0);

    Timer1 = Named(new QTimer(this), "Timer1");
    Timer1->setInterval(100);

    setFixedSize(kClientWidthTwips / widgets::kTwipsPerPixel,
                 kClientHeightTwips / widgets::kTwipsPerPixel + menuBar()->sizeHint().height());
}

void frmMain::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MenuBar");
    mnuExit = Named(bar->addAction("Exit(&X)"), "mnuExit");
    mnuComSetting = Named(bar->addAction("Com Setting(&C)"), "mnuComSetting");
    mnuTrend = Named(bar->addAction("Trend(&T)"), "mnuTrend");
    mnuAbout = Named(bar->addAction("About(&A)"), "mnuAbout");
}

void frmMain::buildMonitorTab() {
    auto* page = Named(new widgets::TabPage(SSTab1), "SSTab1_Tab0");
    SSTab1->addTab(page, "Monitor");

    lblPositionT = MakeLabel(page, "lblPositionT", "Position Data");
    lblPositionT->setFont(Arial(12, true));
    page->place(lblPositionT, FromTwips(240, 420, 1695, 255));
    lblPositionDec = MakeDisplay(page, "lblPositionDec", "00000000");
    page->place(lblPositionDec, FromTwips(240, 720, 2295, 555));
    lblDec = MakeLabel(page, "lblDec", "DEC");
    lblDec->setFont(Arial(11.25, true));
    page->place(lblDec, FromTwips(2580, 900, 495, 255));
    lblPositionHex = MakeDisplay(page, "lblPositionHex", "0000");
    page->place(lblPositionHex, FromTwips(3360, 720, 2175, 555));
    lblHex = MakeLabel(page, "lblHex", "HEX");
    lblHex->setFont(Arial(11.25, true));
    page->place(lblHex, FromTwips(5580, 900, 495, 255));

    Frame1 = Named(new QGroupBox("Unit Status", page), "Frame1");
    page->place(Frame1, FromTwips(240, 1440, 2955, 1875));
    Frame2 = Named(new QGroupBox("Sensor Status", page), "Frame2");
    page->place(Frame2, FromTwips(3360, 1440, 2655, 1875));
    MakeStatusRows<3>(Frame1, CWBtnUnitError, "CWBtnUnitError", lblUnitErrorTitle,
                      "lblUnitErrorTitle", unit_link::UnitLampCaptions);
    MakeStatusRows<5>(Frame2, CWBtnSensorError, "CWBtnSensorError", lblSensorErrorTitle,
                      "lblSensorErrorTitle", unit_link::SensorLampCaptions);
    widgets::KeepClearOfFrame(*Frame1);
    widgets::KeepClearOfFrame(*Frame2);

    cmdComStart =
        Named(new widgets::LatchingSwitch("Monitor Start", "Monitor Stop", page), "cmdComStart");
    cmdComStart->setFont(Arial(14.25, true));
    page->place(cmdComStart, FromTwips(300, 3540, 5655, 735));
}

void frmMain::buildParameterTab() {
    auto* page = Named(new widgets::TabPage(SSTab1), "SSTab1_Tab1");
    SSTab1->addTab(page, "Parameter");

    fraCode = Named(new QGroupBox("Data Code", page), "fraCode");
    page->place(fraCode, FromTwips(240, 480, 3135, 555));
    MakeOptions<2>(fraCode, optCode, "optCode", {"PB", "GRAY"}, {240, 1260}, 240, kOptionSizeTwips);
    fraDir = Named(new QGroupBox("Dir of an Increase", page), "fraDir");
    page->place(fraDir, FromTwips(240, 1080, 3135, 555));
    MakeOptions<2>(fraDir, optDir, "optDir", {"CCW", "CW"}, {240, 1260}, 240, kOptionSizeTwips);
    fraStrobeCycle = Named(new QGroupBox("Strobe Cycle", page), "fraStrobeCycle");
    page->place(fraStrobeCycle, FromTwips(240, 1680, 3135, 615));
    MakeOptions<3>(fraStrobeCycle, optStrobeCycle, "optStrobeCycle", {"2 ms", "5 ms", "10 ms"},
                   {240, 1140, 2040}, 300, kOptionSizeTwips);
    for (QGroupBox* group : {fraCode, fraDir, fraStrobeCycle}) widgets::KeepClearOfFrame(*group);

    lblSensorTypeTitle = MakeLabel(page, "lblSensorTypeTitle", "Sensor Type");
    page->place(lblSensorTypeTitle, FromTwips(240, 2340, 1155, 255));
    cmbSensorType = Named(new widgets::SelectionComboBox(page), "cmbSensorType");
    cmbSensorType->addItems({"SEMI-ABSOLUTE (1X)", "ABSOLUTE (1X-64X)", "ABSOLUTE (1X-64X-4096X)"});
    cmbSensorType->setSelectedIndex(-1);
    page->place(cmbSensorType, FromTwips(240, 2580, 3135, 345));

    lblPhaseCountTitle = MakeLabel(page, "lblPhaseCountTitle", "Phase Count (Normal : 1000)");
    page->place(lblPhaseCountTitle, FromTwips(240, 3000, 2535, 255));
    txtPhaseCount = MakeTextBox(page, "txtPhaseCount", "1000", FromTwips(240, 3240, 1515, 405));
    lblPhaseCountUnit = MakeLabel(page, "lblPhaseCountUnit", "(0 to 2000)");
    page->place(lblPhaseCountUnit, FromTwips(1860, 3360, 1575, 255));
    lblPresetDataTitle = MakeLabel(page, "lblPresetDataTitle", "Preset Data");
    page->place(lblPresetDataTitle, FromTwips(240, 3660, 2175, 255));
    txtPresetData = MakeTextBox(page, "txtPresetData", "000000", FromTwips(240, 3900, 1515, 405));
    lblPresetDataUnit = MakeLabel(page, "lblPresetDataUnit", "Hex (0 to FFFFFFH)");
    page->place(lblPresetDataUnit, FromTwips(1860, 4020, 1695, 255));

    cmdFileRead = MakeButton(page, "cmdFileRead", "File Read", FromTwips(3660, 600, 2355, 555));
    cmdFileWrite = MakeButton(page, "cmdFileWrite", "File Write", FromTwips(3660, 1260, 2355, 555));
    cmdLoad = MakeButton(page, "cmdLoad", "Data Load", FromTwips(3660, 2040, 2355, 1095));
    cmdLoad->setFont(Arial(11.25, true));
    cmdUpLoad = MakeButton(page, "cmdUpLoad", "Data UpLoad", FromTwips(3660, 3240, 2355, 1095));
    cmdUpLoad->setFont(Arial(11.25, true));
}

}  // namespace main_window
