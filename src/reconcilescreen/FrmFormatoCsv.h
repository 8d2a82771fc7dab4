#pragma once

#include "platform/Screen.h"
#include "statements/CsvLayout.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ledgora {

class ClCntrl;
class FlexGrid;
class PanelStatusBar;

// How a bank's spreadsheet export is laid out, asked of the person the first time an account's
// CSV arrives: a CSV says nothing of its own layout, and a wrong guess would read amounts or
// dates wrongly without a word. The screen opens on the guessed layout; under the choices the
// first movements show as they will be read, and above them why the whole file would be
// refused, so that each choice is seen at work before it is accepted. ENTER walks the choices
// down to "Aceptar"; ESC leaves without a layout.
class FrmFormatoCsv final : public Screen {
    Q_OBJECT
public:
    // The layout the person accepted for the file's bytes, starting from `guessed`; nothing
    // when they left. `fileName` names the file on the screen.
    static std::optional<CsvLayout> ask(const QByteArray& bytes, const CsvLayout& guessed,
                                        const QString& fileName);

    ~FrmFormatoCsv() override;

protected:
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;

private:
    FrmFormatoCsv(const QByteArray& bytes, const CsvLayout& guessed, const QString& fileName);

    void buildControls();
    void showGuess();
    // The layout the controls describe now.
    CsvLayout chosenLayout() const;
    // The column choosers listed again from the file's column names as the controls read them,
    // each on its column of `choices` while the file still has it. `atLeast` columns are
    // offered even when the rows read have fewer.
    void listColumns(const CsvLayout& choices, int atLeast);
    // The preview and the file's refusal, for the choices as they are now.
    void showPreview();
    // The person changed a choice: `control` is the one to go back to when the file is refused.
    void choiceChanged(QWidget* control, bool relist);
    // Why the whole file would be refused with the layout; empty when it reads.
    QString refusalOf(const CsvLayout& layout) const;
    void cmdAceptar_Click();

    QByteArray bytes_;
    CsvLayout guessed_;
    QString fileName_;
    std::optional<CsvLayout> accepted_;
    QWidget* lastChanged_ = nullptr;

    QLabel* Label1_ = nullptr;
    QLabel* lbArchivo_ = nullptr;
    QComboBox* cboSeparador_ = nullptr;
    QComboBox* cboDecimal_ = nullptr;
    QComboBox* cboFecha_ = nullptr;
    QLineEdit* txtSaltar_ = nullptr;
    QComboBox* cboCodificacion_ = nullptr;
    // One for each column a movement can take: dates, texts, amounts and the balance.
    std::array<QComboBox*, 8> columns_{};
    QPushButton* cmdAceptar_ = nullptr;
    QLabel* lbProblema_ = nullptr;
    FlexGrid* grdMuestra_ = nullptr;
    PanelStatusBar* StBar_ = nullptr;
    std::unique_ptr<ClCntrl> saltarLink_;
    std::vector<QWidget*> enterOrder_; // where ENTER goes next, down to the button
};

} // namespace ledgora
