#pragma once

#include "statements/CsvLayout.h"
#include "statements/StatementFile.h"

namespace ledgora {

// Reads a bank's spreadsheet export by its layout into one statement of the ledger account it
// was given for: a CSV names no account of its own. Rows without a date are titles or totals
// when they come after the last movement, and are left out there; anywhere else they refuse
// the file. With a balance column each movement's balance must be the one before it moved by
// its amount, in the file's order or the reverse (newest first), as Norma 43's totals are
// checked; the first and last balances are then the statement's.
class CsvStatementReader {
public:
    static StatementFile read(const QByteArray& bytes, const CsvLayout& layout,
                              const QString& account);
};

} // namespace ledgora
