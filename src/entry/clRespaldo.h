#pragma once

#include "core/Result.h"

#include <QObject>
#include <QString>
#include <future>

namespace ledgora {

// "Ledgora.clRespaldo": the host's backups of a SQLite ledger. A backup is taken with the
// engine's online backup while the program starts and runs, so the start never waits for a
// large file; the copies are kept in a "backups" folder beside the database (BackupSet says
// which and how many).
class clRespaldo final : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE clRespaldo();
    // Waits for a backup still being written.
    ~clRespaldo() override;

    // Starts a backup of the database and returns at once.
    Q_INVOKABLE void Respaldar(const QString& dbPath);
    // Waits for the backup started last; done when it was written (or nothing was started),
    // else why not.
    Q_INVOKABLE ledgora::Result Esperar();
    // Puts a backup's content into the database; done, or why not.
    Q_INVOKABLE ledgora::Result Restaurar(const QString& backupPath, const QString& dbPath);

private:
    std::future<QString> pending_;
};

} // namespace ledgora
