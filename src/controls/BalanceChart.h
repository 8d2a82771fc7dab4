#pragma once

#include "core/DayBalance.h"

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <vector>

class QPainter;
class QRectF;

namespace ledgora {

// An account's balance day by day, drawn with a painter so that the same picture goes on a
// screen, into the preview and onto paper: the balance as a line over the days, the zero line,
// the days below zero shaded and the lowest balance marked.
class BalanceChart final {
    Q_DECLARE_TR_FUNCTIONS(BalanceChart)
public:
    BalanceChart() = default;
    // One point a day; put in date order when they are not.
    BalanceChart(std::vector<DayBalance> points, QString title);

    const std::vector<DayBalance>& points() const { return points_; }
    const QString& title() const { return title_; }
    // The lowest balance, on the earliest of the days that reach it; nothing without points.
    std::optional<DayBalance> lowest() const;
    // The days whose balance is below zero, in date order.
    std::vector<QDate> daysBelowZero() const;

    // Draws the chart filling `area` of the painter's device, with type and lines sized for the
    // device's resolution. Draws nothing beyond the frame and what it managed when something
    // fails, so it may be called from a paint event.
    void paint(QPainter& painter, const QRectF& area) const noexcept;

private:
    std::vector<DayBalance> points_;
    QString title_;
};

} // namespace ledgora
