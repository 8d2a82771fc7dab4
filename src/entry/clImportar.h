#pragma once

#include "core/Result.h"

#include <QObject>
#include <QString>

namespace ledgora {

// "Ledgora.clImportar": brings a ledger kept by the old system into a new database: its bank
// accounts, concepts and movements, read from the old Access file with mdbtools' mdb-export
// or from a folder holding the three tables as CSV files (BANCNT.csv, BANCON.csv,
// BANMOV.csv, a header row each), a row at a time whatever their size. Amounts are read
// exactly, dates and keys are kept as stored, and each account's totals are computed by the
// database from its movements. Whatever cannot be read exactly (a column missing or unknown,
// a broken row, an amount with a fifth decimal, a date that is not one, a movement of an
// account or concept that is not there) is refused with its file, line and reason. All of it
// is written in one transaction, or nothing is.
class clImportar final : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE clImportar();

    // Done when the data was imported, otherwise why not, in Spanish. A database that
    // already has accounts, or another program's tables without the ledger's, is refused.
    Q_INVOKABLE ledgora::Result Importar(const QString& legacy, const QString& dbPath);
    // What the last import brought in, in a line.
    Q_INVOKABLE QString Resumen() const { return summary_; }

private:
    QString summary_;
};

} // namespace ledgora
