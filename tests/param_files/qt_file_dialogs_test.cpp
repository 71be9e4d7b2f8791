#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/qt_file_dialogs.h"

namespace {

// Acts on the modal dialog once it is up: records what it shows, then types `name`
// and accepts, or rejects when `name` is empty.
void answerDialog(const QString& name, QStringList& filters, QString& folder) {
    QTimer::singleShot(0, [=, &filters, &folder] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        filters = dialog->nameFilters();
        folder = dialog->directory().absolutePath();
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
        return {"", "Parameter File(*.par)|*.par", folder.path().toStdString()};
    }

    QTemporaryDir folder;
    platform::QtFileDialogs dialogs;
    QStringList filters;
    QString shownFolder;
};

TEST_F(QtFileDialogs, SaveKeepsThePathAsTypedAndReportsTheBareName) {
    answerDialog("plain", filters, shownFolder);
    const auto choice = dialogs.save(settings());
    EXPECT_FALSE(choice.cancelled);
    EXPECT_EQ(choice.path, folder.filePath("plain").toStdString());
    EXPECT_EQ(choice.name, "plain");
    EXPECT_EQ(filters, QStringList{"Parameter File(*.par) (*.par)"});
    EXPECT_EQ(shownFolder, QDir(folder.path()).absolutePath());
}

TEST_F(QtFileDialogs, CancelIsReportedAsSuch) {
    answerDialog("", filters, shownFolder);
    const auto choice = dialogs.open(settings());
    EXPECT_TRUE(choice.cancelled);
    EXPECT_EQ(shownFolder, QDir(folder.path()).absolutePath());
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
