#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>

#include "dialogs/com_port_settings.h"
#include "platform/event_pump.h"
#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"
#include "platform/program_identity.h"
#include "platform/serial_port.h"
#include "platform/settings_store.h"
#include "platform/steady_clock.h"
#include "unit_link/link_window.h"
#include "unit_link/unit_link.h"
#include "unit_parameters/unit_parameters.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class QTimer;

namespace unit_link {
class MonitorListener;
struct MonitorReading;
}  // namespace unit_link

namespace widgets {
class InputGate;
class LatchingSwitch;
class LedLamp;
class SelectionComboBox;
}  // namespace widgets

namespace main_window {

class UnitOperations;

// The services the window works through; the program passes the Qt ones, tests the fakes.
struct MainWindowServices {
    platform::SettingsStore& settings;
    platform::MessageBoxes& messageBoxes;
    platform::SerialPort& serialPort;    // MSComm1
    platform::FileDialogs& fileDialogs;  // CommonDialog1
    platform::ProgramIdentity& identity;
    platform::SteadyClock& clock;
    platform::EventPump& eventPump;
};

// QM4417's main window.
//
// Naming: every widget is a private member named as in the layout, and its objectName() is the
// same name. A widget array is a std::array member addressed by index from 0; the objectName()
// of element i is the array's name, '_' and i (optCode_0, CWBtnSensorError_4). The status bar's
// panels, counted from 1, are StatusBar1_Panel1 and StatusBar1_Panel2 (statusPanel(n)).
// Code outside the window works through the views below; tests and tools that drive the window
// as a person would find its widgets by those names.
class frmMain : public QMainWindow, public unit_link::LinkWindow {
    Q_OBJECT
  public:
    explicit frmMain(const MainWindowServices& services, QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up, everything after the single-instance check, which the program makes before
    // the window exists. Call once, before showing the window.
    void Form_Load();

    // The parameter panel, read from and shown on the widgets.
    unit_parameters::ParameterPanel readPanel() const;
    void showPanel(const unit_parameters::ParameterPanel& panel);

    // Status bar panel n (1 or 2).
    QLabel* statusPanel(int n) const;
    // "Data Load", "Data UpLoad" and the Monitor switch share one enabled state.
    void enableUnitControls(bool enabled);
    bool inputEnabled() const;

    const std::string& parameterFolder() const { return parameterFolder_; }
    const std::string& programTitle() const { return programTitle_; }
    dialogs::ComPortSettings& comPortSettings() { return comPortSettings_; }
    // The link operations on MSComm1, reporting to this window.
    unit_link::UnitLink& link() { return link_; }
    const MainWindowServices& services() const { return services_; }

    // The record and the flag, read-only: only the window's operations change them.
    const unit_parameters::UnitParameters& unitParameters() const { return unitParameters_; }
    bool linkFailed() const { return LinkFailed; }

    // The link's view of the window.
    void setLinkFailed(bool failed) override { LinkFailed = failed; }
    void setInputEnabled(bool enabled) override;
    void switchMonitorOff() override;
    void setStatusText(const std::string& text) override;
    void showLinkFailure(unit_link::LinkOutcome cause) override;

    // The monitor's view: the switch, the two displays and the lamps.
    bool monitorSwitchOn() const;
    void showMonitorReading(const unit_link::MonitorReading& reading);
    // Who else follows the readings (none by default); it must outlive the window's ticks.
    void setMonitorListener(unit_link::MonitorListener* listener) { monitorListener_ = listener; }
    unit_link::MonitorListener* monitorListener() const { return monitorListener_; }
    // Where a rejected text sends the operator.
    void focusPhaseCount();
    void focusPresetData();

  Q_SIGNALS:
    // "Trend(&T)": the program opens the window that follows the readings; this one only asks.
    void trendRequested();

  protected:
    // Shutdown: the other windows closed, then the position saved unless minimised.
    void closeEvent(QCloseEvent* event) override;

  private slots:
    void mnuExit_Click();
    void mnuComSetting_Click();
    void mnuAbout_Click();
    void mnuTrend_Click();

    // Handlers of the unit, file and monitor operations.
    void cmdLoad_Click();
    void cmdUpLoad_Click();
    void cmdFileRead_Click();
    void cmdFileWrite_Click();
    void Timer1_Timer();
    void SSTab1_Click(int shownTab);

  private:
    // Creates every widget of the layout in its initial state (frm_main_layout.cpp).
    void buildLayout();
    void buildMenu();
    void buildMonitorTab();
    void buildParameterTab();
    void connectHandlers();
    void restorePosition();
    void savePosition();
    // The dialogs and any other window opened over this one, the most recent first.
    void closeOtherWindows();
    // A close that waited for the line to be free, unless a failed read dropped it.
    void closeAsked();

    MainWindowServices services_;
    unit_parameters::UnitParameters unitParameters_ = unit_parameters::DefaultParameters();
    bool LinkFailed = false;
    std::string programTitle_;
    dialogs::ComPortSettings comPortSettings_;
    // One exchange at a time: the link's operations, Load, Upload and the file operations
    // hold it; the tick, the menus and closing the window ask it.
    unit_link::OperationGuard guard_;
    // A close asked for while the guard was held, made once it is free.
    bool closeWhenFree_ = false;
    unit_link::UnitLink link_;
    std::string parameterFolder_;
    widgets::InputGate* inputGate_ = nullptr;
    std::array<QLabel*, 2> statusPanels_{};
    std::unique_ptr<UnitOperations> operations_;
    unit_link::MonitorListener* monitorListener_ = nullptr;

    QAction* mnuExit = nullptr;
    QAction* mnuComSetting = nullptr;
    QAction* mnuTrend = nullptr;
    QAction* mnuAbout = nullptr;

    QStatusBar* StatusBar1 = nullptr;
    QTabWidget* SSTab1 = nullptr;
    QTimer* Timer1 = nullptr;

    // Tab 0 "Monitor".
    QLabel* lblPositionT = nullptr;
    QLabel* lblPositionDec = nullptr;
    QLabel* lblDec = nullptr;
    QLabel* lblPositionHex = nullptr;
    QLabel* lblHex = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<widgets::LedLamp*, 3> CWBtnUnitError{};
    std::array<QLabel*, 3> lblUnitErrorTitle{};
    std::array<widgets::LedLamp*, 5> CWBtnSensorError{};
    std::array<QLabel*, 5> lblSensorErrorTitle{};
    widgets::LatchingSwitch* cmdComStart = nullptr;

    // Tab 1 "Parameter".
    QGroupBox* fraCode = nullptr;
    std::array<QRadioButton*, 2> optCode{};
    QGroupBox* fraDir = nullptr;
    std::array<QRadioButton*, 2> optDir{};
    QGroupBox* fraStrobeCycle = nullptr;
    std::array<QRadioButton*, 3> optStrobeCycle{};
    QLabel* lblSensorTypeTitle = nullptr;
    widgets::SelectionComboBox* cmbSensorType = nullptr;
    QLabel* lblPhaseCountTitle = nullptr;
    QLineEdit* txtPhaseCount = nullptr;
    QLabel* lblPhaseCountUnit = nullptr;
    QLabel* lblPresetDataTitle = nullptr;
    QLineEdit* txtPresetData = nullptr;
    QLabel* lblPresetDataUnit = nullptr;
    QPushButton* cmdFileRead = nullptr;
    QPushButton* cmdFileWrite = nullptr;
    QPushButton* cmdLoad = nullptr;
    QPushButton* cmdUpLoad = nullptr;
};

}  // namespace main_window
