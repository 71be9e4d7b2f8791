#include "unit_parameters/unit_parameters.h"

#include <gtest/gtest.h>

namespace unit_parameters {
namespace {

ParameterPanel ShownPanel(const UnitParameters& record) {
    ParameterPanel panel;
    ParametersToPanel(record, panel);
    return panel;
}

TEST(ParametersToPanel, DefaultsShowPbCcw2msSemiAbsolute) {
    const ParameterPanel panel = ShownPanel(DefaultParameters());
    EXPECT_EQ(panel, (ParameterPanel{.code = 0,
                                     .dir = 0,
                                     .strobeCycle = 0,
                                     .sensorType = 0,
                                     .phaseCountText = "1000",
                                     .presetDataText = "000000"}));
}

TEST(ParametersToPanel, ShowsEveryFieldOfAnUploadedRecord) {
    const ParameterPanel panel = ShownPanel({1, 1, 10, 500, 3, 0x01, 0x2345});
    EXPECT_EQ(panel, (ParameterPanel{.code = 1,
                                     .dir = 1,
                                     .strobeCycle = 2,
                                     .sensorType = 2,
                                     .phaseCountText = "500",
                                     .presetDataText = "012345"}));
    EXPECT_EQ(ShownPanel({0, 0, 5, -7, 2, 0x12, 0x3456}).presetDataText, "123456");
    EXPECT_EQ(ShownPanel({0, 0, 5, -7, 2, 0x12, 0x3456}).phaseCountText, "-7");
    EXPECT_EQ(ShownPanel({0, 0, 5, -7, 2, 0x12, 0x3456}).strobeCycle, 1);
    EXPECT_EQ(ShownPanel({5, -1, 2, 0, 1, 0, 0}).code, 1);
    EXPECT_EQ(ShownPanel({5, -1, 2, 0, 1, 0, 0}).dir, 1);
}

TEST(ParametersToPanel, OutOfRangeRecordsShowWithoutFailing) {
    // A preset above 24 bits shows its low six digits.
    EXPECT_EQ(ShownPanel({0, 0, 2, 0, 1, 0x1FF, 0xFFFF}).presetDataText, "FFFFFF");
    // Halves whose sum overflows 32 bits are summed in 64 bits.
    EXPECT_EQ(ShownPanel({0, 0, 2, 0, 1, 0x7FFFFFFF, 0xFFFF}).presetDataText, "FFFFFF");
    EXPECT_EQ(ShownPanel({0, 0, 2, 0, 1, 0x10000, 0x123}).presetDataText, "000123");
    // A negative sum shows the low six digits of its two's complement.
    EXPECT_EQ(ShownPanel({0, 0, 2, 0, 1, -1, 0}).presetDataText, "FF0000");
    EXPECT_EQ(ShownPanel({0, 0, 2, 0, 0, 0, 0}).sensorType, -1);
    EXPECT_EQ(ShownPanel({0, 0, 2, 0, 4, 0, 0}).sensorType, -1);
    EXPECT_EQ(ShownPanel({0, 0, 2, 0, -1, 0, 0}).sensorType, -1);
    EXPECT_EQ(ShownPanel({0, 0, 2, INT32_MIN, 1, 0, 0}).phaseCountText, "-2147483648");
}

TEST(ParametersFitPanel, FlagsSensorTypeAndPresetOverflow) {
    EXPECT_TRUE(ParametersFitPanel(DefaultParameters()));
    EXPECT_TRUE(ParametersFitPanel({0, 0, 7, 0, 0, 0x7FFF, 0xFFFF}));
    EXPECT_FALSE(ParametersFitPanel({0, 0, 2, 0, 4, 0, 0}));
    EXPECT_FALSE(ParametersFitPanel({0, 0, 2, 0, -1, 0, 0}));
    EXPECT_FALSE(ParametersFitPanel({0, 0, 2, 0, 1, 0x8000, 0}));
}

TEST(PanelToParameters, ReadsEveryControl) {
    UnitParameters record = DefaultParameters();
    const ParameterPanel panel{.code = 1,
                               .dir = 1,
                               .strobeCycle = 2,
                               .sensorType = 2,
                               .phaseCountText = "500",
                               .presetDataText = "123456"};
    ASSERT_TRUE(PanelToParameters(panel, record));
    EXPECT_EQ(record, (UnitParameters{1, 1, 10, 500, 3, 18, 13398}));
}

TEST(PanelToParameters, PresetTextSplitsIntoHalves) {
    UnitParameters record = DefaultParameters();
    ParameterPanel panel = ShownPanel(record);
    panel.presetDataText = "ABC";
    ASSERT_TRUE(PanelToParameters(panel, record));
    EXPECT_EQ(record[PresetDataHigh], 0);
    EXPECT_EQ(record[PresetDataLow], 0x0ABC);
    EXPECT_EQ(ShownPanel(record).presetDataText, "000ABC");

    panel.presetDataText = "ffffff";
    ASSERT_TRUE(PanelToParameters(panel, record));
    EXPECT_EQ(record[PresetDataHigh], 0xFF);
    EXPECT_EQ(record[PresetDataLow], 0xFFFF);

    panel.presetDataText = "FFFFFFFF";
    ASSERT_TRUE(PanelToParameters(panel, record));
    EXPECT_EQ(record[PresetDataHigh], 0xFFFF);
    EXPECT_EQ(record[PresetDataLow], 0xFFFF);
}

TEST(PanelToParameters, PhaseCountRoundsHalvesToEven) {
    UnitParameters record = DefaultParameters();
    ParameterPanel panel = ShownPanel(record);
    const std::pair<const char*, int> cases[] = {
        {"2000", 2000}, {"2000.4", 2000}, {"2000.5", 2000}, {"2001", 2001}, {"-1", -1},
        {"", 0},        {"1.5", 2},       {"2.5", 2},       {" 12abc", 12}, {"abc", 0}};
    for (const auto& [text, expected] : cases) {
        panel.phaseCountText = text;
        ASSERT_TRUE(PanelToParameters(panel, record)) << text;
        EXPECT_EQ(record[PhaseCount], expected) << text;
    }
}

TEST(PanelToParameters, UndefinedTextsLeaveTheRecordUntouched) {
    const UnitParameters before{1, 1, 5, 777, 2, 3, 4};
    UnitParameters record = before;
    ParameterPanel panel = ShownPanel(DefaultParameters());
    panel.phaseCountText = "3000000000";
    EXPECT_FALSE(PanelToParameters(panel, record));
    EXPECT_EQ(record, before);

    panel = ShownPanel(DefaultParameters());
    for (const char* preset : {"", "12G", "100000000", " 1"}) {
        panel.presetDataText = preset;
        EXPECT_FALSE(PanelToParameters(panel, record)) << preset;
        EXPECT_EQ(record, before) << preset;
    }
}

TEST(PanelToParameters, NoSelectionRules) {
    // No strobe option keeps the field; no sensor entry gives 0; no code or dir option gives 1.
    UnitParameters record{0, 0, 7, 1000, 0, 0, 0};
    const ParameterPanel panel = ShownPanel(record);
    EXPECT_EQ(panel.strobeCycle, -1);
    EXPECT_EQ(panel.sensorType, -1);
    ASSERT_TRUE(PanelToParameters(panel, record));
    EXPECT_EQ(record[StrobeCycle], 7);
    EXPECT_EQ(record[SensorType], 0);

    ParameterPanel nothingSelected;
    ASSERT_TRUE(PanelToParameters(nothingSelected, record));
    EXPECT_EQ(record[Code], 1);
    EXPECT_EQ(record[Dir], 1);
    EXPECT_EQ(record[StrobeCycle], 7);
}

TEST(ValidateParameterPanel, PhaseCountEdges) {
    for (const char* accepted : {"2000", "2000.4", "2000.5", "0", " 1000 ", "-0.4", "+12"}) {
        EXPECT_TRUE(PhaseCountAccepted(accepted)) << accepted;
    }
    for (const char* rejected : {"2001", "2000.6", "-1", "-0.6", "", " ", "12a", "1e3", "abc"}) {
        EXPECT_FALSE(PhaseCountAccepted(rejected)) << rejected;
    }
}

TEST(ValidateParameterPanel, PresetDataEdges) {
    for (const char* accepted : {"0", "000000", "ABC", "abc", "FFFFFF", "00FFFFFF"}) {
        EXPECT_TRUE(PresetDataAccepted(accepted)) << accepted;
    }
    for (const char* rejected : {"1000000", "", " 1", "1 ", "G", "-1", "FFFFFFFFF"}) {
        EXPECT_FALSE(PresetDataAccepted(rejected)) << rejected;
    }
}

TEST(ValidateParameterPanel, PhaseCountIsCheckedFirst) {
    ParameterPanel panel = ShownPanel(DefaultParameters());
    EXPECT_EQ(ValidateParameterPanel(panel), PanelCheck::Accepted);
    panel.presetDataText = "1000000";
    EXPECT_EQ(ValidateParameterPanel(panel), PanelCheck::PresetDataRejected);
    panel.phaseCountText = "2001";
    EXPECT_EQ(ValidateParameterPanel(panel), PanelCheck::PhaseCountRejected);
}

TEST(FieldsOutsideTable, NameEachFieldBeyondItsBoundsWithItsValue) {
    EXPECT_TRUE(FieldsOutsideTable({1, 1, 10, 2000, 3, 0xFF, 0xFFFF}).empty());
    EXPECT_TRUE(FieldsOutsideTable({0, 0, 5, 0, 0, 0, 0}).empty());
    EXPECT_EQ(FieldsOutsideTable({0, 0, 7, 2001, 4, 0, 0x10000}),
              (std::vector<std::string>{
                  "StrobeCycle 7 is not 2, 5 or 10", "PhaseCount 2001 is outside 0 to 2000",
                  "SensorType 4 is outside 0 to 3", "PresetDataLow 65536 is outside 0 to 65535"}));
    EXPECT_EQ(FieldsOutsideTable({-1, 0, 2, 1000, -1, 0x100, 0}),
              (std::vector<std::string>{"Code -1 is not 0 or 1", "SensorType -1 is outside 0 to 3",
                                        "PresetDataHigh 256 is outside 0 to 255"}));
}

}  // namespace
}  // namespace unit_parameters
