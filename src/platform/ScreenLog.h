#pragma once

#include <QLoggingCategory>

// What the person was shown: each screen as it opens and each message box with its text. Off
// by default, on with QT_LOGGING_RULES="ledgora.screens=true"; it lets a run of the program
// without a display (or a support session) tell which screen it reached.
Q_DECLARE_LOGGING_CATEGORY(lcScreens)
