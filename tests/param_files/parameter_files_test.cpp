#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "param_files/parameter_files.h"
#include "platform/fakes/fake_file_dialogs.h"
#include "platform/fakes/fake_message_boxes.h"

using namespace param_files;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
using unit_parameters::UnitParameters;

namespace {

unit_parameters::ParameterPanel shown(const UnitParameters& record) {
    unit_parameters::ParameterPanel panel;
    unit_parameters::ParametersToPanel(record, panel);
    return panel;
}

std::string readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll().toStdString();
}

void writeBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

class ParameterFiles : public ::testing::Test {
  protected:
    std::string path(const char* name) const { return folder.filePath(name).toStdString(); }
    QStringList folderEntries() const { return QDir(folder.path()).entryList(QDir::Files); }
    void expectOneDialog(bool saving) const {
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].saving, saving);
        EXPECT_EQ(dialogs.shown[0].settings.filter, "Parameter File(*.par)|*.par");
        EXPECT_EQ(dialogs.shown[0].settings.initialFolder, "/opt/qm4417/Parameter");
        EXPECT_EQ(dialogs.shown[0].settings.fileName, "");
        EXPECT_EQ(dialogs.shown[0].settings.defaultExtension, "par");
    }

    QTemporaryDir folder;
    platform::FakeFileDialogs dialogs;
    platform::FakeMessageBoxes boxes;
    ParameterFileServices services{dialogs, boxes, "QM4417", "/opt/qm4417/Parameter"};
    UnitParameters record = unit_parameters::DefaultParameters();
    unit_parameters::ParameterPanel panel = shown(record);
};

TEST_F(ParameterFiles, WriteAfterStartUpGivesTheTwentyFourByteFile) {
    dialogs.choose(path("start.par"));
    WriteParameterFile(panel, record, services);

    expectOneDialog(true);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "QM4417");
    EXPECT_EQ(boxes.shown[0].text, "File Name : start.par\r\nWrite The Parameter File?");
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(readAll(folder.filePath("start.par")),
              std::string("0\r\n0\r\n2\r\n1000\r\n1\r\n0\r\n0\r\n"));
}

TEST_F(ParameterFiles, WriteTakesThePanelAndKeepsThePathAsChosen) {
    panel = {1, 1, 2, 2, "500", "123456"};
    dialogs.choose(path("noextension"));
    WriteParameterFile(panel, record, services);
    EXPECT_EQ(readAll(folder.filePath("noextension")),
              "1\r\n1\r\n10\r\n500\r\n3\r\n18\r\n13398\r\n");
    EXPECT_EQ(folderEntries(), QStringList{"noextension"});
}

TEST_F(ParameterFiles, CancelAndNoWriteNothingButTheRecordFollowsThePanel) {
    writeBytes(folder.filePath("old.par"), "old");
    panel = {1, 0, 1, 1, "7", "000001"};
    dialogs.cancel();
    WriteParameterFile(panel, record, services);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(record, (UnitParameters{1, 0, 5, 7, 2, 0, 1}));

    dialogs.choose(path("old.par"));
    boxes.answers.push_back(MessageAnswer::No);
    WriteParameterFile(panel, record, services);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(readAll(folder.filePath("old.par")), "old");
    EXPECT_EQ(folderEntries(), QStringList{"old.par"});
}

TEST_F(ParameterFiles, WriteRefusesWhatLoadRefusesWithLoadsWarningAndWritesNothing) {
    std::vector<unit_parameters::PanelCheck> focused;
    services.focusRejected = [&](unit_parameters::PanelCheck check) { focused.push_back(check); };
    using unit_parameters::PanelCheck;
    const struct {
        const char* phase;
        const char* preset;
        PanelCheck check;
        const char* warning;
    } refused[] = {
        {"abc", "000000", PanelCheck::PhaseCountRejected, "Phase Count is Over Flow"},
        {"2001", "000000", PanelCheck::PhaseCountRejected, "Phase Count is Over Flow"},
        {"4294967296", "000000", PanelCheck::PhaseCountRejected, "Phase Count is Over Flow"},
        {"1000", "XYZ", PanelCheck::PresetDataRejected, "Preset Data is Over Flow"},
        {"1000", "1000000", PanelCheck::PresetDataRejected, "Preset Data is Over Flow"},
    };
    for (const auto& [phase, preset, check, warning] : refused) {
        SCOPED_TRACE(std::string(phase) + " " + preset);
        boxes.shown.clear();
        focused.clear();
        panel.phaseCountText = phase;
        panel.presetDataText = preset;
        dialogs.choose(path("never.par"));
        WriteParameterFile(panel, record, services);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].title, "QM4417");
        EXPECT_EQ(boxes.shown[0].text, warning);
        EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Warning);
        EXPECT_EQ(focused, std::vector<PanelCheck>{check});
        EXPECT_TRUE(dialogs.shown.empty());
        dialogs.answers.clear();
        EXPECT_EQ(record, unit_parameters::DefaultParameters());
    }
    EXPECT_TRUE(folderEntries().isEmpty());

    // Load's rounding is kept: "1.500" is written as 2.
    panel.phaseCountText = "1.500";
    panel.presetDataText = "000000";
    dialogs.choose(path("rounded.par"));
    WriteParameterFile(panel, record, services);
    EXPECT_EQ(readAll(folder.filePath("rounded.par")), "0\r\n0\r\n2\r\n2\r\n1\r\n0\r\n0\r\n");
}

TEST_F(ParameterFiles, FailedWriteShowsTheBoxWithItsReasonAndKeepsTheOldFile) {
    writeBytes(folder.filePath("keep.par"), "previous");
    const auto expectFailureFor = [&](const std::string& target, const std::string& reason) {
        ASSERT_EQ(boxes.shown.size(), 2u);
        EXPECT_EQ(boxes.shown[1].title, "QM4417 Error!");
        EXPECT_EQ(boxes.shown[1].text, target + " Can't Write Parameter File");
        EXPECT_EQ(boxes.shown[1].icon, MessageIcon::Stop);
        EXPECT_EQ(boxes.shown[1].buttons, MessageButtons::Ok);
        EXPECT_EQ(boxes.shown[1].detail, reason);
        boxes.shown.clear();
    };

    dialogs.choose(path("missing-folder/new.par"));
    WriteParameterFile(panel, record, services);
    expectFailureFor(path("missing-folder/new.par"),
                     "The folder " + path("missing-folder") + " does not exist.");

    ASSERT_TRUE(QDir(folder.path()).mkdir("keep.dir"));
    dialogs.choose(path("keep.dir"));
    WriteParameterFile(panel, record, services);
    expectFailureFor(path("keep.dir"), "It is a folder, not a file.");

    EXPECT_EQ(readAll(folder.filePath("keep.par")), "previous");
    EXPECT_EQ(folderEntries(), QStringList{"keep.par"});
}

TEST_F(ParameterFiles, ReadShowsTheFileRecord) {
    writeBytes(folder.filePath("unit.par"), "1\r\n1\r\n10\r\n500\r\n3\r\n18\r\n13398\r\n");
    dialogs.choose(path("unit.par"));
    EXPECT_TRUE(ReadParameterFile(panel, record, services));
    expectOneDialog(false);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(record, (UnitParameters{1, 1, 10, 500, 3, 18, 13398}));
    EXPECT_EQ(panel, (unit_parameters::ParameterPanel{1, 1, 2, 2, "500", "123456"}));
}

TEST_F(ParameterFiles, ReadFailuresShowOneBoxAndChangeNothing) {
    record = {1, 0, 5, 7, 2, 0, 1};
    panel = {0, 1, 0, 0, "3", "ABC"};  // unconverted edits stay too
    const UnitParameters recordBefore = record;
    const unit_parameters::ParameterPanel panelBefore = panel;
    writeBytes(folder.filePath("short.par"), "0\r\n0\r\n2\r\n1000\r\n1\r\n0\r\n");
    writeBytes(folder.filePath("big.par"), "0\r\n0\r\n2\r\n4294967296\r\n1\r\n0\r\n0\r\n");
    writeBytes(folder.filePath("sensor.par"), "0\r\n0\r\n2\r\n1000\r\n4\r\n0\r\n0\r\n");
    writeBytes(folder.filePath("preset.par"), "0\r\n0\r\n2\r\n1000\r\n1\r\n32768\r\n0\r\n");
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.par"));

    writeBytes(folder.filePath("bom.par"),
               "\xEF\xBB\xBF"
               "0\r\n0\r\n2\r\n1000\r\n1\r\n0\r\n0\r\n");
    writeBytes(folder.filePath("text.par"), "0\r\n0\r\n2\r\nabc\r\n1\r\n0\r\n0\r\n");

    const std::pair<const char*, const char*> failures[] = {
        {"missing.par", "There is no such file."},
        {"short.par", "It holds 6 lines where 7 are needed."},
        {"big.par", "Line 4 is outside 32 bits: \"4294967296\"."},
        {"text.par", "Line 4 is not a whole decimal number: \"abc\"."},
        {"bom.par", "It starts with a byte-order mark; a parameter file is plain ASCII text."},
        {"sensor.par", "Line 5, the sensor type, is 4; the panel shows 0 to 3."},
        {"preset.par", "Lines 6 and 7, the preset (32768, 0), make more than 32 bits."},
        {"folder.par", "It is a folder, not a file."},
    };
    for (const auto& [name, reason] : failures) {
        SCOPED_TRACE(name);
        boxes.shown.clear();
        dialogs.choose(path(name));
        EXPECT_FALSE(ReadParameterFile(panel, record, services));
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].title, "QM4417 Error!");
        EXPECT_EQ(boxes.shown[0].text, path(name) + " Can't Read Parameter File");
        EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Stop);
        EXPECT_EQ(boxes.shown[0].detail, reason);
        EXPECT_EQ(record, recordBefore);
        EXPECT_EQ(panel, panelBefore);
    }
}

TEST_F(ParameterFiles, CancelledReadChangesNothing) {
    const UnitParameters recordBefore = record;
    const unit_parameters::ParameterPanel panelBefore = panel;
    dialogs.cancel();
    EXPECT_FALSE(ReadParameterFile(panel, record, services));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(record, recordBefore);
    EXPECT_EQ(panel, panelBefore);
}

}  // namespace
