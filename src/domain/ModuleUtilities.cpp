#include "ModuleUtilities.h"

#include "core/Conversions.h"
#include "core/RuntimeError.h"

namespace ledgora {

IntervaloRecord GP_INTERVALOMES(QDate date) {
    const QDate first(date.year(), date.month(), 1);
    return {first, first.addMonths(1).addDays(-1)};
}

QString GP_TEXTO(const Variant& value) {
    return rt::trimBlanks(rt::toText(value));
}

Money GP_NUMERO(const Variant& value) {
    try {
        return rt::toAmount(value).value_or(Money());
    } catch (const RuntimeError&) {
        return Money(); // a number too large for an amount is no amount
    }
}

} // namespace ledgora

namespace ledgora {

QString intervalStatusText() {
    return QStringLiteral("Desde (") + rt::formatDateSlashed(gFechaDesde) +
           QStringLiteral(") - Hasta (") + rt::formatDateSlashed(gFechaHasta) + u')';
}

bool isKeyNumber(QStringView text) {
    const QString number = rt::trimBlanks(text);
    if (number.isEmpty())
        return false;
    for (const QChar c : number)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace ledgora
