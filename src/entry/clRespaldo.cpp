#include "clRespaldo.h"

#include "data/ConnectionString.h"
#include "data/DatabaseCopy.h"

namespace ledgora {

clRespaldo::clRespaldo() = default;

clRespaldo::~clRespaldo() {
    if (pending_.valid())
        pending_.wait();
}

namespace {

// A shared ledger's copies are made by its server; the module copies files.
QString serverRefusal() {
    return QStringLiteral("un libro compartido en un servidor se respalda con las herramientas "
                          "del servidor (pg_dump)");
}

} // namespace

void clRespaldo::Respaldar(const QString& dbPath) {
    Esperar();
    if (ConnectionString::isServerAddress(dbPath))
        return;
    // Its own connection, on its own thread: the ledger's screens go on meanwhile.
    pending_ = std::async(std::launch::async, [dbPath] {
        try {
            return DatabaseCopy::backup(dbPath, kKept);
        } catch (const std::exception& error) {
            return QString::fromLocal8Bit(error.what());
        }
    });
}

QString clRespaldo::Esperar() {
    return pending_.valid() ? pending_.get() : QString();
}

QString clRespaldo::Restaurar(const QString& backupPath, const QString& dbPath) {
    Esperar();
    if (ConnectionString::isServerAddress(backupPath) || ConnectionString::isServerAddress(dbPath))
        return serverRefusal();
    return DatabaseCopy::restore(backupPath, dbPath);
}

} // namespace ledgora
