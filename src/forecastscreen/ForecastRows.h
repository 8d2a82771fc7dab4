#pragma once

#include "controls/GridSource.h"
#include "controls/ReportRecords.h"
#include "forecast/TreasuryForecast.h"

#include <memory>

namespace ledgora {

// A forecast as rows, for the screen's grid and the printed report alike: the opening
// realised balance first, then each line; every text is made when it is shown or printed.
class ForecastRows final : public GridSource, public ReportRecords {
public:
    enum Column { Date, Account, Description, In, Out, Balance, ColumnCount };

    explicit ForecastRows(std::shared_ptr<const TreasuryForecast> forecast)
        : forecast_(std::move(forecast)) {}

    // The column names the report's fields read.
    static const char* columnName(int column);

    int rowCount() const override { return int(forecast_->lines().size()) + 1; }
    int columnCount() const override { return ColumnCount; }
    QString cellText(int row, int col) const override;
    // Whether the balance after the row is below zero.
    bool belowZero(int row) const;

    void moveFirst() override { position_ = 0; }
    bool eof() const override { return position_ >= rowCount(); }
    Variant field(const QString& name) const override;
    void moveNext() override { ++position_; }

private:
    std::shared_ptr<const TreasuryForecast> forecast_;
    int position_ = 0;
};

} // namespace ledgora
