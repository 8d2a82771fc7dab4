#include "ForecastRows.h"

#include "core/Conversions.h"

#include <QCoreApplication>

namespace ledgora {

namespace {

QString amountOrBlank(Money amount) {
    return amount.isZero() ? QString() : rt::formatAmount(amount);
}

} // namespace

const char* ForecastRows::columnName(int column) {
    static const char* const names[] = {"fecha",   "cuenta", "descripcion",
                                        "entrada", "salida", "saldo"};
    return names[column];
}

QString ForecastRows::cellText(int row, int col) const {
    if (row == 0) {
        if (col == Date)
            return rt::formatDateSlashed(forecast_->today());
        if (col == Description)
            return QCoreApplication::translate("ForecastRows", "Saldo realizado");
        return col == Balance ? rt::formatAmount(forecast_->opening()) : QString();
    }
    const ForecastLine& line = forecast_->lines()[std::size_t(row - 1)];
    switch (col) {
    case Date:
        return rt::formatDateSlashed(line.date);
    case Account:
        return line.account;
    case Description:
        return line.text();
    case In:
        return amountOrBlank(line.in);
    case Out:
        return amountOrBlank(line.out);
    default:
        return rt::formatAmount(line.balance);
    }
}

bool ForecastRows::belowZero(int row) const {
    const Money balance =
        row == 0 ? forecast_->opening() : forecast_->lines()[std::size_t(row - 1)].balance;
    return balance < Money();
}

Variant ForecastRows::field(const QString& name) const {
    for (int col = 0; col < ColumnCount; ++col)
        if (name == QLatin1String(columnName(col)))
            return cellText(position_, col);
    return {};
}

} // namespace ledgora
