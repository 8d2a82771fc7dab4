#include "LedgerTests.h"
#include "StatementFiles.h"
#include "controls/FlexGrid.h"
#include "controls/PanelStatusBar.h"
#include "ledger/MovementListing.h"
#include "mainscreen/FrmBNKMain.h"
#include "mainscreen/MainScreenLifecycle.h"
#include "platform/Twips.h"
#include "reconcile/Reconciler.h"
#include "reconcilescreen/FrmConciliacion.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace ledgora;
using namespace ledgora::test;

namespace {

// Counts the screen's loads and unloads instead of running the component's start-up.
class CountingLifecycle final : public MainScreenLifecycle {
public:
    void load(FrmBNKMain& screen) override {
        ++loads;
        screen.FormatGRD();
    }
    void unload() override { ++unloads; }
    int loads = 0;
    int unloads = 0;
};

QAction* menuEntry(QMenu& menu, const QString& caption) {
    for (QAction* action : menu.actions()) {
        if (action->text() == caption)
            return action;
        if (action->menu())
            if (QAction* inner = menuEntry(*action->menu(), caption))
                return inner;
    }
    return nullptr;
}

} // namespace

// The main ledger screen as a person uses it: keys, mouse, menu, status bar, toolbar, and
// the way its controls follow the window's size.
class TstMainScreen : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<LedgerFixture> data_;
    std::unique_ptr<FrmBNKMain> screen_;
    CountingLifecycle lifecycle_;
    QTemporaryDir settings_;
    // Leaves every bank-account screen the account choice opens with ESC, keeping the account.
    std::unique_ptr<ModalDriver> person_;

    FlexGrid& grid() { return screen_->LstBNK(); }
    // Empties the grid and the account panel, so that a reload by the account choice shows.
    void forget() {
        grid().setRows(1);
        screen_->setStatusPanel(1, u"Cuenta: <Desconocido>"_s);
    }
    bool reloaded() { return grid().rows() == 3; }

private Q_SLOTS:
    void initTestCase() { SettingsStore::setFolder(settings_.path()); }
    void init() {
        data_ = std::make_unique<LedgerFixture>();
        person_ = std::make_unique<ModalDriver>();
        data_->addAccount(u"001"_s, u"Caja"_s);
        data_->addMovement(u"001"_s, 1, QDate(2024, 3, 4), u"Alquiler"_s, {}, {}, {}, money(350));
        data_->addMovement(u"001"_s, 2, QDate(2024, 3, 9), u"Cobro factura 118"_s, money(1234.5));
        gCuenta = cuenta(u"001"_s, u"Caja"_s);
        gFechaDesde = QDate(2024, 3, 1);
        gFechaHasta = QDate(2024, 3, 31);
        screen_ = std::make_unique<FrmBNKMain>();
        screen_->setLifecycle(&lifecycle_);
        screen_->load();
        screen_->show();
        QVERIFY(QTest::qWaitForWindowActive(screen_.get()));
        screen_->PP_SELCUENTA();
        grid().setFocus();
    }
    void cleanup() {
        screen_.reset();
        person_.reset();
        data_.reset();
    }

    void startsAsDesignedAndRendersTheLoadedAccount() {
        QCOMPARE(screen_->windowTitle(), u"Bancos"_s);
        QCOMPARE(screen_->StBar().panelText(1), u"Cuenta:  001 - (Caja)"_s);
        QCOMPARE(screen_->StBar().panelText(3),
                 u"ALTP+P [Imprimir] - F12 [Acreditar o Desacreditar]"_s);
        QCOMPARE(screen_->StBar().panel(2)->toolTip(),
                 u"CLICK AQUI!!! - PARA MODIFICAR EL INTERVALO"_s);
        QCOMPARE(grid().cols(), 7);
        QCOMPARE(grid().textMatrix(0, 2), u"A ACREDITAR"_s);
        QCOMPARE(grid().colWidth(1), 5055);
        QCOMPARE(grid().colAlignment(3), int(FlexGrid::CenterCenter));
        QCOMPARE(screen_->balanceText(BalanceLabel::lbTOTRCNT), u"884.50"_s);
        QCOMPARE(screen_->balanceText(BalanceLabel::lbTOTRBCO), u"-350.00"_s);
        screen_->grab().save(QCoreApplication::applicationDirPath() + u"/mainscreen.png"_s);
    }

    void gridKeysAndScreenKeys() {
        forget();
        QTest::keyClick(&grid(), Qt::Key_F6);
        QVERIFY(reloaded());
        // P alone, Ctrl+Alt+P and the row keys of later screens leave everything as it is.
        const int modals = person_->handled();
        for (Qt::KeyboardModifiers mods :
             {Qt::KeyboardModifiers(), Qt::ControlModifier | Qt::AltModifier,
              Qt::ShiftModifier | Qt::AltModifier})
            QTest::keyClick(&grid(), Qt::Key_P, mods);
        QCOMPARE(person_->handled(), modals); // no preview: only Alt+P prints
        QVERIFY(screen_->isLoaded());
        // A key that reaches any control of the screen is seen by the screen first.
        QTest::keyClick(&screen_->SHTOT(), Qt::Key_Escape);
        QVERIFY(!screen_->isLoaded());
        QCOMPARE(lifecycle_.unloads, 1);
    }

    void menuEntries() {
        QMenu& menu = screen_->MnuMain();
        QCOMPARE(menu.title(), u"Menu"_s);
        QStringList captions;
        for (QAction* action : menu.actions())
            captions << (action->isSeparator() ? u"-"_s : action->text());
        QCOMPARE(captions, QStringList({"Cambiar Estado", "Ingresar", "Modificar", "Eliminar",
                                        "Movimientos", "-", "Imprimir", "-", "Cuentas", "-",
                                        "Papelera [F8]", "-", "Historial [F11]",
                                        "Deshacer [Ctrl+Z]", "-", "Movimientos periódicos [F7]",
                                        "Previsión de tesorería [F5]", "Gráfico del saldo [F4]"}));
        forget();
        for (const char* inert : {"Imprimir", "Anteriores", "Futuros"})
            menuEntry(menu, QString::fromLatin1(inert))->trigger();
        QVERIFY(!reloaded());
        menuEntry(menu, u"Cuentas"_s)->trigger();
        QVERIFY(reloaded());
        QCOMPARE(screen_->StBar().panelText(1), u"Cuenta:  001 - (Caja)"_s);
    }

    void statusPanelsAndToolbar() {
        auto click = [this](int panel) {
            QTest::mouseClick(screen_->StBar().panel(panel), Qt::LeftButton);
        };
        forget();
        click(3);
        QVERIFY(!reloaded());
        click(1);
        QVERIFY(reloaded());
        // The interval screen, left with ESC, is followed by a reload all the same.
        forget();
        click(2);
        QVERIFY(reloaded());
        QCOMPARE(person_->handled(), 3);
        forget();
        auto button = [this](int index) {
            return qobject_cast<QToolButton*>(
                screen_->TbMenu().widgetForAction(screen_->TbMenu().actions().at(index)));
        };
        QCOMPARE(button(0)->text(), u"Seleccionar Cuenta [F6]"_s);
        QTest::mouseClick(button(0), Qt::LeftButton);
        QVERIFY(reloaded());
        // The concept screen opens modally and reloads nothing when it closes.
        forget();
        QCOMPARE(button(1)->text(), u"Conceptos"_s);
        QTest::mouseClick(button(1), Qt::LeftButton);
        QCOMPARE(person_->handled(), 5);
        QVERIFY(!reloaded());
    }

    // F9 reads the statement against the account: ESC writes nothing; the keys change the
    // proposals and F10 applies them, after which the books are compared with the bank on the
    // statement's closing day, in a frame of its own beside the balances' one, which stays put.
    // F9 with a bank's spreadsheet export: its layout is asked the first time and accepted
    // with ENTER, the line realising the pending deposit applied with F10; the next export of
    // the account goes straight to the review, and the same line is already imported.
    void aCsvIsLaidOutOnceThenReviewed() {
        const QString file = data_->db().folder() + u"/marzo.csv"_s;
        writeFile(file, "Fecha;Concepto;Importe\n10/03/2024;Transferencia cliente;1234,50\n");
        FrmBNKMain::setStatementFile(file);
        MessageRecorder boxes;
        QStringList seen;
        auto review = [&](FlexGrid& lines, Qt::Key leave) {
            seen << lines.textMatrix(1, 4);
            QTest::keyClick(&lines, leave);
        };
        person_->then([&](QWidget* layout) {
            seen << layout->metaObject()->className();
            for (int k = 0; k < 20 && focused()->objectName() != u"cmdAceptar"_s; ++k)
                ModalDriver::press(layout, Qt::Key_Return);
            ModalDriver::press(layout, Qt::Key_Return);
        });
        person_->then(
            [&](QWidget* modal) { review(*child<FlexGrid>(modal, "lstLIN"), Qt::Key_F10); });
        QTest::keyClick(&grid(), Qt::Key_F9);
        person_->then(
            [&](QWidget* modal) { review(*child<FlexGrid>(modal, "lstLIN"), Qt::Key_Escape); });
        QTest::keyClick(&grid(), Qt::Key_F9);
        FrmBNKMain::setStatementFile({});
        QCOMPARE(seen, QStringList({"ledgora::FrmFormatoCsv", "Casar con nº 2", "Ya importado"}));
        QCOMPARE(boxes.prompts().value(0),
                 u"Conciliación aplicada: 1 casado, 0 nuevos, 0 ya importados, 0 sin aplicar."_s);
    }

    // F9 with an MT940 file of two days' messages: the bank account is asked for once, and
    // both messages' lines are reviewed together, from the first opening to the last closing.
    void aFileOfSeveralMessagesIsReviewedWhole() {
        const QString file = data_->db().folder() + u"/enero.sta"_s;
        writeFile(file, mt940(true));
        FrmBNKMain::setStatementFile(file);
        MessageRecorder boxes;
        int lines = 0;
        QString closing;
        person_->then([](QWidget* list) { ModalDriver::press(list, Qt::Key_Return); });
        person_->then([&](QWidget* modal) {
            auto& screen = *qobject_cast<FrmConciliacion*>(modal);
            lines = int(screen.plan().lines.size());
            closing = screen.plan().closingBalance->toPlainText(u'.');
            ModalDriver::press(modal, Qt::Key_Escape);
        });
        QTest::keyClick(&grid(), Qt::Key_F9);
        FrmBNKMain::setStatementFile({});
        QCOMPARE(lines, 4);
        QCOMPARE(closing, u"-68.25"_s);
    }

    void reconcilesAStatementWithTheKeyboard_data() {
        QTest::addColumn<qint64>("opening");
        QTest::addColumn<QByteArray>("closing");
        QTest::addColumn<QString>("difference");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("agrees") << qint64(-25000) << "240331"_ba << u"Diferencia: 00.00"_s
                                << QColor(Qt::black);
        QTest::newRow("disagrees")
            << qint64(0) << "240331"_ba << u"Diferencia: -250.00"_s << QColor(Qt::red);
        // The interest of the 28th is after the statement's day: it is no difference.
        QTest::newRow("closed before the interval's end")
            << qint64(-35000) << "240320"_ba << u"Diferencia: 00.00"_s << QColor(Qt::black);
    }
    void reconcilesAStatementWithTheKeyboard() {
        QFETCH(qint64, opening);
        QFETCH(QByteArray, closing);
        data_->addMovement(u"001"_s, 5, QDate(2024, 3, 28), u"Intereses"_s, {}, {}, money(100));
        data_->addConcept(u"7"_s, u"Gastos bancarios"_s, u"D"_s);
        // Two equally near candidates for the 20.00 debit.
        data_->addMovement(u"001"_s, 3, QDate(2024, 3, 14), u"Seguro"_s, {}, money(20));
        data_->addMovement(u"001"_s, 4, QDate(2024, 3, 16), u"Seguro"_s, {}, money(20));
        const QString file = data_->db().folder() + u"/marzo.n43"_s;
        writeFile(file,
                  norma43(account(
                      "240301", closing, opening,
                      {{"240310", '2', 123450}, {"240315", '1', 2000}, {"240318", '1', 1000}})));
        FrmBNKMain::setStatementFile(file);
        const QString before = summedMovements(data_->path());
        MessageRecorder boxes;
        auto reconcile = [this](std::function<void(FlexGrid&, FrmConciliacion&)> keys) {
            person_->then([](QWidget* list) { ModalDriver::press(list, Qt::Key_Return); });
            person_->then([keys](QWidget* modal) {
                keys(*child<FlexGrid>(modal, "lstLIN"), *qobject_cast<FrmConciliacion*>(modal));
            });
            QTest::keyClick(&grid(), Qt::Key_F9);
        };
        reconcile([](FlexGrid& lines, FrmConciliacion& screen) {
            QCOMPARE(column(lines, 4),
                     QStringList({"Casar con nº 2", "Revisar (2 candidatos)", "Nuevo movimiento"}));
            // Why, under the lines, as the person moves through them.
            const QLabel& why = *child<QLabel>(&screen, "lbMOTIVO");
            QVERIFY2(why.text().startsWith(u"Casado por nº 2: solo el importe, a "_s),
                     qPrintable(why.text()));
            QTest::keyClick(&lines, Qt::Key_Down);
            QCOMPARE(why.text(), u"En duda: nº 3: solo el importe, a 1 día; nº 4: solo el "
                                 "importe, a 1 día"_s);
            QTest::keyClick(&lines, Qt::Key_Escape);
        });
        QCOMPARE(summedMovements(data_->path()), before);
        QVERIFY(!screen_->lbEXTRACTO().isVisibleTo(screen_.get()));
        // The balances' frame as drawn: 4300 twips wide, its left edge the inner width less
        // its width less 80.
        const QRect drawn = screen_->SHTOT().geometry();
        QCOMPARE(drawn.width(), Twips::toPixelsX(4300));
        QVERIFY(qAbs(drawn.x() - Twips::toPixelsX(Twips::fromPixelsX(screen_->width()) - 4380)) <=
                1);
        reconcile([](FlexGrid& lines, FrmConciliacion& screen) {
            auto accepted = [&screen](int line) { return screen.plan().lines[line].accepted; };
            for (bool expected : {false, true}) {
                QTest::keyClick(&lines, Qt::Key_Space);
                QCOMPARE(accepted(0), expected);
            }
            QTest::keyClick(&lines, Qt::Key_Return); // accepted already: only moves down
            QTest::keyClick(&lines, Qt::Key_F5);
            const QString first = lines.textMatrix(2, 4);
            QTest::keyClick(&lines, Qt::Key_F5);
            QVERIFY(first.startsWith(u"Casar con nº "_s) && lines.textMatrix(2, 4) != first);
            QTest::keyClick(&lines, Qt::Key_Return);
            QVERIFY(accepted(1) && lines.row() == 3);
            QTest::keyClick(&lines, Qt::Key_F10);
        });
        FrmBNKMain::setStatementFile({});
        QCOMPARE(boxes.prompts().value(0),
                 u"Conciliación aplicada: 2 casados, 1 nuevo, 0 ya importados, 0 sin aplicar."_s);
        QCOMPARE(summedMovements(data_->path()), u"0|200000|13345000|3800000"_s);
        QCOMPARE(storedTotals(data_->path()), summedMovements(data_->path()));
        QCOMPARE(grid().rows(), 7);
        QCOMPARE(screen_->SHTOT().geometry(), drawn);
        const QFrame* bank = child<QFrame>(screen_.get(), "SHEXT");
        QVERIFY(bank->isVisibleTo(screen_.get()));
        QVERIFY(bank->geometry().right() < drawn.left() && bank->y() == drawn.y());
        QCOMPARE(screen_->lbEXTRACTO().text(),
                 u"Extracto: "_s + rt::formatAmount(Money::fromUnits((opening + 120450) * 100)));
        QTEST(screen_->lbDIFERENCIA().text(), "difference");
        QTEST(screen_->lbDIFERENCIA().palette().color(QPalette::WindowText), "colour");
        QVERIFY(screen_->lbDIFERENCIA().toolTip().contains(
            QDate::fromString(QString::fromLatin1("20" + closing), u"yyyyMMdd"_s)
                .toString(u"dd/MM/yyyy"_s)));
    }

    // F7 on the reconciliation screen mends a bank account linked to the wrong ledger account
    // and closes without applying; once its lines are applied to an account, it refuses.
    void aWrongLinkIsMendedUntilItsLinesAreApplied() {
        data_->addAccount(u"002"_s, u"Banco"_s);
        const QString file = data_->db().folder() + u"/marzo.n43"_s;
        writeFile(file, norma43(account("240301", "240331", 0, {{"240310", '2', 123450}})));
        FrmBNKMain::setStatementFile(file);
        const QString before = summedMovements(data_->path());
        MessageRecorder boxes;
        auto pick002 = [this] {
            person_->then([](QWidget* list) {
                ModalDriver::press(list, Qt::Key_Down);
                ModalDriver::press(list, Qt::Key_Return);
            });
        };
        // Pressed once the person's turn at the screen is over, so that the list F7 opens
        // gets the next turn.
        auto f7 = [](QWidget* modal) {
            QTimer::singleShot(0, modal, [modal] {
                ModalDriver::press(modal, Qt::Key_F7);
                if (modal->isVisible()) // refused: the screen stays, and ESC leaves it
                    ModalDriver::press(modal, Qt::Key_Escape);
            });
        };
        auto linked = [this] {
            return sqliteRows(data_->path(), u"select trim(CNTSTNRO) from BANENL"_s);
        };
        // "001 - Caja" taken by mistake for the unknown bank account, then F7 and "002 - Banco".
        person_->then([](QWidget* list) { ModalDriver::press(list, Qt::Key_Return); });
        person_->then([f7](QWidget* modal) {
            QVERIFY(child<PanelStatusBar>(modal, "StBar")
                        ->panelText(2)
                        .contains(u"F7 [Cambiar cuenta]"_s));
            f7(modal);
        });
        pick002();
        QTest::keyClick(&grid(), Qt::Key_F9);
        QVERIFY2(boxes.prompts().last().endsWith(
                     u"queda vinculado con la cuenta 002. Selecciónela para conciliarlo."_s),
                 qPrintable(boxes.prompts().join(u'|')));
        QCOMPARE(linked(), QStringList{"002"});
        QCOMPARE(summedMovements(data_->path()), before);
        // Linked to 001 again and applied there, the link no longer moves.
        QVERIFY(sqliteExec(data_->path(), {"update BANENL set CNTSTNRO = '001'"}));
        person_->then([](QWidget* modal) { ModalDriver::press(modal, Qt::Key_F10); });
        QTest::keyClick(&grid(), Qt::Key_F9);
        person_->then(f7);
        pick002();
        QTest::keyClick(&grid(), Qt::Key_F9);
        FrmBNKMain::setStatementFile({});
        QVERIFY2(boxes.prompts().last().endsWith(
                     u"ya se aplicaron a la cuenta 001: no se puede vincular con otra cuenta."_s),
                 qPrintable(boxes.prompts().join(u'|')));
        QCOMPARE(linked(), QStringList{"001"});
    }

    // F9 with a statement in another currency says so and asks nothing; a file of two bank
    // accounts never seen asks about each, and the one linked here opens.
    void statementFilesOfOtherCurrenciesAndSeveralAccounts_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("said");
        QTest::newRow("another currency")
            << norma43(inCurrency(account("240301", "240331", 0, {{"240310", '2', 5000}}), "756"))
            << 0
            << u"El extracto 2100-0001-0200012345 está en CHF y la cuenta 001, en EUR: no se "
               "aplica nada."_s;
        const QByteArrayList other = ofBankAccount(
            account("240301", "240331", 0, {{"240311", '2', 700}}), "210000020200099999");
        QTest::newRow("two bank accounts")
            << norma43(account("240301", "240331", 0, {{"240310", '2', 5000}}) + other) << 3
            << QString();
    }
    void statementFilesOfOtherCurrenciesAndSeveralAccounts() {
        QFETCH(QByteArray, file);
        const QString path = data_->db().folder() + u"/extracto.n43"_s;
        writeFile(path, file);
        FrmBNKMain::setStatementFile(path);
        MessageRecorder boxes;
        // Both questions answered with this account: the screen then opens on the first.
        for (int k = 0; k < 2; ++k)
            person_->then([](QWidget* which) { ModalDriver::press(which, Qt::Key_Return); });
        const int before = person_->handled();
        QTest::keyClick(&grid(), Qt::Key_F9);
        FrmBNKMain::setStatementFile({});
        QTEST(person_->handled() - before, "questions"); // the questions, then the screen
        QTEST(boxes.prompts().value(0), "said");
    }

    // F4 chooses the concept of a new movement; the statement's other new lines with the same
    // bank concept, on the same side, take it at once. F3 narrows the matching window: the
    // lines are read again with it, and it is kept for the next statements.
    void theConceptAndWindowKeysOfTheReconciliation() {
        data_->addConcept(u"7"_s, u"Gastos bancarios"_s, u"D"_s);
        data_->addConcept(u"8"_s, u"Comisiones"_s, u"D"_s);
        const QString file = data_->db().folder() + u"/comisiones.n43"_s;
        writeFile(file,
                  norma43(account(
                      "240301", "240331", 0,
                      {{"240311", '1', 1200}, {"240312", '1', 1300}, {"240313", '2', 123450}})));
        FrmBNKMain::setStatementFile(file);
        MessageRecorder boxes;
        boxes.answers = {MsgAnswer::Yes, MsgAnswer::Yes}; // read again, then leave unapplied
        QStringList chosen, matched;
        QString window;
        person_->then([](QWidget* which) { ModalDriver::press(which, Qt::Key_Return); });
        person_->then([&, this](QWidget* modal) {
            // On a turn of its own, so that the person can answer the lists the keys open.
            QTimer::singleShot(0, modal, [&, this, modal] {
                FlexGrid& lines = *child<FlexGrid>(modal, "lstLIN");
                auto first = [](QWidget* list) {
                    ModalDriver::press(list, Qt::Key_Home);
                    ModalDriver::press(list, Qt::Key_Return);
                };
                person_->then(first); // "Comisiones", first by name
                QTest::keyClick(&lines, Qt::Key_F4);
                chosen = column(lines, 5);
                matched = column(lines, 4);
                person_->then(first); // 0 days
                person_->then([](QWidget* basis) { ModalDriver::press(basis, Qt::Key_Return); });
                QTest::keyClick(&lines, Qt::Key_F3);
                matched += column(lines, 4);
                window = child<QLabel>(modal, "lbEXTRACTO")->text();
                QTest::keyClick(&lines, Qt::Key_Escape);
            });
        });
        QTest::keyClick(&grid(), Qt::Key_F9);
        FrmBNKMain::setStatementFile({});
        QCOMPARE(chosen.mid(0, 2), QStringList({u"8 - Comisiones"_s, u"8 - Comisiones"_s}));
        QCOMPARE(matched.value(2), u"Casar con nº 2"_s);
        QCOMPARE(matched.value(5), u"Nuevo movimiento"_s);
        QVERIFY2(window.endsWith(u"Ventana: 0 días, fecha valor"_s), qPrintable(window));
        QCOMPARE(MatchSettings::fromSettings().windowDays, 0);
    }

    // F11 shows a movement's changes; a deleted movement is in the bin F8 shows, ENTER there
    // brings it back and Ctrl+Z takes that back again. The totals follow every step.
    void historyBinAndUndo() {
        MessageRecorder boxes;
        auto totalsAreTheSums = [this] {
            const QStringList sums = summedMovements(data_->path()).split(u'|');
            auto units = [&sums](int k) { return Money::fromUnits(sums.at(k).toLongLong()); };
            QCOMPARE(storedTotals(data_->path()), sums.join(u'|'));
            QCOMPARE(screen_->balanceText(BalanceLabel::lbTOTRBCO),
                     rt::formatAmount(units(2) - units(3)));
            QCOMPARE(screen_->balanceText(BalanceLabel::lbTOTRCNT),
                     rt::formatAmount(units(0) + units(2) - units(1) - units(3)));
        };
        auto binRows = [this](std::function<void(FlexGrid&, QWidget*)> keys) {
            person_->then([keys](QWidget* modal) {
                FlexGrid& bin = *child<FlexGrid>(modal, "lstPAP");
                keys(bin, modal);
                QTest::keyClick(&bin, Qt::Key_Escape);
            });
            QTest::keyClick(&grid(), Qt::Key_F8);
        };
        grid().goToRow(2);
        QTest::keyClick(&grid(), Qt::Key_F12);
        person_->then([&boxes](QWidget* modal) {
            FlexGrid& changes = *child<FlexGrid>(modal, "lstHIS");
            QCOMPARE(child<QLabel>(modal, "lbTITULO")->text(), u"Cuenta 001 - Movimiento nº 2"_s);
            QCOMPARE(column(changes, 3), QStringList({"entry.insertMovement", "movements.status"}));
            QCOMPARE(column(changes, 4), QStringList({"Alta", "Modificación"}));
            QTest::keyClick(&changes, Qt::Key_Return); // the whole change, a value a line
            QVERIFY2(boxes.prompts().constLast().contains(u"\nAcreditado: 00.00 → 1234.50"_s),
                     qPrintable(boxes.prompts().join(u'|')));
            QTest::keyClick(&changes, Qt::Key_Escape);
        });
        QTest::keyClick(&grid(), Qt::Key_F11);
        boxes.answers = {MsgAnswer::Yes};
        QTest::keyClick(&grid(), Qt::Key_Delete);
        QCOMPARE(grid().rows(), 2);
        totalsAreTheSums();
        const QString movement = u"movimiento nº 2 del 09/03/2024, Cobro factura 118, "_s +
                                 rt::formatAmount(money(1234.5));
        binRows([&](FlexGrid& bin, QWidget* modal) {
            QCOMPARE(gridRow(bin, 1).mid(2), QStringList({"2", "09/03/2024", "Cobro factura 118",
                                                          rt::formatAmount(money(1234.5))}));
            // ENTER asks first; No brings nothing back.
            QTest::keyClick(&bin, Qt::Key_Return);
            QCOMPARE(boxes.prompts().last(), u"¿Recuperar el "_s + movement + u'?');
            QCOMPARE(boxes.boxes.back().buttons, MsgButtons::YesNo);
            QCOMPARE(bin.rows(), 2);
            boxes.answers = {MsgAnswer::Yes};
            QTest::keyClick(&bin, Qt::Key_Return);
            QCOMPARE(bin.rows(), 1);
            QCOMPARE(child<PanelStatusBar>(modal, "StBar")->panelText(1),
                     u"La papelera de esta cuenta está vacía."_s);
        });
        QCOMPARE(boxes.prompts().last(), u"Movimiento recuperado con el nº 2."_s);
        QCOMPARE(grid().rows(), 3);
        totalsAreTheSums();
        // Ctrl+Z says what it would undo; No leaves everything as it is.
        QTest::keyClick(&grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(boxes.prompts().last(), u"¿Deshacer el alta del "_s + movement + u'?');
        QCOMPARE(boxes.boxes.back().icon, MsgIcon::Question);
        QCOMPARE(grid().rows(), 3);
        boxes.answers = {MsgAnswer::Yes};
        QTest::keyClick(&grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(boxes.prompts().last(), u"Deshecha el alta del movimiento nº 2."_s);
        QCOMPARE(grid().rows(), 2);
        totalsAreTheSums();
        binRows([](FlexGrid& bin, QWidget*) { QCOMPARE(bin.rows(), 2); });
        QCOMPARE(person_->handled(), 4);
    }

    void leavingTheAccountChoiceWithoutAnAccountChangesNothing() {
        gCuenta.CNTSTNRO = u"   "_s;
        forget();
        screen_->PP_SELCUENTA();
        QVERIFY(!reloaded());
        QCOMPARE(screen_->StBar().panelText(1), u"Cuenta: <Desconocido>"_s);
    }
};

LEDGORA_TEST_MAIN(TstMainScreen)
#include "tst_mainscreen.moc"
