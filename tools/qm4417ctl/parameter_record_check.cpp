#include "tools/qm4417ctl/parameter_record_check.h"

#include "main_window/load_upload.h"
#include "param_files/parameter_record_file.h"
#include "tools/qm4417ctl/console_parameter_view.h"

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

}  // namespace

std::vector<std::string> WhyPanelCannotShow(const UnitParameters& record) {
    std::vector<std::string> reasons;
    const std::int32_t high = record[unit_parameters::PresetDataHigh];
    const std::int32_t low = record[unit_parameters::PresetDataLow];
    // The panel keeps six hexadecimal digits and splits them again on Load.
    if (high < 0 || high > 0xFF || low < 0 || low > 0xFFFF)
        reasons.push_back("Preset Data is Over Flow");
    const std::int32_t sensor = record[unit_parameters::SensorType];
    if (sensor < 0 || sensor > 3)
        reasons.push_back("Sensor Type " + std::to_string(sensor) + " is outside 0 to 3");
    return reasons;
}

std::optional<UnitParameters> RecordToLoad(const std::string& path, platform::MessageBoxes& boxes,
                                           std::ostream& err) {
    auto record = param_files::ReadParameterWords(path);
    if (!record) {
        err << path << " Can't Read Parameter File\n";
        return std::nullopt;
    }
    // Refused rather than cut to what the panel shows.
    const auto reasons = WhyPanelCannotShow(*record);
    for (const std::string& reason : reasons)
        boxes.show(ProgramTitle, reason, platform::MessageIcon::Warning,
                   platform::MessageButtons::Ok);
    if (!reasons.empty()) return std::nullopt;
    unit_parameters::ParameterPanel panel;
    unit_parameters::ParametersToPanel(*record, panel);
    CheckOnlyView view;
    if (!main_window::CheckPanelForLoad(panel, view, boxes, ProgramTitle)) return std::nullopt;
    unit_parameters::PanelToParameters(panel, *record);
    return record;
}

}  // namespace qm4417ctl
