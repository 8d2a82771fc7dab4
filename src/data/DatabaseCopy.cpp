#include "DatabaseCopy.h"

#include "DataLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>
#include <sqlite3.h>

namespace ledgora {

namespace {

struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Connection = std::unique_ptr<sqlite3, Closer>;

Connection openFile(const QString& path, int flags, QString& failure) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw, flags, nullptr);
    Connection db(raw);
    if (rc != SQLITE_OK) {
        failure =
            QStringLiteral("cannot open %1: %2").arg(path, QString::fromUtf8(sqlite3_errstr(rc)));
        return nullptr;
    }
    sqlite3_busy_timeout(raw, 5000);
    return db;
}

// Copies the main database of one connection into another's, whole, in one step.
QString transfer(sqlite3* from, sqlite3* to) {
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup)
        return QString::fromUtf8(sqlite3_errmsg(to));
    const int rc = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE)
        return QString::fromUtf8(sqlite3_errstr(rc));
    return {};
}

bool isLedger(sqlite3* db) {
    sqlite3_stmt* stmt = nullptr;
    int tables = 0;
    if (sqlite3_prepare_v2(db,
                           "SELECT count(*) FROM sqlite_master WHERE type='table' AND name IN "
                           "('BANCNT','BANMOV','BANCON')",
                           -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        tables = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    return tables == 3;
}

} // namespace

QString DatabaseCopy::copy(const QString& source, const QString& target) {
    if (!QFileInfo(source).isFile())
        return QStringLiteral("no database at ") + source;
    QString failure;
    Connection from = openFile(source, SQLITE_OPEN_READONLY, failure);
    if (!from)
        return failure;
    const QString partial = target + QStringLiteral(".parcial");
    QFile::remove(partial);
    {
        Connection to = openFile(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, failure);
        if (!to)
            return failure;
        failure = transfer(from.get(), to.get());
    }
    if (failure.isEmpty() && !(QFile::remove(target) || !QFile::exists(target)))
        failure = QStringLiteral("cannot replace ") + target;
    if (failure.isEmpty() && !QFile::rename(partial, target))
        failure = QStringLiteral("cannot write ") + target;
    if (!failure.isEmpty()) {
        QFile::remove(partial);
        qCWarning(lcData) << "backup of" << source << "failed:" << failure;
    }
    return failure;
}

QString DatabaseCopy::restore(const QString& backup, const QString& database) {
    QString failure;
    if (!QFileInfo(backup).isFile())
        return QStringLiteral("no backup at ") + backup;
    Connection from = openFile(backup, SQLITE_OPEN_READONLY, failure);
    if (!from)
        return failure;
    if (!isLedger(from.get()))
        return backup + QStringLiteral(" is not a copy of a ledger");
    Connection to = openFile(database, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, failure);
    if (!to)
        return failure;
    return transfer(from.get(), to.get());
}

QStringList DatabaseCopy::backupsOf(const QString& database) {
    const QFileInfo info(database);
    const QDir folder(info.absolutePath() + QStringLiteral("/backups"));
    QStringList paths;
    const QStringList names = folder.entryList({info.completeBaseName() + QStringLiteral("-*.db")},
                                               QDir::Files, QDir::Name);
    for (const QString& name : names)
        paths << folder.filePath(name);
    return paths;
}

QString DatabaseCopy::backupAs(const QString& database, const QString& name, QString* made) {
    const QString folder = QFileInfo(database).absolutePath() + QStringLiteral("/backups");
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot make the folder ") + folder;
    const QString target = folder + u'/' + name;
    const QString failure = copy(database, target);
    if (failure.isEmpty() && made)
        *made = target;
    return failure;
}

QString DatabaseCopy::backup(const QString& database, int keep, QString* made) {
    // The moment to the millisecond names the copy, so names sort as the copies were made.
    const QString failure =
        backupAs(database,
                 QFileInfo(database).completeBaseName() + u'-' +
                     QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) +
                     QStringLiteral(".db"),
                 made);
    if (!failure.isEmpty())
        return failure;
    QStringList all = backupsOf(database);
    while (all.size() > keep)
        QFile::remove(all.takeFirst());
    return {};
}

} // namespace ledgora
