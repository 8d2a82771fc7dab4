#pragma once

#include "core/Money.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace ledgora {

// A movement that comes back on a schedule (payroll, rent, a loan's instalment), entered ahead
// as a pending movement of its account on each day it falls due.
struct RecurringRule {
    enum class Side { Credit, Debit };
    enum class Frequency { Weekly, Monthly, Quarterly, Yearly };

    std::int64_t number = 0;
    QString account;
    QString concept;
    QString description;
    Money amount;
    Side side = Side::Debit;
    Frequency frequency = Frequency::Monthly;
    int every = 1; // every `every` weeks, months, quarters or years
    // The day it falls on: 1 (Monday) to 7 (Sunday) for a weekly rule, the day of the month
    // otherwise; a day a month lacks (31 in April) falls on the month's last day.
    int day = 1;
    QDate first;               // no occurrence falls before it
    std::optional<QDate> last; // nor after it, when given
    std::optional<int> count;  // nor more than this many, when given

    // What a rule may hold, checked before it is stored: the largest `every`, and counts.
    static constexpr int kMostEvery = 99;
    static constexpr int kMostCount = 9999;

    // The days it falls due from its first date up to `through` inclusive, in order. A rule
    // that cannot fall due (no valid first date, nothing every zero periods) gives none.
    std::vector<QDate> occurrencesThrough(QDate through) const;
    // The same, only those after `after`: what is still to come once every occurrence up to
    // that day is accounted for. A count still counts from the first date.
    std::vector<QDate> occurrencesAfter(QDate after, QDate through) const;

    // The amounts a pending movement of this rule carries: to be credited or to be debited.
    Money toCredit() const { return side == Side::Credit ? amount : Money(); }
    Money toDebit() const { return side == Side::Debit ? amount : Money(); }
    // The stored letters: C or D for the side; S, M, T or A for the frequency.
    static QString sideLetter(Side side);
    static std::optional<Side> sideOf(const QString& letter);
    static QString frequencyLetter(Frequency frequency);
    static std::optional<Frequency> frequencyOf(const QString& letter);
};

} // namespace ledgora
