#pragma once

#include "core/Money.h"

#include <QString>
#include <QStringList>

namespace ledgora {

// Comma-separated text as RFC 4180 writes it: fields holding a comma, a quote or a line break
// are quoted, quotes doubled, lines ended by CR LF. What spreadsheets and the legacy system's
// export read and write; CsvReader reads it back.
class CsvText {
public:
    // One line of fields, with its CR LF.
    static QString line(const QStringList& fields);
    // A text cell as a spreadsheet must show it: a text that it would take for a formula
    // (starting with '=', '+', '-', '@', a tab or a carriage return) gets a leading apostrophe,
    // and NUL characters are dropped.
    static QString inertText(const QString& text);
    // An amount with a point and every stored decimal (at least two), so that a spreadsheet
    // reads the same value in any locale.
    static QString amount(Money amount);
};

} // namespace ledgora
