#include "RecurringRule.h"

namespace ledgora {

namespace {

int monthsPerPeriod(RecurringRule::Frequency frequency) {
    switch (frequency) {
    case RecurringRule::Frequency::Quarterly:
        return 3;
    case RecurringRule::Frequency::Yearly:
        return 12;
    default:
        return 1;
    }
}

// The `day` of the month `months` after the first date's month, or that month's last day.
QDate monthDay(QDate first, std::int64_t months, int day) {
    const std::int64_t index = std::int64_t(first.year()) * 12 + (first.month() - 1) + months;
    const int year = int(index / 12);
    const int month = int(index % 12) + 1;
    if (year > 9999)
        return {};
    const QDate start(year, month, 1);
    return QDate(year, month, std::min(day, start.daysInMonth()));
}

} // namespace

std::vector<QDate> RecurringRule::occurrencesThrough(QDate through) const {
    return occurrencesAfter(QDate(), through);
}

std::vector<QDate> RecurringRule::occurrencesAfter(QDate after, QDate through) const {
    std::vector<QDate> dates;
    if (!first.isValid() || !through.isValid() || every < 1 || day < 1)
        return dates;
    const QDate end = last && last->isValid() && *last < through ? *last : through;
    int seen = 0; // occurrences from the first, whether accounted for or to come
    for (std::int64_t k = 0;; ++k) {
        QDate date;
        if (frequency == Frequency::Weekly) {
            // The first date moved on to the rule's weekday, then every `every` weeks.
            const int ahead = ((day - first.dayOfWeek()) % 7 + 7) % 7;
            date = first.addDays(ahead + 7 * every * k);
        } else {
            date = monthDay(first, k * every * monthsPerPeriod(frequency), day);
            // The first month's day may lie before the first date: that one does not fall.
            if (date.isValid() && date < first)
                continue;
        }
        if (!date.isValid() || date > end)
            break;
        if (count && seen >= *count)
            break;
        ++seen;
        if (!after.isValid() || date > after)
            dates.push_back(date);
    }
    return dates;
}

QString RecurringRule::sideLetter(Side side) {
    return side == Side::Credit ? QStringLiteral("C") : QStringLiteral("D");
}

std::optional<RecurringRule::Side> RecurringRule::sideOf(const QString& letter) {
    if (letter.trimmed() == u"C")
        return Side::Credit;
    if (letter.trimmed() == u"D")
        return Side::Debit;
    return std::nullopt;
}

QString RecurringRule::frequencyLetter(Frequency frequency) {
    switch (frequency) {
    case Frequency::Weekly:
        return QStringLiteral("S");
    case Frequency::Quarterly:
        return QStringLiteral("T");
    case Frequency::Yearly:
        return QStringLiteral("A");
    default:
        return QStringLiteral("M");
    }
}

std::optional<RecurringRule::Frequency> RecurringRule::frequencyOf(const QString& letter) {
    for (Frequency f :
         {Frequency::Weekly, Frequency::Monthly, Frequency::Quarterly, Frequency::Yearly})
        if (frequencyLetter(f) == letter.trimmed())
            return f;
    return std::nullopt;
}

} // namespace ledgora
