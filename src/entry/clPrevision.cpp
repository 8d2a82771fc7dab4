#include "clPrevision.h"

#include "WindowlessOutput.h"
#include "entry/EntryLog.h"

#include "core/Conversions.h"
#include "core/FileErrorText.h"
#include "data/CsvText.h"
#include "data/Recordset.h"
#include "data/clManejo.h"
#include "domain/ModuleUtilities.h"
#include "domain/SharedState.h"
#include "forecastscreen/ForecastReport.h"
#include "forecastscreen/ForecastRows.h"
#include "ledger/SharedStateScope.h"
#include "screens/ScreenStatements.h"

#include <QSaveFile>

namespace ledgora {

namespace {

// One line a day's item: the day it counts on and the day it was due, ISO; amounts with
// every stored decimal, read alike in any locale.
Result writeCsv(const TreasuryForecast& forecast, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {Result::Kind::FileAccess, clPrevision::tr("no se pudo escribir %1: %2")
                                              .arg(windowless::native(path), fileErrorText(file))};
    auto write = [&file](const QStringList& fields) { file.write(CsvText::line(fields).toUtf8()); };
    write({QStringLiteral("fecha"), QStringLiteral("vencimiento"), QStringLiteral("cuenta"),
           QStringLiteral("origen"), QStringLiteral("numero"), QStringLiteral("descripcion"),
           QStringLiteral("entrada"), QStringLiteral("salida"), QStringLiteral("saldo")});
    const QString today = forecast.today().toString(Qt::ISODate);
    write({today, today, QString(), QStringLiteral("realizado"), QString(), QString(), QString(),
           QString(), CsvText::amount(forecast.opening())});
    for (const ForecastLine& line : forecast.lines())
        write({line.date.toString(Qt::ISODate), line.due.toString(Qt::ISODate), line.account,
               line.source == ForecastLine::Source::Recurring ? QStringLiteral("periodico")
                                                              : QStringLiteral("pendiente"),
               QString::number(line.number), CsvText::inertText(line.description.trimmed()),
               CsvText::amount(line.in), CsvText::amount(line.out), CsvText::amount(line.balance)});
    if (!file.commit())
        return {Result::Kind::FileAccess, clPrevision::tr("no se pudo escribir %1: %2")
                                              .arg(windowless::native(path), fileErrorText(file))};
    return {};
}

} // namespace

clPrevision::clPrevision() = default;

Result clPrevision::Guardar(const QString& dbPath, const QString& account, const QString& days,
                            const QString& outPath) {
    SharedStateScope scope(SharedStateScope::Boxes::Answered);
    qCInfo(lcEntry).noquote() << "windowless forecast of account" << account << "for" << days
                              << "days into" << outPath;
    bool isNumber = false;
    const int ahead = days.trimmed().toInt(&isNumber);
    if (!isNumber || ahead < 1 || ahead > TreasuryForecast::kMostDays)
        return {Result::Kind::Refused, tr("DIAS no es un número de días de 1 a %1: %2")
                                           .arg(TreasuryForecast::kMostDays)
                                           .arg(days)};
    const bool pdf = outPath.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
    if (!pdf && !outPath.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return {
            Result::Kind::Refused,
            tr("la salida debe ser un archivo .pdf o .csv: %1").arg(windowless::native(outPath))};
    if (Result paths = windowless::checkPaths(dbPath, outPath); !paths)
        return paths;
    if (Result opened = windowless::openForReading(dbPath); !opened)
        return opened;

    QString scopeText = tr("Todas las cuentas");
    try {
        if (!account.isEmpty()) {
            Recordset rs;
            gManejo->RsDesconectado(true);
            gManejo->CrearRs(rs, forms::accountsReadOne, {account});
            if (rs.Eof())
                return {
                    Result::Kind::Refused,
                    tr("no hay una cuenta \"%1\" en %2").arg(account, windowless::native(dbPath))};
            const QString name = GP_TEXTO(rs.Fields(QStringLiteral("CNTSTNOM")));
            scopeText = tr("Cuenta: %1 - %2").arg(account, rt::trimBlanks(name));
        }
        const TreasuryForecast forecast =
            TreasuryForecast::compute(*gManejo, account, QDate::currentDate(), ahead);
        if (!pdf)
            return writeCsv(forecast, outPath);
        ForecastRows records(std::make_shared<const TreasuryForecast>(forecast));
        const QString failure = ForecastReport(forecast, scopeText).writePdf(outPath, records);
        if (!failure.isEmpty())
            return {Result::Kind::FileAccess,
                    tr("no se pudo escribir %1: %2").arg(windowless::native(outPath), failure)};
    } catch (const RuntimeError& error) {
        return {error.kind(), tr("no se pudo calcular la previsión: %1").arg(error.description())};
    }
    return {};
}

} // namespace ledgora
