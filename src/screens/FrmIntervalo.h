#pragma once

#include "platform/Screen.h"

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ledgora {

class ClCntrl;

// The interval of the main listing and its filter: the dates are kept for the next start,
// the filter (one concept and a text the descriptions must hold) while the component stays
// loaded. ESC leaves without changing either.
class FrmIntervalo final : public Screen {
    Q_OBJECT
public:
    FrmIntervalo();
    ~FrmIntervalo() override;

protected:
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;

private:
    void buildControls();
    void loadConcepts();
    void chFIL_Click();
    void cmdAceptar_Click();

    QLabel* Label1_ = nullptr;
    QLineEdit* txtDesde_ = nullptr;
    QLineEdit* txtHasta_ = nullptr;
    QPushButton* cmdAceptar_ = nullptr;
    QCheckBox* chFIL_ = nullptr;
    QFrame* framFIL_ = nullptr;
    QComboBox* cboConcepto_ = nullptr;
    QLineEdit* txtValor_ = nullptr;
    QComboBox* cboID_ = nullptr;
    std::array<std::unique_ptr<ClCntrl>, 3> links_;
};

} // namespace ledgora
