#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

namespace ledgora {

// The backups of one ledger file, in the "backups" folder beside it, each named
// NAME.copia-yyyyMMdd-HHmmss-zzzZ.db after the ledger's whole file name and the moment it was
// taken in UTC: names sort as the copies were taken in any time zone, and only files of
// exactly that form belong to the ledger (another ledger's name, however alike, never
// matches). Every copy is a plain SQLite file that sqlite3 opens.
class BackupSet {
public:
    explicit BackupSet(const QString& database);

    // How many recent copies are kept, and for how many weeks before them one a week.
    static constexpr int kRecent = 10;
    static constexpr int kWeeks = 8;

    struct Outcome {
        enum Kind {
            Taken,     // a new copy is in the folder
            Unchanged, // the ledger is as its newest copy holds it: no copy added
            Refused,   // the ledger or the disk is not fit for a copy; the copies are kept
            Failed     // the copy could not be written; the copies are kept
        } kind;
        QString path;   // the new copy, when taken
        QString reason; // why not, in a sentence the person can read
    };

    // Takes a copy of the ledger unless it is unchanged, failing its check, or the disk is
    // short of space (less free than twice the ledger); then keeps what retained() keeps.
    Outcome take(const QDateTime& now = QDateTime::currentDateTimeUtc()) const;
    // The ledger's copies, oldest first.
    QStringList paths() const;
    // Of copies taken at these moments (oldest first), which are kept: the kRecent newest,
    // and the newest of each of the kWeeks weeks before `now` among the others.
    static std::vector<bool> retained(const std::vector<QDateTime>& moments, const QDateTime& now);

private:
    QDateTime momentOf(const QString& path) const;
    void prune(const QDateTime& now) const;

    QString database_;
    QString folder_;
    QString prefix_;
};

} // namespace ledgora
