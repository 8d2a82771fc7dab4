#pragma once

#include <QString>

namespace ledgora {

// The per-user settings store, addressed by application, section and key. Each application
// is one file in the settings folder: the user's configuration folder unless a test has
// chosen a private one.
class SettingsStore {
public:
    static QString GetSetting(const QString& application, const QString& section,
                              const QString& key, const QString& defaultValue);
    static void SaveSetting(const QString& application, const QString& section, const QString& key,
                            const QString& value);
    static void setFolder(const QString& folder);
    static QString folder();
};

} // namespace ledgora
