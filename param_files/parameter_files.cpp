#include "param_files/parameter_files.h"

#include "param_files/parameter_record_file.h"

namespace param_files {

namespace {

platform::FileDialogSettings dialogSettings(const ParameterFileServices& services) {
    return {"", "Parameter File(*.par)|*.par", services.parameterFolder};
}

void showFailure(const ParameterFileServices& services, const std::string& text) {
    services.boxes.show(services.programTitle + " Error!", text, platform::MessageIcon::Stop,
                        platform::MessageButtons::Ok);
}

}  // namespace

void WriteParameterFile(const unit_parameters::ParameterPanel& panel,
                        unit_parameters::UnitParameters& record,
                        const ParameterFileServices& services) {
    // The record follows the panel even when the operator cancels later.
    const bool converted = unit_parameters::PanelToParameters(panel, record);
    const platform::FileChoice choice = services.dialogs.save(dialogSettings(services));
    if (choice.cancelled) return;
    const auto answer = services.boxes.show(
        services.programTitle, "File Name : " + choice.name + "\r\nWrite The Parameter File?",
        platform::MessageIcon::Question, platform::MessageButtons::YesNo);
    if (answer != platform::MessageAnswer::Yes) return;
    if (!converted || !WriteParameterRecord(choice.path, record))
        showFailure(services, choice.path + " Can't Write Parameter File");
}

bool ReadParameterFile(unit_parameters::ParameterPanel& panel,
                       unit_parameters::UnitParameters& record,
                       const ParameterFileServices& services) {
    const platform::FileChoice choice = services.dialogs.open(dialogSettings(services));
    if (choice.cancelled) return false;
    const auto values = ReadParameterRecord(choice.path);
    if (!values) {
        showFailure(services, choice.path + " Can't Read Parameter File");
        return false;
    }
    record = *values;
    unit_parameters::ParametersToPanel(record, panel);
    return true;
}

}  // namespace param_files
