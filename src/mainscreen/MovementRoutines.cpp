#include "MovementRoutines.h"

#include "controls/FlexGrid.h"
#include "core/Conversions.h"
#include "data/WriteBatch.h"
#include "domain/SharedState.h"
#include "ledger/AccountTotals.h"
#include "ledger/ListedMovement.h"
#include "ledger/ListedRows.h"
#include "ledger/ListingRows.h"
#include "ledger/MovementListing.h"
#include "platform/BusyPointer.h"
#include "platform/ErrorReport.h"
#include "screens/ScreenStatements.h"

namespace ledgora {

namespace {

constexpr int kFirstAmountColumn = ListingRows::kFirstAmountColumn;

void writeRowAmounts(FlexGrid& grid, int row, const MovementAmounts& amounts) {
    grid.setTextMatrix(row, kFirstAmountColumn, rt::formatAmount(amounts.MOVDLAAC));
    grid.setTextMatrix(row, kFirstAmountColumn + 1, rt::formatAmount(amounts.MOVDLADE));
    grid.setTextMatrix(row, kFirstAmountColumn + 2, rt::formatAmount(amounts.MOVDLACR));
    grid.setTextMatrix(row, kFirstAmountColumn + 3, rt::formatAmount(amounts.MOVDLDEB));
}

void selectWholeRow(FlexGrid& grid) {
    grid.setCol(0);
    grid.setColSel(grid.cols() - 1);
}

// Only a positive amount moves; it replaces what the other column of its side held.
void moveSide(Money& pending, Money& realised) {
    if (pending > Money()) {
        realised = pending;
        pending = Money();
    } else if (realised > Money()) {
        pending = realised;
        realised = Money();
    }
}

QString numberText(Money amount) {
    return rt::generalNumberText(amount);
}

// Whether the movement is still stored as listed; when not, the person is told and nothing
// changes.
bool stillAsListed(const ListedMovement& listed) {
    if (listed.stillStored())
        return true;
    MsgBox(ListedMovement::changedMessage(), MsgIcon::Exclamation);
    return false;
}

} // namespace

void PP_ACRODCR(FlexGrid& LstBNK) {
    if (LstBNK.rows() < 2)
        return;
    BusyPointer busy;
    try {
        const int row = LstBNK.row();
        ListedRows& rows = ListedRows::of(LstBNK);
        ListedMovement listed = rows.at(row);
        const MovementAmounts before = listed.amounts;
        MovementAmounts after = before;
        moveSide(after.MOVDLAAC, after.MOVDLACR);
        moveSide(after.MOVDLADE, after.MOVDLDEB);

        // One write: the check that the row is as listed, the change and the totals.
        WriteBatch batch(requireManejo());
        if (!stillAsListed(listed))
            return;
        gsSQL = QStringLiteral("UPDATE BANMOV SET ");
        gsSQL += QStringLiteral("MOVDLAAC = '") + numberText(after.MOVDLAAC) + QStringLiteral("',");
        gsSQL += QStringLiteral("MOVDLADE = '") + numberText(after.MOVDLADE) + QStringLiteral("',");
        gsSQL += QStringLiteral("MOVDLACR = '") + numberText(after.MOVDLACR) + QStringLiteral("',");
        gsSQL += QStringLiteral("MOVDLDEB = '") + numberText(after.MOVDLDEB) + QStringLiteral("' ");
        gsSQL += QStringLiteral("WHERE CNTSTNRO = '") + gCuenta.CNTSTNRO + QStringLiteral("' AND ");
        gsSQL += QStringLiteral("MOVINNRO = ") + listed.number;
        requireManejo().Sql(gsSQL, forms::movementsStatus);
        if (requireManejo().Ejecutar() > 0) {
            adjustTotalsByCents(before, after);
            GP_ACTUALIZARCUENTA();
            writeRowAmounts(LstBNK, row, after);
            listed.amounts = after;
            rows.replace(row, std::move(listed));
        }
        batch.commit();
        selectWholeRow(LstBNK);
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" / "), QStringLiteral("Seccion BANCOS.PP_ACRODCR"));
    }
}

void PP_ELIMINARCUENTA(FlexGrid& LstBNK) {
    if (LstBNK.rows() < 2)
        return;
    if (MsgBox(QStringLiteral("Confirma eliminar el movimiento seleccionado"), MsgIcon::Question,
               MsgButtons::YesNo) == MsgAnswer::No)
        return;
    BusyPointer busy;
    try {
        const int row = LstBNK.row();
        ListedRows& rows = ListedRows::of(LstBNK);
        const ListedMovement listed = rows.at(row);

        WriteBatch batch(requireManejo());
        if (!stillAsListed(listed))
            return;
        gsSQL = QStringLiteral("DELETE FROM BANMOV ");
        gsSQL += QStringLiteral("WHERE CNTSTNRO = '") + gCuenta.CNTSTNRO + QStringLiteral("' AND ");
        gsSQL += QStringLiteral("MOVINNRO = ") + listed.number;
        requireManejo().Sql(gsSQL, forms::movementsDelete);
        if (requireManejo().Ejecutar() > 0) {
            adjustTotalsByCents(listed.amounts, {});
            GP_ACTUALIZARCUENTA();
            if (LstBNK.rows() > 2) {
                LstBNK.removeItem(row);
                rows.remove(row);
            } else {
                LstBNK.setRows(1);
                rows.clear();
            }
        }
        batch.commit();
        selectWholeRow(LstBNK);
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" / "),
                    QStringLiteral("Seccion BANCOS.PP_ELIMINARCUENTA"));
    }
}

void PP_MODIFICARCUENTA(FlexGrid& LstBNK, ScreenRef<FrmModConcepto>& frmModConcepto) {
    try {
        if (LstBNK.rows() < 2)
            return;
        const int row = LstBNK.row();
        ListedRows& rows = ListedRows::of(LstBNK);
        const ListedMovement listed = rows.at(row);
        gMovimiento = MovimientoRecord();
        gMovimiento.MOVINNRO = listed.number;
        gMovimiento.MOVDTALT = listed.date;
        gMovimiento.MOVSTCPT = listed.description;
        gMovimiento.MOVDLAAC = listed.amounts.MOVDLAAC;
        gMovimiento.MOVDLADE = listed.amounts.MOVDLADE;
        gMovimiento.MOVDLACR = listed.amounts.MOVDLACR;
        gMovimiento.MOVDLDEB = listed.amounts.MOVDLDEB;

        frmModConcepto.showModal();
        // The listing may have followed other people's changes under the edit screen.
        const int at = listedRowOf(LstBNK, listed.number, row);

        if (gMovimiento.Modificado && at > 0) {
            const ListedMovement changed = {listed.number,
                                            gMovimiento.MOVDTALT,
                                            gMovimiento.MOVSTCPT,
                                            {gMovimiento.MOVDLAAC, gMovimiento.MOVDLADE,
                                             gMovimiento.MOVDLACR, gMovimiento.MOVDLDEB}};
            LstBNK.setTextMatrix(at, 0, changed.date);
            LstBNK.setTextMatrix(at, 1, changed.description);
            writeRowAmounts(LstBNK, at, changed.amounts);
            rows.replace(at, changed);
        }
        selectWholeRow(LstBNK);
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" / "), {}, MsgIcon::None);
    }
}

} // namespace ledgora
