#include "main_window/load_upload.h"

#include "unit_link/unit_commands.h"

namespace main_window {

void FocusRejected(ParameterView& view, unit_parameters::PanelCheck check) {
    if (check == unit_parameters::PanelCheck::PhaseCountRejected)
        view.focusPhaseCount();
    else
        view.focusPresetData();
}

bool CheckPanelForLoad(const unit_parameters::ParameterPanel& panel, ParameterView& view,
                       platform::MessageBoxes& boxes, const std::string& programTitle) {
    const unit_parameters::PanelCheck check = unit_parameters::ValidateParameterPanel(panel);
    if (check == unit_parameters::PanelCheck::Accepted) return true;
    FocusRejected(view, check);
    boxes.show(programTitle, unit_parameters::RejectionText(check), platform::MessageIcon::Warning,
               platform::MessageButtons::Ok);
    return false;
}

void ParameterTransfer::Load() {
    runAlone(&ParameterTransfer::load);
}

void ParameterTransfer::LoadAsIs() {
    runAlone(&ParameterTransfer::send);
}

void ParameterTransfer::Upload() {
    runAlone(&ParameterTransfer::upload);
}

void ParameterTransfer::runAlone(void (ParameterTransfer::*operation)()) {
    if (link_.operationRunning()) return;
    const unit_link::OperationGuard::Hold hold(link_.guard());
    (this->*operation)();
}

void ParameterTransfer::showBox(const std::string& text, platform::MessageIcon icon) {
    boxes_.show(title_, text, icon, platform::MessageButtons::Ok);
}

void ParameterTransfer::load() {
    const unit_parameters::ParameterPanel panel = view_.readPanel();
    if (!CheckPanelForLoad(panel, view_, boxes_, title_)) return;
    unit_parameters::PanelToParameters(panel, record_);
    send();
}

void ParameterTransfer::send() {
    view_.setStatusText("Parameter Load Busy...Please Wait!");
    for (std::size_t i = 0; i < record_.size(); ++i) {
        link_.WriteWord(unit_link::ParameterBaseAddress + 2 * static_cast<int>(i), record_[i]);
        if (view_.linkFailed()) {
            view_.setStatusText("Load was Interrupted.");
            showBox("Load Error", platform::MessageIcon::Warning);
            return;
        }
    }
    link_.WriteWord(unit_link::ParameterStoreAddress, 1);
    if (view_.linkFailed()) {
        view_.setStatusText("Load was Interrupted.");
        showBox("Load Error", platform::MessageIcon::None);
        return;
    }
    view_.setStatusText("Load was Complated.");
    showBox("Load commparate.", platform::MessageIcon::None);
}

void ParameterTransfer::upload() {
    view_.setStatusText("Parameter Upload Busy...Please Wait!");
    link_.ReadBlock(unit_link::ParameterBaseAddress, record_,
                    static_cast<std::int16_t>(record_.size()));
    view_.setStatusText(view_.linkFailed() ? "Upload was Interrupted." : "Upload was Complated.");
    unit_parameters::ParameterPanel panel;
    unit_parameters::ParametersToPanel(record_, panel);
    view_.showPanel(panel);
}

}  // namespace main_window
