#include "unit_parameters/unit_parameters.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>

#include "unit_parameters/number_text.h"

namespace unit_parameters {

namespace {

constexpr std::array<std::int32_t, 3> kStrobeCycles = {2, 5, 10};
constexpr int kSensorTypeEntries = 3;
constexpr std::int32_t kMaxPhaseCount = 2000;
constexpr std::uint32_t kMaxPresetData = 0xFFFFFF;

std::optional<std::int32_t> ToInt32(double value) {
    if (!(value >= std::numeric_limits<std::int32_t>::min() &&
          value <= std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

// Computed in 64 bits so that any pair of halves has a defined sum.
std::int64_t PresetSum(const UnitParameters& record) {
    return std::int64_t{record[PresetDataHigh]} * 65536 + std::int64_t{record[PresetDataLow]};
}

std::string PresetText(const UnitParameters& record) {
    const std::int64_t preset = PresetSum(record);
    char text[16];
    std::snprintf(text, sizeof text, "%06llX",
                  static_cast<unsigned long long>(preset) & kMaxPresetData);
    return text;
}

}  // namespace

std::string_view FieldName(ParameterField field) {
    static constexpr std::array<std::string_view, ParameterFieldCount> Names = {
        "Code",           "Dir",          "StrobeCycle", "PhaseCount", "SensorType",
        "PresetDataHigh", "PresetDataLow"};
    return Names.at(field);
}

UnitParameters DefaultParameters() {
    return {0, 0, 2, 1000, 1, 0, 0};
}

bool PanelToParameters(const ParameterPanel& panel, UnitParameters& record) {
    const auto phaseCount = ToInt32(RoundHalfToEven(ReadLeadingDecimal(panel.phaseCountText)));
    const auto preset = ReadHex32(panel.presetDataText);
    if (!phaseCount || !preset) return false;

    record[Code] = panel.code == 0 ? 0 : 1;
    record[Dir] = panel.dir == 0 ? 0 : 1;
    if (panel.strobeCycle >= 0 && panel.strobeCycle < static_cast<int>(kStrobeCycles.size())) {
        record[StrobeCycle] = kStrobeCycles[panel.strobeCycle];
    }
    record[PhaseCount] = *phaseCount;
    record[SensorType] =
        panel.sensorType >= 0 && panel.sensorType < kSensorTypeEntries ? panel.sensorType + 1 : 0;
    record[PresetDataHigh] = static_cast<std::int32_t>((*preset >> 16) & 0xFFFF);
    record[PresetDataLow] = static_cast<std::int32_t>(*preset & 0xFFFF);
    return true;
}

void ParametersToPanel(const UnitParameters& record, ParameterPanel& panel) {
    panel.code = record[Code] != 0 ? 1 : 0;
    panel.dir = record[Dir] != 0 ? 1 : 0;
    panel.strobeCycle = -1;
    for (std::size_t i = 0; i < kStrobeCycles.size(); ++i) {
        if (record[StrobeCycle] == kStrobeCycles[i]) panel.strobeCycle = static_cast<int>(i);
    }
    panel.phaseCountText = std::to_string(record[PhaseCount]);
    const std::int32_t sensor = record[SensorType];
    panel.sensorType = sensor >= 1 && sensor <= kSensorTypeEntries ? sensor - 1 : -1;
    panel.presetDataText = PresetText(record);
}

bool ParametersFitPanel(const UnitParameters& record) {
    return !FieldPanelCannotShow(record);
}

std::optional<ParameterField> FieldPanelCannotShow(const UnitParameters& record) {
    if (record[SensorType] < 0 || record[SensorType] > kSensorTypeEntries) return SensorType;
    const std::int64_t preset = PresetSum(record);
    if (preset < std::numeric_limits<std::int32_t>::min() ||
        preset > std::numeric_limits<std::int32_t>::max())
        return PresetDataHigh;
    return std::nullopt;
}

std::vector<std::string> FieldsOutsideTable(const UnitParameters& record) {
    std::vector<std::string> outside;
    const auto check = [&](ParameterField field, bool inside, const char* allowed) {
        if (!inside)
            outside.push_back(std::string(FieldName(field)) + " " + std::to_string(record[field]) +
                              " is " + allowed);
    };
    const auto within = [&](ParameterField field, std::int32_t low, std::int32_t high) {
        return record[field] >= low && record[field] <= high;
    };
    check(Code, within(Code, 0, 1), "not 0 or 1");
    check(Dir, within(Dir, 0, 1), "not 0 or 1");
    check(StrobeCycle,
          std::find(kStrobeCycles.begin(), kStrobeCycles.end(), record[StrobeCycle]) !=
              kStrobeCycles.end(),
          "not 2, 5 or 10");
    check(PhaseCount, within(PhaseCount, 0, kMaxPhaseCount), "outside 0 to 2000");
    check(SensorType, within(SensorType, 0, kSensorTypeEntries), "outside 0 to 3");
    // The halves of a preset 0 to FFFFFF.
    check(PresetDataHigh, within(PresetDataHigh, 0, 0xFF), "outside 0 to 255");
    check(PresetDataLow, within(PresetDataLow, 0, 0xFFFF), "outside 0 to 65535");
    return outside;
}

bool PhaseCountAccepted(const std::string& text) {
    const auto value = ReadStrictDecimal(text);
    if (!value) return false;
    const double rounded = RoundHalfToEven(*value);
    return rounded >= 0 && rounded <= kMaxPhaseCount;
}

bool PresetDataAccepted(const std::string& text) {
    const auto value = ReadHex32(text);
    return value && *value <= kMaxPresetData;
}

PanelCheck ValidateParameterPanel(const ParameterPanel& panel) {
    if (!PhaseCountAccepted(panel.phaseCountText)) return PanelCheck::PhaseCountRejected;
    if (!PresetDataAccepted(panel.presetDataText)) return PanelCheck::PresetDataRejected;
    return PanelCheck::Accepted;
}

std::string RejectionText(PanelCheck check) {
    switch (check) {
        case PanelCheck::PhaseCountRejected:
            return "Phase Count is Over Flow";
        case PanelCheck::PresetDataRejected:
            return "Preset Data is Over Flow";
        case PanelCheck::Accepted:
            break;
    }
    return {};
}

}  // namespace unit_parameters
