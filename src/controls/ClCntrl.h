#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QPoint;
class QWidget;

namespace ledgora {

// The behaviour every data-entry box of the screens shares, so that no screen has to code it:
// the entry colours and whole-text selection, ENTER and the arrows moving through the tab
// order, and the keypad's decimal key typing the user's decimal separator. A screen keeps one
// object per box and links the box to it when it loads; from then on the object answers the
// box's focus and key events itself. It also searches a linked list or combo box by prefix and
// shows the row under the mouse as the list box's tooltip.
class ClCntrl final : public QObject {
    Q_OBJECT
public:
    // Reads the decimal separator at once.
    ClCntrl();
    ~ClCntrl() override;

    // Each link replaces the earlier one of its kind. A control of the wrong type raises
    // "type mismatch" and leaves the earlier link as it was; a null control only unlinks.
    void sLinkText(QWidget* vTextBox);
    void sLinkListBox(QWidget* InvListBox);
    // The combo box is linked for BuscarCBO only: none of its events are handled.
    void sLinkCBoBox(QWidget* InvCboBox);

    // Makes current the first item whose text begins with Valor, ignoring case; with no such
    // item nothing is current or selected. Raises "object not set" before a link.
    void LstBuscarStr(const QString& Valor);
    void BuscarCBO(const QString& Valor);

    // Empties every text box of the screen, leaving the editors of combo and spin boxes alone.
    void VaciarTxt(QWidget* frm);

    // Reads the user's decimal separator again; when the system cannot tell, the separator is
    // empty and the user is told.
    void ObtenerDecimal();
    QString Separador_Decimal();
    QString Obtener_Sep_Decim();

    QLineEdit* linkedText() const;
    QListWidget* linkedListBox() const;
    QComboBox* linkedCboBox() const;
    // The separator as last read, without reading it again.
    const QString& decimalSeparator() const { return sSepDecimal; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void vTextCtrl_GotFocus();
    void vTextCtrl_LostFocus();
    void vTextCtrl_KeyPress(int& KeyAscii);
    void vTextCtrl_KeyDown(int& KeyCode, int Shift);
    void vTextCtrl_KeyUp(int& KeyCode, int Shift);
    void vTextCtrl_Change();
    void vListBox_MouseMove(int Button, int Shift, float X, float Y);

    bool textBoxEvent(QLineEdit* box, QEvent* event);
    void focusIn(QLineEdit* box, Qt::FocusReason reason);
    void focusOut(Qt::FocusReason reason);
    bool keyPress(QLineEdit* box, const QKeyEvent& event);
    void selectWholeText();
    void restoreWholeSelection(QLineEdit* box, const QString& textOnEntry);
    long itemFromPoint(int x, int y) const;
    int nearestRow(const QPoint& point) const;
    void unlinkText();
    void unlinkListBox();

    QPointer<QLineEdit> vTextCtrl;
    QPointer<QListWidget> vListBox;
    QPointer<QComboBox> vCboCtrl;
    QString sSepDecimal;
    bool bTeclaDecimal = false;

    // Whether the linked box has the focus as far as the screen is concerned: a context menu
    // or another window taking the focus for a while does not count as leaving the box.
    bool hasEntryFocus_ = false;
    // Set when the entry handler selected the whole text, which Qt's own handling of the same
    // focus change may undo.
    bool selectedOnEntry_ = false;
    // The click that gave the box the focus must not undo the whole-text selection.
    enum class FocusClick { None, Expected, Pressed };
    FocusClick focusClick_ = FocusClick::None;
    QMetaObject::Connection changeConnection_;
};

} // namespace ledgora
