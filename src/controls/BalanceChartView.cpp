#include "BalanceChartView.h"

#include "core/Conversions.h"

#include <QPainter>
#include <utility>

namespace ledgora {

namespace {

// What the chart shows, said in one line: its lowest balance and how many days are below zero.
QString summaryOf(const BalanceChart& chart) {
    const std::optional<DayBalance> low = chart.lowest();
    if (!low)
        return BalanceChartView::tr("Gráfico sin datos");
    const std::size_t below = chart.daysBelowZero().size();
    const QString days = below == 0   ? BalanceChartView::tr("ningún día bajo cero")
                         : below == 1 ? BalanceChartView::tr("un día bajo cero")
                                      : BalanceChartView::tr("%1 días bajo cero").arg(below);
    return BalanceChartView::tr("Del %1 al %2: mínimo %3 el %4; %5.")
        .arg(rt::formatDateSlashed(chart.points().front().date),
             rt::formatDateSlashed(chart.points().back().date), rt::formatAmount(low->balance),
             rt::formatDateSlashed(low->date), days);
}

} // namespace

BalanceChartView::BalanceChartView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleDescription(summaryOf(chart_));
}

void BalanceChartView::setChart(BalanceChart chart) {
    chart_ = std::move(chart);
    setAccessibleName(chart_.title());
    setAccessibleDescription(summaryOf(chart_));
    update();
}

QSize BalanceChartView::minimumSizeHint() const {
    return {480, 220};
}

QSize BalanceChartView::sizeHint() const {
    return {640, 280};
}

void BalanceChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    chart_.paint(painter, QRectF(rect()));
}

} // namespace ledgora
