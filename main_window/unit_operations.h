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
    explicit UnitOperations(frmMain& window);

    // A link operation, a Load or an Upload is under way: nothing else may start, since
    // its exchange would mix with the running one's on the line.
    bool busy() const;

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
    ParameterPanel readPanel() const override;
    void showPanel(const ParameterPanel& panel) override;
    void focusPhaseCount() override;
    void focusPresetData() override;
    void setStatusText(const std::string& text) override;

  private:
    param_files::ParameterFileServices fileServices() const;

    frmMain& window_;
    ParameterTransfer transfer_;
};

}  // namespace main_window
