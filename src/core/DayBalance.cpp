#include "DayBalance.h"

#include <algorithm>

namespace ledgora {

std::optional<DayBalance> lowestDay(const std::vector<DayBalance>& days) {
    if (days.empty())
        return std::nullopt;
    // min_element keeps the first of equal minima.
    return *std::min_element(
        days.begin(), days.end(),
        [](const DayBalance& a, const DayBalance& b) { return a.balance < b.balance; });
}

std::vector<QDate> daysBelowZero(const std::vector<DayBalance>& days) {
    std::vector<QDate> below;
    for (const DayBalance& day : days)
        if (day.balance < Money())
            below.push_back(day.date);
    return below;
}

} // namespace ledgora
