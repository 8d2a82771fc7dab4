#include "AccountTotals.h"

#include "MainScreenPort.h"
#include "core/Conversions.h"
#include "domain/LedgerStatements.h"
#include "domain/SharedState.h"
#include "platform/BusyPointer.h"
#include "platform/ErrorReport.h"

namespace ledgora {

namespace {

QString number(Money amount) {
    return rt::generalNumberText(amount);
}

} // namespace

Money realisedBankBalance(const CuentaRecord& account) {
    return account.TOMDLACR - account.TOMDLDEB;
}

Money accountBalance(const CuentaRecord& account) {
    return (account.TOMDLAAC + account.TOMDLACR) - (account.TOMDLADE + account.TOMDLDEB);
}

void showAccountBalances() {
    MainScreenPort* screen = MainScreenPort::current();
    if (!screen)
        return;
    screen->setBalanceText(BalanceLabel::lbTOTRBCO, rt::formatAmount(realisedBankBalance(gCuenta)));
    screen->setBalanceText(BalanceLabel::lbTOTRCNT, rt::formatAmount(accountBalance(gCuenta)));
    // The colour follows the text shown, so a balance that shows as 00.00 is black.
    for (BalanceLabel label : {BalanceLabel::lbTOTRBCO, BalanceLabel::lbTOTRCNT}) {
        const auto shown = rt::readAmount(screen->balanceText(label));
        const bool negative = shown && *shown < Money();
        screen->setBalanceColor(label, negative ? QColor(255, 0, 0) : QColor(0, 0, 0));
    }
}

void GP_ACTUALIZARCUENTA() {
    BusyPointer busy;
    try {

        gsSQL = QStringLiteral("UPDATE BANCNT SET ");
        gsSQL +=
            QStringLiteral("   TOMDLAAC = '") + number(gCuenta.TOMDLAAC) + QStringLiteral("',");
        gsSQL +=
            QStringLiteral("   TOMDLADE = '") + number(gCuenta.TOMDLADE) + QStringLiteral("',");
        gsSQL +=
            QStringLiteral("   TOMDLACR = '") + number(gCuenta.TOMDLACR) + QStringLiteral("',");
        gsSQL += QStringLiteral("   TOMDLDEB = '") + number(gCuenta.TOMDLDEB) + QStringLiteral("'");
        gsSQL += QStringLiteral("   WHERE CNTSTNRO = '") + gCuenta.CNTSTNRO + QStringLiteral("'");
        requireManejo().Sql(gsSQL, forms::ledgerAccountTotals);

        if (requireManejo().Ejecutar() > 0)
            showAccountBalances();
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" / "),
                    QStringLiteral("Seccion GLOBAL.GP_ACTUALIZARCUENTA"));
    }
}

void adjustTotalsByCents(const MovementAmounts& removed, const MovementAmounts& added) {
    auto step = [](Money& total, Money amount) { total = (total + amount).roundedToCents(); };
    step(gCuenta.TOMDLAAC, -removed.MOVDLAAC);
    step(gCuenta.TOMDLACR, -removed.MOVDLACR);
    step(gCuenta.TOMDLADE, -removed.MOVDLADE);
    step(gCuenta.TOMDLDEB, -removed.MOVDLDEB);
    step(gCuenta.TOMDLAAC, added.MOVDLAAC);
    step(gCuenta.TOMDLACR, added.MOVDLACR);
    step(gCuenta.TOMDLADE, added.MOVDLADE);
    step(gCuenta.TOMDLDEB, added.MOVDLDEB);
}

} // namespace ledgora
