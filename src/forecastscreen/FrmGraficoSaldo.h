#pragma once

#include "platform/Screen.h"

namespace ledgora {

class BalanceChartView;

// "Saldo realizado": the current account's realised balance at the close of each day of the
// interval listed on the main screen, as a chart. Alt+P previews it printed; ESC leaves.
class FrmGraficoSaldo final : public Screen {
    Q_OBJECT
public:
    FrmGraficoSaldo();
    ~FrmGraficoSaldo() override;

    const BalanceChartView& chart() const { return *chtSaldo_; }

protected:
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;

private:
    void PP_IMPRIMIR();

    BalanceChartView* chtSaldo_ = nullptr;
};

} // namespace ledgora
