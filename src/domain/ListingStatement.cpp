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

FormName listingForm(ListingFor target, ListingFilter filter) {
    static constexpr FormName names[3][3] = {
        {forms::ledgerListing, forms::ledgerListingConcept, forms::ledgerListingConceptText},
        {forms::ledgerReport, forms::ledgerReportConcept, forms::ledgerReportConceptText},
        {forms::ledgerExport, forms::ledgerExportConcept, forms::ledgerExportConceptText}};
    return names[int(target)][int(filter)];
}

FormName listingForm(ListingFor target) {
    return listingForm(target, !gFiltro.Activo           ? ListingFilter::None
                               : gFiltro.Valor.isEmpty() ? ListingFilter::Concept
                                                         : ListingFilter::ConceptAndText);
}

QString accountStatement(const QString& number) {
    return QStringLiteral("select * from BANCNT where CNTSTNRO = '") + number + u'\'';
}

} // namespace ledgora
