#include "TestSupport.h"
#include "controls/ClCntrl.h"
#include "platform/ControlTag.h"
#include "platform/Keystrokes.h"
#include "platform/LocaleInfo.h"
#include "platform/RuntimeError.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtTest>
#include <functional>
#include <memory>

using namespace ledgora;

namespace {

const QColor Green(192, 255, 192), Peach(254, 228, 214), White(255, 255, 255), Blue(0, 0, 200);

// Three boxes in tab order and a list, in an active window; the middle box and the list are
// linked to the control, which reads the separator of the locale in force when it is made.
struct Screen {
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    QLineEdit* box = new QLineEdit(&window);
    QLineEdit* after = new QLineEdit(&window);
    QListWidget* list = new QListWidget(&window);
    std::unique_ptr<ClCntrl> control = std::make_unique<ClCntrl>();

    explicit Screen(const QString& text = QString()) {
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* w : std::initializer_list<QWidget*>{before, box, after, list})
            layout->addWidget(w);
        box->setText(text);
        list->addItems({"Banco", "Caja chica", "cajero"});
        control->sLinkText(box);
        control->sLinkListBox(list);
        window.show();
        QApplication::setActiveWindow(&window);
        window.activateWindow();
    }
    bool ready() { return QTest::qWaitForWindowActive(&window); }
    // Enters the linked box from the one before it, as the user does.
    void tabInto() {
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
    }
    QColor base() const { return box->palette().color(QPalette::Base); }
    bool wholeTextSelected() const {
        return box->hasSelectedText() && box->selectionStart() == 0 &&
               box->selectedText() == box->text();
    }
    void keypadDecimal() { QTest::keyClick(box, Qt::Key_Period, Qt::KeypadModifier); }
    void hover(int row, Qt::MouseButtons held) {
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QMouseEvent move(QEvent::MouseMove, at, list->viewport()->mapToGlobal(at), Qt::NoButton,
                         held, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &move);
    }
};

long errorNumber(const std::function<void()>& step) {
    try {
        step();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

} // namespace

class TstClCntrl : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { LocaleInfo::setFailingForTesting(false); }

    // Entry colours and selection
    void entryStyleFollowsTag_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QColor>("onEntry");
        QTest::addColumn<QColor>("onLeaving");
        QTest::newRow("no tag") << QString() << Green << White;
        QTest::newRow("marked") << "x#F6" << Peach << White;
        QTest::newRow("own colours") << "BB" << Blue << Blue;
        QTest::newRow("own colours, marked") << "BB#F6" << Peach << Peach;
    }
    void entryStyleFollowsTag() {
        QFETCH(QString, tag);
        QFETCH(QColor, onEntry);
        QFETCH(QColor, onLeaving);
        Screen screen("1234,50");
        QVERIFY(screen.ready());
        QPalette palette = screen.box->palette();
        palette.setColor(QPalette::Base, Blue);
        screen.box->setPalette(palette);
        setControlTag(screen.box, tag);
        screen.tabInto();
        QCOMPARE(screen.base(), onEntry);
        QVERIFY(onEntry == Blue || screen.wholeTextSelected());
        QTest::keyClick(screen.box, Qt::Key_Tab);
        QCOMPARE(screen.base(), onLeaving);
    }

    void clickIntoBoxSelectsWholeTextAndALaterClickPlacesTheCaret() {
        Screen screen("Caja chica");
        QVERIFY(screen.ready());
        screen.before->setFocus();
        const QPoint inText(screen.box->width() / 3, screen.box->height() / 2);
        QTest::mouseClick(screen.box, Qt::LeftButton, {}, inText);
        QCOMPARE(screen.base(), Green);
        QVERIFY(screen.wholeTextSelected());
        QTest::mouseClick(screen.box, Qt::LeftButton, {}, inText, 500);
        QVERIFY(!screen.box->hasSelectedText());
    }

    void maskedBoxEnteredByTabKeepsWholeTextSelected() {
        Screen screen;
        QVERIFY(screen.ready());
        screen.box->setInputMask("99/99");
        screen.box->setText("1231");
        screen.tabInto();
        QTRY_VERIFY(screen.wholeTextSelected());
        // A screen placing the caret itself right after setting the focus keeps it there.
        screen.before->setFocus();
        screen.box->setFocus();
        screen.box->setCursorPosition(1);
        QTest::qWait(20);
        QVERIFY(!screen.box->hasSelectedText());
    }

    void contextMenuTakingTheFocusIsNoExitFromTheBox() {
        Screen screen("Caja chica");
        QVERIFY(screen.ready());
        screen.tabInto();
        screen.box->setSelection(5, 5);
        QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
        QFocusEvent in(QEvent::FocusIn, Qt::PopupFocusReason);
        QApplication::sendEvent(screen.box, &out);
        QCOMPARE(screen.base(), Green);
        QApplication::sendEvent(screen.box, &in);
        QCOMPARE(screen.box->selectedText(), QString("chica"));
    }

    // Keys
    void enterAndArrowsMoveThroughTheTabOrder() {
        Screen screen;
        QVERIFY(screen.ready());
        std::vector<std::pair<Keystroke, bool>> sent;
        Keystrokes::setObserver([&sent](Keystroke key, bool wait) { sent.push_back({key, wait}); });
        QSignalSpy returns(screen.box, &QLineEdit::returnPressed);
        screen.tabInto();
        QTest::keyClicks(screen.box, "12");
        QTest::keyClick(screen.box, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), screen.after);
        QCOMPARE(screen.box->text(), QString("12"));
        QCOMPARE(returns.count(), 0);
        screen.tabInto();
        QTest::keyClick(screen.box, Qt::Key_Down);
        QTRY_COMPARE(QApplication::focusWidget(), screen.after);
        screen.tabInto();
        QTest::keyClick(screen.box, Qt::Key_Up);
        QTRY_COMPARE(QApplication::focusWidget(), screen.before);
        Keystrokes::setObserver({});
        const std::vector<std::pair<Keystroke, bool>> expected{
            {Keystroke::Tab, true}, {Keystroke::Tab, false}, {Keystroke::ShiftTab, false}};
        QCOMPARE(sent, expected);
    }

    void keypadDecimalTypesTheUsersSeparator_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("typed");
        QTest::newRow("comma") << test::commaLocale() << "1,5.";
        QTest::newRow("point") << test::pointLocale() << "1.5.";
    }
    void keypadDecimalTypesTheUsersSeparator() {
        QFETCH(QLocale, locale);
        QFETCH(QString, typed);
        test::LocaleScope scope(locale);
        Screen screen;
        QVERIFY(screen.ready());
        screen.tabInto();
        QTest::keyClick(screen.box, Qt::Key_1);
        screen.keypadDecimal();
        QTest::keyClick(screen.box, Qt::Key_5);
        QTest::keyClick(screen.box, Qt::Key_Period); // the main keyboard's full stop
        QCOMPARE(screen.box->text(), typed);
        screen.box->setReadOnly(true);
        screen.keypadDecimal();
        QCOMPARE(screen.box->text(), typed);
    }

    // Decimal separator
    void failedQueryIsToldOnCreationAndEveryRead() {
        test::MessageRecorder messages;
        LocaleInfo::setFailingForTesting(true);
        Screen screen;
        QVERIFY(screen.ready());
        QCOMPARE(messages.prompts(), QStringList{"No se puedo obtener la información"});
        QCOMPARE(messages.boxes[0].icon, MsgIcon::None);
        QCOMPARE(messages.boxes[0].buttons, MsgButtons::Ok);
        QCOMPARE(screen.control->Separador_Decimal(), QString());
        QCOMPARE(screen.control->Obtener_Sep_Decim(), QString());
        QCOMPARE(messages.boxes.size(), std::size_t(3));
        screen.tabInto();
        screen.keypadDecimal();
        QCOMPARE(screen.box->text(), QString("."));
    }

    void readingTheSeparatorFollowsTheUsersChange() {
        test::LocaleScope point(test::pointLocale());
        Screen screen;
        QVERIFY(screen.ready());
        test::LocaleScope comma(test::commaLocale());
        QCOMPARE(screen.control->Separador_Decimal(), QString(","));
        screen.tabInto();
        screen.keypadDecimal();
        QCOMPARE(screen.box->text(), QString(","));
    }

    // Links
    void wrongControlTypeRaisesTypeMismatchAndKeepsTheLink() {
        Screen screen;
        QVERIFY(screen.ready());
        QPushButton button(&screen.window);
        QComboBox combo(&screen.window);
        ClCntrl& control = *screen.control;
        control.sLinkCBoBox(&combo);
        QCOMPARE(errorNumber([&] { control.sLinkText(&button); }), 13L);
        QCOMPARE(errorNumber([&] { control.sLinkListBox(screen.box); }), 13L);
        QCOMPARE(errorNumber([&] { control.sLinkCBoBox(screen.list); }), 13L);
        QCOMPARE(control.linkedText(), screen.box);
        QCOMPARE(control.linkedListBox(), screen.list);
        QCOMPARE(control.linkedCboBox(), &combo);
        screen.tabInto();
        QCOMPARE(screen.base(), Green);
    }

    void eventsStopWhenTheLinkEnds_data() {
        QTest::addColumn<bool>("destroy");
        QTest::newRow("relinked") << false;
        QTest::newRow("destroyed") << true;
    }
    void eventsStopWhenTheLinkEnds() {
        QFETCH(bool, destroy);
        test::LocaleScope scope(test::commaLocale());
        Screen screen;
        QVERIFY(screen.ready());
        if (destroy)
            screen.control.reset();
        else
            screen.control->sLinkText(screen.after);
        QSignalSpy returns(screen.box, &QLineEdit::returnPressed);
        screen.tabInto();
        QCOMPARE(screen.base(), White);
        screen.keypadDecimal();
        QCOMPARE(screen.box->text(), QString("."));
        QTest::keyClick(screen.box, Qt::Key_Return);
        QCOMPARE(returns.count(), 1);
    }

    void boxDestroyedWhileFocusedAndLinkedIsHarmless() {
        Screen screen;
        QVERIFY(screen.ready());
        screen.tabInto();
        delete screen.box;
        QCOMPARE(screen.control->linkedText(), nullptr);
        screen.control->sLinkText(screen.after);
    }

    // Prefix search
    void searchMakesCurrentTheFirstItemStartingWithText() {
        Screen screen;
        QComboBox combo;
        combo.addItems({"Banco", "Caja chica", "cajero"});
        ClCntrl unlinked;
        QCOMPARE(errorNumber([&] { unlinked.LstBuscarStr("c"); }), 91L);
        QCOMPARE(errorNumber([&] { unlinked.BuscarCBO("c"); }), 91L);

        screen.list->setSelectionMode(QAbstractItemView::MultiSelection);
        screen.list->item(0)->setSelected(true);
        screen.control->LstBuscarStr("cajE");
        QCOMPARE(screen.list->currentRow(), 2);
        QCOMPARE(screen.list->selectedItems(), QList<QListWidgetItem*>{screen.list->item(2)});
        screen.control->LstBuscarStr("CAJ");
        QCOMPARE(screen.list->currentRow(), 1);
        screen.control->LstBuscarStr("Cajas");
        QCOMPARE(screen.list->currentRow(), -1);
        QVERIFY(screen.list->selectedItems().isEmpty());

        screen.control->sLinkCBoBox(&combo);
        screen.control->BuscarCBO("cajE");
        QCOMPARE(combo.currentIndex(), 2);
        screen.control->BuscarCBO("z");
        QCOMPARE(combo.currentIndex(), -1);
    }

    // Row tooltip
    void hoverShowsTheRowUnlessAButtonIsHeld() {
        Screen screen;
        QVERIFY(screen.ready());
        screen.hover(1, Qt::NoButton);
        QCOMPARE(screen.list->toolTip(), QString("Caja chica"));
        screen.hover(2, Qt::LeftButton);
        QCOMPARE(screen.list->toolTip(), QString("Caja chica"));
        screen.hover(2, Qt::NoButton);
        // and the list shows it when the user rests the mouse there
        const QPoint at = screen.list->visualItemRect(screen.list->item(2)).center();
        QHelpEvent rest(QEvent::ToolTip, at, screen.list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(screen.list->viewport(), &rest);
        QTRY_COMPARE(QToolTip::text(), QString("cajero"));
    }

    // Emptying a screen
    void emptyingTheScreenClearsTextBoxesOnly() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* group = new QGroupBox(&window);
        auto* nested = new QLineEdit("Caja", group);
        auto* top = new QLineEdit("12,50", &window);
        auto* list = new QListWidget(&window);
        list->addItems({"Banco", "Caja"});
        auto* combo = new QComboBox(&window);
        combo->addItems({"Banco", "Caja"});
        auto* editable = new QComboBox(&window);
        editable->setEditable(true);
        editable->setEditText("libre");
        auto* spin = new QSpinBox(&window);
        spin->setValue(5);
        auto* label = new QLabel("Cuenta", &window);
        for (QWidget* w : std::initializer_list<QWidget*>{group, top, list, combo, editable, spin})
            layout->addWidget(w);

        ClCntrl().VaciarTxt(&window);
        QCOMPARE(nested->text() + top->text(), QString());
        QCOMPARE(list->count(), 2);
        QCOMPARE(combo->currentText(), QString("Banco"));
        QCOMPARE(editable->currentText(), QString("libre"));
        QCOMPARE(spin->text(), QString("5"));
        QCOMPARE(label->text(), QString("Cuenta"));
    }
};

QTEST_MAIN(TstClCntrl)
#include "tst_clcntrl.moc"
