#include "platform/qt_file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace platform {

FileChoice QtFileDialogs::open(const FileDialogSettings& settings) {
    return run(settings, false);
}

FileChoice QtFileDialogs::save(const FileDialogSettings& settings) {
    return run(settings, true);
}

FileChoice QtFileDialogs::run(const FileDialogSettings& settings, bool saving) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !settings.confirmReplace);
    dialog.setDirectory(QString::fromStdString(settings.initialFolder));
    dialog.setNameFilter(QString::fromStdString(QtNameFilters(settings.filter)));
    dialog.setDefaultSuffix(QString::fromStdString(settings.defaultExtension));
    dialog.selectFile(QString::fromStdString(settings.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    return {false, path.toStdString(), QFileInfo(path).fileName().toStdString()};
}

}  // namespace platform
