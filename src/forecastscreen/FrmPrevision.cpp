#include "FrmPrevision.h"

#include "ForecastReport.h"
#include "ForecastRows.h"
#include "controls/BalanceChartView.h"
#include "controls/FlexGrid.h"
#include "controls/PanelStatusBar.h"
#include "controls/TitleBanner.h"
#include "core/Conversions.h"
#include "domain/ModuleUtilities.h"
#include "domain/SharedState.h"
#include "platform/BusyPointer.h"
#include "platform/ErrorReport.h"
#include "platform/LabelFor.h"
#include "platform/Twips.h"
#include "platform/VirtualKeys.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ledgora {

namespace {

constexpr int kWidth = 12000;
constexpr int kHeight = 9000;
const QColor kRed(192, 0, 0);
const QColor kPaleRed(253, 228, 228);

} // namespace

FrmPrevision::FrmPrevision() {
    setCaption(QString()); // the banner carries the title
    setKeyPreview(true);
    resize(Twips::toPixelsX(kWidth), Twips::toPixelsY(kHeight));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(TitleBanner::heading(tr("PREVISIÓN DE TESORERÍA"), this));

    auto* top = new QHBoxLayout;
    top->setContentsMargins(8, 0, 8, 0);
    lbAlcance_ = new QLabel(this);
    lbAlcance_->setObjectName(QStringLiteral("lbAlcance"));
    txtDias_ = new QLineEdit(this);
    txtDias_->setObjectName(QStringLiteral("txtDias"));
    txtDias_->setMaxLength(4);
    txtDias_->setFixedWidth(Twips::toPixelsX(700));
    txtDias_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtDias_->installEventFilter(this);
    auto* days = new QLabel(tr("Días:"), this);
    labelFor(days, txtDias_);
    top->addWidget(lbAlcance_, 1);
    top->addWidget(days);
    top->addWidget(txtDias_);
    layout->addLayout(top);

    chtSaldo_ = new BalanceChartView(this);
    chtSaldo_->setObjectName(QStringLiteral("chtSaldo"));
    layout->addWidget(chtSaldo_, 3);

    lbMinimo_ = new QLabel(this);
    lbMinimo_->setObjectName(QStringLiteral("lbMinimo"));
    lbNegativos_ = new QLabel(this);
    lbNegativos_->setObjectName(QStringLiteral("lbNegativos"));
    for (QLabel* label : {lbMinimo_, lbNegativos_}) {
        label->setContentsMargins(8, 0, 8, 0);
        layout->addWidget(label);
    }

    lstPrevision_ = new FlexGrid(this);
    lstPrevision_->setObjectName(QStringLiteral("lstPrevision"));
    lstPrevision_->setAccessibleName(tr("Previsión"));
    const char* headers[] = {"FECHA", "CUENTA", "DESCRIPCION", "ENTRADA", "SALIDA", "SALDO"};
    const int widths[] = {1100, 800, 4600, 1500, 1500, 1700};
    lstPrevision_->setCols(ForecastRows::ColumnCount);
    for (int c = 0; c < ForecastRows::ColumnCount; ++c) {
        lstPrevision_->setTextMatrix(0, c, QString::fromLatin1(headers[c]));
        lstPrevision_->setColWidth(c, widths[c]);
    }
    for (int c : {int(ForecastRows::In), int(ForecastRows::Out), int(ForecastRows::Balance)})
        lstPrevision_->setColAlignment(c, FlexGrid::RightCenter);
    lstPrevision_->setRows(1);
    layout->addWidget(lstPrevision_, 4);

    StBar_ = new PanelStatusBar(1, this);
    StBar_->setObjectName(QStringLiteral("StBar"));
    StBar_->setPanelText(1, tr("ENTER en Días (Calcular) - F2 (Esta cuenta / Todas) - ALT+P "
                               "(Imprimir) - ESC (Salir)"));
    layout->addWidget(StBar_);
    QWidget::setTabOrder(txtDias_, lstPrevision_);
}

FrmPrevision::~FrmPrevision() = default;

void FrmPrevision::Form_Load() {
    account_ = rt::trimBlanks(gCuenta.CNTSTNRO);
    accountName_ = rt::trimBlanks(gCuenta.CNTSTNOM);
    days_ = TreasuryForecast::storedDays();
    txtDias_->setText(QString::number(days_));
    PP_CALCULAR();
}

QString FrmPrevision::scopeText() const {
    return account_.isEmpty() ? tr("Todas las cuentas")
                              : tr("Cuenta: %1 - %2").arg(account_, accountName_);
}

bool FrmPrevision::takeDays() {
    bool ok = false;
    const int days = txtDias_->text().trimmed().toInt(&ok);
    if (!ok || days < 1 || days > TreasuryForecast::kMostDays) {
        MsgBox(tr("Días: un número entero de 1 a %1.").arg(TreasuryForecast::kMostDays),
               MsgIcon::Exclamation);
        txtDias_->setFocus();
        txtDias_->selectAll();
        return false;
    }
    days_ = days;
    TreasuryForecast::storeDays(days);
    return true;
}

bool FrmPrevision::PP_CALCULAR() {
    if (!takeDays())
        return false;
    BusyPointer busy;
    try {
        forecast_ = std::make_shared<const TreasuryForecast>(
            TreasuryForecast::compute(requireManejo(), account_, QDate::currentDate(), days_));
    } catch (const RuntimeError& error) {
        busy.release();
        reportError(error, QStringLiteral(" - "), QStringLiteral("Seccion Prevision.Calcular"));
        return false;
    }
    lbAlcance_->setText(scopeText());
    chtSaldo_->setChart(ForecastReport::chartOf(*forecast_, scopeText()));
    const bool negative = forecast_->lowest().balance < Money();
    lbMinimo_->setText(ForecastReport::lowestText(*forecast_));
    lbNegativos_->setText(ForecastReport::belowZeroText(*forecast_));
    for (QLabel* label : {lbMinimo_, lbNegativos_}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, negative ? kRed : QColor(0, 0, 0));
        label->setPalette(palette);
    }

    rows_ = std::make_shared<ForecastRows>(forecast_);
    const int count = rows_->rowCount();
    lstPrevision_->setRows(count + 1);
    lstPrevision_->setRow(1);
    lstPrevision_->setCol(0);
    lstPrevision_->setRowSel(count);
    lstPrevision_->setColSel(ForecastRows::ColumnCount - 1);
    lstPrevision_->setClip(rows_);
    // The balance of every row that leaves the account below zero stands out.
    lstPrevision_->setCol(ForecastRows::Balance);
    for (int row = 0; row < count; ++row) {
        if (!rows_->belowZero(row))
            continue;
        lstPrevision_->setRow(row + 1);
        lstPrevision_->setCellBackColor(kPaleRed);
    }
    lstPrevision_->goToRow(1);
    return true;
}

void FrmPrevision::PP_ALCANCE() {
    account_ = account_.isEmpty() ? rt::trimBlanks(gCuenta.CNTSTNRO) : QString();
    PP_CALCULAR();
}

void FrmPrevision::PP_IMPRIMIR() {
    if (!forecast_)
        return;
    ForecastRows records(forecast_);
    ForecastReport(*forecast_, scopeText()).preview(records, this);
}

void FrmPrevision::Form_KeyDown(int& keyCode, int shift) {
    if (keyCode == vk::Escape) {
        keyCode = 0;
        GP_DESCARGAR(*this);
    } else if (keyCode == vk::F2 && shift == 0) {
        keyCode = 0;
        guardEvent([this] { PP_ALCANCE(); });
    } else if (keyCode == vk::P && shift == shiftstate::Alt) {
        keyCode = 0;
        guardEvent([this] { PP_IMPRIMIR(); });
    }
}

bool FrmPrevision::eventFilter(QObject* watched, QEvent* event) {
    // ENTER in the days box takes them and computes again.
    if (watched == txtDias_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guardEvent([this] {
                if (PP_CALCULAR())
                    lstPrevision_->setFocus();
            });
            return true;
        }
    }
    return Screen::eventFilter(watched, event);
}

} // namespace ledgora
