#include "main_window/unit_operations.h"

#include "main_window/frm_main.h"

namespace main_window {

namespace {

constexpr int ParameterTab = 1;

}  // namespace

UnitOperations::UnitOperations(frmMain& window, unit_parameters::UnitParameters& record)
    : window_(window),
      record_(record),
      transfer_(window.link(), *this, window.services().messageBoxes, window.programTitle(),
                record) {}

template <typename Operation>
void UnitOperations::runAlone(Operation operation) {
    unit_link::UnitLink& link = window_.link();
    if (link.operationRunning()) return;
    const unit_link::OperationGuard::Hold hold(link.guard());
    operation();
}

void UnitOperations::Load() {
    transfer_.Load();
}

void UnitOperations::Upload() {
    transfer_.Upload();
}

void UnitOperations::FileRead() {
    runAlone([this] {
        unit_parameters::ParameterPanel panel = readPanel();
        if (param_files::ReadParameterFile(panel, record_, fileServices())) showPanel(panel);
    });
}

void UnitOperations::FileWrite() {
    runAlone([this] { param_files::WriteParameterFile(readPanel(), record_, fileServices()); });
}

void UnitOperations::Tick() {
    // The monitor asks the guard itself.
    unit_link::MonitorTick(window_.link(), *this, window_.monitorListener());
}

void UnitOperations::TabShown(int tab) {
    if (tab == ParameterTab)
        switchMonitorOff();
    else
        setStatusText("");
}

param_files::ParameterFileServices UnitOperations::fileServices() {
    const MainWindowServices& services = window_.services();
    return {services.fileDialogs, services.messageBoxes, window_.programTitle(),
            window_.parameterFolder(),
            [this](unit_parameters::PanelCheck check) { FocusRejected(*this, check); }};
}

bool UnitOperations::monitorSwitchOn() const {
    return window_.monitorSwitchOn();
}

void UnitOperations::switchMonitorOff() {
    window_.switchMonitorOff();
}

bool UnitOperations::linkFailed() const {
    return window_.linkFailed();
}

void UnitOperations::showMonitorReading(const unit_link::MonitorReading& reading) {
    window_.showMonitorReading(reading);
}

unit_parameters::ParameterPanel UnitOperations::readPanel() const {
    return window_.readPanel();
}

void UnitOperations::showPanel(const unit_parameters::ParameterPanel& panel) {
    window_.showPanel(panel);
}

void UnitOperations::focusPhaseCount() {
    window_.focusPhaseCount();
}

void UnitOperations::focusPresetData() {
    window_.focusPresetData();
}

void UnitOperations::setStatusText(const std::string& text) {
    window_.setStatusText(text);
}

}  // namespace main_window
