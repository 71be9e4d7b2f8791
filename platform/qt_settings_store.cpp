#include "platform/qt_settings_store.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace platform {

namespace {

QString keyPath(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

}  // namespace

std::string QtSettingsStore::filePath(const std::string& application) {
    // Read XDG_CONFIG_HOME on every call: QStandardPaths caches nothing here,
    // so a test may change it between stores.
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (folder.isEmpty()) folder = QDir::homePath() + "/.config";
    return (folder + '/' + QString::fromStdString(application) + ".ini").toStdString();
}

std::string QtSettingsStore::read(const std::string& application, const std::string& section,
                                  const std::string& key, const std::string& fallback) const {
    QSettings store(QString::fromStdString(filePath(application)), QSettings::IniFormat);
    const QVariant value = store.value(keyPath(section, key));
    return value.isValid() ? value.toString().toStdString() : fallback;
}

void QtSettingsStore::write(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& value) {
    QSettings store(QString::fromStdString(filePath(application)), QSettings::IniFormat);
    store.setValue(keyPath(section, key), QString::fromStdString(value));
    store.sync();
}

}  // namespace platform
