#pragma once

#include "BalanceChart.h"

#include <QWidget>

namespace ledgora {

// A balance chart on a screen. It takes no focus, so the keyboard stays on the list beside it,
// and tells a screen reader in one line what the picture shows.
class BalanceChartView final : public QWidget {
    Q_OBJECT
public:
    explicit BalanceChartView(QWidget* parent = nullptr);

    void setChart(BalanceChart chart);
    const BalanceChart& chart() const { return chart_; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BalanceChart chart_;
};

} // namespace ledgora
