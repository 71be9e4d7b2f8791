#include "param_files/whole_file.h"

#include <QFile>
#include <QSaveFile>

namespace param_files {

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<std::string> ReadFileStart(const std::string& path, std::size_t limit) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(static_cast<qint64>(limit));
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes.toStdString();
}

}  // namespace param_files
