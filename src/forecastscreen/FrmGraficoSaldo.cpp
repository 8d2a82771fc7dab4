#include "FrmGraficoSaldo.h"

#include "controls/BalanceChartView.h"
#include "controls/BandedReport.h"
#include "controls/PanelStatusBar.h"
#include "controls/ReportControls.h"
#include "controls/ReportRecords.h"
#include "controls/TitleBanner.h"
#include "core/Conversions.h"
#include "domain/ModuleUtilities.h"
#include "domain/SharedState.h"
#include "forecast/TreasuryForecast.h"
#include "platform/BusyPointer.h"
#include "platform/ErrorReport.h"
#include "platform/Twips.h"
#include "platform/VirtualKeys.h"

#include <QMarginsF>
#include <QPageSize>
#include <QVBoxLayout>

namespace ledgora {

namespace {

constexpr int kWidth = 12000;
constexpr int kHeight = 6000;

// A report of its header alone: the chart.
class NoRecords final : public ReportRecords {
public:
    void moveFirst() override {}
    bool eof() const override { return true; }
    Variant field(const QString&) const override { return {}; }
    void moveNext() override {}
};

} // namespace

FrmGraficoSaldo::FrmGraficoSaldo() {
    setCaption(QString());
    setKeyPreview(true);
    resize(Twips::toPixelsX(kWidth), Twips::toPixelsY(kHeight));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TitleBanner::heading(tr("SALDO REALIZADO"), this));
    chtSaldo_ = new BalanceChartView(this);
    chtSaldo_->setObjectName(QStringLiteral("chtSaldo"));
    layout->addWidget(chtSaldo_, 1);
    auto* keys = new PanelStatusBar(1, this);
    keys->setObjectName(QStringLiteral("StBar"));
    keys->setPanelText(1, tr("ALT+P (Imprimir) - ESC (Salir)"));
    layout->addWidget(keys);
}

FrmGraficoSaldo::~FrmGraficoSaldo() = default;

void FrmGraficoSaldo::Form_Load() {
    const QString title =
        tr("Cuenta: %1 - %2, del %3 al %4")
            .arg(rt::trimBlanks(gCuenta.CNTSTNRO), rt::trimBlanks(gCuenta.CNTSTNOM),
                 rt::formatDateSlashed(gFechaDesde), rt::formatDateSlashed(gFechaHasta));
    BusyPointer busy;
    std::vector<DayBalance> points;
    try {
        points = realisedBalanceByDay(requireManejo(), rt::trimBlanks(gCuenta.CNTSTNRO),
                                      gFechaDesde, gFechaHasta);
    } catch (const RuntimeError& error) {
        busy.release();
        reportError(error, QStringLiteral(" - "), QStringLiteral("Seccion GraficoSaldo"));
    }
    chtSaldo_->setChart(BalanceChart(std::move(points), title));
}

void FrmGraficoSaldo::PP_IMPRIMIR() {
    BandedReport report;
    const BalanceChart chart = chtSaldo_->chart();
    report.reportHeader = {
        QStringLiteral("Grafico"),
        6000,
        {report::label("lbTitulo", "Saldo realizado", 0, 0, 6000, 280, Qt::AlignLeft, true),
         report::label("lbFecha", "%D", 6000, 0, 3978, 280, Qt::AlignRight),
         report::picture(
             "picSaldo", 0, 400, 9978, 5400,
             [chart](QPainter& painter, const QRectF& area) { chart.paint(painter, area); })}};
    report.pageLayout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                    QMarginsF(16, 15, 16, 15), QPageLayout::Millimeter);
    report.previewCaption = tr("Saldo realizado");
    NoRecords none;
    report.preview(none, this);
}

void FrmGraficoSaldo::Form_KeyDown(int& keyCode, int shift) {
    if (keyCode == vk::Escape) {
        keyCode = 0;
        GP_DESCARGAR(*this);
    } else if (keyCode == vk::P && shift == shiftstate::Alt) {
        keyCode = 0;
        guardEvent([this] { PP_IMPRIMIR(); });
    }
}

} // namespace ledgora
