#include "clListado.h"

#include "WindowlessOutput.h"
#include "entry/EntryLog.h"
#include "screens/ScreenStatements.h"

#include "controls/BandedReport.h"
#include "core/ClassRegistry.h"
#include "core/Conversions.h"
#include "core/FileErrorText.h"
#include "data/ConnectionString.h"
#include "data/CsvText.h"
#include "data/clManejo.h"
#include "domain/ListingStatement.h"
#include "domain/ModuleUtilities.h"
#include "domain/SharedState.h"
#include "ledger/ListingReport.h"
#include "ledger/SharedStateScope.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace ledgora {

namespace {

std::optional<QDate> dayMonthYear(const QString& text) {
    const QDate date = QDate::fromString(text.trimmed(), QStringLiteral("d/M/yyyy"));
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

// Checks what was asked, connects and reads the account into the shared state as the account
// screen hands it over; the interval and the filter are set as the interval screen sets them.
// Runs inside a SharedStateScope, which puts the shared state back.
Result prepareListing(const QString& dbPath, const QString& account, const QString& from,
                      const QString& to, const QString& outPath, const QString& concept,
                      const QString& text) {
    qCInfo(lcEntry).noquote() << "windowless listing of account" << account << "from" << from
                              << "to" << to << "into" << outPath;
    const auto desde = dayMonthYear(from);
    if (!desde)
        return {Result::Kind::Refused,
                clListado::tr("DESDE no es una fecha dd/mm/aaaa: %1").arg(from)};
    const auto hasta = dayMonthYear(to);
    if (!hasta)
        return {Result::Kind::Refused,
                clListado::tr("HASTA no es una fecha dd/mm/aaaa: %1").arg(to)};
    if (*hasta < *desde)
        return {Result::Kind::Refused,
                clListado::tr("el intervalo termina (%1) antes de empezar (%2)").arg(to, from)};
    if (Result paths = windowless::checkPaths(dbPath, outPath); !paths)
        return paths;
    // Listing and exporting only read.
    if (Result opened = windowless::openForReading(dbPath); !opened)
        return opened;

    // The account as the account screen hands it over: number, name and stored totals.
    Recordset rs;
    try {
        gManejo->Sql(accountStatement(account), forms::accountsReadOne);
        gManejo->RsDesconectado(true);
        gManejo->CrearRs(rs);
    } catch (const RuntimeError&) {
        rs.Close(); // a number that breaks the statement names no account
    }
    if (rs.Eof())
        return {Result::Kind::Refused, clListado::tr("no hay una cuenta \"%1\" en %2")
                                           .arg(account, windowless::native(dbPath))};
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

    return {};
}

} // namespace

clListado::clListado() = default;

Result clListado::GuardarPdf(const QString& dbPath, const QString& account, const QString& from,
                             const QString& to, const QString& pdfPath, const QString& concept,
                             const QString& text) {
    // The routines' messages become the one line the caller reports.
    SharedStateScope scope(SharedStateScope::Boxes::Answered);
    if (Result prepared = prepareListing(dbPath, account, from, to, pdfPath, concept, text);
        !prepared)
        return prepared;

    bool written = false;
    QString writeFailure;
    CARGAR_LISTADO([&](const BandedReport& report, ReportRecords& records) {
        const QString failure = report.writePdf(pdfPath, records);
        if (failure.isEmpty())
            written = true;
        else
            writeFailure =
                tr("no se pudo escribir %1: %2").arg(windowless::native(pdfPath), failure);
    });
    if (!writeFailure.isEmpty())
        return {Result::Kind::FileAccess, writeFailure};
    if (!scope.firstMessage().isEmpty())
        return {Result::Kind::Refused, scope.firstMessage()};
    if (!written)
        return {Result::Kind::Other,
                tr("no se pudo leer el listado de %1").arg(windowless::native(dbPath))};
    return {};
}

Result clListado::GuardarCsv(const QString& dbPath, const QString& account, const QString& from,
                             const QString& to, const QString& csvPath, const QString& concept,
                             const QString& text) {
    SharedStateScope scope(SharedStateScope::Boxes::Answered);
    if (Result prepared = prepareListing(dbPath, account, from, to, csvPath, concept, text);
        !prepared)
        return prepared;

    Recordset rs;
    try {
        gManejo->Sql(listingStatement(ListingFor::Export), listingForm(ListingFor::Export));
        gManejo->RsDesconectado(false);
        gManejo->CrearRs(rs);
    } catch (const RuntimeError& error) {
        return {error.kind(), tr("no se pudo leer el listado: %1").arg(error.description())};
    }
    // Written beside the target and put in its place only when whole.
    QSaveFile file(csvPath);
    if (!file.open(QIODevice::WriteOnly))
        return {
            Result::Kind::FileAccess,
            tr("no se pudo escribir %1: %2").arg(windowless::native(csvPath), fileErrorText(file))};
    auto write = [&file](const QStringList& fields) { file.write(CsvText::line(fields).toUtf8()); };
    write({QStringLiteral("fecha"), QStringLiteral("numero"), QStringLiteral("concepto"),
           QStringLiteral("descripcion"), QStringLiteral("a_acreditar"),
           QStringLiteral("a_debitar"), QStringLiteral("acreditado"), QStringLiteral("debitado")});
    // Dates as ISO days and amounts with every stored decimal, read alike in any locale.
    auto amount = [&rs](const char* column) {
        const Variant value = rs.Fields(QString::fromLatin1(column));
        const Money* money = value.get<Money>();
        return money ? CsvText::amount(*money) : QString();
    };
    for (; !rs.Eof(); rs.MoveNext()) {
        const Variant day = rs.Fields(QStringLiteral("MOVDTALT"));
        write({day.get<QDate>() ? day.get<QDate>()->toString(Qt::ISODate) : QString(),
               rt::toText(rs.Fields(QStringLiteral("MOVINNRO"))),
               CsvText::inertText(GP_TEXTO(rs.Fields(QStringLiteral("CONSTNRO")))),
               CsvText::inertText(GP_TEXTO(rs.Fields(QStringLiteral("MOVSTCPT")))),
               amount("MOVDLAAC"), amount("MOVDLADE"), amount("MOVDLACR"), amount("MOVDLDEB")});
    }
    rs.Close();
    if (!file.commit())
        return {
            Result::Kind::FileAccess,
            tr("no se pudo escribir %1: %2").arg(windowless::native(csvPath), fileErrorText(file))};
    return {};
}

} // namespace ledgora
