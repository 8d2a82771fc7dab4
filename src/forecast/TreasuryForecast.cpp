#include "TreasuryForecast.h"

#include "forecast/ForecastLog.h"

#include "ForecastStatements.h"
#include "RecurringRules.h"
#include "core/Conversions.h"
#include "core/SettingsStore.h"
#include "data/Recordset.h"
#include "data/clManejo.h"
#include "domain/LedgerStatements.h"

#include <QCoreApplication>
#include <algorithm>

namespace ledgora {

namespace {

const QString kApplication = QStringLiteral("VENTALIA");
const QString kSection = QStringLiteral("BANCOS");
const QString kDaysKey = QStringLiteral("PREVISION_DIAS");

Money realisedOf(const Recordset& rs) {
    return rs.Eof() ? Money()
                    : rs.valueOf<Money>(QStringLiteral("TOMDLACR")) -
                          rs.valueOf<Money>(QStringLiteral("TOMDLDEB"));
}

} // namespace

QString ForecastLine::text() const {
    QString shown = description.trimmed();
    if (source == Source::Recurring)
        shown += QCoreApplication::translate("ForecastLine", " (periódico)");
    if (due < date)
        shown += QCoreApplication::translate("ForecastLine", " (vencido el %1)")
                     .arg(rt::formatDateSlashed(due));
    return shown;
}

int TreasuryForecast::storedDays() {
    bool ok = false;
    const int days =
        SettingsStore::GetSetting(kApplication, kSection, kDaysKey, QString()).toInt(&ok);
    return ok && days >= 1 && days <= kMostDays ? days : kDefaultDays;
}

void TreasuryForecast::storeDays(int days) {
    SettingsStore::SaveSetting(kApplication, kSection, kDaysKey, QString::number(days));
}

TreasuryForecast TreasuryForecast::compute(clManejo& manejo, const QString& account, QDate today,
                                           int days) {
    days = std::clamp(days, 0, kMostDays);
    const QDate last = today.addDays(days);
    Recordset rs;
    manejo.RsDesconectado(true);
    if (account.isEmpty())
        manejo.CrearRs(rs, forms::forecastRealisedAll, {});
    else
        manejo.CrearRs(rs, forms::ledgerStoredTotals, {account});
    const Money opening = realisedOf(rs);

    std::vector<ForecastLine> lines;
    if (account.isEmpty())
        manejo.CrearRs(rs, forms::forecastPendingAll, {rt::formatDateSlashed(last)});
    else
        manejo.CrearRs(rs, forms::forecastPending, {rt::formatDateSlashed(last), account});
    for (; !rs.Eof(); rs.MoveNext()) {
        ForecastLine line;
        line.due = rs.valueOf<QDate>(QStringLiteral("MOVDTALT"));
        line.account = rs.valueOf<QString>(QStringLiteral("CNTSTNRO")).trimmed();
        line.description = rs.valueOf<QString>(QStringLiteral("MOVSTCPT"));
        line.in = rs.valueOf<Money>(QStringLiteral("MOVDLAAC"));
        line.out = rs.valueOf<Money>(QStringLiteral("MOVDLADE"));
        line.number = rs.valueOf<std::int64_t>(QStringLiteral("MOVINNRO"));
        lines.push_back(line);
    }
    rs.Close();
    std::vector<RecurringRule> rules;
    try {
        rules = RecurringRules::read(manejo, account);
    } catch (const RuntimeError& error) {
        // A ledger of an earlier layout, opened only to read, has no schedules yet; anything
        // else that failed has already failed on the pending movements above.
        qCInfo(lcForecast).noquote() << "no schedules read:" << error.description();
    }
    for (const RecurringRule& rule : rules) {
        const QDate entered = RecurringRules::lastEntered(manejo, rule);
        for (const QDate& date : rule.occurrencesAfter(entered, last)) {
            ForecastLine line;
            line.due = date;
            line.account = rule.account;
            line.description = rule.description;
            line.in = rule.toCredit();
            line.out = rule.toDebit();
            line.source = ForecastLine::Source::Recurring;
            line.number = rule.number;
            lines.push_back(line);
        }
    }
    return fromLines(opening, today, days, std::move(lines));
}

TreasuryForecast TreasuryForecast::fromLines(Money opening, QDate today, int days,
                                             std::vector<ForecastLine> lines) {
    TreasuryForecast forecast;
    forecast.today_ = today;
    forecast.lastDay_ = today.addDays(std::clamp(days, 0, kMostDays));
    forecast.opening_ = opening;
    // What was due before today and is still pending counts today: it may still come.
    for (ForecastLine& line : lines)
        line.date = std::max(line.due, today);
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [&](const ForecastLine& l) { return l.date > forecast.lastDay_; }),
                lines.end());
    std::sort(lines.begin(), lines.end(), [](const ForecastLine& a, const ForecastLine& b) {
        if (a.date != b.date)
            return a.date < b.date;
        if (a.due != b.due)
            return a.due < b.due;
        if (a.account != b.account)
            return a.account < b.account;
        if (a.source != b.source)
            return a.source == ForecastLine::Source::Pending;
        return a.number < b.number;
    });
    Money balance = opening;
    auto line = lines.begin();
    for (QDate day = today; day <= forecast.lastDay_; day = day.addDays(1)) {
        for (; line != lines.end() && line->date == day; ++line) {
            balance = balance + line->in - line->out;
            line->balance = balance;
        }
        forecast.days_.push_back({day, balance});
    }
    forecast.lines_ = std::move(lines);
    return forecast;
}

DayBalance TreasuryForecast::lowest() const {
    return lowestDay(days_).value_or(DayBalance{today_, opening_});
}

std::vector<QDate> TreasuryForecast::daysBelowZero() const {
    return ledgora::daysBelowZero(days_);
}

std::vector<DayBalance> realisedBalanceByDay(clManejo& manejo, const QString& account, QDate first,
                                             QDate last) {
    std::vector<DayBalance> days;
    if (!first.isValid() || !last.isValid() || last < first)
        return days;
    Recordset rs;
    const MovementAmounts before = totalsUpTo(manejo, rs, account, first.addDays(-1));
    Money balance = before.MOVDLACR - before.MOVDLDEB;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, forms::forecastRealisedDays,
                   {account, rt::formatDateSlashed(first), rt::formatDateSlashed(last)});
    // A day per point while the interval is of a drawable length; a longer one keeps the days
    // that moved, and its two ends.
    const bool everyDay = first.daysTo(last) <= TreasuryForecast::kMostDays;
    QDate day = first;
    auto closeUpTo = [&](QDate until) {
        for (; day < until; day = day.addDays(1))
            if (everyDay || day == first)
                days.push_back({day, balance});
        day = until;
    };
    for (; !rs.Eof(); rs.MoveNext()) {
        const QDate date = rs.valueOf<QDate>(QStringLiteral("MOVDTALT"));
        if (!date.isValid() || date < day)
            continue;
        closeUpTo(date);
        balance = balance + rs.valueOf<Money>(QStringLiteral("MOVDLACR")) -
                  rs.valueOf<Money>(QStringLiteral("MOVDLDEB"));
        days.push_back({day, balance});
        day = day.addDays(1);
    }
    rs.Close();
    closeUpTo(last.addDays(1));
    if (!everyDay && (days.empty() || days.back().date != last))
        days.push_back({last, balance});
    return days;
}

} // namespace ledgora
