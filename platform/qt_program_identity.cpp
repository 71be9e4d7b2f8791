#include "platform/qt_program_identity.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace platform {

QtProgramIdentity::QtProgramIdentity() = default;
QtProgramIdentity::~QtProgramIdentity() = default;

std::string QtProgramIdentity::title() const {
    return "QM4417";
}

ProgramVersion QtProgramIdentity::version() const {
    return {QM_VERSION_MAJOR, QM_VERSION_MINOR, QM_VERSION_PATCH};
}

std::string QtProgramIdentity::fileDescription() const {
    return "KV3907P410 Setup Program";
}

std::string QtProgramIdentity::rightsLine() const {
    return "(C) 2026 Norvikon";
}

std::string QtProgramIdentity::programFolder() const {
    return QCoreApplication::applicationDirPath().toStdString();
}

std::string QtProgramIdentity::userDataFolder() const {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty()) base = QDir::homePath() + "/.local/share";
    return (base + '/' + QString::fromStdString(title())).toStdString();
}

bool QtProgramIdentity::makeFolder(const std::string& path) {
    return QDir().mkpath(QString::fromStdString(path));
}

std::string QtProgramIdentity::lockFilePath(const std::string& title) {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty()) folder = QDir::tempPath();
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
    display.replace('/', '_');
    return (folder + '/' + QString::fromStdString(title) + '-' + display + ".lock").toStdString();
}

bool QtProgramIdentity::claimSingleInstance() {
    if (instanceLock_) return true;
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(lockFilePath(title())));
    // A lock left by a crashed instance is stale at once: its process is gone.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return false;
    instanceLock_ = std::move(lock);
    return true;
}

}  // namespace platform
