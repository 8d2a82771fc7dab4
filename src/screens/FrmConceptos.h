#pragma once

#include "domain/NewMovement.h"
#include "platform/Screen.h"

#include <array>
#include <memory>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace ledgora {

class Recordset;

class ClCntrl;

// Enters new movements of the current account, one after another: a concept (credit or
// debit) and a status (pending or realised) choose which of the four amounts takes the value.
// Each accepted entry is stored, added to the account's totals and shown on the main screen;
// the fields are then cleared for the next one. ESC leaves.
class FrmConceptos final : public Screen {
    Q_OBJECT
public:
    FrmConceptos();
    ~FrmConceptos() override;

    void Agregar();
    // Another person added, changed or removed a concept: the concept list is read again and
    // the concept chosen stays chosen; what is typed in the other boxes stays as it is.
    void followConcepts();

protected:
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    // Fills the two concept lists, by description; false when the query could not be run.
    bool readConcepts(Recordset& rs);
    void cboCONTIP_GotFocus();
    void txtMOVSTCPT_GotFocus();
    // "<concept> dd-mm-yyyy": the description proposed for a movement of today.
    QString proposedDescription() const;
    // The type letter of the concept chosen in the list, and its number.
    QString typeLetter() const;
    QString conceptNumber() const;
    // The amounts of a new movement of the chosen type and status.
    MovementAmounts amountsFor(Money value) const;
    // The movement the fields describe, checked in the order the person is told: nothing,
    // with the first refusal shown, when a field is wrong.
    std::optional<NewMovement> checkedMovement() const;
    // Stores it under the number that follows the account's highest as stored when it is
    // saved, and adds it to the account's totals; gives the movement as stored, or nothing,
    // with the person told why, when it was not stored.
    static std::optional<NewMovement> store(NewMovement movement);
    // The account's highest movement number as stored now, by whoever stored it.
    static void takeLastMovementFromStore();
    // A movement of today as the last row of the main screen's grid, shaded and selected;
    // any other day's reloads the listing.
    static void showOnMainScreen(const NewMovement& movement);
    // The fields cleared for the next movement of the same day.
    void readyForNext();

    QLineEdit* txtMOVDTALT_ = nullptr;
    QComboBox* cboCONDSC_ = nullptr;
    QComboBox* cboCONNRO_ = nullptr;
    QLineEdit* txtMOVSTCPT_ = nullptr;
    QLineEdit* txtVALOR_ = nullptr;
    QComboBox* cboCONTIP_ = nullptr;
    QPushButton* cmdAgregar_ = nullptr;
    QString cboCONTIPTag_; // the type letter the status list was last filled for
    std::array<std::unique_ptr<ClCntrl>, 3> links_;
};

} // namespace ledgora
