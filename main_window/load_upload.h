#pragma once

#include <string>

#include "platform/message_boxes.h"
#include "unit_link/unit_link.h"
#include "unit_parameters/unit_parameters.h"

namespace main_window {

// The part of the main window that "Data Load" and "Data UpLoad" read and drive.
class ParameterView {
  public:
    virtual ~ParameterView() = default;
    virtual unit_parameters::ParameterPanel readPanel() const = 0;
    virtual void showPanel(const unit_parameters::ParameterPanel& panel) = 0;
    virtual void focusPhaseCount() = 0;
    virtual void focusPresetData() = 0;
    virtual void setStatusText(const std::string& text) = 0;
    virtual bool linkFailed() const = 0;
};

// Moves the focus to the text box whose text `check` rejected.
void FocusRejected(ParameterView& view, unit_parameters::PanelCheck check);

// The Load's check of the panel's texts, phase count first. On a rejection the focus moves
// to the rejected text box, its warning is shown, and the answer is false.
bool CheckPanelForLoad(const unit_parameters::ParameterPanel& panel, ParameterView& view,
                       platform::MessageBoxes& boxes, const std::string& programTitle);

// Load and Upload of the parameter record. While one of them waits on the line the
// window keeps handling events; a second Load, Upload or file operation started then
// would interleave its exchange with the first one's. So each holds the link's
// operation guard for its whole run, and neither starts while the guard is held.
class ParameterTransfer {
  public:
    ParameterTransfer(unit_link::UnitLink& link, ParameterView& view, platform::MessageBoxes& boxes,
                      std::string programTitle, unit_parameters::UnitParameters& record)
        : link_(link),
          view_(view),
          boxes_(boxes),
          title_(std::move(programTitle)),
          record_(record) {}

    // An exchange is under way (this transfer's or another's): the guard is held.
    bool running() const { return link_.operationRunning(); }

    // "Data Load": checks the panel, then the seven parameter words and the store word.
    void Load();
    // The record's seven words as they stand, without the panel, then the store word.
    void LoadAsIs();
    // "Data UpLoad": the seven parameter words into the record, then onto the panel.
    void Upload();

  private:
    void load();
    void send();
    void upload();
    void showBox(const std::string& text, platform::MessageIcon icon);
    void runAlone(void (ParameterTransfer::*operation)());

    unit_link::UnitLink& link_;
    ParameterView& view_;
    platform::MessageBoxes& boxes_;
    std::string title_;
    unit_parameters::UnitParameters& record_;
};

}  // namespace main_window
