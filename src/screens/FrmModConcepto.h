#pragma once

#include "domain/MovementAmounts.h"
#include "ledger/ListedMovement.h"
#include "platform/Screen.h"

#include <array>
#include <memory>

class QLineEdit;
class QPushButton;

namespace ledgora {

class ClCntrl;

// Changes the date, description and amount of the movement handed over in gMovimiento. The
// amount stays in the column that held it: concept and status are not changed here.
class FrmModConcepto final : public Screen {
    Q_OBJECT
public:
    FrmModConcepto();
    ~FrmModConcepto() override;

    void PP_GUARDAR();

protected:
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;

private:
    void buildControls();

    // Which amount the movement carries: 1 to be credited, 2 to be debited, 3 credited,
    // 4 debited; 0 when none is above zero.
    int amountColumn_ = 0;
    MovementAmounts atLoad_;
    ListedMovement listed_; // as the person saw it, checked before it is changed
    QLineEdit* txtFecha_ = nullptr;
    QLineEdit* txtConcepto_ = nullptr;
    QLineEdit* txtValor_ = nullptr;
    QPushButton* cmdGuardar_ = nullptr;
    std::array<std::unique_ptr<ClCntrl>, 3> links_;
};

} // namespace ledgora
