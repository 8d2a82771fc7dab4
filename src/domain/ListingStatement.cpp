#include "ListingStatement.h"

#include "SharedState.h"
#include "core/Conversions.h"

namespace ledgora {

QString listingBase(ListingFor target) {
    switch (target) {
    case ListingFor::Grid:
        return QStringLiteral("select format(MOVDTALT,'dd/mm/yyyy'),trim(MOVSTCPT),"
                              "format(MOVDLAAC,'00.00'),format(MOVDLADE,'00.00'),"
                              "format(MOVDLACR,'00.00'),format(MOVDLDEB,'00.00'), MOVINNRO from "
                              "BANMOV where CNTSTNRO = '");
    case ListingFor::Report:
        return QStringLiteral("select format(MOVDTALT,'dd/mm/yyyy') as fecha,trim(MOVSTCPT) as "
                              "concepto,cdbl(MOVDLAAC) as a,cdbl(MOVDLADE) as b,cdbl(MOVDLACR) as "
                              "c,cdbl(MOVDLDEB) as d, MOVINNRO from BANMOV where CNTSTNRO = '");
    case ListingFor::Export:
        break;
    }
    return QStringLiteral("select MOVDTALT,MOVINNRO,CONSTNRO,MOVSTCPT,MOVDLAAC,MOVDLADE,MOVDLACR,"
                          "MOVDLDEB from BANMOV where CNTSTNRO = '");
}

QString listingStatement(ListingFor target) {
    QString sql = listingBase(target);
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
    static const char* const names[3][3] = {
        {"ledger.listing", "ledger.listing.concept", "ledger.listing.conceptText"},
        {"ledger.report", "ledger.report.concept", "ledger.report.conceptText"},
        {"ledger.export", "ledger.export.concept", "ledger.export.conceptText"}};
    const int filter = !gFiltro.Activo ? 0 : gFiltro.Valor.isEmpty() ? 1 : 2;
    return names[int(target)][filter];
}

QString accountStatement(const QString& number) {
    return QStringLiteral("select * from BANCNT where CNTSTNRO = '") + number + u'\'';
}

} // namespace ledgora
