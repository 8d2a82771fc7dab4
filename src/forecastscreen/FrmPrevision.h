#pragma once

#include "forecast/TreasuryForecast.h"
#include "platform/Screen.h"

#include <memory>

class QLabel;
class QLineEdit;

namespace ledgora {

class BalanceChartView;
class FlexGrid;
class ForecastRows;
class PanelStatusBar;

// "Previsión de tesorería": the balance of the current account (F2: of every account
// together) day by day from today's realised one, drawn above the list of what comes in and
// goes out. The days ahead are typed in "Días" and taken with ENTER; Alt+P previews the
// printed forecast; ESC leaves.
class FrmPrevision final : public Screen {
    Q_OBJECT
public:
    FrmPrevision();
    ~FrmPrevision() override;

    // Computes the forecast again for the scope and days shown; false when the days are
    // refused or it could not be read, the person told.
    bool PP_CALCULAR();
    void PP_ALCANCE();  // F2: the account or every account
    void PP_IMPRIMIR(); // Alt+P
    const TreasuryForecast* forecast() const { return forecast_.get(); }

protected:
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString scopeText() const;
    // Takes the days typed; false, with the person told, when they are no number of days.
    bool takeDays();

    std::shared_ptr<const TreasuryForecast> forecast_;
    std::shared_ptr<ForecastRows> rows_;
    QString account_; // empty: every account
    QString accountName_;
    int days_ = TreasuryForecast::kDefaultDays;

    QLabel* lbAlcance_ = nullptr;
    QLineEdit* txtDias_ = nullptr;
    BalanceChartView* chtSaldo_ = nullptr;
    QLabel* lbMinimo_ = nullptr;
    QLabel* lbNegativos_ = nullptr;
    FlexGrid* lstPrevision_ = nullptr;
    PanelStatusBar* StBar_ = nullptr;
};

} // namespace ledgora
