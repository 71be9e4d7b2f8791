#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace unit_parameters {

// Field indices of UnitParameters; also the order of the words in the unit and of the lines
// of a parameter file.
enum ParameterField : std::size_t {
    Code = 0,
    Dir,
    StrobeCycle,
    PhaseCount,
    SensorType,
    PresetDataHigh,
    PresetDataLow,
    ParameterFieldCount
};

// The unit's seven setup parameters. Any 32-bit value may stand in any field: the record is
// filled unchecked from the unit and from files.
using UnitParameters = std::array<std::int32_t, ParameterFieldCount>;

// The field's name as the record calls it ("StrobeCycle").
std::string_view FieldName(ParameterField field);

// Code PB, Dir CCW, strobe 2 ms, phase count 1000, sensor SEMI-ABSOLUTE (1X), preset 0.
UnitParameters DefaultParameters();

// What the parameter panel shows, independent of the widgets. An index of -1 means that no
// option of the group (or no entry of the sensor-type list) is selected.
struct ParameterPanel {
    int code = -1;         // optCode: 0 "PB", 1 "GRAY"
    int dir = -1;          // optDir: 0 "CCW", 1 "CW"
    int strobeCycle = -1;  // optStrobeCycle: 0 "2 ms", 1 "5 ms", 2 "10 ms"
    int sensorType = -1;   // cmbSensorType entry 0..2
    std::string phaseCountText = "1000";
    std::string presetDataText = "000000";

    bool operator==(const ParameterPanel&) const = default;
};

// Reads the panel into `record`. Returns false, leaving `record` untouched, when a text has no
// defined value: a phase count whose rounded value does not fit 32 bits, or a preset text that
// is not a hexadecimal number of at most 32 bits. After ValidateParameterPanel accepted the panel
// it always succeeds.
bool PanelToParameters(const ParameterPanel& panel, UnitParameters& record);

// Shows `record` on the panel. Never fails: a sensor type outside 0..3 selects no entry, and the
// preset is summed in 64 bits so that halves beyond the 24-bit range still show their low six
// hexadecimal digits.
void ParametersToPanel(const UnitParameters& record, ParameterPanel& panel);

// Whether `record` lies inside what the panel can show faithfully: a sensor type of 0 to 3 and
// preset halves whose sum fits a signed 32-bit integer.
bool ParametersFitPanel(const UnitParameters& record);
// The first field that keeps `record` from fitting the panel: SensorType, or PresetDataHigh
// for the two preset halves; nothing when it fits.
std::optional<ParameterField> FieldPanelCannotShow(const UnitParameters& record);

// Every field whose value lies outside the parameter table (Code and Dir 0 or 1, StrobeCycle
// 2, 5 or 10, PhaseCount 0 to 2000, SensorType 0 to 3, a preset 0 to FFFFFF), one text a
// field naming it and its value: "StrobeCycle 99 is not 2, 5 or 10".
std::vector<std::string> FieldsOutsideTable(const UnitParameters& record);

enum class PanelCheck { Accepted, PhaseCountRejected, PresetDataRejected };

bool PhaseCountAccepted(const std::string& text);
bool PresetDataAccepted(const std::string& text);

// Phase count first, then preset data; the first rejection ends the checks.
PanelCheck ValidateParameterPanel(const ParameterPanel& panel);

// The warning a rejection shows: "Phase Count is Over Flow", "Preset Data is Over Flow".
std::string RejectionText(PanelCheck check);

}  // namespace unit_parameters
