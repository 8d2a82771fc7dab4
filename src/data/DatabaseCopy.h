#pragma once

#include <QString>
#include <QStringList>

namespace ledgora {

// Whole copies of a ledger's database made with the engine's own online backup, so that a
// copy taken while another connection writes holds a consistent state: every movement that
// was committed when it began. Each call gives empty text on success, else the reason.
class DatabaseCopy {
public:
    // Copies the database into the file, written beside it and renamed once complete.
    static QString copy(const QString& source, const QString& target);
    // Puts the copy's content into the database (which must be one of the module's or new).
    static QString restore(const QString& backup, const QString& database);
    // A copy of the database in that folder (made when missing) under the given file name.
    static QString backupAs(const QString& database, const QString& name, QString* made = nullptr);
    // Why a file cannot serve as a ledger or a ledger's copy, whole and of this module: in a
    // sentence that follows the file's name; empty when it can. `thorough` checks every page.
    static QString ledgerProblem(const QString& path, bool thorough = true);
    // Whether the file at a ledger's place belongs to another program: a file that is not a
    // database, or one holding tables without all of the module's, laid out as the engine
    // expects. A missing or empty file, a database without tables, a ledger of ours (damaged
    // too: a restore mends it) and a database that also holds the module's tables do not.
    static bool belongsToAnotherProgram(const QString& path);
};

} // namespace ledgora
