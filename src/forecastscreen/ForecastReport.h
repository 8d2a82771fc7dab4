#pragma once

#include "controls/BalanceChart.h"
#include "controls/BandedReport.h"
#include "forecast/TreasuryForecast.h"

#include <memory>

namespace ledgora {

// The printed forecast: its scope and days, the chart of the balance, the lowest balance and
// the days below zero, then every line with the balance after it.
class ForecastReport final : public BandedReport {
public:
    ForecastReport(const TreasuryForecast& forecast, const QString& scope);

    // The chart the screen shows and the report prints.
    static BalanceChart chartOf(const TreasuryForecast& forecast, const QString& title);
    // "Saldo más bajo: … el …" and "Días con saldo negativo: …", as the screen shows them.
    static QString lowestText(const TreasuryForecast& forecast);
    static QString belowZeroText(const TreasuryForecast& forecast);
};

} // namespace ledgora
