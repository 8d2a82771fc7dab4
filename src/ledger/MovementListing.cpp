#include "MovementListing.h"

#include "AccountTotals.h"
#include "ListedRows.h"
#include "ListingRows.h"
#include "MainScreenPort.h"
#include "controls/FlexGrid.h"
#include "core/Conversions.h"
#include "data/WriteBatch.h"
#include "domain/LedgerStatements.h"
#include "domain/ListingStatement.h"
#include "domain/ModuleUtilities.h"
#include "platform/BusyPointer.h"
#include "platform/ErrorReport.h"
#include "platform/ScreenLog.h"

#include <algorithm>

namespace ledgora {

namespace {

// Selects rows 1 to the last of the given columns, for formatting them as one block.
void selectColumns(FlexGrid& grid, int firstColumn, int lastColumn) {
    grid.setRow(1);
    grid.setCol(firstColumn);
    grid.setRowSel(grid.rows() - 1);
    grid.setColSel(lastColumn);
}

const QColor kPaleGreen(236, 249, 232);

// The record set's rows into the grid's data rows, formatted by column blocks.
void pasteListing(FlexGrid& LstBNK, Recordset& rs) {
    LstBNK.setRows(int(rs.RecordCount()) + 1);
    LstBNK.setCol(0);
    LstBNK.setRow(1);
    LstBNK.setColSel(LstBNK.cols() - 1);
    LstBNK.setRowSel(LstBNK.rows() - 1);
    auto listing = std::make_shared<const ListingRows>(rs.sharedData(), rs.position());
    LstBNK.setClip(listing);
    ListedRows::of(LstBNK).load(std::move(listing));

    selectColumns(LstBNK, 1, 1);
    LstBNK.setCellAlignment(FlexGrid::LeftCenter);
    selectColumns(LstBNK, 2, 2);
    LstBNK.setCellBackColor(kPaleGreen);
    LstBNK.setCellAlignment(FlexGrid::RightCenter);
    selectColumns(LstBNK, 4, 4);
    LstBNK.setCellBackColor(kPaleGreen);
    LstBNK.setCellAlignment(FlexGrid::RightCenter);
    selectColumns(LstBNK, 2, LstBNK.cols() - 1);
    LstBNK.setCellAlignment(FlexGrid::RightCenter);
}

} // namespace

void refreshAccountTotals(Recordset& rs) {
    // The sums and the stored totals are one write: no other writer comes in between, and a
    // program killed there leaves the old totals or the new ones, never half of them.
    WriteBatch batch(requireManejo());
    // 2. The totals of every movement up to the interval's end.
    const MovementAmounts sums = sumMovements(requireManejo(), rs, gCuenta.CNTSTNRO, gFechaHasta);
    gCuenta.TOMDLAAC = sums.MOVDLAAC;
    gCuenta.TOMDLADE = sums.MOVDLADE;
    gCuenta.TOMDLACR = sums.MOVDLACR;
    gCuenta.TOMDLDEB = sums.MOVDLDEB;

    // 3. Stored and shown.
    GP_ACTUALIZARCUENTA();
    batch.commit();

    // 4. The interval in the status bar.
    if (MainScreenPort* screen = MainScreenPort::current())
        screen->setStatusPanel(2, intervalStatusText());

    // 5. The highest movement number, for numbering the next one.
    if (const auto highest = highestMovementNumber(requireManejo(), rs, gCuenta.CNTSTNRO))
        gCuenta.UltimoMovimiento = *highest;
}

void CARGAR_CUENTAS(FlexGrid& LstBNK) {
    Recordset rs;
    // 1. Busy, and an empty grid kept hidden while it fills.
    BusyPointer busy;
    try {
        requireManejo().RsDesconectado(true);
        LstBNK.hide();
        LstBNK.setRows(1);
        ListedRows::of(LstBNK).clear();

        // 2 to 5. The account's totals, the interval shown, the highest movement number.
        refreshAccountTotals(rs);

        // 6 and 7. The listing itself.
        requireManejo().Sql(listingStatement(ListingFor::Grid), listingForm(ListingFor::Grid));
        requireManejo().RsDesconectado(false);
        if (requireManejo().CrearRs(rs) && rs.RecordCount() > 0) {
            // 8. One paste of the whole record set, then formatting by column blocks. The grid
            // keeps the record set's rows and makes each cell's text when it is shown, so a
            // long listing is held once, compactly, and never as text. The movements behind
            // the rows are read from the same rows.
            pasteListing(LstBNK, rs);

            // The most recent movement is the current row, in view and selected whole.
            LstBNK.setRow(LstBNK.rows() - 1);
            if (!LstBNK.rowIsVisible(LstBNK.row()))
                LstBNK.setTopRow(LstBNK.row());
            LstBNK.setCol(0);
            LstBNK.setColSel(LstBNK.cols() - 1);
        }

        // 9.
        rs.Close();
        busy.release();
        LstBNK.show();
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" / "),
                    QStringLiteral("Seccion [BANCOS.CARGAR_CUENTAS]"));
        rs.Close();
        LstBNK.show();
    }
}

// The data row showing the movement of that number, looked for outward from the row it was
// on; 0 when it is no longer listed.
int listedRowOf(FlexGrid& LstBNK, const QString& number, int near) {
    ListedRows& rows = ListedRows::of(LstBNK);
    const int last = LstBNK.rows() - 1;
    for (int distance = 0; near - distance >= 1 || near + distance <= last; ++distance) {
        for (const int row : {near - distance, near + distance}) {
            if (row >= 1 && row <= last && rows.at(row).number == number)
                return row;
        }
    }
    return 0;
}

void followListing(FlexGrid& LstBNK) {
    // Where the person is: the movement selected, by its number, and the first row in view.
    const int before = LstBNK.row();
    const int top = LstBNK.topRow();
    QString selected;
    if (before >= 1 && before < LstBNK.rows())
        selected = ListedRows::of(LstBNK).at(before).number;
    Recordset rs;
    try {
        // The totals the database keeps, less what lies after the interval: the same sums the
        // loader makes from every movement, without reading them all again.
        const MovementAmounts totals =
            totalsUpTo(requireManejo(), rs, gCuenta.CNTSTNRO, gFechaHasta);
        gCuenta.TOMDLAAC = totals.MOVDLAAC;
        gCuenta.TOMDLADE = totals.MOVDLADE;
        gCuenta.TOMDLACR = totals.MOVDLACR;
        gCuenta.TOMDLDEB = totals.MOVDLDEB;
        showAccountBalances();
        if (const auto highest = highestMovementNumber(requireManejo(), rs, gCuenta.CNTSTNRO))
            gCuenta.UltimoMovimiento = *highest;
        requireManejo().Sql(listingStatement(ListingFor::Grid), listingForm(ListingFor::Grid));
        requireManejo().RsDesconectado(false);
        const bool listed = requireManejo().CrearRs(rs);
        // Replaced only once read: a failure leaves the listing as it was.
        LstBNK.setRows(1);
        ListedRows::of(LstBNK).clear();
        if (listed && rs.RecordCount() > 0)
            pasteListing(LstBNK, rs);
        rs.Close();
    } catch (const RuntimeError& error) {
        qCInfo(lcScreens) << "listing not followed:" << error.description();
        rs.Close();
        return;
    }
    const int last = LstBNK.rows() - 1;
    if (last >= 1) {
        const int found = selected.isEmpty() ? 0 : listedRowOf(LstBNK, selected, before);
        LstBNK.setRow(found > 0 ? found : std::clamp(before, 1, last));
        LstBNK.setCol(0);
        LstBNK.setColSel(LstBNK.cols() - 1);
        LstBNK.setTopRow(std::clamp(top, 1, last));
    }
    qCInfo(lcScreens) << "listing followed" << gCuenta.CNTSTNRO << last << "movements";
}

} // namespace ledgora
