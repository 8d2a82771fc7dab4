#pragma once

#include "forecast/RecurringRule.h"
#include "platform/Screen.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ledgora {

class ClCntrl;
class FlexGrid;

// The schedules of movements that come back (payroll, rent, a loan's instalment) of every
// account, by number: INSERT adds one, ENTER changes the current one, DELETE removes it, ESC
// leaves. Adding and changing open a panel below the grid; its "Guardar" checks the fields,
// stores the schedule and enters at once, as pending movements, its occurrences due within the
// days ahead the settings give. What a schedule already entered stays as it is, whatever
// becomes of the schedule.
class FrmPeriodicos final : public Screen {
    Q_OBJECT
public:
    FrmPeriodicos();
    ~FrmPeriodicos() override;

    // Whether this visit entered any occurrence as a pending movement, of any account: the
    // main screen's listing is then out of date once the screen closes.
    bool entered() const { return entered_ > 0; }
    // How many it entered.
    int enteredCount() const { return entered_; }

Q_SIGNALS:
    // A schedule was saved and `count` of its account's occurrences were entered.
    void occurrencesEntered(int count);

protected:
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildPanel();
    void lstPER_KeyDown(int& keyCode, int shift);
    // The panel open below the grid, the focus in its first box; or closed, the focus back
    // in the grid. The window grows and shrinks with it.
    void openPanel();
    void closePanel();
    bool panelOpen() const;
    // Reads every schedule again into the grid; the one numbered `select` is then current, or
    // the row `fallbackRow` when it is not listed (0: the current account's first schedule).
    void loadRules(std::optional<std::int64_t> select = std::nullopt, int fallbackRow = 0);
    // The schedule of the grid's current row; nothing when the grid is empty.
    const RecurringRule* currentRule() const;
    // The accounts and concepts the panel offers, read again each time it opens, so that it
    // follows what other people added meanwhile.
    void fillLists();
    // Makes current the list's entry holding `number`; one no longer there (an account or a
    // concept another person removed) is offered under its number alone.
    static void chooseNumber(QComboBox* list, const QString& number);
    void addRule();
    void changeRule();
    void removeRule();
    void conceptChosen(int index);
    void frequencyChosen(int index);
    // The schedule the panel describes, checked box by box in the panel's order: nothing, with
    // the first refusal shown and the focus in its box, when one is wrong.
    std::optional<RecurringRule> checkedRule();
    void save();

    std::vector<RecurringRule> rules_;    // one for each grid row from row 1
    std::optional<std::int64_t> editing_; // the schedule the panel changes; none when adding
    int entered_ = 0;

    QLabel* Label1_ = nullptr;
    FlexGrid* lstPER_ = nullptr;
    QFrame* Frame1_ = nullptr;
    QComboBox* cboCuenta_ = nullptr;
    QComboBox* cboConcepto_ = nullptr;
    QLineEdit* txtDescripcion_ = nullptr;
    QLineEdit* txtImporte_ = nullptr;
    QComboBox* cboLado_ = nullptr;
    QComboBox* cboFrecuencia_ = nullptr;
    QLineEdit* txtCada_ = nullptr;
    QLabel* lblDia_ = nullptr;
    QLineEdit* txtDia_ = nullptr;
    QLineEdit* txtDesde_ = nullptr;
    QLineEdit* txtHasta_ = nullptr;
    QLineEdit* txtVeces_ = nullptr;
    QPushButton* cmdGuardar_ = nullptr;
    QLabel* lbKEY_ = nullptr;
    std::array<std::unique_ptr<ClCntrl>, 7> links_;
};

} // namespace ledgora
