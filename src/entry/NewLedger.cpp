#include "NewLedger.h"

#include "data/ConnectionString.h"
#include "domain/LedgerStatements.h"

namespace ledgora {

NewLedger::State NewLedger::open(clManejo& manejo, const QString& source) {
    manejo.CadenaConexion(ConnectionString::forSource(source));
    manejo.Conectar();
    if (!manejo.EstadoConexion())
        return State::Unreachable;
    Recordset existing;
    manejo.Sql(QStringLiteral("select * from BANCNT order by VAL(CNTSTNRO)"), forms::accountsList);
    manejo.RsDesconectado(true);
    manejo.CrearRs(existing);
    return existing.RecordCount() > 0 ? State::HasAccounts : State::Empty;
}

} // namespace ledgora
