#pragma once

#include "auditscreen/FrmHistorial.h"
#include "auditscreen/FrmPapelera.h"
#include "forecastscreen/FrmGraficoSaldo.h"
#include "forecastscreen/FrmPeriodicos.h"
#include "forecastscreen/FrmPrevision.h"
#include "ledger/MainScreenPort.h"
#include "platform/Screen.h"
#include "platform/ScreenRef.h"
#include "reconcilescreen/FrmConciliacion.h"
#include "screens/FrmABMConceptos.h"
#include "screens/FrmABMCuentas.h"
#include "screens/FrmConceptos.h"
#include "screens/FrmIntervalo.h"
#include "screens/FrmModConcepto.h"

#include "core/Money.h"

#include <QDate>
#include <QSet>

#include <optional>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QToolBar;

namespace ledgora {

class LedgerWatch;

class FlexGrid;
class MainScreenLifecycle;
class PanelStatusBar;

// The main ledger screen "Bancos": one account's movements within the interval, its two
// balances, and the way to everything else of the module.
class FrmBNKMain final : public Screen, public MainScreenPort {
    Q_OBJECT
public:
    FrmBNKMain();
    ~FrmBNKMain() override;

    void setLifecycle(MainScreenLifecycle* lifecycle) { lifecycle_ = lifecycle; }

    void FormatGRD();
    void PP_SELCUENTA();
    void PP_ACRODCR();
    void PP_MODIFICARCUENTA();
    void PP_ELIMINARCUENTA();
    void PP_INTERVALO();
    // F9, "Conciliar [F9]": a bank statement read against the current account.
    void PP_CONCILIAR();
    // F11, "Historial": every change of the movement in the current row.
    void PP_HISTORIAL();
    // F8, "Papelera": the account's deleted movements, to bring one back.
    void PP_PAPELERA();
    // Ctrl+Z: the person's last change to a movement of the account taken back.
    void PP_DESHACER();
    // F5, "Previsión de tesorería [F5]": the balance ahead, day by day.
    void PP_PREVISION();
    // F4, "Gráfico del saldo [F4]": the realised balance over the interval listed.
    void PP_GRAFICO();
    // F7, "Movimientos periódicos [F7]": the schedules, whose due occurrences are entered.
    void PP_PERIODICOS();

    // The statement file F9 reads instead of asking for one; empty asks again.
    static void setStatementFile(const QString& path) { statementFile_ = path; }

    // What the ledger routines write here.
    FlexGrid& LstBNK() override { return *LstBNK_; }
    void setBalanceText(BalanceLabel label, const QString& text) override;
    QString balanceText(BalanceLabel label) const override;
    void setBalanceColor(BalanceLabel label, const QColor& color) override;
    void setStatusPanel(int panel, const QString& text) override;

    // The controls, as a person (and a test) reaches them.
    PanelStatusBar& StBar() const { return *StBar_; }
    QToolBar& TbMenu() const { return *TbMenu_; }
    QMenu& MnuMain() const { return *MnuMain_; }
    QFrame& SHTOT() const { return *SHTOT_; }
    QLabel& label(BalanceLabel label) const;
    // The bank's closing balance from the last statement applied, and the difference.
    QLabel& lbEXTRACTO() const { return *lbEXTRACTO_; }
    QLabel& lbDIFERENCIA() const { return *lbDIFERENCIA_; }

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_Resize() override;

private:
    void buildControls();
    void buildMenu();
    void showEntryScreen();
    void LstBNK_KeyDown(int& keyCode, int shift);
    void LstBNK_MouseUp(int button, int shift);
    void StBar_PanelClick(int panel);
    void TbMenu_ButtonClick(int button);
    void readBankBalance();
    void showBankDifference();
    // Another person changed these accounts: the listing follows when it shows one of them.
    void followOthers(const QSet<QString>& accounts);
    // Follows now unless a screen that holds a row of the listing is open over it (the edit
    // screen, a question), which would then find another movement on its row.
    void followWhenFree();
    // A restored copy now stands where the ledger's file stood: the person is told, and the
    // ledger is opened again and listed from it, so nothing more is written to the file that
    // was replaced.
    void reopenReplacedLedger();

    MainScreenLifecycle* lifecycle_ = nullptr;
    LedgerWatch* watch_ = nullptr;
    bool followPending_ = false;
    bool accountsPending_ = false;
    bool conceptsPending_ = false;
    QToolBar* TbMenu_ = nullptr;
    FlexGrid* LstBNK_ = nullptr;
    QFrame* SHTOT_ = nullptr;
    QFrame* SHEXT_ = nullptr; // the bank's balance and the difference, once a statement is in
    QLabel* lbTOTRCNT_ = nullptr;
    QLabel* lbTOTRBCO_ = nullptr;
    QLabel* lbEXTRACTO_ = nullptr;
    QLabel* lbDIFERENCIA_ = nullptr;
    std::optional<Money> bankBalance_;
    QDate bankDate_; // the closing day of the statement that balance is from
    PanelStatusBar* StBar_ = nullptr;
    QMenu* MnuMain_ = nullptr;
    ScreenRef<FrmABMCuentas> frmABMCuentas_;
    ScreenRef<FrmConceptos> frmConceptos_;
    ScreenRef<FrmModConcepto> frmModConcepto_;
    ScreenRef<FrmIntervalo> frmIntervalo_;
    ScreenRef<FrmABMConceptos> frmABMConceptos_;
    ScreenRef<FrmConciliacion> frmConciliacion_;
    ScreenRef<FrmHistorial> frmHistorial_;
    ScreenRef<FrmPapelera> frmPapelera_;
    ScreenRef<FrmPrevision> frmPrevision_;
    ScreenRef<FrmGraficoSaldo> frmGraficoSaldo_;
    ScreenRef<FrmPeriodicos> frmPeriodicos_;
    static inline QString statementFile_;
};

} // namespace ledgora
