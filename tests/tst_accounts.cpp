#include "LedgerFixture.h"
#include "ModalDriver.h"
#include "TestSupport.h"
#include "controls/FlexGrid.h"
#include "controls/PanelStatusBar.h"
#include "entry/clMain.h"
#include "ledger/AccountTotals.h"
#include "platform/Twips.h"
#include "screens/FrmABMCuentas.h"
#include "screens/main/FrmBNKMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace ledgora;
using namespace ledgora::test;

namespace {

QStringList column(const FlexGrid& grid, int col) {
    QStringList cells;
    for (int r = 1; r < grid.rows(); ++r)
        cells << grid.textMatrix(r, col);
    return cells;
}

} // namespace

// The bank-account screen driven from the keyboard: the list, adding, changing, removing and
// choosing accounts, and its messages.
class TstAccounts : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<LedgerFixture> data_;
    std::unique_ptr<FrmABMCuentas> screen_;
    QTemporaryDir settings_;

    FrmABMCuentas& open() {
        screen_ = std::make_unique<FrmABMCuentas>();
        screen_->load();
        screen_->show();
        QApplication::setActiveWindow(screen_.get());
        if (!QTest::qWaitForWindowActive(screen_.get()))
            qWarning("account screen not active");
        return *screen_;
    }
    FlexGrid& grid() { return screen_->grdList(); }
    void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }
    // The window's height and the legend's top are set in twips and shown in pixels.
    bool laidOutAs(int heightTwips, int legendTwips) {
        return screen_->height() == Twips::toPixelsY(heightTwips) &&
               screen_->Label8().y() == Twips::toPixelsY(legendTwips);
    }

private Q_SLOTS:
    void initTestCase() { SettingsStore::setFolder(settings_.path()); }
    void init() { data_ = std::make_unique<LedgerFixture>(); }
    void cleanup() {
        screen_.reset();
        data_.reset();
    }

    void withoutAccountsTheGridKeysDoNothingAndTheFirstProposalIs001() {
        MessageRecorder messages;
        open();
        QCOMPARE(grid().rows(), 1);
        QCOMPARE(grid().textMatrix(0, 7), QStringLiteral("Tot. Real Bco."));
        QCOMPARE(grid().colWidth(3), 0);
        grid().setFocus();
        for (Qt::Key k : {Qt::Key_Return, Qt::Key_F6, Qt::Key_Delete})
            QTest::keyClick(&grid(), k);
        QVERIFY(messages.boxes.empty());
        QVERIFY(screen_->Tag().isEmpty());
        QVERIFY(screen_->isLoaded());
        QTest::keyClick(&grid(), Qt::Key_Insert);
        QCOMPARE(screen_->Tag(), QStringLiteral("N"));
        QCOMPARE(screen_->txtCNTSTNRO().text(), QStringLiteral("001"));
        QCOMPARE(screen_->txtCNTDTALT().text(),
                 QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    }

    void accountsListInNumericOrderWithTheirBalances() {
        data_->addAccount(QStringLiteral("10"), QStringLiteral("Diez"));
        data_->addAccount(QStringLiteral("2"), QStringLiteral("Dos"));
        data_->addAccount(QStringLiteral("1"), QStringLiteral("Uno"));
        gCuenta = cuenta(QStringLiteral("2"), {}, money(50), money(20), money(100), money(30));
        GP_ACTUALIZARCUENTA();
        open();
        QCOMPARE(column(grid(), 0), QStringList({"1", "2", "10"}));
        QCOMPARE(column(grid(), 7), QStringList({"00.00", "70.00", "00.00"}));
        QCOMPARE(column(grid(), 8), QStringList({"00.00", "100.00", "00.00"}));
        QCOMPARE(screen_->MaxCuenta(), 10);
        QCOMPARE(grid().row(), 1);
        QCOMPARE(grid().colSel(), 8);
        QCOMPARE(cellBackground(grid(), 3, 0), QColor(0xE9, 0xE9, 0xE9));
        QTest::keyClick(&grid(), Qt::Key_Insert);
        QCOMPARE(screen_->txtCNTSTNRO().text(), QStringLiteral("011"));
    }

    void aProposedFourDigitNumberIsShownWholeWhileTypingStopsAtThree() {
        data_->addAccount(QStringLiteral("999"), QStringLiteral("Nueve"));
        open();
        QVERIFY(screen_->windowTitle().trimmed().isEmpty()); // no caption of its own
        QTest::keyClick(&grid(), Qt::Key_Insert);
        QCOMPARE(screen_->txtCNTSTNRO().text(), QStringLiteral("1000"));
        screen_->txtCNTSTNRO().clear();
        QTest::keyClicks(&screen_->txtCNTSTNRO(), QStringLiteral("12345"));
        QCOMPARE(screen_->txtCNTSTNRO().text(), QStringLiteral("123"));
    }

    void aNewAccountIsTypedAndSavedFromTheKeyboard() {
        PointerRecorder pointer;
        open();
        QVERIFY(laidOutAs(3350, 3060));
        QVERIFY(!screen_->framDatos().isVisible());
        QTest::keyClick(&grid(), Qt::Key_Insert);
        QVERIFY(screen_->framDatos().isVisible());
        QVERIFY(laidOutAs(4845, 4560));
        QCOMPARE(QApplication::focusWidget(), &screen_->txtCNTSTNRO());
        // ENTER walks the boxes in their order; each box is entered with its text selected.
        key(Qt::Key_Return);
        key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), &screen_->txtCNTSTNOM());
        QTest::keyClicks(&screen_->txtCNTSTNOM(), QStringLiteral("  Cuenta corriente "));
        key(Qt::Key_Return);
        QTest::keyClicks(&screen_->txtCNTSTBNK(), QStringLiteral("Banco Galicia"));
        key(Qt::Key_Down);
        QTRY_COMPARE(QApplication::focusWidget(), &screen_->txtCNTSTTEL());
        key(Qt::Key_Return);
        key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), &screen_->cmdGuardar());
        screen_->grab().save(QCoreApplication::applicationDirPath() +
                             QStringLiteral("/accounts-new.png"));
        key(Qt::Key_Return); // ENTER on the focused "Guardar" saves
        QVERIFY(screen_->Tag().isEmpty());
        QVERIFY(!screen_->framDatos().isVisible());
        QVERIFY(laidOutAs(3350, 3060));
        QCOMPARE(column(grid(), 0), QStringList{"001"});
        QCOMPARE(column(grid(), 1), QStringList{"Cuenta corriente"});
        QCOMPARE(column(grid(), 2), QStringList{"Banco Galicia"});
        QCOMPARE(column(grid(), 8), QStringList{"00.00"});
        QCOMPARE(pointer.shapes.back(), PointerShape::Normal);
        screen_->grab().save(QCoreApplication::applicationDirPath() +
                             QStringLiteral("/accounts.png"));
    }

    void refusedEntriesKeepTheFrameOpenAndWriteNothing() {
        MessageRecorder messages;
        PointerRecorder pointer;
        open();
        QTest::keyClick(&grid(), Qt::Key_Insert);
        screen_->txtCNTSTNOM().setText(QStringLiteral("   "));
        screen_->cmdGuardar().click();
        screen_->txtCNTSTNRO().setText(QStringLiteral("A1"));
        screen_->txtCNTSTNOM().setText(QStringLiteral("Caja"));
        screen_->cmdGuardar().click();
        QCOMPARE(messages.prompts(),
                 QStringList({QStringLiteral("Debe ingresar Nombre"),
                              QStringLiteral("En Nro. de Cuenta debe ser Númerico")}));
        QCOMPARE(messages.boxes[1].icon, MsgIcon::Exclamation);
        QCOMPARE(pointer.shapes.back(), PointerShape::Normal);
        QCOMPARE(screen_->Tag(), QStringLiteral("N"));
        QVERIFY(screen_->framDatos().isVisible());
        QCOMPARE(grid().rows(), 1);
        // A quote in a typed value is refused by the database and reported with the section.
        screen_->txtCNTSTNRO().setText(QStringLiteral("5"));
        screen_->txtCNTSTNOM().setText(QStringLiteral("O'Higgins"));
        screen_->cmdGuardar().click();
        QVERIFY(messages.boxes.back().prompt.endsWith(
            QStringLiteral("\r\n\r\nSección: Cuentas.PF_Guardar")));
        QVERIFY(messages.boxes.back().prompt.contains(QStringLiteral(" - ")));
        QCOMPARE(grid().rows(), 1);
        // The same number twice is the database's refusal too.
        data_->addAccount(QStringLiteral("7"), QStringLiteral("Siete"));
        screen_->txtCNTSTNRO().setText(QStringLiteral("7"));
        screen_->txtCNTSTNOM().setText(QStringLiteral("Otra"));
        screen_->cmdGuardar().click();
        QVERIFY(
            messages.boxes.back().prompt.endsWith(QStringLiteral("Sección: Cuentas.PF_Guardar")));
    }

    void f6ChangesTheAccountOfTheCurrentRow() {
        for (const char* n : {"1", "2", "3"})
            data_->addAccount(QString::fromLatin1(n),
                              QStringLiteral("Cuenta ") + QString::fromLatin1(n));
        open();
        grid().setFocus();
        QTest::keyClick(&grid(), Qt::Key_Down);
        QTest::keyClick(&grid(), Qt::Key_Down);
        QTest::keyClick(&grid(), Qt::Key_F6);
        QCOMPARE(screen_->Tag(), QStringLiteral("M"));
        QVERIFY(laidOutAs(5455, 5170));
        QCOMPARE(screen_->txtCNTSTNRO().text(), QStringLiteral("3"));
        QVERIFY(!screen_->txtCNTSTNRO().isEnabled());
        QCOMPARE(screen_->txtCNTDTALT().text(), QStringLiteral("01/01/2024"));
        QCOMPARE(QApplication::focusWidget(), &screen_->txtCNTSTNOM());
        QTest::keyClicks(&screen_->txtCNTSTNOM(), QStringLiteral("Tres renombrada"));
        screen_->cmdGuardar().click();
        QVERIFY(screen_->Tag().isEmpty());
        QCOMPARE(column(grid(), 1), QStringList({"Cuenta 1", "Cuenta 2", "Tres renombrada"}));
        // A date the database cannot read is reported, and the frame stays for a correction.
        MessageRecorder messages;
        QTest::keyClick(&grid(), Qt::Key_F6);
        screen_->txtCNTDTALT().setText(QStringLiteral("31/02/2024"));
        screen_->cmdGuardar().click();
        QCOMPARE(messages.boxes.size(), std::size_t(1));
        QCOMPARE(screen_->Tag(), QStringLiteral("M"));
    }

    void removingAccounts() {
        data_->addAccount(QStringLiteral("1"), QStringLiteral("Con movimientos"));
        data_->addAccount(QStringLiteral("2"), QStringLiteral("Sin movimientos"));
        data_->addMovement(QStringLiteral("1"), 1, QDate(2024, 3, 1), QStringLiteral("m"),
                           money(1));
        MessageRecorder messages;
        open();
        messages.answers = {MsgAnswer::Yes};
        QTest::keyClick(&grid(), Qt::Key_Delete);
        QCOMPARE(messages.boxes[0].prompt,
                 QStringLiteral("Confirma eliminar la cuenta seleccionada"));
        QCOMPARE(messages.boxes[0].buttons, MsgButtons::YesNo);
        QVERIFY(messages.boxes[0].systemModal);
        QCOMPARE(messages.boxes[1].prompt,
                 QStringLiteral("No se puede eliminar esta cuenta, porque tiene movimientos."));
        QCOMPARE(grid().rows(), 3);

        QTest::keyClick(&grid(), Qt::Key_Down);
        QTest::keyClick(&grid(), Qt::Key_Delete); // answered No
        QCOMPARE(grid().rows(), 3);
        messages.answers = {MsgAnswer::Yes};
        QTest::keyClick(&grid(), Qt::Key_Delete);
        QCOMPARE(column(grid(), 0), QStringList{"1"});
        QCOMPARE(messages.boxes.size(), std::size_t(4)); // the last question and no refusal
    }

    void removingTheOnlyAccountEmptiesTheListAndRestartsTheNumbers() {
        data_->addAccount(QStringLiteral("041"), QStringLiteral("Unica"));
        MessageRecorder messages;
        messages.answers = {MsgAnswer::Yes};
        open();
        QCOMPARE(screen_->MaxCuenta(), 41);
        QTest::keyClick(&grid(), Qt::Key_Delete);
        QCOMPARE(grid().rows(), 1);
        QCOMPARE(screen_->MaxCuenta(), 0);
        screen_->PP_NUEVO();
        QCOMPARE(screen_->txtCNTSTNRO().text(), QStringLiteral("001"));
    }

    void escapeLeavesTheFrameThenTheScreenKeepingTheAccount() {
        data_->addAccount(QStringLiteral("1"), QStringLiteral("Uno"));
        gCuenta = cuenta(QStringLiteral("9"), QStringLiteral("Anterior"));
        open();
        QTest::keyClick(&grid(), Qt::Key_Insert);
        key(Qt::Key_Escape);
        QVERIFY(screen_->Tag().isEmpty());
        QVERIFY(!screen_->framDatos().isVisible());
        QVERIFY(screen_->isLoaded());
        key(Qt::Key_Escape);
        QVERIFY(!screen_->isLoaded());
        QCOMPARE(gCuenta.CNTSTNRO, QStringLiteral("9"));
    }

    void enterChoosesTheAccountOfTheCurrentRow_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("point") << pointLocale();
        QTest::newRow("comma") << commaLocale();
    }
    void enterChoosesTheAccountOfTheCurrentRow() {
        QFETCH(QLocale, locale);
        LocaleScope scope(locale);
        data_->addAccount(QStringLiteral("1"), QStringLiteral("Uno"));
        data_->addAccount(QStringLiteral("2"), QStringLiteral("Dos"));
        gCuenta =
            cuenta(QStringLiteral("2"), {}, money(0.5), money(20.25), money(100.1), money(30));
        GP_ACTUALIZARCUENTA();
        gCuenta = {};
        open();
        QTest::keyClick(&grid(), Qt::Key_Down);
        QTest::keyClick(&grid(), Qt::Key_Return);
        QVERIFY(!screen_->isLoaded());
        QCOMPARE(gCuenta.CNTSTNRO, QStringLiteral("2"));
        QCOMPARE(gCuenta.CNTSTNOM, QStringLiteral("Dos"));
        QCOMPARE(gCuenta.TOMDLAAC, money(0.5));
        QCOMPARE(gCuenta.TOMDLADE, money(20.25));
        QCOMPARE(gCuenta.TOMDLACR, money(100.1));
        QCOMPARE(gCuenta.TOMDLDEB, money(30));
    }

    void withoutAConnectionTheListSaysSo() {
        MessageRecorder messages;
        gManejo.reset();
        open();
        QCOMPARE(messages.prompts(), QStringList{QStringLiteral(
                                         "El sistema no esta conectado a la base de datos.\r\n\r\n"
                                         "Pruebe con Cerrar el sistema.")});
        QCOMPARE(messages.boxes[0].icon, MsgIcon::Critical);
        QCOMPARE(grid().rows(), 1);
    }

    // From Show on an empty database: the account screen comes first, an account is added
    // and picked, and the main screen lists it.
    void aFirstRunFromShowToALoadedListing() {
        const QString path = data_->db().path();
        gManejo.reset(); // Show connects on its own
        gCuenta = {};
        MessageRecorder messages;
        QString panel1;
        int rows = 0;
        ModalDriver person;
        person.then([](QWidget* accounts) {
            ModalDriver::press(accounts, Qt::Key_Insert);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Caja chica"));
            static_cast<FrmABMCuentas*>(accounts)->cmdGuardar().click();
            QTest::keyClick(&static_cast<FrmABMCuentas*>(accounts)->grdList(), Qt::Key_Return);
        });
        person.then([&](QWidget* main) {
            auto* screen = static_cast<FrmBNKMain*>(main);
            panel1 = screen->StBar().panelText(1);
            rows = screen->LstBNK().rows();
            screen->grab().save(QCoreApplication::applicationDirPath() +
                                QStringLiteral("/main-after-choice.png"));
            ModalDriver::press(main, Qt::Key_Escape);
        });
        clMain().Show(path);
        QVERIFY2(messages.boxes.empty(), qPrintable(messages.prompts().join(u'|')));
        QCOMPARE(panel1, QStringLiteral("Cuenta:  001 - (Caja chica)"));
        QCOMPARE(rows, 1);
        QCOMPARE(gCuenta.CNTSTNRO, QStringLiteral("001"));
    }
};

QTEST_MAIN(TstAccounts)
#include "tst_accounts.moc"
