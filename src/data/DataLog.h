#pragma once

#include <QLoggingCategory>

// Why the data layer failed, in the engine's own words: off by default, on with
// QT_LOGGING_RULES="ledgora.data=true". The person at the screen sees the module's messages.
Q_DECLARE_LOGGING_CATEGORY(lcData)
// The backups taken on every start and the restores: "ledgora.backup".
Q_DECLARE_LOGGING_CATEGORY(lcBackup)
