#include "ListingStatement.h"

#include "SharedState.h"
#include "platform/Conversions.h"

namespace ledgora {

QString listingStatement(ListingFor target) {
    QString sql =
        target == ListingFor::Grid
            ? QStringLiteral("select format(MOVDTALT,'dd/mm/yyyy'),trim(MOVSTCPT),"
                             "format(MOVDLAAC,'00.00'),format(MOVDLADE,'00.00'),"
                             "format(MOVDLACR,'00.00'),format(MOVDLDEB,'00.00'), MOVINNRO from "
                             "BANMOV where CNTSTNRO = '")
            : QStringLiteral("select format(MOVDTALT,'dd/mm/yyyy') as fecha,trim(MOVSTCPT) as "
                             "concepto,cdbl(MOVDLAAC) as a,cdbl(MOVDLADE) as b,cdbl(MOVDLACR) as "
                             "c,cdbl(MOVDLDEB) as d, MOVINNRO from BANMOV where CNTSTNRO = '");
    sql += gCuenta.CNTSTNRO + QStringLiteral("' and MOVDTALT between DATEVALUE('") +
           rt::dateText(gFechaDesde) + QStringLiteral("') AND DATEVALUE ('") +
           rt::dateText(gFechaHasta) + QStringLiteral("') ");
    if (gFiltro.Activo) {
        sql += QStringLiteral(" and CONSTNRO = '") + gFiltro.Concepto + QStringLiteral("' ");
        if (!gFiltro.Valor.isEmpty())
            sql += QStringLiteral(" and MOVSTCPT like '%") + gFiltro.Valor + QStringLiteral("%' ");
    }
    return sql + QStringLiteral("order by MOVDTALT,MOVINNRO");
}

const char* listingForm(ListingFor target) {
    const bool grid = target == ListingFor::Grid;
    if (!gFiltro.Activo)
        return grid ? "ledger.listing" : "ledger.report";
    if (gFiltro.Valor.isEmpty())
        return grid ? "ledger.listing.concept" : "ledger.report.concept";
    return grid ? "ledger.listing.conceptText" : "ledger.report.conceptText";
}

QString accountStatement(const QString& number) {
    return QStringLiteral("select * from BANCNT where CNTSTNRO = '") + number + u'\'';
}

} // namespace ledgora
