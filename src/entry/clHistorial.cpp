#include "clHistorial.h"

#include "audit/AuditTrail.h"
#include "data/ConnectionString.h"
#include "data/clManejo.h"

namespace ledgora {

namespace {

// The ledger opened only to read; runs the work on it, or says why it could not.
template <typename Work> Result onLedger(const QString& dbPath, Work work) {
    clManejo manejo;
    manejo.CadenaConexion(ConnectionString::forSource(dbPath, true));
    manejo.Conectar();
    if (!manejo.EstadoConexion())
        return {Result::Kind::NoConnection, clHistorial::tr("no se puede abrir la base de datos %1")
                                                .arg(ConnectionString::masked(dbPath))};
    try {
        return work(manejo);
    } catch (const RuntimeError& error) {
        return {error.kind(),
                clHistorial::tr("no se pudo leer el historial: %1").arg(error.description())};
    }
}

} // namespace

clHistorial::clHistorial() = default;

Result clHistorial::Verificar(const QString& dbPath) {
    summary_.clear();
    return onLedger(dbPath, [this](clManejo& manejo) -> Result {
        const ChainCheck check = AuditTrail::verify(manejo);
        if (!check.intact())
            return {Result::Kind::Refused, check.text()};
        summary_ = check.text();
        return {};
    });
}

Result clHistorial::GuardarCsv(const QString& dbPath, const QString& account,
                               const QString& csvPath) {
    summary_.clear();
    return onLedger(dbPath, [&](clManejo& manejo) {
        return AuditTrail::writeCsv(manejo, account.trimmed(), csvPath);
    });
}

} // namespace ledgora
