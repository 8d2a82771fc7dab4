#include "ScreenTests.h"
#include "controls/ClCntrl.h"
#include "core/LocaleInfo.h"
#include "platform/ControlTag.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

using namespace ledgora;
using test::errorNumberOf;

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
};

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
        Screen screen("Caja chica");
        QVERIFY(screen.ready());
        QPalette palette = screen.box->palette();
        palette.setColor(QPalette::Base, Blue);
        screen.box->setPalette(palette);
        setControlTag(screen.box, tag);
        screen.tabInto();
        QCOMPARE(screen.base(), onEntry);
        QVERIFY(onEntry == Blue || screen.wholeTextSelected());
        // A context menu taking the focus for a while is no exit from the box, nor an entry.
        screen.box->setSelection(5, 5);
        QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
        QFocusEvent in(QEvent::FocusIn, Qt::PopupFocusReason);
        QApplication::sendEvent(screen.box, &out);
        QCOMPARE(screen.base(), onEntry);
        QApplication::sendEvent(screen.box, &in);
        QCOMPARE(screen.box->selectedText(), QString("chica"));
        QTest::keyClick(screen.box, Qt::Key_Tab);
        QCOMPARE(screen.base(), onLeaving);
    }

    void wholeTextIsSelectedHoweverTheBoxIsEntered() {
        Screen screen("Caja chica");
        QVERIFY(screen.ready());
        screen.before->setFocus();
        const QPoint inText(screen.box->width() / 3, screen.box->height() / 2);
        QTest::mouseClick(screen.box, Qt::LeftButton, {}, inText);
        QVERIFY(screen.wholeTextSelected());
        QTest::mouseClick(screen.box, Qt::LeftButton, {}, inText, 500);
        QVERIFY(!screen.box->hasSelectedText()); // a later click places the caret
        // A mask makes the box place the caret itself once it has the focus.
        screen.box->setInputMask("99/99");
        screen.box->setText("1231");
        screen.tabInto();
        QTRY_VERIFY(screen.wholeTextSelected());
        // A screen placing the caret right after setting the focus keeps it there.
        screen.before->setFocus();
        screen.box->setFocus();
        screen.box->setCursorPosition(1);
        QTest::qWait(20);
        QVERIFY(!screen.box->hasSelectedText());
    }

    // Keys
    void keysMoveThroughTheTabOrderAndTypeTheUsersSeparator_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("typed");
        QTest::newRow("comma") << test::commaLocale() << "1,5.";
        QTest::newRow("point") << test::pointLocale() << "1.5.";
    }
    void keysMoveThroughTheTabOrderAndTypeTheUsersSeparator() {
        QFETCH(QLocale, locale);
        QFETCH(QString, typed);
        test::LocaleScope scope(locale);
        Screen screen;
        QVERIFY(screen.ready());
        QSignalSpy returns(screen.box, &QLineEdit::returnPressed);
        screen.tabInto();
        QTest::keyClick(screen.box, Qt::Key_1);
        screen.keypadDecimal();
        QTest::keyClick(screen.box, Qt::Key_5);
        QTest::keyClick(screen.box, Qt::Key_Period); // the main keyboard's full stop
        QCOMPARE(screen.box->text(), typed);
        QTest::keyClick(screen.box, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), screen.after); // at once, unlike the arrows
        QCOMPARE(returns.count(), 0);
        screen.tabInto();
        QTest::keyClick(screen.box, Qt::Key_Down);
        QTRY_COMPARE(QApplication::focusWidget(), screen.after);
        screen.tabInto();
        QTest::keyClick(screen.box, Qt::Key_Up);
        QTRY_COMPARE(QApplication::focusWidget(), screen.before);
        screen.box->setReadOnly(true);
        screen.keypadDecimal();
        QCOMPARE(screen.box->text(), typed);
    }

    void separatorIsReadAgainEachTimeAndAFailureIsTold() {
        test::MessageRecorder messages;
        LocaleInfo::setFailingForTesting(true);
        Screen screen;
        QVERIFY(screen.ready());
        QCOMPARE(messages.prompts(), QStringList{"No se puedo obtener la información"});
        QCOMPARE(screen.control->Separador_Decimal(), QString());
        QCOMPARE(messages.boxes.size(), std::size_t(2)); // once more for every read
        screen.tabInto();
        screen.keypadDecimal();
        QCOMPARE(screen.box->text(), QString("."));
        // The user changes the separator while the screen is open.
        LocaleInfo::setFailingForTesting(false);
        test::LocaleScope comma(test::commaLocale());
        QCOMPARE(screen.control->Separador_Decimal(), QString(","));
        screen.keypadDecimal();
        QCOMPARE(screen.box->text(), QString(".,"));
        QCOMPARE(messages.boxes.size(), std::size_t(2));
    }

    // Links
    void linkLastsUntilReplacedOrDestroyed_data() {
        QTest::addColumn<bool>("destroy");
        QTest::newRow("replaced") << false;
        QTest::newRow("destroyed") << true;
    }
    void linkLastsUntilReplacedOrDestroyed() {
        QFETCH(bool, destroy);
        test::LocaleScope scope(test::commaLocale());
        Screen screen;
        QVERIFY(screen.ready());
        // A control of the wrong kind is refused and leaves the earlier link working.
        QPushButton button(&screen.window);
        QCOMPARE(errorNumberOf([&] { screen.control->sLinkText(&button); }), 13L);
        QCOMPARE(errorNumberOf([&] { screen.control->sLinkListBox(screen.box); }), 13L);
        QCOMPARE(errorNumberOf([&] { screen.control->sLinkCBoBox(screen.list); }), 13L);
        QCOMPARE(screen.control->linkedListBox(), screen.list);
        screen.tabInto();
        QCOMPARE(screen.base(), Green);
        screen.before->setFocus();
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

    // Lists
    void searchMakesCurrentTheFirstItemStartingWithText() {
        Screen screen;
        QComboBox combo;
        combo.addItems({"Banco", "Caja chica", "cajero"});
        ClCntrl unlinked;
        QCOMPARE(errorNumberOf([&] { unlinked.LstBuscarStr("c"); }), 91L);
        QCOMPARE(errorNumberOf([&] { unlinked.BuscarCBO("c"); }), 91L);

        screen.list->setSelectionMode(QAbstractItemView::MultiSelection);
        screen.list->item(0)->setSelected(true);
        screen.control->LstBuscarStr("cajE");
        QCOMPARE(screen.list->selectedItems(), QList<QListWidgetItem*>{screen.list->item(2)});
        screen.control->LstBuscarStr("CAJ");
        QCOMPARE(screen.list->currentRow(), 1);
        screen.control->LstBuscarStr("Cajas");
        QCOMPARE(screen.list->currentRow(), -1);
        QVERIFY(screen.list->selectedItems().isEmpty());
        screen.control->sLinkCBoBox(&combo);
        screen.control->BuscarCBO("cajE");
        QCOMPARE(combo.currentIndex(), 2);
    }

    // Emptying a screen: the editors inside combo and spin boxes belong to their controls.
    void emptyingTheScreenClearsTextBoxesOnly() {
        Screen screen("12,50");
        auto* nested = new QLineEdit("Caja", new QGroupBox(&screen.window));
        auto* combo = new QComboBox(&screen.window);
        combo->setEditable(true);
        combo->setEditText("libre");
        auto* spin = new QSpinBox(&screen.window);
        spin->setValue(5);
        screen.control->VaciarTxt(&screen.window);
        QCOMPARE(screen.box->text() + nested->text(), QString());
        QCOMPARE(combo->currentText(), QString("libre"));
        QCOMPARE(spin->text(), QString("5"));
    }
};

LEDGORA_TEST_MAIN(TstClCntrl)
#include "tst_clcntrl.moc"
