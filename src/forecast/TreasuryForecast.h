#pragma once

#include "core/DayBalance.h"
#include "core/Money.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace ledgora {

class clManejo;

// What comes in or goes out on a day of the forecast: a pending movement (one overdue counts
// on the first day) or an occurrence of a schedule not entered yet.
struct ForecastLine {
    enum class Source { Pending, Recurring };

    QDate date; // the day it counts on
    QDate due;  // the day it was due, earlier than `date` when overdue
    QString account;
    QString description;
    Money in;
    Money out;
    Money balance; // after it
    Source source = Source::Pending;
    std::int64_t number = 0; // the movement's number, or the rule's

    // The description as listed: a schedule's occurrence and an overdue movement say so.
    QString text() const;
};

// The balance ahead, day by day: from today's realised balance, the pending movements by
// their dates and the schedules' occurrences still to be entered, up to the last day.
class TreasuryForecast final {
public:
    static constexpr int kDefaultDays = 90;
    static constexpr int kMostDays = 3660;
    // The days ahead the person last chose (kDefaultDays otherwise).
    static int storedDays();
    static void storeDays(int days);

    // The forecast of an account, or of every account together when `account` is empty,
    // from `today` for `days` days after it.
    static TreasuryForecast compute(clManejo& manejo, const QString& account, QDate today,
                                    int days);
    // The same from lines and an opening balance already known: the arithmetic alone.
    static TreasuryForecast fromLines(Money opening, QDate today, int days,
                                      std::vector<ForecastLine> lines);

    QDate today() const { return today_; }
    QDate lastDay() const { return lastDay_; }
    Money opening() const { return opening_; }
    const std::vector<ForecastLine>& lines() const { return lines_; }
    // One closing balance per day from today to the last day.
    const std::vector<DayBalance>& days() const { return days_; }
    // The lowest closing balance, the earliest day it is reached.
    DayBalance lowest() const;
    std::vector<QDate> daysBelowZero() const;

private:
    QDate today_;
    QDate lastDay_;
    Money opening_;
    std::vector<ForecastLine> lines_;
    std::vector<DayBalance> days_;
};

// The realised balance of an account at the close of each day of an interval: what it was the
// day before the interval, moved by each day's credited and debited movements.
std::vector<DayBalance> realisedBalanceByDay(clManejo& manejo, const QString& account, QDate first,
                                             QDate last);

} // namespace ledgora
