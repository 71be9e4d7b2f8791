#include "platform/qt_program_identity.h"

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include "platform/instance_channel.h"

namespace platform {

namespace {

QString userName() {
    const uid_t uid = geteuid();
    if (const passwd* entry = getpwuid(uid)) return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(uid);
}

// True when the lock at `path` is this user's and its holder still runs.
bool heldByRunningInstance(const QLockFile& lock, const QString& path) {
    qint64 pid = 0;
    QString host;
    QString application;
    return QFileInfo(path).ownerId() == geteuid() && lock.getLockInfo(&pid, &host, &application) &&
           pid > 0 && kill(static_cast<pid_t>(pid), 0) == 0;
}

std::string whyNotMade(const QString& path) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir()) return "the folder " + folder.filePath().toStdString() + " does not exist";
    if (file.exists() && file.ownerId() != geteuid())
        return path.toStdString() + " belongs to another user";
    if (!folder.isWritable())
        return "the folder " + folder.filePath().toStdString() + " is not writable";
    return path.toStdString() + " cannot be made";
}

}  // namespace

QtProgramIdentity::QtProgramIdentity(std::ostream& warnings) : warnings_(warnings) {}

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

bool QtProgramIdentity::installed() const {
    // The build names the folder the programs install into; a build tree never is that folder.
    const QString here = QDir(QCoreApplication::applicationDirPath()).canonicalPath();
    return !here.isEmpty() && here == QDir(QStringLiteral(QM_INSTALL_BINDIR)).canonicalPath();
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
    QString name = QString::fromStdString(title);
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty()) {
        // The temporary folder is shared by all users: each user's lock has its own name.
        folder = QDir::tempPath();
        name += '-' + userName();
    }
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
    display.replace('/', '_');
    return (folder + '/' + name + '-' + display + ".lock").toStdString();
}

std::string QtProgramIdentity::channelPath(const std::string& title) {
    std::string path = lockFilePath(title);
    return path.substr(0, path.size() - std::string_view(".lock").size()) + ".socket";
}

std::string QtProgramIdentity::startupToken() {
    QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
    if (token.isEmpty()) token = qgetenv("DESKTOP_STARTUP_ID");
    return token.toStdString();
}

bool QtProgramIdentity::askRunningInstanceToShow(const std::string& startupToken) {
    // The token lets the running instance end the launcher's busy cursor and take the focus.
    return InstanceChannel::ask(channelPath(title()), startupToken);
}

void QtProgramIdentity::whenAskedToShow(std::function<void(const std::string&)> show) {
    channel_ = std::make_unique<InstanceChannel>(channelPath(title()));
    std::string error;
    if (!channel_->listen(std::move(show), error)) {
        warnings_ << title() << ": a second start cannot bring this window forward: " << error
                  << "\n";
        channel_.reset();
    }
}

bool QtProgramIdentity::claimSingleInstance() {
    if (instanceLock_) return true;
    const QString path = QString::fromStdString(lockFilePath(title()));
    auto lock = std::make_unique<QLockFile>(path);
    // A lock left by a crashed instance is stale at once: its process is gone.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        instanceLock_ = std::move(lock);
        return true;
    }
    if (lock->error() == QLockFile::LockFailedError && heldByRunningInstance(*lock, path))
        return false;
    warnings_ << title() << ": cannot guard against a second instance: " << whyNotMade(path)
              << "; starting anyway.\n";
    return true;
}

}  // namespace platform
