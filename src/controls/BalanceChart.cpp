#include "BalanceChart.h"

#include "PainterStateGuard.h"
#include "core/Conversions.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <utility>

namespace ledgora {

namespace {

const QColor kPaper(255, 255, 255);
const QColor kInk(40, 40, 40);
const QColor kGrid(220, 220, 220);
const QColor kBelowZero(255, 205, 205);
const QColor kBalance(0, 70, 160);
const QColor kZero(150, 30, 30);
const QColor kLowest(190, 0, 0);

std::int64_t times(std::int64_t a, std::int64_t b) {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        throw std::overflow_error("chart axis beyond the range of an amount");
    return product;
}

// The amounts the value axis is labelled at: a round step (1, 2 or 5 times a power of ten, and
// never under a cent, which is what the labels show) from a multiple of it at or below the
// lowest balance to one at or above the highest. Zero is always within the range, so a chart
// of healthy balances still shows how far they are from running out; as a multiple of the
// step, zero is then one of the labelled amounts.
struct ValueAxis {
    Money low;
    Money high;
    Money step;
};

ValueAxis valueAxis(Money lowest, Money highest, int wantedSteps) {
    const Money low = std::min(lowest, Money());
    Money high = std::max(highest, Money());
    if (high == low) // every balance is zero: a range of one unit over it
        high = Money::fromUnits(Money::kScale);
    const std::int64_t span = (high - low).units();
    const std::int64_t wanted = std::max(wantedSteps, 1);
    const std::int64_t raw = span / wanted + (span % wanted != 0 ? 1 : 0);
    std::int64_t power = 1;
    while (power <= raw / 10)
        power *= 10;
    std::int64_t step = power * 10;
    for (std::int64_t multiple : {1, 2, 5})
        if (power * multiple >= raw) {
            step = power * multiple;
            break;
        }
    step = std::max<std::int64_t>(step, Money::kScale / 100);
    // Floor and ceiling to multiples of the step; integer division rounds toward zero.
    std::int64_t below = low.units() / step;
    if (low.units() % step != 0 && low.units() < 0)
        --below;
    std::int64_t above = high.units() / step;
    if (high.units() % step != 0 && high.units() > 0)
        ++above;
    return {Money::fromUnits(times(below, step)), Money::fromUnits(times(above, step)),
            Money::fromUnits(step)};
}

} // namespace

BalanceChart::BalanceChart(std::vector<DayBalance> points, QString title)
    : points_(std::move(points)), title_(std::move(title)) {
    // Days are placed by their date: a series out of order would draw a line doubling back.
    std::stable_sort(points_.begin(), points_.end(),
                     [](const DayBalance& a, const DayBalance& b) { return a.date < b.date; });
}

std::optional<DayBalance> BalanceChart::lowest() const {
    return lowestDay(points_);
}

std::vector<QDate> BalanceChart::daysBelowZero() const {
    return ledgora::daysBelowZero(points_);
}

void BalanceChart::paint(QPainter& painter, const QRectF& area) const noexcept {
    if (!painter.isActive() || !painter.device() || area.width() < 2 || area.height() < 2)
        return;
    try {
        const PainterStateGuard guard(painter);
        painter.setRenderHint(QPainter::Antialiasing);

        // Sizes go by the device's resolution, so that the chart reads the same on a screen and
        // on paper; the type follows the size of the area, within what stays legible.
        const int dpi = painter.device()->logicalDpiY();
        const double point = (dpi > 0 ? dpi : 96) / 72.0; // device pixels per typographic point
        const double typeSize =
            std::clamp(std::min(area.height() / point / 18, area.width() / point / 45), 6.0, 11.0);
        // The family of the screen or report, none of the weight or slant of what was last drawn.
        QFont font(painter.font().family());
        font.setPointSizeF(typeSize);
        QFont titleFont = font;
        titleFont.setBold(true);
        titleFont.setPointSizeF(typeSize * 1.15);
        const QFontMetricsF metrics(font, painter.device());
        const QFontMetricsF titleMetrics(titleFont, painter.device());
        const double line = metrics.height();
        const double pad = line / 2;

        const double frameWidth = 0.75 * point;
        const QRectF frame =
            area.adjusted(frameWidth / 2, frameWidth / 2, -frameWidth / 2, -frameWidth / 2);
        painter.setPen(QPen(kInk, frameWidth));
        painter.setBrush(kPaper);
        painter.drawRect(frame);
        painter.setBrush(Qt::NoBrush);

        double top = frame.top() + pad;
        if (!title_.isEmpty()) {
            const QRectF titleBox(frame.left() + pad, top, frame.width() - 2 * pad,
                                  titleMetrics.height());
            painter.setFont(titleFont);
            painter.drawText(titleBox, Qt::AlignCenter | Qt::TextSingleLine,
                             titleMetrics.elidedText(title_, Qt::ElideRight, titleBox.width()));
            top = titleBox.bottom() + pad;
        }
        painter.setFont(font);
        if (points_.empty()) {
            painter.drawText(QRectF(frame.left(), top, frame.width(), frame.bottom() - top),
                             Qt::AlignCenter | Qt::TextSingleLine, tr("Sin datos"));
            return;
        }

        // The plot: the value labels at its left, the dates under it, half a line above for
        // the label of its top.
        top += line / 2;
        const double bottom = frame.bottom() - pad - line - pad / 2;
        if (bottom - top < line)
            return;
        const auto [lowestPoint, highestPoint] = std::minmax_element(
            points_.begin(), points_.end(),
            [](const DayBalance& a, const DayBalance& b) { return a.balance < b.balance; });
        ValueAxis axis = valueAxis(lowestPoint->balance, highestPoint->balance,
                                   std::min(int((bottom - top) / (line * 2.5)), 6));
        // The lowest balance is labelled under its dot, where the line cannot be: when the axis
        // ends too close under it, one step more makes the room.
        const double radius = 2.5 * point;
        const double room = double((lowestPoint->balance - axis.low).units()) /
                            double((axis.high - axis.low).units()) * (bottom - top);
        if (room < radius + line)
            axis.low -= axis.step;
        double labelWidth = 0;
        for (Money value = axis.low; value <= axis.high; value += axis.step)
            labelWidth = std::max(labelWidth, metrics.horizontalAdvance(rt::formatAmount(value)));
        const QRectF plot(QPointF(frame.left() + pad + labelWidth + pad, top),
                          QPointF(frame.right() - pad, bottom));
        if (plot.width() < 2)
            return;

        // Each day is a column of the plot, whatever the number of days.
        const QDate first = points_.front().date;
        const qint64 days = std::max<qint64>(first.daysTo(points_.back().date) + 1, 1);
        const double column = plot.width() / double(days);
        auto xOf = [&](QDate date) { return plot.left() + double(first.daysTo(date)) * column; };
        const double lowUnits = double(axis.low.units());
        const double spanUnits = double(axis.high.units()) - lowUnits;
        auto yOf = [&](Money value) {
            return plot.bottom() - (double(value.units()) - lowUnits) / spanUnits * plot.height();
        };
        // Where each point's balance holds: from its day to the next point's day.
        auto spanOf = [&](std::size_t i) {
            const double end = i + 1 < points_.size() ? xOf(points_[i + 1].date) : plot.right();
            return std::pair{xOf(points_[i].date), end};
        };

        // The days below zero, shaded the whole height of the plot so that they stand out
        // even where the line is near zero; a run of them is one band, without seams.
        for (std::size_t i = 0; i < points_.size();) {
            if (points_[i].balance >= Money()) {
                ++i;
                continue;
            }
            const double from = xOf(points_[i].date);
            while (i < points_.size() && points_[i].balance < Money())
                ++i;
            const double to = spanOf(i - 1).second;
            painter.fillRect(QRectF(from, plot.top(), to - from, plot.height()), kBelowZero);
        }

        const double hairline = std::max(0.5 * point, 1.0);
        for (Money value = axis.low; value <= axis.high; value += axis.step) {
            const double y = yOf(value);
            const bool zero = value.isZero();
            painter.setPen(zero ? QPen(kZero, 0.75 * point, Qt::DashLine) : QPen(kGrid, hairline));
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
            painter.setPen(zero ? kZero : kInk);
            painter.drawText(QRectF(frame.left() + pad, y - line / 2, labelWidth, line),
                             Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                             rt::formatAmount(value));
        }

        // The dates under the plot, as many as fit side by side with room between them: day and
        // month, or month and year once the days span more than a year and a day and month
        // would name two dates.
        const bool longSpan = days > 366;
        auto dateLabel = [&](QDate date) {
            const QString text = rt::formatDateSlashed(date);
            return longSpan ? text.mid(3) : text.left(5);
        };
        const double dateWidth = metrics.horizontalAdvance(dateLabel(first));
        const qint64 fitting = std::max<qint64>(qint64(plot.width() / (dateWidth * 1.6)), 1);
        const qint64 every = (days + fitting - 1) / fitting;
        painter.setPen(QPen(kInk, hairline));
        for (qint64 day = 0; day < days; day += every) {
            const double x = plot.left() + (double(day) + 0.5) * column;
            painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + pad / 2));
            const double left = std::clamp(x - dateWidth / 2, plot.left() - pad,
                                           std::max(plot.left() - pad, plot.right() - dateWidth));
            painter.drawText(QRectF(left, plot.bottom() + pad / 2, dateWidth, line),
                             Qt::AlignCenter | Qt::TextSingleLine, dateLabel(first.addDays(day)));
        }

        // The balance as steps: it stays the same all day and changes when a movement goes in,
        // so a sloping segment would show balances the account never had, and would cross zero
        // at a moment that never happened, away from the shaded days.
        QPolygonF steps;
        steps.reserve(qsizetype(points_.size() * 2));
        for (std::size_t i = 0; i < points_.size(); ++i) {
            const auto [from, to] = spanOf(i);
            const double y = yOf(points_[i].balance);
            steps << QPointF(from, y) << QPointF(to, y);
        }
        painter.setPen(QPen(kBalance, 1.5 * point, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter.drawPolyline(steps);

        // The lowest balance: a dot in the middle of its day, its amount and date beneath it.
        const DayBalance low = *lowest();
        const double dotX = xOf(low.date) + column / 2;
        const double dotY = yOf(low.balance);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kLowest);
        painter.drawEllipse(QPointF(dotX, dotY), radius, radius);
        const QString text =
            tr("Mínimo: %1 el %2")
                .arg(rt::formatAmount(low.balance), rt::formatDateSlashed(low.date));
        const double textWidth = metrics.horizontalAdvance(text) + pad;
        const double textTop =
            dotY + radius + line <= plot.bottom() ? dotY + radius : dotY - radius - line;
        const QRectF textBox(std::clamp(dotX - textWidth / 2, plot.left(),
                                        std::max(plot.left(), plot.right() - textWidth)),
                             textTop, textWidth, line);
        painter.setBrush(QColor(255, 255, 255, 210));
        painter.drawRect(textBox);
        painter.setPen(kLowest);
        painter.drawText(textBox, Qt::AlignCenter | Qt::TextSingleLine, text);
    } catch (...) {
        // An axis beyond what an amount holds, or no memory: the chart stays as far as it got.
    }
}

} // namespace ledgora
