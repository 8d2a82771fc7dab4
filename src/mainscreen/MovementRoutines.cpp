#include "MovementRoutines.h"

#include "controls/FlexGrid.h"
#include "core/Conversions.h"
#include "data/WriteBatch.h"
#include "ledger/AccountTotals.h"
#include "ledger/ListedMovement.h"
#include "ledger/SharedState.h"
#include "platform/BusyPointer.h"
#include "platform/ErrorReport.h"

namespace ledgora {

namespace {

constexpr int kFirstAmountColumn = 2;
constexpr int kNumberColumn = 6;

// A cell's "00.00" text read back by the locale's rules that wrote it.
Money cellAmount(const FlexGrid& grid, int row, int col) {
    const auto amount = rt::readAmount(grid.textMatrix(row, col));
    if (!amount)
        throw RuntimeError::typeMismatch();
    return *amount;
}

MovementAmounts rowAmounts(const FlexGrid& grid, int row) {
    return {cellAmount(grid, row, kFirstAmountColumn),
            cellAmount(grid, row, kFirstAmountColumn + 1),
            cellAmount(grid, row, kFirstAmountColumn + 2),
            cellAmount(grid, row, kFirstAmountColumn + 3)};
}

// The movement's number, as a 32-bit whole number.
QString rowNumber(const FlexGrid& grid, int row) {
    const auto number = rt::readNumber(grid.textMatrix(row, kNumberColumn));
    if (!number)
        throw RuntimeError::typeMismatch();
    return QString::number(rt::toInt32(*number));
}

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

// The row as the person sees it, to be checked against what is stored before it changes.
ListedMovement listedRow(const FlexGrid& grid, int row) {
    return {rowNumber(grid, row), grid.textMatrix(row, 0), grid.textMatrix(row, 1),
            rowAmounts(grid, row)};
}

// Whether the row is still stored as listed; when not, the person is told and nothing changes.
bool stillAsListed(const FlexGrid& grid, int row) {
    if (listedRow(grid, row).stillStored())
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
        const MovementAmounts before = rowAmounts(LstBNK, row);
        const QString nro = rowNumber(LstBNK, row);
        MovementAmounts after = before;
        moveSide(after.MOVDLAAC, after.MOVDLACR);
        moveSide(after.MOVDLADE, after.MOVDLDEB);

        // One write: the check that the row is as listed, the change and the totals.
        WriteBatch batch(requireManejo());
        if (!stillAsListed(LstBNK, row))
            return;
        gsSQL = QStringLiteral("UPDATE BANMOV SET ");
        gsSQL += QStringLiteral("MOVDLAAC = '") + numberText(after.MOVDLAAC) + QStringLiteral("',");
        gsSQL += QStringLiteral("MOVDLADE = '") + numberText(after.MOVDLADE) + QStringLiteral("',");
        gsSQL += QStringLiteral("MOVDLACR = '") + numberText(after.MOVDLACR) + QStringLiteral("',");
        gsSQL += QStringLiteral("MOVDLDEB = '") + numberText(after.MOVDLDEB) + QStringLiteral("' ");
        gsSQL += QStringLiteral("WHERE CNTSTNRO = '") + gCuenta.CNTSTNRO + QStringLiteral("' AND ");
        gsSQL += QStringLiteral("MOVINNRO = ") + nro;
        requireManejo().Sql(gsSQL, "movements.status");
        if (requireManejo().Ejecutar() > 0) {
            adjustTotalsByCents(before, after);
            GP_ACTUALIZARCUENTA();
            writeRowAmounts(LstBNK, row, after);
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
        const MovementAmounts amounts = rowAmounts(LstBNK, row);
        const QString nro = rowNumber(LstBNK, row);

        WriteBatch batch(requireManejo());
        if (!stillAsListed(LstBNK, row))
            return;
        gsSQL = QStringLiteral("DELETE FROM BANMOV ");
        gsSQL += QStringLiteral("WHERE CNTSTNRO = '") + gCuenta.CNTSTNRO + QStringLiteral("' AND ");
        gsSQL += QStringLiteral("MOVINNRO = ") + nro;
        requireManejo().Sql(gsSQL, "movements.delete");
        if (requireManejo().Ejecutar() > 0) {
            adjustTotalsByCents(amounts, {});
            GP_ACTUALIZARCUENTA();
            if (LstBNK.rows() > 2)
                LstBNK.removeItem(row);
            else
                LstBNK.setRows(1);
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
        gMovimiento = MovimientoRecord();
        gMovimiento.MOVINNRO = LstBNK.textMatrix(row, kNumberColumn);
        gMovimiento.MOVDTALT = LstBNK.textMatrix(row, 0);
        gMovimiento.MOVSTCPT = LstBNK.textMatrix(row, 1);
        const MovementAmounts amounts = rowAmounts(LstBNK, row);
        gMovimiento.MOVDLAAC = amounts.MOVDLAAC;
        gMovimiento.MOVDLADE = amounts.MOVDLADE;
        gMovimiento.MOVDLACR = amounts.MOVDLACR;
        gMovimiento.MOVDLDEB = amounts.MOVDLDEB;

        frmModConcepto.showModal();

        if (gMovimiento.Modificado) {
            LstBNK.setTextMatrix(row, 0, gMovimiento.MOVDTALT);
            LstBNK.setTextMatrix(row, 1, gMovimiento.MOVSTCPT);
            writeRowAmounts(LstBNK, row,
                            {gMovimiento.MOVDLAAC, gMovimiento.MOVDLADE, gMovimiento.MOVDLACR,
                             gMovimiento.MOVDLDEB});
        }
        selectWholeRow(LstBNK);
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" / "), {}, MsgIcon::None);
    }
}

} // namespace ledgora
