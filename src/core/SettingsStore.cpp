#include "SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace ledgora {

namespace {

QString& chosenFolder() {
    static QString folder;
    return folder;
}

QString fileOf(const QString& application) {
    return QDir(SettingsStore::folder()).filePath(application + QStringLiteral(".ini"));
}

} // namespace

QString SettingsStore::GetSetting(const QString& application, const QString& section,
                                  const QString& key, const QString& defaultValue) {
    QSettings settings(fileOf(application), QSettings::IniFormat);
    return settings.value(section + u'/' + key, defaultValue).toString();
}

void SettingsStore::SaveSetting(const QString& application, const QString& section,
                                const QString& key, const QString& value) {
    QSettings settings(fileOf(application), QSettings::IniFormat);
    settings.setValue(section + u'/' + key, value);
    settings.sync();
}

void SettingsStore::setFolder(const QString& folder) {
    chosenFolder() = folder;
}

QString SettingsStore::folder() {
    if (!chosenFolder().isEmpty())
        return chosenFolder();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/ledgora");
}

} // namespace ledgora
