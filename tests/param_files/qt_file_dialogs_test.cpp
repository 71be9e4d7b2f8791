#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/qt_file_dialogs.h"

namespace {

// What the dialog showed: its filter entries, the one chosen and the text of its file-type
// box, the patterns its file list filters by, and its folder.
struct ShownDialog {
    QStringList filters;
    QString selectedFilter;
    QString fileTypeText;
    QStringList listedPatterns;
    QString folder;
};

// Acts on the modal dialog once it is up: records what it shows, then types `name`
// and accepts, or rejects when `name` is empty.
void answerDialog(const QString& name, ShownDialog& shown) {
    QTimer::singleShot(0, [=, &shown] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        shown.filters = dialog->nameFilters();
        shown.selectedFilter = dialog->selectedNameFilter();
        if (auto* fileType = dialog->findChild<QComboBox*>("fileTypeCombo"))
            shown.fileTypeText = fileType->currentText();
        if (auto* files = dialog->findChild<QFileSystemModel*>())
            shown.listedPatterns = files->nameFilters();
        shown.folder = dialog->directory().absolutePath();
        if (name.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

class QtFileDialogs : public ::testing::Test {
  protected:
    platform::FileDialogSettings settings() const {
        return {.filter = "Parameter File(*.par)|*.par",
                .initialFolder = folder.path().toStdString(),
                .defaultExtension = "par"};
    }

    QTemporaryDir folder;
    platform::QtFileDialogs dialogs;
    ShownDialog shown;
};

TEST_F(QtFileDialogs, ANameWithoutExtensionGetsTheDefaultOneInBothForms) {
    answerDialog("plain", shown);
    auto choice = dialogs.save(settings());
    EXPECT_FALSE(choice.cancelled);
    EXPECT_EQ(choice.path, folder.filePath("plain.par").toStdString());
    EXPECT_EQ(choice.name, "plain.par");
    EXPECT_EQ(shown.folder, QDir(folder.path()).absolutePath());

    // A name with an extension of its own stays as typed.
    answerDialog("notes.txt", shown);
    choice = dialogs.save(settings());
    EXPECT_EQ(choice.path, folder.filePath("notes.txt").toStdString());

    QFile existing(folder.filePath("unit.par"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    answerDialog("unit", shown);
    choice = dialogs.open(settings());
    EXPECT_FALSE(choice.cancelled);
    EXPECT_EQ(choice.path, folder.filePath("unit.par").toStdString());
    EXPECT_EQ(choice.name, "unit.par");
}

TEST_F(QtFileDialogs, CancelIsReportedAsSuch) {
    answerDialog("", shown);
    const auto choice = dialogs.open(settings());
    EXPECT_TRUE(choice.cancelled);
    EXPECT_EQ(shown.folder, QDir(folder.path()).absolutePath());
}

TEST_F(QtFileDialogs, ShowsTheFilterExactlyAndListsOnlyParameterFiles) {
    answerDialog("", shown);
    dialogs.open(settings());
    EXPECT_EQ(shown.filters, QStringList{"Parameter File(*.par)"});
    EXPECT_EQ(shown.selectedFilter, "Parameter File(*.par)");
    EXPECT_EQ(shown.fileTypeText, "Parameter File(*.par)");
    EXPECT_EQ(shown.listedPatterns, QStringList{"*.par"});
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The widget-based dialog, so the test can drive it on any desktop.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
