#include "ClCntrl.h"

#include "core/LocaleInfo.h"
#include "core/RuntimeError.h"
#include "platform/ControlTag.h"
#include "platform/Keystrokes.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"
#include "platform/VirtualKeys.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <cmath>

namespace ledgora {

namespace {

// The colours are kept as the screens were designed with them: 0x00BBGGRR values.
constexpr unsigned EntryColourMarked = 0xD6E4FE; // peach, for boxes tagged "...#F6"
constexpr unsigned EntryColour = 0xC0FFC0;       // light green
constexpr unsigned RestingColour = 0xFFFFFF;     // white

QColor fromBgr(unsigned value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

// Through the palette, so that the colour is what the style paints and what a test reads back.
void paintBackground(QLineEdit& box, unsigned bgr) {
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, fromBgr(bgr));
    box.setPalette(palette);
}

bool endsMarked(const QString& tag) {
    return tag.right(3) == QLatin1String("#F6");
}

// Boxes tagged "BB..." keep their colours: the screen paints them itself.
bool keepsOwnColours(const QString& tag) {
    return tag.left(2) == QLatin1String("BB");
}

// A context menu or another window taking the focus for a while is no entry into or exit from
// the box; Qt itself keeps the selection for these.
bool isPassingFocusChange(Qt::FocusReason reason) {
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}

// The editors inside combo and spin boxes are line edits too, but belong to their control.
bool isPartOfAnotherControl(const QLineEdit& box, const QWidget& screen) {
    for (const QWidget* w = box.parentWidget(); w && w != &screen; w = w->parentWidget())
        if (qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w))
            return true;
    return false;
}

template <typename TextOf>
int firstStartingWith(int count, const TextOf& textOf, const QString& prefix) {
    for (int k = 0; k < count; ++k)
        if (textOf(k).startsWith(prefix, Qt::CaseInsensitive))
            return k;
    return -1;
}

} // namespace

ClCntrl::ClCntrl() {
    ObtenerDecimal();
}

ClCntrl::~ClCntrl() {
    unlinkText();
    unlinkListBox();
}

void ClCntrl::sLinkText(QWidget* vTextBox) {
    auto* box = qobject_cast<QLineEdit*>(vTextBox);
    if (vTextBox && !box)
        throw RuntimeError::typeMismatch();
    unlinkText();
    vTextCtrl = box;
    if (!box)
        return;
    box->installEventFilter(this);
    changeConnection_ =
        connect(box, &QLineEdit::textChanged, this, [this](const QString&) { vTextCtrl_Change(); });
}

void ClCntrl::sLinkListBox(QWidget* InvListBox) {
    auto* list = qobject_cast<QListWidget*>(InvListBox);
    if (InvListBox && !list)
        throw RuntimeError::typeMismatch();
    unlinkListBox();
    vListBox = list;
    if (!list)
        return;
    // The row under the mouse is shown while no button is held, so moves must arrive then too.
    list->viewport()->setMouseTracking(true);
    list->viewport()->installEventFilter(this);
}

void ClCntrl::sLinkCBoBox(QWidget* InvCboBox) {
    auto* combo = qobject_cast<QComboBox*>(InvCboBox);
    if (InvCboBox && !combo)
        throw RuntimeError::typeMismatch();
    vCboCtrl = combo;
}

QLineEdit* ClCntrl::linkedText() const {
    return vTextCtrl;
}

QListWidget* ClCntrl::linkedListBox() const {
    return vListBox;
}

QComboBox* ClCntrl::linkedCboBox() const {
    return vCboCtrl;
}

void ClCntrl::unlinkText() {
    if (vTextCtrl)
        vTextCtrl->removeEventFilter(this);
    disconnect(changeConnection_);
    vTextCtrl = nullptr;
    hasEntryFocus_ = false;
    selectedOnEntry_ = false;
    focusClick_ = FocusClick::None;
}

void ClCntrl::unlinkListBox() {
    if (vListBox)
        vListBox->viewport()->removeEventFilter(this);
    vListBox = nullptr;
}

void ClCntrl::LstBuscarStr(const QString& Valor) {
    if (!vListBox)
        throw RuntimeError::objectNotSet();
    QListWidget& list = *vListBox;
    const int row = firstStartingWith(
        list.count(), [&list](int k) { return list.item(k)->text(); }, Valor);
    // Whatever the list's selection mode, the item found is the one selected.
    list.setCurrentRow(row,
                       row < 0 ? QItemSelectionModel::Clear : QItemSelectionModel::ClearAndSelect);
}

void ClCntrl::BuscarCBO(const QString& Valor) {
    if (!vCboCtrl)
        throw RuntimeError::objectNotSet();
    QComboBox& combo = *vCboCtrl;
    combo.setCurrentIndex(firstStartingWith(
        combo.count(), [&combo](int k) { return combo.itemText(k); }, Valor));
}

void ClCntrl::VaciarTxt(QWidget* frm) {
    if (!frm)
        throw RuntimeError::objectNotSet();
    const auto boxes = frm->findChildren<QLineEdit*>();
    for (QLineEdit* box : boxes) {
        // A dialog parented to the screen has controls of its own.
        if (box->window() != frm->window() || isPartOfAnotherControl(*box, *frm))
            continue;
        box->setText(QString());
    }
}

void ClCntrl::ObtenerDecimal() {
    if (const std::optional<QString> separator = LocaleInfo::decimalSeparator()) {
        // The system hands the text over in a fixed buffer: what follows a NUL is not part of it.
        const qsizetype end = separator->indexOf(QChar(u'\0'));
        sSepDecimal = end < 0 ? *separator : separator->left(end);
    } else {
        sSepDecimal.clear();
        MsgBox(QStringLiteral("No se puedo obtener la información"), MsgIcon::None, MsgButtons::Ok);
    }
}

QString ClCntrl::Separador_Decimal() {
    ObtenerDecimal();
    return sSepDecimal;
}

QString ClCntrl::Obtener_Sep_Decim() {
    return Separador_Decimal();
}

bool ClCntrl::eventFilter(QObject* watched, QEvent* event) {
    // A control being destroyed is no line edit or list any more: the casts come first, so that
    // nothing of it is touched then.
    if (auto* box = qobject_cast<QLineEdit*>(watched)) {
        if (box == vTextCtrl)
            return textBoxEvent(box, event);
    } else if (event->type() == QEvent::MouseMove) {
        auto* list = qobject_cast<QListWidget*>(watched->parent());
        if (list && list == vListBox && list->viewport() == watched) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPointF at = mouse->position();
            vListBox_MouseMove(mouseButtonsOf(mouse->buttons()), shiftStateOf(mouse->modifiers()),
                               float(at.x() * Twips::perPixelX()),
                               float(at.y() * Twips::perPixelY()));
        }
    }
    return QObject::eventFilter(watched, event);
}

bool ClCntrl::textBoxEvent(QLineEdit* box, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
        focusIn(box, static_cast<QFocusEvent*>(event)->reason());
        break;
    case QEvent::FocusOut:
        focusOut(static_cast<QFocusEvent*>(event)->reason());
        break;
    case QEvent::KeyPress:
        return keyPress(box, *static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease: {
        const KeyInfo info = keyInfoOf(*static_cast<QKeyEvent*>(event));
        int keyCode = info.keyCode;
        vTextCtrl_KeyUp(keyCode, info.shift);
        break;
    }
    case QEvent::MouseButtonPress:
        // Only the press that brought the focus; any later one places the caret as usual.
        focusClick_ = focusClick_ == FocusClick::Expected ? FocusClick::Pressed : FocusClick::None;
        break;
    case QEvent::MouseButtonRelease:
        // That press put the caret under the mouse; a drag meant a selection of the user's own.
        if (focusClick_ == FocusClick::Pressed && !box->hasSelectedText())
            selectWholeText();
        focusClick_ = FocusClick::None;
        break;
    case QEvent::MouseButtonDblClick:
        focusClick_ = FocusClick::None;
        break;
    default:
        break;
    }
    return false;
}

void ClCntrl::focusIn(QLineEdit* box, Qt::FocusReason reason) {
    if (hasEntryFocus_ && isPassingFocusChange(reason))
        return;
    hasEntryFocus_ = true;
    selectedOnEntry_ = false;
    focusClick_ = FocusClick::None;
    vTextCtrl_GotFocus();
    if (!selectedOnEntry_)
        return;
    if (reason == Qt::MouseFocusReason) {
        focusClick_ = FocusClick::Expected;
        return;
    }
    // Qt handles the focus change after this filter, and moves the caret of a masked box entered
    // from the keyboard to its first blank. Once that is done, the selection is put back. Not
    // otherwise: a screen that sets the focus from code may place the caret itself right after.
    const bool fromKeyboard = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                              reason == Qt::ShortcutFocusReason;
    if (!fromKeyboard || box->inputMask().isEmpty())
        return;
    QTimer::singleShot(0, this, [this, guarded = QPointer<QLineEdit>(box), text = box->text()] {
        restoreWholeSelection(guarded, text);
    });
}

void ClCntrl::restoreWholeSelection(QLineEdit* box, const QString& textOnEntry) {
    // Not once the user has typed over it or gone elsewhere.
    if (box && box == vTextCtrl && hasEntryFocus_ && box->hasFocus() &&
        box->text() == textOnEntry && !box->hasSelectedText())
        selectWholeText();
}

void ClCntrl::focusOut(Qt::FocusReason reason) {
    if (isPassingFocusChange(reason))
        return;
    hasEntryFocus_ = false;
    focusClick_ = FocusClick::None;
    vTextCtrl_LostFocus();
}

bool ClCntrl::keyPress(QLineEdit* box, const QKeyEvent& event) {
    const QPointer<QLineEdit> guarded(box);
    const KeyInfo info = keyInfoOf(event);
    int keyCode = info.keyCode;
    vTextCtrl_KeyDown(keyCode, info.shift);

    int keyAscii = keyAsciiOf(event);
    if (keyAscii == 0)
        return false;
    const int typed = keyAscii;
    vTextCtrl_KeyPress(keyAscii);
    if (keyAscii == typed)
        return false;
    // The box gets the character the handler chose instead, as if it had been typed.
    if (keyAscii != 0 && guarded && !guarded->isReadOnly())
        guarded->insert(QString(QChar(char16_t(keyAscii))));
    return true;
}

void ClCntrl::selectWholeText() {
    if (!vTextCtrl)
        return;
    vTextCtrl->setSelection(0, int(vTextCtrl->text().size()));
    selectedOnEntry_ = true;
}

void ClCntrl::vTextCtrl_GotFocus() {
    const QString tag = controlTag(vTextCtrl);
    if (endsMarked(tag)) {
        paintBackground(*vTextCtrl, EntryColourMarked);
        selectWholeText();
    } else if (!keepsOwnColours(tag)) {
        paintBackground(*vTextCtrl, EntryColour);
        selectWholeText();
    }
}

void ClCntrl::vTextCtrl_LostFocus() {
    if (!keepsOwnColours(controlTag(vTextCtrl)))
        paintBackground(*vTextCtrl, RestingColour);
}

void ClCntrl::vTextCtrl_KeyPress(int& KeyAscii) {
    if (KeyAscii == vk::Return) {
        // ENTER moves on like TAB, and the box never sees it.
        Keystrokes::send(Keystroke::Tab, true);
        KeyAscii = 0;
    }
    if (KeyAscii == '.' && bTeclaDecimal && !sSepDecimal.isEmpty())
        KeyAscii = sSepDecimal.front().unicode();
}

void ClCntrl::vTextCtrl_KeyDown(int& KeyCode, int /*Shift*/) {
    if (KeyCode == vk::Up)
        Keystrokes::send(Keystroke::ShiftTab, false);
    else if (KeyCode == vk::Down)
        Keystrokes::send(Keystroke::Tab, false);
    // The keypad's decimal key and the main keyboard's full stop type the same '.': only the
    // key code tells them apart, and it is known here, not where the character arrives.
    if (KeyCode == vk::Decimal)
        bTeclaDecimal = true;
}

void ClCntrl::vTextCtrl_KeyUp(int& KeyCode, int /*Shift*/) {
    if (KeyCode == vk::Decimal)
        bTeclaDecimal = false;
}

void ClCntrl::vTextCtrl_Change() {
    // Nothing to do on a change of text: the screens validate on their own.
}

void ClCntrl::vListBox_MouseMove(int Button, int /*Shift*/, float X, float Y) {
    if (Button != 0)
        return;
    try {
        if (!vListBox)
            throw RuntimeError::objectNotSet();
        const auto x = int(std::nearbyint(X / Twips::perPixelX()));
        const auto y = int(std::nearbyint(Y / Twips::perPixelY()));
        const long item = itemFromPoint(x, y);
        const long count = vListBox->count();
        // Past the last row, or outside the list, there is nothing to show.
        QString tip;
        if (item >= 0 && item < count)
            tip = vListBox->item(int(item))->text();
        vListBox->setToolTip(tip);
    } catch (const RuntimeError& error) {
        MsgBox(error.description(), MsgIcon::None, MsgButtons::Ok);
    }
}

// As the list box itself answers "which item is at this point": the nearest item's index in
// the low word, and 1 in the high word when the point lies outside the client area.
long ClCntrl::itemFromPoint(int x, int y) const {
    const QRect client = vListBox->viewport()->rect();
    if (vListBox->count() == 0 || client.isEmpty())
        return 0x1FFFF; // no item is nearest to anything
    const bool outside = !client.contains(x, y);
    const QPoint inside(std::clamp(x, client.left(), client.right()),
                        std::clamp(y, client.top(), client.bottom()));
    const long index = nearestRow(inside) & 0xFFFF;
    return (outside ? 0x10000L : 0L) | index;
}

int ClCntrl::nearestRow(const QPoint& point) const {
    if (QListWidgetItem* item = vListBox->itemAt(point))
        return vListBox->row(item);
    // Blank space, most often below the last row.
    int nearest = 0;
    int nearestDistance = INT_MAX;
    for (int row = 0; row < vListBox->count(); ++row) {
        QListWidgetItem* item = vListBox->item(row);
        if (item->isHidden())
            continue;
        const QRect rect = vListBox->visualItemRect(item);
        const int dx = std::max({rect.left() - point.x(), 0, point.x() - rect.right()});
        const int dy = std::max({rect.top() - point.y(), 0, point.y() - rect.bottom()});
        if (dx + dy < nearestDistance) {
            nearestDistance = dx + dy;
            nearest = row;
        }
    }
    return nearest;
}

} // namespace ledgora
