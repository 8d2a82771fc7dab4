#include "LedgerTests.h"
#include "controls/FlexGrid.h"
#include "ledger/ListedMovement.h"
#include "ledger/MovementListing.h"
#include "mainscreen/FrmBNKMain.h"
#include "mainscreen/MainScreenLifecycle.h"
#include "screens/FrmABMCuentas.h"
#include "screens/FrmConceptos.h"
#include "screens/FrmModConcepto.h"
#include "screens/ScreenStatements.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace ledgora;
using namespace ledgora::test;

namespace {

QString shown(double amount) {
    return rt::formatAmount(Money::fromDouble(amount));
}

QString today() {
    return rt::formatDateSlashed(QDate::currentDate());
}

// ENTER on a button; after a refused value the keyboard is still on it, as before the message.
void pressOn(QWidget* button) {
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), button);
}

// Types one movement on the entry screen with the keyboard alone: ENTER walks the fields and
// presses "Agregar". The concept and the status are chosen by moving down their lists.
void typeEntry(int conceptDowns, const QString& value, int statusDowns, const QString& date = {}) {
    if (QApplication::focusWidget()->objectName() == u"txtMOVDTALT") {
        if (!date.isEmpty())
            QTest::keyClicks(QApplication::focusWidget(), date);
        key(Qt::Key_Return);
    }
    for (int k = 0; k < conceptDowns; ++k)
        key(Qt::Key_Down);
    key(Qt::Key_Return); // to the description, which proposes itself
    key(Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), value);
    key(Qt::Key_Return); // to the status list, filled for the concept's type
    for (int k = 0; k < statusDowns; ++k)
        key(Qt::Key_Down);
    key(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"cmdAgregar"_s);
    key(Qt::Key_Return);
}

} // namespace

// Movements entered, changed between pending and realised, edited and deleted from the
// keyboard, with the grid, the stored rows and both balances checked after every step.
class TstMovements : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<LedgerFixture> data_;
    std::unique_ptr<FrmBNKMain> main_;
    std::unique_ptr<ModalDriver> person_;
    GridOnlyLifecycle lifecycle_;
    QTemporaryDir settings_;

    FlexGrid& grid() { return main_->LstBNK(); }
    QString label(const char* name) {
        return main_->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    QStringList rows(const QString& sql) { return sqliteRows(data_->path(), sql); }
    int movements() { return int(rows(u"select * from BANMOV"_s).size()); }

    // The main screen on an account, listing this year.
    void openMain(const QString& account = u"001"_s) {
        gCuenta = cuenta(account, u"Caja"_s);
        gFechaDesde = QDate(QDate::currentDate().year(), 1, 1);
        gFechaHasta = QDate(QDate::currentDate().year(), 12, 31);
        main_ = std::make_unique<FrmBNKMain>();
        main_->setLifecycle(&lifecycle_);
        main_->load();
        main_->show();
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));
        CARGAR_CUENTAS(grid());
        grid().setFocus();
    }

    // Both balances and the stored totals agree with the sums of the stored movements.
    void expectBalancesOfTheFile(const QString& account = u"001"_s) {
        const QStringList sums = summedMovements(data_->path(), account).split(u'|');
        QCOMPARE(sums.size(), 4);
        auto units = [&](int k) { return Money::fromUnits(sums[k].toLongLong()); };
        QCOMPARE(label("lbTOTRBCO"), rt::formatAmount(units(2) - units(3)));
        QCOMPARE(label("lbTOTRCNT"), rt::formatAmount(units(0) + units(2) - units(1) - units(3)));
        QCOMPARE(storedTotals(data_->path(), account), sums.join(u'|'));
    }

private Q_SLOTS:
    void initTestCase() { SettingsStore::setFolder(settings_.path()); }
    void init() {
        data_ = std::make_unique<LedgerFixture>();
        person_ = std::make_unique<ModalDriver>();
        data_->addAccount(u"001"_s, u"Caja"_s);
        execute(*gManejo, QStringLiteral("insert into BANCON (CONSTNRO,CONSTDSC,CONSTTIP) values "
                                         "('12','Cheque','D')"));
        execute(*gManejo, QStringLiteral("insert into BANCON (CONSTNRO,CONSTDSC,CONSTTIP) values "
                                         "('3','Deposito','C')"));
    }
    void cleanup() {
        main_.reset();
        person_.reset();
        data_.reset();
    }

    void aDayOfEntriesAndEveryChangeKeepTheBalancesRight_data() { inEitherLocale(); }
    void aDayOfEntriesAndEveryChangeKeepTheBalancesRight() {
        QFETCH(QLocale, locale);
        LocaleScope scope(locale);
        openMain();
        const QString sep(rt::decimalSeparator());
        const QString dashed = rt::formatDateDashed(QDate::currentDate());

        // A pending credit with three decimals, then a realised debit, typed in a row.
        person_->then([&](QWidget*) {
            typeEntry(1, u"150"_s + sep + u"555"_s, 0);
            typeEntry(0, u"40"_s, 1);
            key(Qt::Key_Escape);
        });
        QTest::keyClick(&grid(), Qt::Key_Insert);
        QCOMPARE(grid().rows(), 3);
        QCOMPARE(gridRow(grid(), 1), QStringList({today(), u"Deposito "_s + dashed, shown(150.56),
                                                  shown(0), shown(0), shown(0), "1"}));
        QCOMPARE(gridRow(grid(), 2), QStringList({today(), u"Cheque "_s + dashed, shown(0),
                                                  shown(0), shown(0), shown(40), "2"}));
        QCOMPARE(grid().row(), 2);
        QCOMPARE(grid().colSel(), 6);
        QCOMPARE(cellBackground(grid(), 2, 2), QColor(236, 249, 232));
        const QString isoToday = QDate::currentDate().toString(Qt::ISODate);
        QCOMPARE(rows(QStringLiteral("select CNTSTNRO,MOVINNRO,MOVDTALT,CONSTNRO,"
                                     "MOVSTCPT,MOVDLAAC,MOVDLADE,MOVDLACR,MOVDLDEB from "
                                     "BANMOV order by MOVINNRO")),
                 QStringList({"001|1|" + isoToday + "|3 |Deposito " + dashed + "|1505600|0|0|0",
                              "001|2|" + isoToday + "|12|Cheque " + dashed + "|0|0|0|400000"}));
        expectBalancesOfTheFile();

        // F12 realises the credit, a second F12 makes it pending again.
        grid().setRow(1);
        QTest::keyClick(&grid(), Qt::Key_F12);
        QCOMPARE(gridRow(grid(), 1).mid(2, 4),
                 QStringList({shown(0), shown(0), shown(150.56), shown(0)}));
        QCOMPARE(rows(QStringLiteral("select MOVDLAAC,MOVDLACR from BANMOV where "
                                     "MOVINNRO = 1")),
                 QStringList{"0|1505600"});
        expectBalancesOfTheFile();
        QTest::keyClick(&grid(), Qt::Key_F12);
        QCOMPARE(gridRow(grid(), 1).mid(2, 4),
                 QStringList({shown(150.56), shown(0), shown(0), shown(0)}));
        expectBalancesOfTheFile();

        // ENTER edits the amount; it stays in its column.
        person_->then([&](QWidget*) {
            key(Qt::Key_Return);
            key(Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), u"txtValor"_s);
            QTest::keyClicks(QApplication::focusWidget(), u"200"_s + sep + "1");
            key(Qt::Key_Return);
            key(Qt::Key_Return); // "Guardar"
        });
        QTest::keyClick(&grid(), Qt::Key_Return);
        QCOMPARE(gridRow(grid(), 1).mid(2, 4),
                 QStringList({shown(200.1), shown(0), shown(0), shown(0)}));
        QCOMPARE(grid().colSel(), 6);
        QCOMPARE(rows(u"select MOVDLAAC from BANMOV where MOVINNRO = 1"_s), QStringList{"2001000"});
        expectBalancesOfTheFile();

        // DELETE asks first; No keeps the movement, Yes removes it and its row.
        MessageRecorder messages;
        messages.answers = {MsgAnswer::No, MsgAnswer::Yes, MsgAnswer::Yes};
        QTest::keyClick(&grid(), Qt::Key_Delete);
        QCOMPARE(movements(), 2);
        QTest::keyClick(&grid(), Qt::Key_Delete);
        QCOMPARE(messages.prompts().first(), u"Confirma eliminar el movimiento seleccionado"_s);
        QCOMPARE(grid().rows(), 2);
        QCOMPARE(gridRow(grid(), 1).value(6), u"2"_s);
        QCOMPARE(movements(), 1);
        expectBalancesOfTheFile();
        QTest::keyClick(&grid(), Qt::Key_Delete);
        QCOMPARE(grid().rows(), 1);
        QCOMPARE(movements(), 0);
        expectBalancesOfTheFile();
        // Without data rows the row keys ask nothing and do nothing.
        for (Qt::Key k : {Qt::Key_Delete, Qt::Key_F12, Qt::Key_Return})
            QTest::keyClick(&grid(), k);
        QCOMPARE(messages.boxes.size(), std::size_t(3));
    }

    void aMovementOfAnotherDayReloadsTheListingAndNumbersFollowOn() {
        QDate other(QDate::currentDate().year(), 1, 1);
        if (other == QDate::currentDate())
            other = other.addDays(1);
        data_->addMovement(u"001"_s, 5, other, u"Saldo inicial"_s, money(10), {}, money(5), {},
                           u"3"_s);
        openMain();
        QCOMPARE(gCuenta.UltimoMovimiento, 5);
        person_->then([&](QWidget*) {
            typeEntry(1, u"7"_s, 1);
            typeEntry(1, u"8"_s, 0);
            // The date stays for the next entry; this one is typed over it.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), u"txtMOVDTALT"_s);
            typeEntry(1, u"9"_s, 0, rt::formatDateSlashed(other));
            key(Qt::Key_Escape);
        });
        QTest::keyClick(&grid(), Qt::Key_Insert);
        // Reloaded in date order: the earlier day's two movements, then today's two.
        QStringList numbers;
        for (int r = 1; r < grid().rows(); ++r)
            numbers << grid().textMatrix(r, 6);
        QCOMPARE(numbers, QStringList({"5", "8", "6", "7"}));
        QCOMPARE(gCuenta.UltimoMovimiento, 8);
        QCOMPARE(grid().row(), 4);
        expectBalancesOfTheFile();
    }

    // Each check of the entry and the edit screens: its message, nothing written and the
    // typing kept for a correction.
    void refusedEntriesWriteNothingAndSayWhy_data() {
        QTest::addColumn<QString>("screen"); // "entry" (or without an account, a status or
                                             // concepts) or "edit"
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        const QString notANumber = u"Debe Ingresar NÚMEROS en el campo VALOR."_s;
        const QString notADate = u"Debe ingresar una FECHA valida."_s;
        auto row = [](const char* name, const char* screen, const QString& date, const char* value,
                      const QString& message) {
            QTest::newRow(name) << QString::fromLatin1(screen) << date << QString::fromUtf8(value)
                                << message;
        };
        row("no account", "no account", today(), "10", u"NO HAY CUENTA SELECCIONADA"_s);
        row("no status", "no status", today(), "10", u"Debe seleccionar un ESTADO de Concepto."_s);
        row("no concepts", "no concepts", today(), "10", u"Debe seleccionar un CONCEPTO"_s);
        row("no value", "entry", today(), "", notANumber);
        row("letters after digits", "entry", today(), "12abc", notANumber);
        row("quote in the value", "entry", today(), "1'2", notANumber);
        // With the date wrong as well, the value is what is reported first.
        row("value and date wrong", "entry", u"31/02/2026"_s, "x", notANumber);
        row("impossible date", "entry", u"31/02/2026"_s, "10", notADate);
        row("too large", "entry", today(), "9e99",
            u"6 / Desbordamiento\r\n\r\nSeccion Conceptos.Agregar"_s);
        row("edit, not a date", "edit", u"x"_s, "150", notADate);
        row("edit, not a number", "edit", u"5/3/2024"_s, "abc",
            u"Debe ingresar un valor NUMERICO."_s);
    }
    void refusedEntriesWriteNothingAndSayWhy() {
        QFETCH(QString, screen);
        QFETCH(QString, date);
        QFETCH(QString, value);
        QFETCH(QString, message);
        data_->addMovement(u"001"_s, 15, QDate(2024, 3, 5), u"Deposito"_s, {}, {}, money(150));
        const QStringList before = rows(u"select * from BANMOV"_s);
        gCuenta = cuenta(u"001"_s, screen == u"no account" ? QString() : u"Caja"_s);
        if (screen == u"no concepts")
            QVERIFY(sqliteExec(data_->path(), {"DELETE FROM BANCON"}));
        MessageRecorder messages;
        if (screen == u"edit") {
            gMovimiento = MovimientoRecord();
            gMovimiento.MOVDTALT = u"05/03/2024"_s;
            gMovimiento.MOVINNRO = u"15"_s;
            gMovimiento.MOVSTCPT = u"Deposito"_s;
            gMovimiento.MOVDLACR = money(150);
            auto edit = std::make_unique<FrmModConcepto>();
            edit->load();
            QVERIFY(showActive(*edit));
            child<QLineEdit>(edit.get(), "txtFecha")->setText(date);
            child<QLineEdit>(edit.get(), "txtValor")->setText(value);
            pressOn(child(edit.get(), "cmdGuardar"));
            QVERIFY(!gMovimiento.Modificado);
            QCOMPARE(child<QLineEdit>(edit.get(), "txtValor")->text(), value);
        } else {
            FrmConceptos entry;
            entry.load();
            QVERIFY(showActive(entry));
            QCOMPARE(child<QLineEdit>(&entry, "txtMOVDTALT")->text(), today());
            if (screen != u"no status")
                child(&entry, "cboCONTIP")->setFocus();
            child<QLineEdit>(&entry, "txtMOVDTALT")->setText(date);
            child<QLineEdit>(&entry, "txtVALOR")->setText(value);
            pressOn(child(&entry, "cmdAgregar"));
            // A status the person never chose is not chosen for them by the refusal.
            if (screen == u"no status")
                QCOMPARE(child<QComboBox>(&entry, "cboCONTIP")->count(), 0);
            QCOMPARE(child<QLineEdit>(&entry, "txtVALOR")->text(), value);
            // The blank description is proposed even when the entry is then refused.
            QCOMPARE(child<QLineEdit>(&entry, "txtMOVSTCPT")->text(),
                     (screen == u"no concepts" ? u" "_s : u"Cheque "_s) +
                         rt::formatDateDashed(QDate::currentDate()));
        }
        QCOMPARE(messages.prompts(), QStringList{message});
        QCOMPARE(rows(u"select * from BANMOV"_s), before);
    }

    // Another person's concepts reach the open entry screen: the chosen concept stays chosen
    // and what is typed stays; a chosen concept they removed gives way to the first.
    void theEntryScreensConceptsFollowAnotherPerson() {
        FrmConceptos entry;
        entry.load();
        auto& concepts = *child<QComboBox>(&entry, "cboCONDSC");
        concepts.setCurrentIndex(1);
        child<QLineEdit>(&entry, "txtMOVSTCPT")->setText(u"tecleado"_s);
        const auto other = data_->db().connect();
        test::addConcept(*other, u"20"_s, u"Alquiler"_s, u"D"_s);
        entry.followConcepts();
        QCOMPARE(concepts.count(), 3);
        QCOMPARE(concepts.itemText(0), u"Alquiler"_s);
        QCOMPARE(concepts.currentText(), u"Deposito"_s);
        QCOMPARE(child<QLineEdit>(&entry, "txtMOVSTCPT")->text(), u"tecleado"_s);
        other->Ejecutar(forms::conceptsDelete, {u"3"_s});
        entry.followConcepts();
        QCOMPARE(concepts.currentText(), u"Alquiler"_s);
    }

    void theEditScreenSavesInPlaceAndLeavesWithoutSaving() {
        data_->addMovement(u"001"_s, 15, QDate(2024, 3, 5), u"Deposito"_s, {}, {}, money(150));
        data_->addMovement(u"001"_s, 16, QDate(2024, 3, 6), u"Nada"_s, {});
        gCuenta = cuenta(u"001"_s, u"Caja"_s, {}, {}, money(150));
        auto open = [](const QString& number, Money acr, const QString& date = u"05/03/2024"_s,
                       const QString& text = u"  Deposito "_s) {
            gMovimiento = MovimientoRecord();
            gMovimiento.MOVDTALT = date;
            gMovimiento.MOVINNRO = number;
            gMovimiento.MOVSTCPT = text;
            gMovimiento.MOVDLACR = acr;
            auto screen = std::make_unique<FrmModConcepto>();
            screen->load();
            return screen;
        };
        auto box = [](FrmModConcepto& s, const char* name) { return child<QLineEdit>(&s, name); };
        auto stored = [this](int number) {
            return rows(u"select MOVDTALT,MOVSTCPT,MOVDLAAC,MOVDLADE,MOVDLACR,MOVDLDEB from "
                        "BANMOV where MOVINNRO = %1"_s.arg(number))
                .value(0);
        };
        auto edit = open(u"15"_s, money(150));
        QCOMPARE(box(*edit, "txtValor")->text(), shown(150));
        QCOMPARE(box(*edit, "txtConcepto")->text(), u"Deposito"_s);
        // Saved: trimmed description, the date as dd/mm/yyyy, the amount rounded in its column.
        box(*edit, "txtFecha")->setText(u"5/3/2024"_s);
        box(*edit, "txtValor")->setText(u"99.999"_s);
        box(*edit, "txtConcepto")->setText(u"  Deposito banco "_s);
        edit->PP_GUARDAR();
        QVERIFY(gMovimiento.Modificado);
        QVERIFY(!edit->isLoaded());
        QCOMPARE(gMovimiento.MOVDTALT, u"05/03/2024"_s);
        QCOMPARE(stored(15), u"2024-03-05|Deposito banco|0|0|1000000|0"_s);
        QCOMPARE(gCuenta.TOMDLACR, money(100));

        // Listed otherwise than it is stored (another person changed it): nothing is written.
        MessageRecorder messages;
        edit = open(u"16"_s, {});
        box(*edit, "txtValor")->setText(u"55"_s);
        edit->PP_GUARDAR();
        QCOMPARE(messages.prompts(), QStringList{ListedMovement::changedMessage()});
        QVERIFY(!gMovimiento.Modificado);
        QCOMPARE(stored(16), u"2024-03-06|Nada|0|0|0|0"_s);

        // A movement without amounts keeps none, whatever is typed.
        edit = open(u"16"_s, {}, u"06/03/2024"_s, u"Nada"_s);
        QCOMPARE(box(*edit, "txtValor")->text(), shown(0));
        box(*edit, "txtValor")->setText(u"55"_s);
        box(*edit, "txtFecha")->setText(u"05/03/2024"_s);
        edit->PP_GUARDAR();
        QCOMPARE(stored(16), u"2024-03-05|Nada|0|0|0|0"_s);

        // ESC after changes saves nothing.
        edit = open(u"15"_s, money(100));
        box(*edit, "txtValor")->setText(u"1"_s);
        QVERIFY(showActive(*edit));
        QTest::keyClick(box(*edit, "txtValor"), Qt::Key_Escape);
        QVERIFY(!edit->isLoaded());
        QVERIFY(!gMovimiento.Modificado);
        QCOMPARE(stored(15), u"2024-03-05|Deposito banco|0|0|1000000|0"_s);
    }

    void movementsAmountsOnBothSidesMoveTogether() {
        data_->addMovement(u"001"_s, 1, QDate::currentDate(), u"Mixto"_s, money(100), {}, {},
                           money(40));
        data_->addMovement(u"001"_s, 2, QDate::currentDate(), u"Negativo"_s, money(-3));
        openMain();
        grid().setRow(1);
        QTest::keyClick(&grid(), Qt::Key_F12);
        QCOMPARE(gridRow(grid(), 1).mid(2, 4),
                 QStringList({shown(0), shown(40), shown(100), shown(0)}));
        expectBalancesOfTheFile();
        // A negative pending amount does not move; the statement still runs.
        grid().setRow(2);
        QTest::keyClick(&grid(), Qt::Key_F12);
        QCOMPARE(gridRow(grid(), 2).mid(2, 4),
                 QStringList({shown(-3), shown(0), shown(0), shown(0)}));
        expectBalancesOfTheFile();

        // Another person changes the first movement: F12 and DELETE on the row as it was
        // listed change nothing and say why.
        QVERIFY(
            sqliteExec(data_->path(), {"UPDATE BANMOV SET MOVDLDEB = 500000 WHERE MOVINNRO = 1"}));
        MessageRecorder messages;
        messages.answers = {MsgAnswer::Ok, MsgAnswer::Yes};
        grid().setRow(1);
        QTest::keyClick(&grid(), Qt::Key_F12);
        QTest::keyClick(&grid(), Qt::Key_Delete);
        QCOMPARE(messages.prompts(), QStringList({ListedMovement::changedMessage(),
                                                  u"Confirma eliminar el movimiento seleccionado"_s,
                                                  ListedMovement::changedMessage()}));
        QCOMPARE(rows(QStringLiteral("select MOVDLAAC,MOVDLACR,MOVDLDEB from BANMOV where "
                                     "MOVINNRO = 1")),
                 QStringList{"0|1000000|500000"});
        QCOMPARE(gridRow(grid(), 1).mid(2, 4),
                 QStringList({shown(0), shown(40), shown(100), shown(0)}));
        // A movement whose date alone was changed behind the screen is not the one listed.
        QVERIFY(sqliteExec(data_->path(),
                           {"UPDATE BANMOV SET MOVDTALT = '2000-01-01' WHERE MOVINNRO = 2"}));
        grid().setRow(2);
        QTest::keyClick(&grid(), Qt::Key_F12);
        QCOMPARE(messages.prompts().size(), 4);
        QCOMPARE(messages.prompts().last(), ListedMovement::changedMessage());
    }
};

LEDGORA_TEST_MAIN(TstMovements)
#include "tst_movements.moc"
