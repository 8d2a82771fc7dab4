#include "DatabaseCopy.h"

#include "SqliteEngine.h"
#include "SqliteReason.h"
#include "core/FileErrorText.h"
#include "data/DataLog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sqlite3.h>
#include <unistd.h>

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
        failure = QCoreApplication::translate("DatabaseCopy", "no se puede abrir %1: %2")
                      .arg(path, sqliteReason(rc));
        return nullptr;
    }
    sqlite3_busy_timeout(raw, 5000);
    return db;
}

// Copies the main database of one connection into another's, whole, in one step.
QString transfer(sqlite3* from, sqlite3* to) {
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup)
        return sqliteReason(sqlite3_extended_errcode(to));
    const int rc = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE)
        return sqliteReason(rc);
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

QString firstValue(sqlite3* db, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    QString value;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        value = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    else
        value = sqliteReason(sqlite3_extended_errcode(db));
    sqlite3_finalize(stmt);
    return value;
}

// Makes what was written to a file or a folder durable before anything relies on it.
bool syncToDisk(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// Puts a complete file in the place of another in one step: whoever looks finds the old file
// or the new one, whole, also after a crash.
QString replaceWith(const QString& complete, const QString& target) {
    if (!syncToDisk(complete))
        return QCoreApplication::translate("DatabaseCopy", "no se pudo asegurar en el disco ") +
               complete;
    if (std::rename(QFile::encodeName(complete).constData(),
                    QFile::encodeName(target).constData()) != 0)
        return QCoreApplication::translate("DatabaseCopy", "no se pudo reemplazar %1: %2")
            .arg(target, systemErrorText(errno));
    syncToDisk(QFileInfo(target).absolutePath());
    return {};
}

// Whether SQLite reads the file as a database. Asked of SQLite, never read apart: the ledger
// may be open in this process (the copy taken at start runs while it opens), and the
// operating system drops all of a process's locks on a file when any part of it closes that
// file; SQLite's own connections share their locks instead.
bool hasSqliteHeader(const QString& path) {
    sqlite3* raw = nullptr;
    const bool opened = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw,
                                        SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK;
    const bool database = opened && sqlite3_exec(raw, "SELECT count(*) FROM sqlite_master", nullptr,
                                                 nullptr, nullptr) != SQLITE_NOTADB;
    sqlite3_close_v2(raw);
    return database;
}

} // namespace

QString DatabaseCopy::ledgerProblem(const QString& path, bool thorough) {
    const QFileInfo info(path);
    if (!info.isFile())
        return QCoreApplication::translate("DatabaseCopy", "no existe");
    if (info.size() == 0)
        return QCoreApplication::translate("DatabaseCopy", "no tiene contenido");
    if (!hasSqliteHeader(path))
        return QCoreApplication::translate("DatabaseCopy", "no es una base de datos");
    QString failure;
    Connection db = openFile(path, SQLITE_OPEN_READONLY, failure);
    if (!db)
        return failure;
    const QString check =
        firstValue(db.get(), thorough ? "PRAGMA integrity_check" : "PRAGMA quick_check");
    if (check != u"ok")
        return QCoreApplication::translate("DatabaseCopy", "tiene daños (%1)").arg(check);
    if (!isLedger(db.get()))
        return QCoreApplication::translate("DatabaseCopy",
                                           "no tiene las tablas de un libro de Ledgora");
    db.reset();
    // Our tables, with our columns and kinds, exactly as the engine checks a ledger it opens.
    if (!SqliteEngine().open(path, OpenMode::Read))
        return QCoreApplication::translate("DatabaseCopy",
                                           "sus tablas no son las de un libro de Ledgora");
    return {};
}

namespace {

QString stamp() {
    return QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) + u'Z';
}

} // namespace

QString DatabaseCopy::copy(const QString& source, const QString& target) {
    if (!QFileInfo(source).isFile())
        return QCoreApplication::translate("DatabaseCopy", "no hay una base de datos en ") + source;
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
    if (failure.isEmpty())
        failure = replaceWith(partial, target);
    if (!failure.isEmpty()) {
        QFile::remove(partial);
        qCWarning(lcData) << "backup of" << source << "failed:" << failure;
    }
    return failure;
}

bool DatabaseCopy::belongsToAnotherProgram(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || (info.isFile() && info.size() == 0))
        return false;
    if (!info.isFile() || !hasSqliteHeader(path))
        return true;
    QString failure;
    Connection db = openFile(path, SQLITE_OPEN_READONLY, failure);
    if (!db || firstValue(db.get(), "PRAGMA quick_check") != u"ok")
        return false;
    if (firstValue(db.get(), "SELECT count(*) FROM sqlite_master") == u"0")
        return false;
    if (!isLedger(db.get()))
        return true;
    db.reset();
    return !SqliteEngine().open(path, OpenMode::Read);
}

QString DatabaseCopy::restore(const QString& backup, const QString& database) {
    if (const QString problem = ledgerProblem(backup); !problem.isEmpty())
        return QCoreApplication::translate("DatabaseCopy",
                                           "la copia %1 no sirve: %2; no se cambió nada")
            .arg(backup, problem);
    if (belongsToAnotherProgram(database))
        return QStringLiteral("%1 no es un libro de Ledgora; no se cambió nada").arg(database);

    const QFileInfo info(database);
    const QString beside = database + QStringLiteral(".restaurando");
    const QString wal = database + QStringLiteral("-wal");
    // The ledger's pending log is put into the file first, so that the file alone holds it all
    // and no old log can be laid over the restored content; a ledger in use cannot be emptied.
    if (info.isFile() && info.size() > 0 && QFileInfo::exists(wal)) {
        QString failure;
        Connection current = openFile(database, SQLITE_OPEN_READWRITE, failure);
        if (current && sqlite3_wal_checkpoint_v2(current.get(), "main", SQLITE_CHECKPOINT_TRUNCATE,
                                                 nullptr, nullptr) == SQLITE_BUSY)
            return QStringLiteral("el libro %1 está en uso; ciérrelo y pruebe de nuevo; no se "
                                  "cambió nada")
                .arg(database);
    }
    // What is replaced is kept first, as it is.
    if (info.isFile() && info.size() > 0) {
        const QString folder = info.absolutePath() + QStringLiteral("/backups");
        const QString kept = folder + u'/' + info.fileName() +
                             QStringLiteral(".antes-de-restaurar-") + stamp() +
                             QStringLiteral(".db");
        if (!QDir().mkpath(folder) || !QFile::copy(database, kept) ||
            (QFileInfo(wal).size() > 0 && !QFile::copy(wal, kept + QStringLiteral("-wal"))))
            return QStringLiteral("no se pudo guardar una copia de %1 antes de restaurar; no se "
                                  "cambió nada")
                .arg(database);
        syncToDisk(kept);
    }
    QFile::remove(beside);
    QString failure = copy(backup, beside);
    if (failure.isEmpty())
        failure = ledgerProblem(beside);
    if (failure.isEmpty())
        failure = replaceWith(beside, database);
    QFile::remove(beside);
    if (!failure.isEmpty())
        return failure + QStringLiteral("; no se cambió nada");
    // The log and index of the content replaced are of no use to the restored one.
    QFile::remove(wal);
    QFile::remove(database + QStringLiteral("-shm"));
    return {};
}

QString DatabaseCopy::backupAs(const QString& database, const QString& name, QString* made) {
    const QString folder = QFileInfo(database).absolutePath() + QStringLiteral("/backups");
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("DatabaseCopy", "no se pudo crear la carpeta ") + folder;
    const QString target = folder + u'/' + name;
    const QString failure = copy(database, target);
    if (failure.isEmpty() && made)
        *made = target;
    return failure;
}

} // namespace ledgora
