#include "LedgerStatements.h"

#include "data/StatementCatalog.h"

namespace ledgora {

namespace {
const QString listingTail =
    QStringLiteral("' and MOVDTALT between DATEVALUE('{date}') AND DATEVALUE ('{date}') ");
}

void registerLedgerStatements() {
    auto add = [](const char* name, const QString& text) {
        StatementCatalog::add(QString::fromLatin1(name), text);
    };
    add("ledger.totals",
        QStringLiteral("SELECT SUM(MOVDLAAC) as TOTAAC,SUM(MOVDLADE) as TOTADE,SUM(MOVDLACR) as "
                       "TOTACR,SUM(MOVDLDEB) as TOTDEB FROM BANMOV WHERE "
                       "MOVDTALT<=datevalue('{date}') AND CNTSTNRO = '{text}'"));
    add("ledger.lastMovement",
        QStringLiteral("select max(MOVINNRO) as nro from BANMOV  where CNTSTNRO = '{text}'"));
    add("ledger.accountTotals",
        QStringLiteral("UPDATE BANCNT SET    TOMDLAAC = '{amount}',   TOMDLADE = '{amount}',   "
                       "TOMDLACR = '{amount}',   TOMDLDEB = '{amount}'   WHERE CNTSTNRO = "
                       "'{text}'"));

    // The listing, for the grid (display texts) and for the printed report (numbers), each
    // without filter, filtered by concept, and filtered by concept and text.
    const QString gridBase = QStringLiteral(
        "select format(MOVDTALT,'dd/mm/yyyy'),trim(MOVSTCPT),format(MOVDLAAC,'00.00'),"
        "format(MOVDLADE,'00.00'),format(MOVDLACR,'00.00'),format(MOVDLDEB,'00.00'), MOVINNRO "
        "from BANMOV where CNTSTNRO = '{text}");
    const QString reportBase = QStringLiteral(
        "select format(MOVDTALT,'dd/mm/yyyy') as fecha,trim(MOVSTCPT) as concepto,cdbl(MOVDLAAC) "
        "as a,cdbl(MOVDLADE) as b,cdbl(MOVDLACR) as c,cdbl(MOVDLDEB) as d, MOVINNRO from BANMOV "
        "where CNTSTNRO = '{text}");
    const QString order = QStringLiteral("order by MOVDTALT,MOVINNRO");
    const QString byConcept = QStringLiteral(" and CONSTNRO = '{text}' ");
    const QString byText = QStringLiteral(" and MOVSTCPT like '%{text}%' ");
    for (const auto& [prefix, base] :
         {std::pair{"ledger.listing", gridBase}, std::pair{"ledger.report", reportBase}}) {
        const QString name = QString::fromLatin1(prefix);
        StatementCatalog::add(name, base + listingTail + order);
        StatementCatalog::add(name + QStringLiteral(".concept"),
                              base + listingTail + byConcept + order);
        StatementCatalog::add(name + QStringLiteral(".conceptText"),
                              base + listingTail + byConcept + byText + order);
    }
}

} // namespace ledgora
