#include "trend_window/whole_file_save.h"

#include <QSaveFile>

namespace trend_window {

bool SaveWholeFile(const QString& path, const QByteArray& bytes, QString& reason) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

}  // namespace trend_window
