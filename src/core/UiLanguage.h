#pragma once

#include <QLocale>

namespace ledgora {

// The module speaks Spanish whatever the system's language: Qt's own dialogs and buttons
// (print preview, file and message boxes) and the long dates it writes. Numbers and short
// dates typed and shown keep following the user's locale, as the ledger always did.
class UiLanguage {
public:
    // Installs Qt's Spanish translations, and the program's own for another language when one
    // is asked for with LEDGORA_IDIOMA (e.g. "en"); once per process, after the application
    // object exists. Whether Qt's Spanish catalogue was found.
    static bool install();
    // Spanish, with the system's territory when the system is Spanish-speaking (so Mexico's
    // conventions stay Mexico's), else Spain's.
    static QLocale textLocale();
};

} // namespace ledgora
