#include "ListingReport.h"

#include "AccountTotals.h"
#include "DR.h"
#include "MovementListing.h"
#include "controls/ReportRecords.h"
#include "core/Conversions.h"
#include "data/LockRenewal.h"
#include "domain/ListingStatement.h"
#include "domain/SharedState.h"
#include "platform/BusyPointer.h"
#include "platform/ErrorReport.h"

#include <QApplication>

namespace ledgora {

namespace {

// The listing's record set as the report reads it; each printing starts from the first row.
class RecordsetRecords final : public ReportRecords {
public:
    explicit RecordsetRecords(const Recordset& rs) : first_(rs), cursor_(rs) {}

    void moveFirst() override { cursor_ = first_; }
    bool eof() const override { return cursor_.Eof(); }
    Variant field(const QString& name) const override { return cursor_.Fields(name); }
    void moveNext() override { cursor_.MoveNext(); }

private:
    const Recordset first_;
    Recordset cursor_;
};

} // namespace

void CARGAR_LISTADO() {
    CARGAR_LISTADO([](const BandedReport& report, ReportRecords& records) {
        // Printing to a file and saving a PDF browse folders, the ledger's among them.
        LockRenewal renewal(requireManejo());
        report.preview(records, QApplication::activeWindow());
    });
}

void CARGAR_LISTADO(const ListingOutput& output) {
    Recordset rs;
    // 1.
    BusyPointer busy;
    try {
        requireManejo().RsDesconectado(true);

        // 2. The account's totals, the interval shown, the highest movement number.
        refreshAccountTotals(rs);

        // 3 and 4. The listing, with numbers for the report to format.
        requireManejo().Sql(listingStatement(ListingFor::Report), listingForm(ListingFor::Report));
        requireManejo().RsDesconectado(false);
        if (!requireManejo().CrearRs(rs))
            return;

        // 5 and 6. The account line and the balances of the totals just stored, which cover
        // every movement up to the interval's end whatever the filter lists.
        DR report;
        report.control(QStringLiteral("lbCuenta"))->text =
            u'(' + gCuenta.CNTSTNRO + QStringLiteral(") ") + gCuenta.CNTSTNOM;
        report.control(QStringLiteral("lbRealBanco"))->text =
            rt::formatAmount(realisedBankBalance(gCuenta));
        report.control(QStringLiteral("lbRealCuenta"))->text =
            rt::formatAmount(accountBalance(gCuenta));

        // 7 and 8.
        {
            RecordsetRecords records(rs);
            rs.Close(); // the records hold the rows now; they go when the report is done
            output(report, records);
        }
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" / "),
                    QStringLiteral("Seccion [BANCOS.CARGAR_CUENTAS]"));
        rs.Close();
    }
}

} // namespace ledgora
