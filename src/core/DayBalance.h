#pragma once

#include "Money.h"

#include <QDate>
#include <optional>
#include <vector>

namespace ledgora {

// The balance an account holds at the close of one day.
struct DayBalance {
    QDate date;
    Money balance;
};

// The lowest balance of days in date order, on the earliest of the days that reach it;
// nothing without days.
std::optional<DayBalance> lowestDay(const std::vector<DayBalance>& days);
// The days whose balance is below zero, in their order.
std::vector<QDate> daysBelowZero(const std::vector<DayBalance>& days);

} // namespace ledgora
