#include "param_files/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace param_files {

namespace {

// The system's words as a sentence of their own: "Permission denied."
std::string Sentence(const QString& text) {
    std::string sentence = text.toStdString();
    if (sentence.empty()) return "The system gave no reason.";
    if (sentence.back() != '.') sentence += '.';
    return sentence;
}

constexpr const char* IsAFolder = "It is a folder, not a file.";

}  // namespace

std::string WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (info.isDir()) return IsAFolder;
    if (!info.absoluteDir().exists())
        return "The folder " + info.absolutePath().toStdString() + " does not exist.";
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) return Sentence(file.errorString());
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        const std::string reason = Sentence(file.errorString());
        file.cancelWriting();
        return reason;
    }
    return file.commit() ? std::string() : Sentence(file.errorString());
}

FileBytes ReadFileStart(const std::string& path, std::size_t limit) {
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (!info.exists()) return {std::nullopt, "There is no such file."};
    if (info.isDir()) return {std::nullopt, IsAFolder};
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return {std::nullopt, Sentence(file.errorString())};
    const QByteArray bytes = file.read(static_cast<qint64>(limit));
    if (file.error() != QFileDevice::NoError) return {std::nullopt, Sentence(file.errorString())};
    return {bytes.toStdString(), {}};
}

}  // namespace param_files
