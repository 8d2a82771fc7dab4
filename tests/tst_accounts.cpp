#include "LedgerTests.h"
#include "controls/PanelStatusBar.h"
#include "entry/clMain.h"
#include "mainscreen/FrmBNKMain.h"
#include "platform/Twips.h"
#include "screens/FrmABMCuentas.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace ledgora;
using namespace ledgora::test;
using namespace Qt::StringLiterals;

// The bank-account screen driven from the keyboard: the list, adding, changing, removing and
// choosing accounts, and its messages.
class TstAccounts : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<LedgerFixture> data_;
    std::unique_ptr<FrmABMCuentas> screen_;
    QTemporaryDir settings_;

    void open() {
        screen_ = std::make_unique<FrmABMCuentas>();
        screen_->load();
        if (!showActive(*screen_))
            qWarning("account screen not active");
    }
    FlexGrid& grid() { return screen_->grdList(); }
    void gridKeys(std::initializer_list<Qt::Key> ks) {
        for (Qt::Key k : ks)
            QTest::keyClick(&grid(), k);
    }
    // Types a number and a name and presses ENTER on "Guardar".
    void saveTyped(const QString& number, const QString& name) {
        screen_->txtCNTSTNRO().setText(number);
        screen_->txtCNTSTNOM().setText(name);
        screen_->cmdGuardar().setFocus();
        QTest::keyClick(&screen_->cmdGuardar(), Qt::Key_Return);
    }
    // The window's height and the legend's top are set in twips and shown in pixels.
    bool laidOutAs(int heightTwips, int legendTwips) {
        return screen_->height() == Twips::toPixelsY(heightTwips) &&
               screen_->Label8().y() == Twips::toPixelsY(legendTwips);
    }
    void addAccounts(std::initializer_list<const char*> numbers) {
        for (const char* n : numbers)
            data_->addAccount(QString::fromLatin1(n), u"Cuenta "_s + QString::fromLatin1(n));
    }

private Q_SLOTS:
    void initTestCase() { SettingsStore::setFolder(settings_.path()); }
    void init() { data_ = std::make_unique<LedgerFixture>(); }
    void cleanup() {
        screen_.reset();
        data_.reset();
    }

    void withoutAccountsTheGridKeysDoNothingAndTheFirstProposalIs001() {
        open();
        QCOMPARE(grid().rows(), 1);
        QCOMPARE(grid().textMatrix(0, 7), u"Tot. Real Bco."_s);
        QCOMPARE(grid().colWidth(3), 0);
        grid().setFocus();
        gridKeys({Qt::Key_Return, Qt::Key_F6, Qt::Key_Delete});
        QVERIFY(screen_->Tag().isEmpty());
        QVERIFY(screen_->isLoaded());
        gridKeys({Qt::Key_Insert});
        QCOMPARE(screen_->Tag(), u"N"_s);
        QCOMPARE(screen_->txtCNTSTNRO().text(), u"001"_s);
        QCOMPARE(screen_->txtCNTDTALT().text(), QDate::currentDate().toString(u"dd/MM/yyyy"_s));
    }

    void withoutAConnectionTheListSaysSo() {
        MessageRecorder messages;
        gManejo.reset();
        open();
        QCOMPARE(messages.prompts(), QStringList{"El sistema no esta conectado a la base de "
                                                 "datos.\r\n\r\nPruebe con Cerrar el sistema."});
        QCOMPARE(messages.boxes[0].icon, MsgIcon::Critical);
        QCOMPARE(grid().rows(), 1);
    }

    void accountsListInNumericOrderWithTheirBalances() {
        addAccounts({"10", "2", "1"});
        data_->addMovement(u"2"_s, 1, QDate(2024, 3, 5), u"x"_s, money(50), money(20), money(100),
                           money(30));
        open();
        QCOMPARE(column(grid(), 0), QStringList({"1", "2", "10"}));
        QCOMPARE(column(grid(), 7), QStringList({"00.00", "70.00", "00.00"}));
        QCOMPARE(column(grid(), 8), QStringList({"00.00", "100.00", "00.00"}));
        QCOMPARE(screen_->MaxCuenta(), 10);
        QCOMPARE(grid().row(), 1);
        QCOMPARE(grid().colSel(), 8);
        QCOMPARE(cellBackground(grid(), 3, 0), QColor(0xE9, 0xE9, 0xE9));
        gridKeys({Qt::Key_Insert});
        QCOMPARE(screen_->txtCNTSTNRO().text(), u"011"_s);
    }

    void aNewAccountIsTypedAndSavedFromTheKeyboard() {
        PointerRecorder pointer;
        open();
        QVERIFY(laidOutAs(3350, 3060));
        QVERIFY(!screen_->framDatos().isVisible());
        gridKeys({Qt::Key_Insert});
        QVERIFY(screen_->framDatos().isVisible());
        QVERIFY(laidOutAs(4845, 4560));
        QCOMPARE(focused(), &screen_->txtCNTSTNRO());
        // ENTER walks the boxes in their order; each box is entered with its text selected.
        keys({Qt::Key_Return, Qt::Key_Return});
        QCOMPARE(focused(), &screen_->txtCNTSTNOM());
        QTest::keyClicks(focused(), u"  Cuenta corriente "_s);
        key(Qt::Key_Return);
        QTest::keyClicks(&screen_->txtCNTSTBNK(), u"Banco Galicia"_s);
        key(Qt::Key_Down);
        QTRY_COMPARE(focused(), &screen_->txtCNTSTTEL());
        keys({Qt::Key_Return, Qt::Key_Return});
        QCOMPARE(focused(), &screen_->cmdGuardar());
        screen_->grab().save(QCoreApplication::applicationDirPath() + u"/accounts-new.png"_s);
        key(Qt::Key_Return); // ENTER on the focused "Guardar" saves
        QVERIFY(screen_->Tag().isEmpty());
        QVERIFY(!screen_->framDatos().isVisible());
        QVERIFY(laidOutAs(3350, 3060));
        QCOMPARE(grid().rows(), 2);
        QCOMPARE(QStringList({grid().textMatrix(1, 0), grid().textMatrix(1, 1),
                              grid().textMatrix(1, 2), grid().textMatrix(1, 8)}),
                 QStringList({"001", "Cuenta corriente", "Banco Galicia", "00.00"}));
        QCOMPARE(pointer.shapes.back(), PointerShape::Normal);
        screen_->grab().save(QCoreApplication::applicationDirPath() + u"/accounts.png"_s);
    }

    void refusedEntriesKeepTheFrameOpenAndWriteNothing() {
        MessageRecorder messages;
        PointerRecorder pointer;
        open();
        gridKeys({Qt::Key_Insert});
        saveTyped(u"001"_s, u"   "_s);
        // After a refusal the keyboard stays where it was, on "Guardar".
        QCOMPARE(focused(), &screen_->cmdGuardar());
        saveTyped(u"A1"_s, u"Caja"_s);
        QCOMPARE(focused(), &screen_->cmdGuardar());
        QCOMPARE(messages.prompts(),
                 QStringList({"Debe ingresar Nombre", "En Nro. de Cuenta debe ser Númerico"}));
        QCOMPARE(messages.boxes[1].icon, MsgIcon::Exclamation);
        QCOMPARE(pointer.shapes.back(), PointerShape::Normal);
        QCOMPARE(screen_->Tag(), u"N"_s);
        QVERIFY(screen_->framDatos().isVisible());
        QCOMPARE(grid().rows(), 1);
        // The same number twice is the database's refusal too.
        addAccounts({"7"});
        saveTyped(u"7"_s, u"Otra"_s);
        QCOMPARE(messages.boxes.size(), std::size_t(3));
        QVERIFY(messages.boxes.back().prompt.endsWith(u"Sección: Cuentas.PF_Guardar"_s));
    }

    void f6ChangesTheAccountOfTheCurrentRow() {
        addAccounts({"1", "2", "3"});
        open();
        grid().setFocus();
        gridKeys({Qt::Key_Down, Qt::Key_Down, Qt::Key_F6});
        QCOMPARE(screen_->Tag(), u"M"_s);
        QVERIFY(laidOutAs(5455, 5170));
        QCOMPARE(screen_->txtCNTSTNRO().text(), u"3"_s);
        QVERIFY(!screen_->txtCNTSTNRO().isEnabled());
        QCOMPARE(screen_->txtCNTDTALT().text(), u"01/01/2024"_s);
        QCOMPARE(focused(), &screen_->txtCNTSTNOM());
        QTest::keyClicks(focused(), u"Tres renombrada"_s);
        screen_->cmdGuardar().click();
        QVERIFY(screen_->Tag().isEmpty());
        QCOMPARE(column(grid(), 1), QStringList({"Cuenta 1", "Cuenta 2", "Tres renombrada"}));
        // A date the database cannot read is reported, and the frame stays for a correction.
        MessageRecorder messages;
        gridKeys({Qt::Key_F6});
        screen_->txtCNTDTALT().setText(u"31/02/2024"_s);
        screen_->cmdGuardar().click();
        QCOMPARE(messages.boxes.size(), std::size_t(1));
        QCOMPARE(screen_->Tag(), u"M"_s);
    }

    void removingAccounts() {
        data_->addAccount(u"1"_s, u"Con movimientos"_s);
        data_->addAccount(u"2"_s, u"Sin movimientos"_s);
        data_->addMovement(u"1"_s, 1, QDate(2024, 3, 1), u"m"_s, money(1));
        MessageRecorder messages;
        open();
        messages.answers = {MsgAnswer::Yes};
        gridKeys({Qt::Key_Delete});
        QCOMPARE(messages.prompts(),
                 QStringList({"Confirma eliminar la cuenta seleccionada",
                              "No se puede eliminar esta cuenta, porque tiene movimientos."}));
        QCOMPARE(messages.boxes[0].buttons, MsgButtons::YesNo);
        QVERIFY(messages.boxes[0].systemModal);
        QCOMPARE(grid().rows(), 3);
        gridKeys({Qt::Key_Down, Qt::Key_Delete}); // answered No
        QCOMPARE(grid().rows(), 3);
        messages.answers = {MsgAnswer::Yes};
        gridKeys({Qt::Key_Delete});
        QCOMPARE(column(grid(), 0), QStringList{"1"});
        QCOMPARE(messages.boxes.size(), std::size_t(4)); // the last question and no refusal
    }

    void removingTheOnlyAccountEmptiesTheListAndRestartsTheNumbers() {
        data_->addAccount(u"041"_s, u"Unica"_s);
        MessageRecorder messages;
        messages.answers = {MsgAnswer::Yes};
        open();
        QCOMPARE(screen_->MaxCuenta(), 41);
        gridKeys({Qt::Key_Delete});
        QCOMPARE(grid().rows(), 1);
        QCOMPARE(screen_->MaxCuenta(), 0);
        screen_->PP_NUEVO();
        QCOMPARE(screen_->txtCNTSTNRO().text(), u"001"_s);
    }

    // A proposed four-digit number is shown whole while typing stops at three; ESC leaves the
    // frame, then the screen, keeping the account chosen before.
    void aLongProposalAndEscapeKeepingTheAccount() {
        addAccounts({"999"});
        gCuenta = cuenta(u"9"_s, u"Anterior"_s);
        open();
        QVERIFY(screen_->windowTitle().trimmed().isEmpty()); // no caption of its own
        gridKeys({Qt::Key_Insert});
        QCOMPARE(screen_->txtCNTSTNRO().text(), u"1000"_s);
        screen_->txtCNTSTNRO().clear();
        QTest::keyClicks(&screen_->txtCNTSTNRO(), u"12345"_s);
        QCOMPARE(screen_->txtCNTSTNRO().text(), u"123"_s);
        key(Qt::Key_Escape);
        QVERIFY(screen_->Tag().isEmpty());
        QVERIFY(!screen_->framDatos().isVisible());
        QVERIFY(screen_->isLoaded());
        key(Qt::Key_Escape);
        QVERIFY(!screen_->isLoaded());
        QCOMPARE(gCuenta.CNTSTNRO, u"9"_s);
    }

    void enterChoosesTheAccountOfTheCurrentRow_data() { inEitherLocale(); }
    void enterChoosesTheAccountOfTheCurrentRow() {
        QFETCH(QLocale, locale);
        LocaleScope scope(locale);
        data_->addAccount(u"1"_s, u"Uno"_s);
        data_->addAccount(u"2"_s, u"Dos"_s);
        data_->addMovement(u"2"_s, 1, QDate(2024, 3, 5), u"x"_s, money(0.5), money(20.25),
                           money(100.1), money(30));
        open();
        gridKeys({Qt::Key_Down, Qt::Key_Return});
        QVERIFY(!screen_->isLoaded());
        QCOMPARE(gCuenta.CNTSTNRO, u"2"_s);
        QCOMPARE(gCuenta.CNTSTNOM, u"Dos"_s);
        QCOMPARE(std::vector<Money>(
                     {gCuenta.TOMDLAAC, gCuenta.TOMDLADE, gCuenta.TOMDLACR, gCuenta.TOMDLDEB}),
                 std::vector<Money>({money(0.5), money(20.25), money(100.1), money(30)}));
    }
};

LEDGORA_TEST_MAIN(TstAccounts)
#include "tst_accounts.moc"
