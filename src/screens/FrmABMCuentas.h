#pragma once

#include "data/FormName.h"
#include "data/Recordset.h"
#include "platform/Screen.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ledgora {

class ClCntrl;
class FlexGrid;

// The list of bank accounts: choose one with ENTER, add one (INSERT), change the selected one
// (F6) or remove it (DELETE, refused while it has movements), leave with ESC. New and changed
// accounts are edited in a frame that opens below the grid, the window growing to show it.
class FrmABMCuentas final : public Screen {
    Q_OBJECT
public:
    FrmABMCuentas();
    ~FrmABMCuentas() override;

    void CargarLista();
    // Another person added, changed or removed an account: while the person only browses
    // the list it is read again, the selected account still selected and the focus where it
    // was; an account being entered or changed keeps the screen as it is. False when it waits.
    bool followList();
    void PP_ELIMINAR();
    void PP_NUEVO();
    void PP_CANCELAR();
    void PP_GuardarN();
    void PP_MODIFICAR();
    void PP_GuardarM();

    // The mode: empty while browsing, "N" entering a new account, "M" changing one.
    const QString& Tag() const { return tag_; }
    std::int32_t MaxCuenta() const { return MaxCuenta_; }

    FlexGrid& grdList() const { return *grdList_; }
    QFrame& framDatos() const { return *framDatos_; }
    QLabel& Label8() const { return *Label8_; }
    QLineEdit& txtCNTSTNRO() const { return *txtCNTSTNRO_; }
    QLineEdit& txtCNTDTALT() const { return *txtCNTDTALT_; }
    QLineEdit& txtCNTSTNOM() const { return *txtCNTSTNOM_; }
    QLineEdit& txtCNTSTBNK() const { return *txtCNTSTBNK_; }
    QLineEdit& txtCNTSTTEL() const { return *txtCNTSTTEL_; }
    QLineEdit& txtCNTSTBKC() const { return *txtCNTSTBKC_; }
    QPushButton& cmdGuardar() const { return *cmdGuardar_; }

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyDown(int& keyCode, int shift) override;

private:
    void buildControls();
    void grdList_KeyDown(int& keyCode, int shift);
    void cmdGuardar_Click();
    void chooseAccount();
    // Window height and legend position of a mode, in twips.
    void setLayout(int windowHeight, int legendTop);
    void setGridInTabOrder(bool inTabOrder);
    void openFrame();
    void closeFrame();
    bool hasAccounts() const;
    void selectCurrentRow();
    // Checks number and name; shows the refusal and gives false when they do not do.
    bool validEntries();
    // Checks the entries, builds the insert or update in gsSQL (the builder names its form)
    // and runs it: a saved account reloads the list and closes the frame, a statement that
    // changed nothing is reported.
    void saveAccount(const std::function<FormName()>& buildStatement);
    // A box's text without the blanks around it, as it is saved.
    static QString typed(const QLineEdit* box);

    QString tag_;
    std::int32_t MaxCuenta_ = 0;
    QLabel* Label1_ = nullptr;
    FlexGrid* grdList_ = nullptr;
    QFrame* framDatos_ = nullptr;
    QLineEdit* txtCNTSTNRO_ = nullptr;
    QLineEdit* txtCNTDTALT_ = nullptr;
    QLineEdit* txtCNTSTNOM_ = nullptr;
    QLineEdit* txtCNTSTBNK_ = nullptr;
    QLineEdit* txtCNTSTTEL_ = nullptr;
    QLineEdit* txtCNTSTBKC_ = nullptr;
    QPushButton* cmdGuardar_ = nullptr;
    QLabel* Label8_ = nullptr;
    std::array<std::unique_ptr<ClCntrl>, 6> links_;
};

} // namespace ledgora
