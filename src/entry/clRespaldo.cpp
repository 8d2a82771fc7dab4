#include "clRespaldo.h"

#include "data/DatabaseCopy.h"

namespace ledgora {

clRespaldo::clRespaldo() = default;

clRespaldo::~clRespaldo() {
    if (pending_.valid())
        pending_.wait();
}

void clRespaldo::Respaldar(const QString& dbPath) {
    Esperar();
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
    return DatabaseCopy::restore(backupPath, dbPath);
}

} // namespace ledgora
