#pragma once

#include "data/FormName.h"
#include "platform/Screen.h"

#include <array>
#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ledgora {

class ClCntrl;
class FlexGrid;

// The list of concepts (movement types): INSERT adds one, ENTER changes the current one,
// DELETE removes it, ESC leaves. Adding and changing open a panel below the grid; its
// "Guardar" checks the fields, writes the concept, reloads the list and closes the panel.
// The panel's mode, "A" adding or "M" changing, is kept in the screen's tag.
class FrmABMConceptos final : public Screen {
    Q_OBJECT
public:
    FrmABMConceptos();
    ~FrmABMConceptos() override;

    void PP_CARGARLST();
    // Another person added, changed or removed a concept: the list is read again, the
    // selected concept still selected, and while a concept is added the proposed number
    // follows (a number the person typed stays); a concept being changed keeps the screen as
    // it is. False when it waits.
    bool followList();
    void PP_AGREGARi();
    void PP_MODIFICARi();
    bool PP_VERIFICAR();
    void PP_AGREGARf();
    void PP_MODIFICARf();
    void PP_ELIMINAR();

protected:
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void lstCON_KeyDown(int& keyCode, int shift);
    void cbCONSTTIP_KeyDown(int& keyCode, int shift);
    void Command1_Click();
    // The panel open (TAMA) or closed (TAMB): window height and legend position, in twips.
    void TAMA();
    void TAMB();
    void setLayout(int windowHeight, int legendTop);
    bool hasConcepts() const;
    void selectCurrentRow();
    QString mode() const;
    void setMode(const QString& mode);
    // Takes number, description and type from the panel; false (and told) for an unknown type.
    bool takeFields();
    // Runs the insert or update built from the panel: a saved concept reloads the list and
    // closes the panel, one that changed no row is told and the panel stays as typed.
    void save(const QString& statement, FormName form, const QString& notSaved);

    // The values taken from the panel by the last save or delete, and the last statement.
    QString number_;
    QString description_;
    QString type_;
    QString statement_;

    QLabel* Label1_ = nullptr;
    FlexGrid* lstCON_ = nullptr;
    QFrame* Frame1_ = nullptr;
    QLineEdit* txtCONTSTNRO_ = nullptr;
    QLineEdit* txtCONSTDSC_ = nullptr;
    QComboBox* cbCONSTTIP_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QLabel* lbKEY_ = nullptr;
    std::array<std::unique_ptr<ClCntrl>, 2> links_;
    QString proposed_; // the number the last loading proposed
};

} // namespace ledgora
