#include "ListedMovement.h"

#include "core/Conversions.h"
#include "domain/LedgerStatements.h"
#include "domain/SharedState.h"

#include <QCoreApplication>

namespace ledgora {

bool ListedMovement::stillStored() const {
    Recordset rs;
    requireManejo().Sql(
        QStringLiteral("select MOVDTALT,MOVSTCPT,MOVDLAAC,MOVDLADE,MOVDLACR,MOVDLDEB from BANMOV "
                       "where CNTSTNRO = '") +
            gCuenta.CNTSTNRO + QStringLiteral("' AND MOVINNRO = ") + number,
        forms::movementsReadOne);
    requireManejo().RsDesconectado(true);
    requireManejo().CrearRs(rs);
    if (!requireManejo().RsEstado() || rs.Eof())
        return false;
    // Compared as the listing shows them: the date's day, the trimmed text, amounts in cents.
    auto cents = [&rs](const char* column) {
        return rt::toAmount(rs.Fields(QString::fromLatin1(column)))
            .value_or(Money())
            .roundedToCents();
    };
    const Variant stored = rs.Fields(QStringLiteral("MOVDTALT"));
    const QDate* day = stored.get<QDate>();
    return day && rt::formatDateSlashed(*day) == date &&
           rt::trimBlanks(rt::toText(rs.Fields(QStringLiteral("MOVSTCPT")))) ==
               rt::trimBlanks(description) &&
           cents("MOVDLAAC") == amounts.MOVDLAAC.roundedToCents() &&
           cents("MOVDLADE") == amounts.MOVDLADE.roundedToCents() &&
           cents("MOVDLACR") == amounts.MOVDLACR.roundedToCents() &&
           cents("MOVDLDEB") == amounts.MOVDLDEB.roundedToCents();
}

QString ListedMovement::changedMessage() {
    return QCoreApplication::translate(
        "ListedMovement", "Otra persona modificó o eliminó este movimiento después de que se "
                          "listara; no se cambió nada. Vuelva a cargar el listado (F6).");
}

} // namespace ledgora
