#include "LedgerAccountList.h"

#include "data/Recordset.h"
#include "domain/LedgerStatements.h"
#include "domain/ModuleUtilities.h"
#include "domain/SharedState.h"

namespace ledgora {

LedgerAccountList LedgerAccountList::read() {
    LedgerAccountList list;
    Recordset rs;
    requireManejo().Sql(QStringLiteral("select * from BANCNT order by VAL(CNTSTNRO)"),
                        forms::accountsList);
    requireManejo().RsDesconectado(true);
    if (requireManejo().CrearRs(rs))
        for (; !rs.Eof(); rs.MoveNext()) {
            list.numbers << GP_TEXTO(rs.Fields(QStringLiteral("CNTSTNRO")));
            list.entries << list.numbers.back() + QStringLiteral(" - ") +
                                GP_TEXTO(rs.Fields(QStringLiteral("CNTSTNOM")));
        }
    return list;
}

} // namespace ledgora
