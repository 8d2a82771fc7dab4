#include "ForecastReport.h"

#include "ForecastRows.h"
#include "controls/ReportControls.h"
#include "core/Conversions.h"

#include <QCoreApplication>
#include <QMarginsF>
#include <QPageSize>

namespace ledgora {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("ForecastReport", text);
}

} // namespace

BalanceChart ForecastReport::chartOf(const TreasuryForecast& forecast, const QString& title) {
    return BalanceChart(forecast.days(), title);
}

QString ForecastReport::lowestText(const TreasuryForecast& forecast) {
    const DayBalance lowest = forecast.lowest();
    return tr("Saldo más bajo: %1 el %2")
        .arg(rt::formatAmount(lowest.balance), rt::formatDateSlashed(lowest.date));
}

QString ForecastReport::belowZeroText(const TreasuryForecast& forecast) {
    const std::vector<QDate> below = forecast.daysBelowZero();
    if (below.empty())
        return tr("Ningún día con saldo negativo");
    // Each stretch of days in a row below zero, so that two stretches apart are not read as one.
    QStringList stretches;
    for (std::size_t first = 0, k = 0; k < below.size(); ++k) {
        if (k + 1 < below.size() && below[k].daysTo(below[k + 1]) == 1)
            continue;
        stretches << (first == k ? tr("el %1").arg(rt::formatDateSlashed(below[k]))
                                 : tr("del %1 al %2")
                                       .arg(rt::formatDateSlashed(below[first]),
                                            rt::formatDateSlashed(below[k])));
        first = k + 1;
    }
    return tr("Días con saldo negativo: %1 (%2)")
        .arg(below.size())
        .arg(stretches.join(QStringLiteral("; ")));
}

ForecastReport::ForecastReport(const TreasuryForecast& forecast, const QString& scope) {
    using report::field;
    using report::label;
    using report::line;
    const bool bold = true;
    const BalanceChart chart = chartOf(forecast, scope);
    reportHeader = {
        QStringLiteral("Encabezado"),
        5000,
        {label("lbTitulo", "Previsión de tesorería", 0, 0, 6000, 280, Qt::AlignLeft, bold),
         label("lbFecha", "%D", 6000, 0, 3978, 280, Qt::AlignRight),
         label("lbAlcance", "", 0, 300, 9978, 240), label("lbDias", "", 0, 540, 9978, 240),
         report::picture(
             "picSaldo", 0, 840, 9978, 3600,
             [chart](QPainter& painter, const QRectF& area) { chart.paint(painter, area); }),
         label("lbMinimo", "", 0, 4500, 9978, 240, Qt::AlignLeft, bold),
         label("lbNegativos", "", 0, 4740, 9978, 240)}};
    control(QStringLiteral("lbAlcance"))->text = scope;
    control(QStringLiteral("lbDias"))->text = tr("Del %1 al %2, desde el saldo realizado de hoy")
                                                  .arg(rt::formatDateSlashed(forecast.today()),
                                                       rt::formatDateSlashed(forecast.lastDay()));
    control(QStringLiteral("lbMinimo"))->text = lowestText(forecast);
    control(QStringLiteral("lbNegativos"))->text = belowZeroText(forecast);

    auto column = [](int c) { return ForecastRows::columnName(c); };
    pageHeader = {QStringLiteral("Columnas"),
                  340,
                  {label("lbCFecha", "Fecha", 0, 40, 1100, 227, Qt::AlignLeft, bold),
                   label("lbCCuenta", "Cuenta", 1150, 40, 800, 227, Qt::AlignLeft, bold),
                   label("lbCDescripcion", "Descripción", 2000, 40, 4200, 227, Qt::AlignLeft, bold),
                   label("lbCEntrada", "Entrada", 6250, 40, 1200, 227, Qt::AlignRight, bold),
                   label("lbCSalida", "Salida", 7500, 40, 1200, 227, Qt::AlignRight, bold),
                   label("lbCSaldo", "Saldo", 8750, 40, 1228, 227, Qt::AlignRight, bold),
                   line("lnColumnas", 0, 300, 9978)}};
    detail = {
        QStringLiteral("Linea"),
        228,
        {field("txFecha", column(ForecastRows::Date), 0, 0, 1100, 227, Qt::AlignLeft),
         field("txCuenta", column(ForecastRows::Account), 1150, 0, 800, 227, Qt::AlignLeft),
         field("txDescripcion", column(ForecastRows::Description), 2000, 0, 4200, 227,
               Qt::AlignLeft),
         field("txEntrada", column(ForecastRows::In), 6250, 0, 1200, 227, Qt::AlignRight),
         field("txSalida", column(ForecastRows::Out), 7500, 0, 1200, 227, Qt::AlignRight),
         field("txSaldo", column(ForecastRows::Balance), 8750, 0, 1228, 227, Qt::AlignRight)}};
    pageFooter = {QStringLiteral("Pie"),
                  227,
                  {line("lnPie", 0, 0, 9978), label("lbPagina", "Página:", 27, 0, 609, 227),
                   label("lbNumero", "%p", 659, 0, 448, 227)}};
    pageLayout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(16, 15, 16, 15), QPageLayout::Millimeter);
    previewCaption = tr("Previsión de tesorería");
}

} // namespace ledgora
