#include "GuardedTest.h"
#include "controls/BalanceChart.h"
#include "controls/BalanceChartView.h"
#include "controls/BandedReport.h"
#include "controls/ReportRecords.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QtTest>

using namespace ledgora;

namespace {

const QDate kFirst(2024, 3, 1);

// A balance a day from kFirst on, given in whole cents.
BalanceChart chartOf(const QList<qint64>& cents) {
    std::vector<DayBalance> points;
    for (qsizetype day = 0; day < cents.size(); ++day)
        points.push_back({kFirst.addDays(day), Money::fromUnits(cents[day] * 100)});
    return BalanceChart(std::move(points), QStringLiteral("Saldo de la cuenta 001"));
}

QImage painted(const BalanceChart& chart, QSize size, int dpi) {
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    chart.paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

// Whether the column at that fraction of the width is mostly light red: a band, not the edge of
// red type.
bool shadedAt(const QImage& image, double fraction) {
    int shaded = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb c = image.pixel(int(image.width() * fraction), y);
        shaded +=
            qRed(c) > 235 && qGreen(c) > 150 && qGreen(c) < 225 && qAbs(qGreen(c) - qBlue(c)) < 15;
    }
    return shaded > image.height() / 2;
}

// The share of the picture in dark ink: type, frame and lines.
double inkOf(const QImage& image) {
    qint64 dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    return double(dark) / (double(image.width()) * image.height());
}

struct NoRecords final : ReportRecords {
    void moveFirst() override {}
    bool eof() const override { return true; }
    Variant field(const QString&) const override { return {}; }
    void moveNext() override {}
};

} // namespace

class TstChart : public QObject {
    Q_OBJECT
private slots:
    void lowestAndDaysBelowZero_data() {
        QTest::addColumn<QList<qint64>>("cents");
        QTest::addColumn<int>("lowestDay"); // -1: none
        QTest::addColumn<QList<int>>("belowZero");
        QTest::newRow("empty") << QList<qint64>{} << -1 << QList<int>{};
        QTest::newRow("one day") << QList<qint64>{-5} << 0 << QList<int>{0};
        QTest::newRow("all zero") << QList<qint64>{0, 0, 0} << 0 << QList<int>{};
        QTest::newRow("all positive") << QList<qint64>{300, 120, 500} << 1 << QList<int>{};
        QTest::newRow("all negative") << QList<qint64>{-1, -9, -3} << 1 << QList<int>{0, 1, 2};
        QTest::newRow("tie: earliest") << QList<qint64>{50, -20, 10, -20} << 1 << QList<int>{1, 3};
        QTest::newRow("zero is not below") << QList<qint64>{0, -1, 0} << 1 << QList<int>{1};
    }
    // Also drawn, whether the series has a range or not, and told to a screen reader.
    void lowestAndDaysBelowZero() {
        QFETCH(QList<qint64>, cents);
        QFETCH(int, lowestDay);
        QFETCH(QList<int>, belowZero);
        const BalanceChart chart = chartOf(cents);
        const std::optional<DayBalance> low = chart.lowest();
        QCOMPARE(low.has_value(), lowestDay >= 0);
        if (low)
            QCOMPARE(low->date, kFirst.addDays(lowestDay));
        std::vector<QDate> expected;
        for (int day : belowZero)
            expected.push_back(kFirst.addDays(day));
        QVERIFY(chart.daysBelowZero() == expected);

        QVERIFY(qGray(painted(chart, {300, 150}, 96).pixel(0, 0)) < 128); // the frame
        BalanceChartView view;
        view.setChart(chart);
        const QString lowestDate = kFirst.addDays(lowestDay).toString(QStringLiteral("dd/MM/yyyy"));
        QCOMPARE(view.accessibleDescription().contains(lowestDate), low.has_value());
    }

    // Ten days in credit, then ten overdrawn: only the second half is shaded, on a small screen
    // and on an A4 page at printer resolution, and a page's type and lines are no thinner for
    // its finer dots.
    void shadesTheDaysBelowZero() {
        QList<qint64> cents;
        for (int day = 0; day < 20; ++day)
            cents << (day < 10 ? 10000 - day * 400 : day * 300 - 8000);
        const BalanceChart chart = chartOf(cents);
        const QImage screen = painted(chart, {480, 220}, 96);
        const QSize a4 = QPageSize(QPageSize::A4).sizePixels(300);
        for (const QImage& image : {screen, painted(chart, {a4.width(), a4.height() / 3}, 300)}) {
            QVERIFY(!shadedAt(image, 0.35));
            QVERIFY(shadedAt(image, 0.8));
        }
        const double paper = inkOf(painted(chart, {1500, 688}, 300));
        QVERIFY2(qAbs(paper - inkOf(screen)) < 0.3 * inkOf(screen),
                 qPrintable(QString::number(paper)));
    }

    // A report's picture is drawn in its box, converted from twips at the device's resolution.
    void reportDrawsPictureInItsBox() {
        QRectF drawnIn;
        auto draw = [&](QPainter& painter, const QRectF& box) {
            drawnIn = box;
            chartOf({5, -5}).paint(painter, box);
        };
        const ReportControl picture{
            {}, ReportControl::Kind::Picture, {}, 1440, 720, 2880, 1440, {}, {}, {}, draw};
        BandedReport report;
        report.reportHeader = {QStringLiteral("Cabecera"), 2880, {picture}};
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter writer(&pdf);
        writer.setResolution(300);
        NoRecords records;
        QCOMPARE(report.print(writer, records), 1);
        QCOMPARE(drawnIn, QRectF(300, 150, 600, 300));
    }
};

LEDGORA_TEST_MAIN(TstChart)
#include "tst_chart.moc"
