#pragma once

#include "domain/ConceptRecord.h"
#include "platform/Screen.h"
#include "reconcile/ReconciliationPlan.h"
#include "statements/BankStatement.h"

#include <QSet>
#include <QStringList>
#include <memory>

class QLabel;
class QPushButton;

namespace ledgora {

class FlexGrid;
class PanelStatusBar;

// A bank statement read against the current account, one row per bank line with what is
// proposed for it. The person accepts, drops or changes the proposals with the keyboard and
// applies the accepted ones all at once; leaving writes nothing.
class FrmConciliacion final : public Screen {
    Q_OBJECT
public:
    FrmConciliacion();
    ~FrmConciliacion() override;

    // The proposals to show, and the statement they were read from (F3 reads it again under
    // another matching window); set before the screen is shown.
    void setPlan(ReconciliationPlan plan);
    void setStatement(BankStatement statement) { statement_ = std::move(statement); }
    const ReconciliationPlan& plan() const { return *plan_; }

Q_SIGNALS:
    // The accepted lines were written: the main listing is out of date.
    void planApplied();

protected:
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;

private:
    void buildControls();
    void loadConcepts();
    void showLine(int index);
    void showCounts();
    void showReason();
    void lstLIN_KeyDown(int& keyCode, int shift);
    void selectRow(int row);
    void acceptLine(int index, bool accepted);
    void cycleLine(int index);
    void chooseConcept(int index);
    void PP_APLICAR();
    // F7: the statement's bank account linked to another ledger account, before anything of it
    // is applied; the screen then closes, and that account reconciles it.
    void PP_CAMBIARCUENTA();
    // F3: the matching window (days either way, and which of the bank's dates), seen under the
    // grid, changed and kept for the next statements; the lines are proposed again with it.
    void PP_VENTANA();
    void showStatement();
    void rememberConcepts();
    void PP_SALIR();

    QLabel* Label1_ = nullptr;
    QLabel* lbEXTRACTO_ = nullptr;
    QLabel* lbMOTIVO_ = nullptr; // why the current line's movements were proposed
    FlexGrid* lstLIN_ = nullptr;
    QPushButton* cmdAplicar_ = nullptr;
    PanelStatusBar* StBar_ = nullptr;
    // Shared with the grid's rows, which read their cells from it.
    std::shared_ptr<ReconciliationPlan> plan_ = std::make_shared<ReconciliationPlan>();
    BankStatement statement_;
    std::vector<ConceptRecord> concepts_;
    QSet<int> conceptChosen_; // lines whose concept the person chose
    bool changed_ = false;    // the person changed a proposal: leaving loses it
};

} // namespace ledgora
