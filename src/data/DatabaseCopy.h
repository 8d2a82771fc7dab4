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
    // The backups of a database kept in the "backups" folder beside it, oldest first.
    static QStringList backupsOf(const QString& database);
    // A copy of the database in that folder (made when missing) under the given file name.
    static QString backupAs(const QString& database, const QString& name, QString* made = nullptr);
    // Whether the file at a ledger's place belongs to another program: a file that is not a
    // database, or one holding tables without all of the module's, laid out as the engine
    // expects. A missing or empty file, a database without tables, a ledger of ours (damaged
    // too: a restore mends it) and a database that also holds the module's tables do not.
    static bool belongsToAnotherProgram(const QString& path);
    // A new backup in that folder, named by the database and the moment; only the newest
    // `keep` are kept. Gives the new backup's path in `made`.
    static QString backup(const QString& database, int keep, QString* made = nullptr);
};

} // namespace ledgora
