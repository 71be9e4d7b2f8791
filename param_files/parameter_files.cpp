#include "param_files/parameter_files.h"

#include "param_files/parameter_file_failure.h"
#include "param_files/parameter_record_file.h"

namespace param_files {

namespace {

platform::FileDialogSettings dialogSettings(const ParameterFileServices& services) {
    // A name typed without an extension gets ".par", so File Read's filter shows it.
    return {.filter = "Parameter File(*.par)|*.par",
            .initialFolder = services.parameterFolder,
            .defaultExtension = "par"};
}

// Load's check of the panel's texts, with its warnings: no file gets a value the operator
// did not type.
bool panelAccepted(const unit_parameters::ParameterPanel& panel,
                   const ParameterFileServices& services) {
    const unit_parameters::PanelCheck check = unit_parameters::ValidateParameterPanel(panel);
    if (check == unit_parameters::PanelCheck::Accepted) return true;
    if (services.focusRejected) services.focusRejected(check);
    services.boxes.show(services.programTitle, unit_parameters::RejectionText(check),
                        platform::MessageIcon::Warning, platform::MessageButtons::Ok);
    return false;
}

}  // namespace

void WriteParameterFile(const unit_parameters::ParameterPanel& panel,
                        unit_parameters::UnitParameters& record,
                        const ParameterFileServices& services) {
    if (!panelAccepted(panel, services)) return;
    // The record follows the panel even when the operator cancels later. The checks passed,
    // so the conversion succeeds.
    unit_parameters::PanelToParameters(panel, record);
    const platform::FileChoice choice = services.dialogs.save(dialogSettings(services));
    if (choice.cancelled) return;
    const auto answer = services.boxes.show(
        services.programTitle, "File Name : " + choice.name + "\r\nWrite The Parameter File?",
        platform::MessageIcon::Question, platform::MessageButtons::YesNo);
    if (answer != platform::MessageAnswer::Yes) return;
    const std::string reason = WriteParameterRecord(choice.path, record);
    if (!reason.empty())
        ShowWriteFailure(services.boxes, services.programTitle, choice.path, reason);
}

bool ReadParameterFile(unit_parameters::ParameterPanel& panel,
                       unit_parameters::UnitParameters& record,
                       const ParameterFileServices& services) {
    const platform::FileChoice choice = services.dialogs.open(dialogSettings(services));
    if (choice.cancelled) return false;
    const RecordRead read = ReadParameterRecord(choice.path);
    if (!read.record) {
        ShowReadFailure(services.boxes, services.programTitle, choice.path, read.reason);
        return false;
    }
    record = *read.record;
    unit_parameters::ParametersToPanel(record, panel);
    return true;
}

}  // namespace param_files
