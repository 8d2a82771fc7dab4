#include "clListado.h"

#include "controls/BandedReport.h"
#include "data/clManejo.h"
#include "ledger/ListingReport.h"
#include "ledger/ListingStatement.h"
#include "ledger/ModuleUtilities.h"
#include "ledger/SharedState.h"
#include "platform/ClassRegistry.h"
#include "platform/MessageBoxes.h"

#include <QDir>
#include <QFileInfo>

namespace ledgora {

namespace {

// The shared state the listing works on, put back as it was when the listing is done, and
// the routines' message boxes turned into the one line the caller reports.
class ListingScope {
public:
    ListingScope()
        : manejo_(std::move(gManejo)), cuenta_(gCuenta), desde_(gFechaDesde), hasta_(gFechaHasta),
          filtro_(gFiltro) {
        previousBoxes_ = MessageBoxes::setHandler([this](const MessageBoxRequest& box) {
            if (failure.isEmpty())
                failure = box.prompt.simplified();
            return MsgAnswer::Ok;
        });
    }
    ~ListingScope() {
        MessageBoxes::setHandler(previousBoxes_);
        gManejo = std::move(manejo_);
        gCuenta = cuenta_;
        gFechaDesde = desde_;
        gFechaHasta = hasta_;
        gFiltro = filtro_;
    }
    ListingScope(const ListingScope&) = delete;
    ListingScope& operator=(const ListingScope&) = delete;

    QString failure;

private:
    std::unique_ptr<clManejo> manejo_;
    CuentaRecord cuenta_;
    QDate desde_;
    QDate hasta_;
    FiltroRecord filtro_;
    MessageBoxes::Handler previousBoxes_;
};

std::optional<QDate> dayMonthYear(const QString& text) {
    const QDate date = QDate::fromString(text.trimmed(), QStringLiteral("d/M/yyyy"));
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

clListado::clListado() = default;

QString clListado::GuardarPdf(const QString& dbPath, const QString& account, const QString& from,
                              const QString& to, const QString& pdfPath, const QString& concept,
                              const QString& text) {
    const auto desde = dayMonthYear(from);
    if (!desde)
        return QStringLiteral("FROM is not a date dd/mm/yyyy: ") + from;
    const auto hasta = dayMonthYear(to);
    if (!hasta)
        return QStringLiteral("TO is not a date dd/mm/yyyy: ") + to;
    if (*hasta < *desde)
        return QStringLiteral("the interval ends (%1) before it starts (%2)").arg(to, from);
    const QFileInfo database(dbPath);
    if (!database.isFile())
        return QStringLiteral("no database at ") + native(dbPath);
    const QFileInfo target(pdfPath);
    if (target.fileName().isEmpty() || target.isDir())
        return QStringLiteral("not a file name for the PDF: ") + native(pdfPath);
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir() || !folder.isWritable())
        return QStringLiteral("cannot write in the folder ") + native(folder.filePath());

    ListingScope scope;
    gManejo = CreateObject<clManejo>(QStringLiteral("Datorix.clManejo"));
    if (!gManejo)
        return QStringLiteral("the data-access component is not available");
    gManejo->CadenaConexion(
        QStringLiteral(
            "Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=False;Data Source=") +
        dbPath);
    gManejo->Conectar();
    if (!gManejo->EstadoConexion())
        return QStringLiteral("cannot open the database ") + native(dbPath);

    // The account as the account screen hands it over: number, name and stored totals.
    Recordset rs;
    try {
        gManejo->Sql(accountStatement(account), "accounts.readOne");
        gManejo->RsDesconectado(true);
        gManejo->CrearRs(rs);
    } catch (const RuntimeError&) {
        rs.Close(); // a number that breaks the statement names no account
    }
    if (rs.Eof())
        return QStringLiteral("no account \"%1\" in %2").arg(account, native(dbPath));
    gCuenta = {};
    gCuenta.CNTSTNRO = GP_TEXTO(rs.Fields(QStringLiteral("CNTSTNRO")));
    gCuenta.CNTSTNOM = GP_TEXTO(rs.Fields(QStringLiteral("CNTSTNOM")));
    gCuenta.TOMDLAAC = GP_NUMERO(rs.Fields(QStringLiteral("TOMDLAAC")));
    gCuenta.TOMDLADE = GP_NUMERO(rs.Fields(QStringLiteral("TOMDLADE")));
    gCuenta.TOMDLACR = GP_NUMERO(rs.Fields(QStringLiteral("TOMDLACR")));
    gCuenta.TOMDLDEB = GP_NUMERO(rs.Fields(QStringLiteral("TOMDLDEB")));
    rs.Close();
    gFechaDesde = *desde;
    gFechaHasta = *hasta;
    gFiltro = {!concept.isEmpty(), concept, text};

    bool written = false;
    CARGAR_LISTADO([&](const BandedReport& report, ReportRecords& records) {
        const QString failure = report.writePdf(pdfPath, records);
        if (failure.isEmpty())
            written = true;
        else
            scope.failure = QStringLiteral("cannot write %1: %2").arg(native(pdfPath), failure);
    });
    if (!scope.failure.isEmpty())
        return scope.failure;
    if (!written)
        return QStringLiteral("the listing could not be read from ") + native(dbPath);
    return {};
}

} // namespace ledgora
