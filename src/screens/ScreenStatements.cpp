#include "ScreenStatements.h"

#include "data/StatementCatalog.h"

namespace ledgora {

void registerScreenStatements() {
    // Movement entry: the amounts are number text in the user's locale, the number quoted.
    StatementCatalog::add(
        QStringLiteral("entry.insertMovement"),
        QStringLiteral("INSERT INTO BANMOV (CNTSTNRO , MOVINNRO, MOVDTALT, CONSTNRO, MOVSTCPT, "
                       "MOVDLAAC , MOVDLADE, MOVDLACR, MOVDLDEB) VALUES ('{text}','{int}',"
                       "datevalue('{date}'),'{text}','{text}','{amount}','{amount}','{amount}',"
                       "'{amount}')"));
}

} // namespace ledgora
