#pragma once

#include "core/CsvReader.h"
#include "core/Money.h"
#include "core/RuntimeError.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

namespace ledgora {

// One table of the old system, read a row at a time whatever its size: from NAME.csv in a
// folder, or from the Access file through mdbtools' mdb-export. Its header must name the
// table's columns, each once and no other; each row must have as many fields as the header.
// Values are checked as they are read: anything that is not exactly what the ledger stores is
// refused with the file, the line and the reason, as a run-time error whose description says
// all three, in Spanish.
class LegacyTable {
public:
    // Refused unless the source holds every table named: a folder its CSV files, an Access
    // file its tables (listed by mdb-tables). The refusal names what is missing.
    static void requireTables(const QString& legacy, const QStringList& names);

    // Opens the table and reads its header. The optional columns may be left out.
    LegacyTable(const QString& legacy, const QString& name, const QStringList& optional = {});
    LegacyTable(const LegacyTable&) = delete;
    LegacyTable& operator=(const LegacyTable&) = delete;

    // The next row; false after the last one.
    bool next();
    // The number of rows read so far.
    int rows() const { return rows_; }
    // The refusal for a reason found at the current row (a database's refusal of it, too).
    RuntimeError refusal(const QString& reason) const;

    // The values of the current row, by column. A text has its control characters (which would
    // split a grid's row) turned into blanks.
    QString text(const char* column) const;
    // A key number held as text: digits, kept as stored with any blanks after them.
    QString key(const char* column) const;
    // A whole number as the ledger stores it (32 bits).
    int whole(const char* column) const;
    // An amount, exact to the ten-thousandth (point or comma); an empty one is 0.
    Money amount(const char* column) const;
    // A date, year-month-day or day/month/year, with or without a time of day; an empty one
    // is `ifEmpty` when that is a date, else refused.
    QDate date(const char* column, QDate ifEmpty = {}) const;

private:
    // The next record, header or row; false at a clean end.
    bool read();
    const QString& cell(const char* column) const;
    RuntimeError refusedValue(const char* column, const QString& why) const;

    QString label_; // the file, as the refusals name it
    std::unique_ptr<QFile> file_;
    std::unique_ptr<QProcess> exporter_;
    std::unique_ptr<CsvReader> reader_;
    QStringList header_;
    int rows_ = 0;
};

} // namespace ledgora
