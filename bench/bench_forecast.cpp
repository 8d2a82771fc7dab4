// Times the treasury forecast and the entering of scheduled occurrences on a ledger of a
// million movements in account 001 (one in a hundred pending, 10,000), 50 schedules of its
// own, and 998 other accounts with a monthly and a weekly schedule each:
//   forecast N=1000000 pending=10000 rules=50 days=90 ms=... sqlite3_ms=... ratio=...
//       all_ms=... enter_accounts=999 entered=... enter_ms=... insert_ms=... enter_ratio=...
// ms is the forecast of account 001 (median of 7), against the sqlite3 shell reading the same
// pending movements (sqlite3_ms); all_ms the forecast of every account together; enter_ms a
// month of occurrences entered for every account in one write, on a copy of the ledger,
// against the shell inserting as many rows into a table of the same columns (insert_ms).
//
//   bench_forecast FOLDER
#include "core/Conversions.h"
#include "data/ConnectionString.h"
#include "data/WriteBatch.h"
#include "domain/LedgerStatements.h"
#include "entry/ComponentClasses.h"
#include "forecast/OccurrenceEntry.h"
#include "forecast/RecurringRules.h"
#include "forecast/TreasuryForecast.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace ledgora;

namespace {

constexpr long kMovements = 1000000;
constexpr int kAccounts = 999;
constexpr int kOwnRules = 50;
constexpr int kDays = 90;
const QDate kFirstDay(2019, 1, 1);

QString accountNumber(int k) {
    return QString::number(k).rightJustified(3, u'0');
}

std::unique_ptr<clManejo> connect(const QString& path) {
    auto manejo = std::make_unique<clManejo>();
    manejo->CadenaConexion(ConnectionString::forSource(path));
    manejo->Conectar();
    return manejo;
}

RecurringRule schedule(const QString& account, int k, RecurringRule::Frequency frequency) {
    RecurringRule rule;
    rule.account = account;
    rule.concept = QStringLiteral("2");
    rule.description = QStringLiteral("Pago periódico ") + QString::number(k);
    rule.amount = Money::fromUnits((1000 + k * 37) * 10000);
    rule.side = k % 4 == 0 ? RecurringRule::Side::Credit : RecurringRule::Side::Debit;
    rule.frequency = frequency;
    rule.day = frequency == RecurringRule::Frequency::Weekly ? 1 + k % 7 : 1 + k % 31;
    rule.first = QDate::currentDate();
    return rule;
}

void buildLedger(const QString& path) {
    QFile(path).open(QIODevice::WriteOnly);
    auto manejo = connect(path);
    WriteBatch batch(*manejo, WriteBatch::Size::Large);
    for (int k = 1; k <= kAccounts; ++k)
        insertAccount(*manejo, {accountNumber(k),
                                kFirstDay,
                                QStringLiteral("Cuenta ") + QString::number(k),
                                QStringLiteral("Banco"),
                                {},
                                {}});
    const QDate today = QDate::currentDate();
    const qint64 days = kFirstDay.daysTo(today.addDays(kDays)) + 1;
    NewMovement movement;
    movement.account = accountNumber(1);
    movement.concept = QStringLiteral("1");
    for (long k = 1; k <= kMovements; ++k) {
        const Money amount = Money::fromUnits((100 + (k * 7919) % 250000) * 100);
        const bool credit = k % 3 != 0;
        const bool pending = k % 100 == 0;
        movement.number = k;
        movement.date = kFirstDay.addDays(qint64(k - 1) * days / kMovements);
        movement.description = QStringLiteral("Movimiento ") + QString::number(k);
        movement.amounts = {};
        (credit ? (pending ? movement.amounts.MOVDLAAC : movement.amounts.MOVDLACR)
                : (pending ? movement.amounts.MOVDLADE : movement.amounts.MOVDLDEB)) = amount;
        insertMovement(*manejo, movement);
    }
    batch.commit();
    for (int k = 1; k <= kOwnRules; ++k)
        RecurringRules::add(*manejo, schedule(accountNumber(1), k,
                                              k % 5 == 0 ? RecurringRule::Frequency::Weekly
                                                         : RecurringRule::Frequency::Monthly));
    for (int k = 2; k <= kAccounts; ++k) {
        RecurringRules::add(*manejo,
                            schedule(accountNumber(k), k, RecurringRule::Frequency::Monthly));
        RecurringRules::add(*manejo,
                            schedule(accountNumber(k), k, RecurringRule::Frequency::Weekly));
    }
}

double shellMs(const QString& path, const QString& sql) {
    QProcess shell;
    shell.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    shell.start(QStringLiteral("sqlite3"), {path, sql});
    shell.waitForFinished(-1);
    return double(timer.nsecsElapsed()) / 1e6;
}

template <typename Step> double medianMs(int times, Step step) {
    std::vector<double> ms;
    for (int k = 0; k < times; ++k) {
        QElapsedTimer timer;
        timer.start();
        step();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_forecast FOLDER\n");
        return 2;
    }
    registerComponentClasses();
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    // The ledger is built once a day: its schedules start on the day it was built.
    const QString path = folder + QStringLiteral("/bench_forecast_") +
                         QDate::currentDate().toString(Qt::ISODate) + QStringLiteral(".db");
    if (!QFile::exists(path)) {
        // An earlier day's ledger is half a gigabyte no longer used.
        for (const QString& old : QDir(folder).entryList({QStringLiteral("bench_forecast_*.db")}))
            QFile::remove(folder + u'/' + old);
        buildLedger(path);
    }

    const QDate today = QDate::currentDate();
    int pending = 0;
    double ms = 0, allMs = 0;
    {
        auto manejo = connect(path);
        TreasuryForecast forecast;
        ms = medianMs(7, [&] {
            forecast = TreasuryForecast::compute(*manejo, accountNumber(1), today, kDays);
        });
        for (const ForecastLine& line : forecast.lines())
            pending += line.source == ForecastLine::Source::Pending;
        allMs = medianMs(3, [&] { TreasuryForecast::compute(*manejo, QString(), today, kDays); });
    }
    const double shell = shellMs(
        path, QStringLiteral("select CNTSTNRO,MOVINNRO,MOVDTALT,MOVSTCPT,MOVDLAAC,MOVDLADE from "
                             "BANMOV where (MOVDLAAC <> 0 or MOVDLADE <> 0) and MOVDTALT <= '%1' "
                             "and CNTSTNRO = '001';")
                  .arg(today.addDays(kDays).toString(Qt::ISODate)));

    // Entering a month on a copy, so that the ledger stays as built for the next run.
    const QString copy = folder + QStringLiteral("/bench_forecast_enter.db");
    QFile::remove(copy);
    QFile::copy(path, copy);
    int entered = 0;
    double enterMs = 0;
    {
        auto manejo = connect(copy);
        QElapsedTimer timer;
        timer.start();
        entered = OccurrenceEntry::enterDue(*manejo, today.addDays(30));
        enterMs = double(timer.nsecsElapsed()) / 1e6;
    }
    const double insertMs = shellMs(
        copy, QStringLiteral("create temp table T (CNTSTNRO,MOVINNRO,MOVDTALT,CONSTNRO,MOVSTCPT,"
                             "MOVDLAAC,MOVDLADE,MOVDLACR,MOVDLDEB); begin; with recursive n(k) as "
                             "(select 1 union all select k + 1 from n where k < %1) insert into T "
                             "select printf('%03d', k % 999), k, date('now'), '2', 'Pago "
                             "periódico ' || k, 0, k * 10000, 0, 0 from n; commit;")
                  .arg(entered));
    QFile::remove(copy);
    QFile::remove(copy + QStringLiteral("-wal"));
    QFile::remove(copy + QStringLiteral("-shm"));

    std::printf("forecast N=%ld pending=%d rules=%d days=%d ms=%.1f sqlite3_ms=%.1f ratio=%.2f "
                "all_ms=%.0f enter_accounts=%d entered=%d enter_ms=%.0f insert_ms=%.0f "
                "enter_ratio=%.2f\n",
                kMovements, pending, kOwnRules, kDays, ms, shell, ms / shell, allMs, kAccounts,
                entered, enterMs, insertMs, enterMs / insertMs);
    return 0;
}
