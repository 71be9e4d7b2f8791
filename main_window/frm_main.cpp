#include "main_window/frm_main.h"

#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <utility>

#include "dialogs/frm_about.h"
#include "dialogs/frm_com_setting.h"
#include "main_window/parameter_folder.h"
#include "main_window/unit_operations.h"
#include "main_window/window_position.h"
#include "unit_link/link_failure_message.h"
#include "unit_link/position_monitor.h"
#include "widgets/input_gate.h"
#include "widgets/latching_switch.h"
#include "widgets/led_lamp.h"
#include "widgets/option_buttons.h"
#include "widgets/selection_combo_box.h"
#include "widgets/twips.h"

namespace main_window {

frmMain::frmMain(const MainWindowServices& services, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      programTitle_(services.identity.title()),
      comPortSettings_(services.serialPort, services.messageBoxes, services.settings,
                       programTitle_),
      link_({services.serialPort, services.clock, services.eventPump}, *this, guard_) {
    buildLayout();
    inputGate_ = new widgets::InputGate(this);
    operations_ = std::make_unique<UnitOperations>(*this, unitParameters_);
    connectHandlers();
    // From the event loop, after the exchange has unwound and the held clicks have gone in.
    guard_.whenFree([this] {
        if (closeWhenFree_)
            QMetaObject::invokeMethod(this, &frmMain::closeAsked, Qt::QueuedConnection);
    });
}

void frmMain::closeAsked() {
    if (!std::exchange(closeWhenFree_, false)) return;
    close();
}

frmMain::~frmMain() = default;

void frmMain::connectHandlers() {
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(mnuComSetting, &QAction::triggered, this, &frmMain::mnuComSetting_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(mnuTrend, &QAction::triggered, this, &frmMain::mnuTrend_Click);
    connect(cmdLoad, &QPushButton::clicked, this, &frmMain::cmdLoad_Click);
    connect(cmdUpLoad, &QPushButton::clicked, this, &frmMain::cmdUpLoad_Click);
    connect(cmdFileRead, &QPushButton::clicked, this, &frmMain::cmdFileRead_Click);
    connect(cmdFileWrite, &QPushButton::clicked, this, &frmMain::cmdFileWrite_Click);
    connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    connect(SSTab1, &QTabWidget::currentChanged, this, &frmMain::SSTab1_Click);
}

void frmMain::Form_Load() {
    restorePosition();
    comPortSettings_.LoadComPort();
    comPortSettings_.ComPortSet();
    enableUnitControls(comPortSettings_.ComFlag);
    parameterFolder_ = PrepareParameterFolder(services_.identity);
    unitParameters_ = unit_parameters::DefaultParameters();
    SSTab1->setCurrentIndex(0);
    unit_parameters::ParameterPanel panel;
    unit_parameters::ParametersToPanel(unitParameters_, panel);
    showPanel(panel);
    switchMonitorOff();
    LinkFailed = false;
    // Last, so that no tick runs before the window is set up.
    Timer1->start();
}

void frmMain::restorePosition() {
    const TwipsPosition stored = ReadMainPosition(services_.settings, programTitle_);
    PixelRect frame{stored.left / widgets::kTwipsPerPixel, stored.top / widgets::kTwipsPerPixel,
                    frameGeometry().width(), frameGeometry().height()};
    std::vector<PixelRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        screens.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    frame = KeepOnScreens(frame, screens);
    move(frame.left, frame.top);
}

void frmMain::savePosition() {
    WriteMainPosition(services_.settings, programTitle_,
                      {x() * widgets::kTwipsPerPixel, y() * widgets::kTwipsPerPixel});
}

void frmMain::closeEvent(QCloseEvent* event) {
    // An exchange waiting on the line still uses the window: the close waits for its end,
    // as a click does.
    if (guard_.busy()) {
        closeWhenFree_ = true;
        event->ignore();
        return;
    }
    closeOtherWindows();
    if (!isMinimized()) savePosition();
    event->accept();
}

void frmMain::closeOtherWindows() {
    // The dialogs, message boxes and other windows are children of this window, in the order
    // they were made.
    const QList<QWidget*> children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        QWidget* child = *it;
        if (!child->isWindow() || !child->isVisible()) continue;
        if (auto* dialog = qobject_cast<QDialog*>(child))
            dialog->reject();
        else
            child->close();
    }
}

unit_parameters::ParameterPanel frmMain::readPanel() const {
    return {.code = widgets::SelectedOption(optCode),
            .dir = widgets::SelectedOption(optDir),
            .strobeCycle = widgets::SelectedOption(optStrobeCycle),
            .sensorType = cmbSensorType->selectedIndex(),
            .phaseCountText = txtPhaseCount->text().toStdString(),
            .presetDataText = txtPresetData->text().toStdString()};
}

void frmMain::showPanel(const unit_parameters::ParameterPanel& panel) {
    widgets::SelectOption(optCode, panel.code);
    widgets::SelectOption(optDir, panel.dir);
    widgets::SelectOption(optStrobeCycle, panel.strobeCycle);
    txtPhaseCount->setText(QString::fromStdString(panel.phaseCountText));
    cmbSensorType->setSelectedIndex(panel.sensorType);
    txtPresetData->setText(QString::fromStdString(panel.presetDataText));
}

QLabel* frmMain::statusPanel(int n) const {
    return statusPanels_.at(n - 1);
}

void frmMain::enableUnitControls(bool enabled) {
    cmdLoad->setEnabled(enabled);
    cmdUpLoad->setEnabled(enabled);
    cmdComStart->setEnabled(enabled);
}

bool frmMain::inputEnabled() const {
    return inputGate_->isOpen();
}

void frmMain::setInputEnabled(bool enabled) {
    inputGate_->setOpen(enabled);
}

void frmMain::switchMonitorOff() {
    cmdComStart->setOn(false);
}

void frmMain::setStatusText(const std::string& text) {
    statusPanels_[1]->setText(QString::fromStdString(text));
}

void frmMain::showLinkFailure(unit_link::LinkOutcome) {
    // A click held back during a read that failed is dropped: the message and the switch
    // turned off come first, and the operator decides anew.
    inputGate_->dropHeld();
    closeWhenFree_ = false;
    unit_link::ShowLinkFailureBox(services_.messageBoxes, programTitle_);
}

bool frmMain::monitorSwitchOn() const {
    return cmdComStart->isOn();
}

void frmMain::showMonitorReading(const unit_link::MonitorReading& reading) {
    lblPositionHex->setText(QString::fromStdString(reading.positionHex));
    lblPositionDec->setText(QString::fromStdString(reading.positionDec));
    for (std::size_t i = 0; i < reading.unitLamps.size(); ++i)
        CWBtnUnitError[i]->setOn(reading.unitLamps[i]);
    for (std::size_t i = 0; i < reading.sensorLamps.size(); ++i)
        CWBtnSensorError[i]->setOn(reading.sensorLamps[i]);
}

void frmMain::focusPhaseCount() {
    txtPhaseCount->setFocus();
}

void frmMain::focusPresetData() {
    txtPresetData->setFocus();
}

void frmMain::mnuExit_Click() {
    close();
}

void frmMain::mnuComSetting_Click() {
    if (guard_.busy()) return;
    switchMonitorOff();
    dialogs::frmComSetting dialog(comPortSettings_, this);
    dialog.exec();
    enableUnitControls(comPortSettings_.ComFlag);
}

void frmMain::mnuAbout_Click() {
    if (guard_.busy()) return;
    switchMonitorOff();
    dialogs::frmAbout about(services_.identity, this);
    about.exec();
}

void frmMain::mnuTrend_Click() {
    // Opens a window beside this one: the monitor keeps running and nothing goes on the line.
    Q_EMIT trendRequested();
}

// The unit, file and monitor operations hook in below.

void frmMain::cmdLoad_Click() {
    operations_->Load();
}

void frmMain::cmdUpLoad_Click() {
    operations_->Upload();
}

void frmMain::cmdFileRead_Click() {
    operations_->FileRead();
}

void frmMain::cmdFileWrite_Click() {
    operations_->FileWrite();
}

void frmMain::Timer1_Timer() {
    operations_->Tick();
}

void frmMain::SSTab1_Click(int shownTab) {
    operations_->TabShown(shownTab);
}

}  // namespace main_window
