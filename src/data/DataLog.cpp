#include "DataLog.h"

Q_LOGGING_CATEGORY(lcData, "ledgora.data", QtCriticalMsg)
