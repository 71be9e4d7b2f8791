#include "tools/qm4417ctl/parameter_record_check.h"

#include "main_window/load_upload.h"
#include "param_files/parameter_file_failure.h"
#include "param_files/parameter_record_file.h"
#include "tools/qm4417ctl/console_parameter_view.h"
#include "tools/qm4417ctl/ctl_arguments.h"

namespace qm4417ctl {

namespace {

using unit_parameters::UnitParameters;

// The panel's focus moves have no object here.
class CheckOnlyView : public main_window::ParameterView {
  public:
    unit_parameters::ParameterPanel readPanel() const override { return {}; }
    void showPanel(const unit_parameters::ParameterPanel&) override {}
    void focusPhaseCount() override {}
    void focusPresetData() override {}
    void setStatusText(const std::string&) override {}
    bool linkFailed() const override { return false; }
};

// A word travels as its low 16 bits: a field beyond them would arrive as another value.
std::vector<std::string> FieldsBeyondWords(const UnitParameters& record) {
    std::vector<std::string> beyond;
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (record[i] >= -32768 && record[i] <= 0xFFFF) continue;
        beyond.push_back(std::string(unit_parameters::FieldName(
                             static_cast<unit_parameters::ParameterField>(i))) +
                         " " + std::to_string(record[i]) + " is not a 16-bit word");
    }
    return beyond;
}

}  // namespace

std::optional<UnitParameters> RecordToLoad(const std::string& path, LoadForm form,
                                           platform::MessageBoxes& boxes) {
    const param_files::RecordRead read = param_files::ReadParameterWords(path);
    if (!read.record) {
        param_files::ShowReadFailure(boxes, ProgramTitle, path, read.reason);
        return std::nullopt;
    }
    UnitParameters record = *read.record;
    // Refused rather than cut to what the panel shows or to 16 bits.
    const auto refusals = form == LoadForm::Raw ? FieldsBeyondWords(record)
                                                : unit_parameters::FieldsOutsideTable(record);
    for (const std::string& refusal : refusals)
        boxes.show(ProgramTitle, refusal, platform::MessageIcon::Warning,
                   platform::MessageButtons::Ok);
    if (!refusals.empty()) return std::nullopt;
    if (form == LoadForm::Raw) return record;
    unit_parameters::ParameterPanel panel;
    unit_parameters::ParametersToPanel(record, panel);
    CheckOnlyView view;
    if (!main_window::CheckPanelForLoad(panel, view, boxes, ProgramTitle)) return std::nullopt;
    unit_parameters::PanelToParameters(panel, record);
    return record;
}

LoadArguments ParseLoadArguments(const std::vector<std::string>& arguments,
                                 const std::string& command) {
    const std::string usage = command + " [--raw] FILE.par";
    const bool raw = !arguments.empty() && arguments[0] == "--raw";
    const std::vector<std::string> files(arguments.begin() + (raw ? 1 : 0), arguments.end());
    ExpectArgumentCount(files, 1, usage);
    return {raw ? LoadForm::Raw : LoadForm::Checked, files[0]};
}

}  // namespace qm4417ctl
