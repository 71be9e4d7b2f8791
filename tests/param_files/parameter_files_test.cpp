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

namespace {

// Record and panel kept apart, as in the window: the panel changes the record only
// through PanelToParameters.
class FakePanel : public ParameterPanelAccess {
  public:
    bool PanelToParameters() override {
        ++conversions;
        if (!convertible) return false;
        record = panel;
        return true;
    }
    bool ShowParameters(const ParameterValues& values) override {
        if (!showable) return false;
        record = panel = values;
        return true;
    }
    ParameterValues Parameters() const override { return record; }

    ParameterValues record{0, 0, 2, 1000, 1, 0, 0};
    ParameterValues panel = record;
    bool convertible = true;
    bool showable = true;
    int conversions = 0;
};

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
    }

    QTemporaryDir folder;
    platform::FakeFileDialogs dialogs;
    platform::FakeMessageBoxes boxes;
    ParameterFileServices services{dialogs, boxes, "QM4417", "/opt/qm4417/Parameter"};
    FakePanel panel;
};

TEST_F(ParameterFiles, WriteAfterStartUpGivesTheTwentyFourByteFile) {
    dialogs.choose(path("start.par"));
    WriteParameterFile(panel, services);

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
    panel.panel = {1, 1, 10, 500, 3, 18, 13398};
    dialogs.choose(path("noextension"));
    WriteParameterFile(panel, services);
    EXPECT_EQ(readAll(folder.filePath("noextension")),
              "1\r\n1\r\n10\r\n500\r\n3\r\n18\r\n13398\r\n");
    EXPECT_EQ(folderEntries(), QStringList{"noextension"});
}

TEST_F(ParameterFiles, CancelAndNoWriteNothingButTheRecordFollowsThePanel) {
    writeBytes(folder.filePath("old.par"), "old");
    panel.panel = {1, 0, 5, 7, 2, 0, 1};
    dialogs.cancel();
    WriteParameterFile(panel, services);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(panel.record, panel.panel);

    dialogs.choose(path("old.par"));
    boxes.answers.push_back(MessageAnswer::No);
    WriteParameterFile(panel, services);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(readAll(folder.filePath("old.par")), "old");
    EXPECT_EQ(folderEntries(), QStringList{"old.par"});
}

TEST_F(ParameterFiles, FailedWriteShowsTheBoxAndKeepsTheOldFile) {
    writeBytes(folder.filePath("keep.par"), "previous");
    const auto expectFailureFor = [&](const std::string& target) {
        ASSERT_EQ(boxes.shown.size(), 2u);
        EXPECT_EQ(boxes.shown[1].title, "QM4417 Error!");
        EXPECT_EQ(boxes.shown[1].text, target + " Can't Write Parameter File");
        EXPECT_EQ(boxes.shown[1].icon, MessageIcon::Stop);
        EXPECT_EQ(boxes.shown[1].buttons, MessageButtons::Ok);
        boxes.shown.clear();
    };

    panel.convertible = false;  // e.g. a preset that is not hexadecimal
    dialogs.choose(path("keep.par"));
    WriteParameterFile(panel, services);
    expectFailureFor(path("keep.par"));

    panel.convertible = true;
    dialogs.choose(path("missing-folder/new.par"));
    WriteParameterFile(panel, services);
    expectFailureFor(path("missing-folder/new.par"));

    ASSERT_TRUE(QDir(folder.path()).mkdir("keep.dir"));
    dialogs.choose(path("keep.dir"));
    WriteParameterFile(panel, services);
    expectFailureFor(path("keep.dir"));

    EXPECT_EQ(readAll(folder.filePath("keep.par")), "previous");
    EXPECT_EQ(folderEntries(), QStringList{"keep.par"});
}

TEST_F(ParameterFiles, ReadShowsTheFileRecord) {
    writeBytes(folder.filePath("unit.par"), "1\r\n1\r\n10\r\n500\r\n3\r\n18\r\n13398\r\n");
    dialogs.choose(path("unit.par"));
    ReadParameterFile(panel, services);
    expectOneDialog(false);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(panel.record, (ParameterValues{1, 1, 10, 500, 3, 18, 13398}));
    EXPECT_EQ(panel.panel, panel.record);
}

TEST_F(ParameterFiles, ReadFailuresShowOneBoxAndChangeNothing) {
    const ParameterValues before{1, 0, 5, 7, 2, 0, 1};
    panel.record = before;
    panel.panel = {0, 1, 2, 3, 1, 0, 0};  // unconverted edits stay too
    const ParameterValues panelBefore = panel.panel;
    writeBytes(folder.filePath("short.par"), "0\r\n0\r\n2\r\n1000\r\n1\r\n0\r\n");
    writeBytes(folder.filePath("big.par"), "0\r\n0\r\n2\r\n4294967296\r\n1\r\n0\r\n0\r\n");
    writeBytes(folder.filePath("unshowable.par"), "0\r\n0\r\n2\r\n1000\r\n9\r\n0\r\n0\r\n");
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.par"));

    for (const char* name :
         {"missing.par", "short.par", "big.par", "unshowable.par", "folder.par"}) {
        SCOPED_TRACE(name);
        panel.showable = std::string(name) != "unshowable.par";
        boxes.shown.clear();
        dialogs.choose(path(name));
        ReadParameterFile(panel, services);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].title, "QM4417 Error!");
        EXPECT_EQ(boxes.shown[0].text, path(name) + " Can't Read Parameter File");
        EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Stop);
        EXPECT_EQ(panel.record, before);
        EXPECT_EQ(panel.panel, panelBefore);
    }
}

TEST_F(ParameterFiles, CancelledReadChangesNothing) {
    const ParameterValues before = panel.record;
    dialogs.cancel();
    ReadParameterFile(panel, services);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(panel.record, before);
    EXPECT_EQ(panel.conversions, 0);
}

}  // namespace
