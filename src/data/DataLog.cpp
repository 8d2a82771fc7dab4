#include "DataLog.h"

Q_LOGGING_CATEGORY(lcData, "ledgora.data", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcBackup, "ledgora.backup", QtCriticalMsg)
