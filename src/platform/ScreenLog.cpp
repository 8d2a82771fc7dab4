#include "ScreenLog.h"

Q_LOGGING_CATEGORY(lcScreens, "ledgora.screens", QtWarningMsg)
