#pragma once

#include "main_window/load_upload.h"
#include "param_files/parameter_files.h"
#include "unit_link/position_monitor.h"

namespace main_window {

class frmMain;

// What frmMain's unit, file and monitor handlers run on the window's link and widgets: the
// monitor, Load and Upload, and the parameter files.
class UnitOperations : public unit_link::MonitorView, public ParameterView {
  public:
    // `record` is the window's UnitParameters, which Load, Upload and the files change.
    UnitOperations(frmMain& window, unit_parameters::UnitParameters& record);

    void Load();
    void Upload();
    void FileRead();
    void FileWrite();
    void Tick();
    void TabShown(int tab);

    // unit_link::MonitorView
    bool monitorSwitchOn() const override;
    void switchMonitorOff() override;
    bool linkFailed() const override;
    void showMonitorReading(const unit_link::MonitorReading& reading) override;
    // ParameterView
    unit_parameters::ParameterPanel readPanel() const override;
    void showPanel(const unit_parameters::ParameterPanel& panel) override;
    void focusPhaseCount() override;
    void focusPresetData() override;
    void setStatusText(const std::string& text) override;

  private:
    param_files::ParameterFileServices fileServices();
    // Runs a file operation unless an exchange is under way, holding the guard meanwhile.
    template <typename Operation>
    void runAlone(Operation operation);

    frmMain& window_;
    unit_parameters::UnitParameters& record_;
    ParameterTransfer transfer_;
};

}  // namespace main_window
