#pragma once

#include "statements/CsvLayout.h"
#include "statements/StatementFile.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace ledgora {

class clManejo;

// The layouts of the spreadsheet exports each ledger account's bank gives, kept in the ledger
// so that every person's next file of the same kind goes straight to the review.
class CsvLayouts final {
public:
    // Whether a file is a spreadsheet export rather than a statement of the bank's formats:
    // by its name, ".csv", or by being none of the formats the statement reader knows.
    static bool isCsv(const QString& path);
    // The account's layout whose column names are the file's; nothing when none is.
    static std::optional<CsvLayout> find(clManejo& manejo, const QString& account,
                                         const QByteArray& bytes);
    static void remember(clManejo& manejo, const QString& account, const CsvLayout& layout,
                         const QByteArray& bytes);
    // The file read by the given layout. A spreadsheet export names no currency: its amounts
    // are the account's, in the ledger's currency.
    static StatementFile read(const QByteArray& bytes, const CsvLayout& layout,
                              const QString& account);
    // The file read by the account's remembered layout, refused (saying to define it once on
    // the screen) when the account has none for it.
    static StatementFile read(clManejo& manejo, const QString& account, const QByteArray& bytes);
};

} // namespace ledgora
