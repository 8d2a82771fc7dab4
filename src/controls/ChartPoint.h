#pragma once

#include "core/Money.h"

#include <QDate>

namespace ledgora {

// The balance an account holds at the end of one day.
struct ChartPoint {
    QDate date;
    Money balance;
};

} // namespace ledgora
