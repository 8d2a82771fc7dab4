#include "LedgerTests.h"
#include "controls/PanelStatusBar.h"
#include "entry/clMain.h"
#include "ledger/MovementListing.h"
#include "mainscreen/FrmBNKMain.h"
#include "mainscreen/MainScreenLifecycle.h"
#include "screens/FrmIntervalo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

using namespace ledgora;
using namespace ledgora::test;
using namespace Qt::StringLiterals;

namespace {

QString stored(const char* key) {
    return SettingsStore::GetSetting(u"VENTALIA"_s, u"BANCOS"_s, QString::fromLatin1(key),
                                     u"(none)"_s);
}
QStringList descriptions(const FlexGrid& grid) {
    return column(grid, 1);
}
// Types each text in its date box and ENTERs past it.
void typeDates(const QString& from, const QString& to) {
    type(from);
    key(Qt::Key_Return);
    type(to);
    key(Qt::Key_Return);
}
// The filter ticked from the keyboard: ENTER to "Aceptar", on to the check box, the concept
// chosen with the arrows from the first, the text typed; then ENTER walks round to "Aceptar"
// and presses it.
void filterBy(int conceptDowns, const QString& text) {
    keys({Qt::Key_Return, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Tab});
    for (int k = 0; k < conceptDowns; ++k)
        key(Qt::Key_Down);
    key(Qt::Key_Tab);
    type(text);
    keys({Qt::Key_Return, Qt::Key_Return, Qt::Key_Return, Qt::Key_Return});
}

} // namespace

// The interval and filter screen as a person uses it from the main screen's status bar: the
// dates kept for the next start, their checks, and the filter on the listing.
class TstInterval : public QObject {
    Q_OBJECT
private:
    QTemporaryDir settings_;
    std::unique_ptr<LedgerFixture> data_;
    std::unique_ptr<FrmBNKMain> main_;
    GridOnlyLifecycle lifecycle_;
    std::unique_ptr<ModalDriver> person_;

    FlexGrid& grid() { return main_->LstBNK(); }
    QString balances() {
        return main_->balanceText(BalanceLabel::lbTOTRBCO) + u'|' +
               main_->balanceText(BalanceLabel::lbTOTRCNT);
    }
    // Opens the interval screen from the status bar; `person` acts on it.
    void chooseInterval(ModalDriver::Action person) {
        person_->then(std::move(person));
        QTest::mouseClick(main_->StBar().panel(2), Qt::LeftButton);
    }

private Q_SLOTS:
    void initTestCase() { SettingsStore::setFolder(settings_.path()); }
    void init() {
        QFile::remove(settings_.filePath(u"VENTALIA.ini"_s));
        data_ = std::make_unique<LedgerFixture>();
        person_ = std::make_unique<ModalDriver>();
        data_->addAccount(u"001"_s, u"Caja"_s);
        data_->addConcept(u"1"_s, u"Depósitos"_s, u"C"_s);
        data_->addConcept(u"2"_s, u"Pagos"_s, u"D"_s);
        const QString texts[] = {u"Alquiler"_s,
                                 u"DEPÓSITO cheque"_s,
                                 u"depósito efectivo"_s,
                                 u"Año nuevo ÑANDÚ"_s,
                                 u"Luz 50%"_s,
                                 u"Luz 500"_s,
                                 u"Gas_1"_s,
                                 u"GasX1"_s,
                                 u"Cafe\u0301 molido"_s}; // the last accent stored apart
        const int days[] = {4, 9, 15, 20, 22, 23, 24, 25, 26};
        for (int n = 1; n <= 9; ++n)
            data_->addMovement(u"001"_s, n, QDate(2024, 3, days[n - 1]), texts[n - 1], {}, {},
                               money(n), {}, n == 1 ? u"2"_s : u"1"_s);
        gCuenta = cuenta(u"001"_s, u"Caja"_s);
        gFechaDesde = QDate(2024, 3, 1);
        gFechaHasta = QDate(2024, 3, 31);
        main_ = std::make_unique<FrmBNKMain>();
        main_->setLifecycle(&lifecycle_);
        main_->load();
        main_->show();
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));
        main_->PP_SELCUENTA(); // the person leaves the account screen, keeping the account
    }
    void cleanup() {
        main_.reset();
        person_.reset();
        data_.reset();
    }

    // The interval typed with ENTER alone, stored, and read back by the next start.
    void theIntervalIsKeptForTheNextStart_data() { inEitherLocale(); }
    void theIntervalIsKeptForTheNextStart() {
        QFETCH(QLocale, locale);
        LocaleScope scope(locale);
        main_.reset();
        person_.reset(); // this test plays the person itself
        const QString path = data_->db().path();
        gManejo.reset(); // Show connects on its own
        QStringList seen;
        ModalDriver person;
        person.then([](QWidget* accounts) { ModalDriver::press(accounts, Qt::Key_Escape); });
        // On the main screen: the status bar's interval panel, then what the listing shows.
        person.then([&](QWidget* main) {
            QTimer::singleShot(0, main, [&, main] {
                auto* screen = static_cast<FrmBNKMain*>(main);
                QTest::mouseClick(screen->StBar().panel(2), Qt::LeftButton);
                seen << screen->StBar().panelText(2) << descriptions(screen->LstBNK()).join(u',');
                ModalDriver::press(main, Qt::Key_Escape);
            });
        });
        person.then([](QWidget*) {
            typeDates(u"01/02/2024"_s, u"29/02/2024"_s);
            key(Qt::Key_Return); // on "Aceptar"
        });
        clMain().Show(path);
        QCOMPARE(person.handled(), 3);
        QCOMPARE(stored("FACDESDE"), u"01/02/2024"_s);
        QCOMPARE(stored("FACHASTA"), u"29/02/2024"_s);
        QCOMPARE(seen, QStringList({"Desde (01/02/2024) - Hasta (29/02/2024)", ""}));
    }

    void reversedOrUnreadableDatesAreRefusedAndEqualDatesAccepted() {
        MessageRecorder messages;
        chooseInterval([&](QWidget* interval) {
            auto* from = child<QLineEdit>(interval, "txtDesde");
            typeDates(u"10/03/2024"_s, u"09/03/2024"_s);
            key(Qt::Key_Return);
            // After a refusal the keyboard stays where it was, on "Aceptar".
            QCOMPARE(focused()->objectName(), u"cmdAceptar"_s);
            from->setFocus();
            typeDates(u"ayer"_s, u"09/03/2024"_s);
            key(Qt::Key_Return);
            QCOMPARE(focused()->objectName(), u"cmdAceptar"_s);
            QVERIFY(static_cast<Screen*>(interval)->isLoaded()); // still open for a correction
            QCOMPARE(stored("FACDESDE"), u"(none)"_s);
            QCOMPARE(gFechaDesde, QDate(2024, 3, 1));
            from->setFocus();
            type(u"9/3/2024"_s); // the same day, written shorter
            keys({Qt::Key_Return, Qt::Key_Return, Qt::Key_Return});
        });
        QCOMPARE(messages.prompts(), QStringList({"La fecha DESDE debe ser menor que HASTA",
                                                  "Debe ingresar Fechas validas.!"}));
        QCOMPARE(messages.boxes[0].icon, MsgIcon::Exclamation);
        QCOMPARE(messages.boxes[1].icon, MsgIcon::Exclamation);
        QCOMPARE(gFechaDesde, QDate(2024, 3, 9));
        QCOMPARE(gFechaHasta, QDate(2024, 3, 9));
        QCOMPARE(stored("FACHASTA"), u"09/03/2024"_s);
        QCOMPARE(descriptions(grid()), QStringList{"DEPÓSITO cheque"});
        QCOMPARE(main_->StBar().panelText(2), u"Desde (09/03/2024) - Hasta (09/03/2024)"_s);
    }

    // The screen opens on the current interval with the filter shown off; ESC changes nothing
    // (the filter in force stays) but the listing is reloaded.
    void theScreenOpensOnTheCurrentIntervalAndEscapeChangesNothing() {
        gFiltro = {true, u"2"_s, u"quil"_s};
        CARGAR_CUENTAS(grid());
        QCOMPARE(descriptions(grid()), QStringList{"Alquiler"});
        grid().setRows(1);
        QStringList state;
        chooseInterval([&](QWidget* interval) {
            auto* filter = child<QCheckBox>(interval, "chFIL");
            auto* ids = child<QComboBox>(interval, "cboID");
            state << interval->windowTitle().trimmed() << child<QLabel>(interval, "Label1")->text()
                  << child<QLineEdit>(interval, "txtDesde")->text()
                  << child<QLineEdit>(interval, "txtHasta")->text() << filter->text()
                  << QString::number(filter->isChecked())
                  << QString::number(child<QFrame>(interval, "framFIL")->isEnabled())
                  << child<QComboBox>(interval, "cboConcepto")->currentText() << ids->currentText()
                  << QString::number(ids->isVisible())
                  << child<QLineEdit>(interval, "txtValor")->text();
            QCOMPARE(focused(), child<QLineEdit>(interval, "txtDesde"));
            type(u"01/01/2020"_s);
            // the filter ticked, then left with ESC
            keys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Escape});
        });
        QCOMPARE(state,
                 QStringList({"", "Ingrese, el intervalo para la Cuenta Seleccionada", "01/03/2024",
                              "31/03/2024", "Usar filtro", "0", "0", "Depósitos", "1", "0", ""}));
        QCOMPARE(gFechaDesde, QDate(2024, 3, 1));
        QCOMPARE(stored("FACDESDE"), u"(none)"_s);
        QVERIFY(gFiltro.Activo);
        QCOMPARE(QStringList({gFiltro.Concepto, gFiltro.Valor}), QStringList({"2", "quil"}));
        QCOMPARE(descriptions(grid()), QStringList{"Alquiler"});
    }

    void theFilterNarrowsTheListingAndNotTheTotals() {
        const QString all = balances();
        QCOMPARE(grid().rows(), 10);
        const auto filter = [] { return QStringList{gFiltro.Concepto, gFiltro.Valor}; };
        // The second concept with no text: its movements only.
        chooseInterval([](QWidget* interval) {
            keys({Qt::Key_Return, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Space});
            QVERIFY(child<QFrame>(interval, "framFIL")->isEnabled());
            keys({Qt::Key_Tab, Qt::Key_Down, Qt::Key_Tab});
            keys({Qt::Key_Return, Qt::Key_Return, Qt::Key_Return, Qt::Key_Return});
        });
        QVERIFY(gFiltro.Activo);
        QCOMPARE(filter(), QStringList({"2", ""}));
        QCOMPARE(descriptions(grid()), QStringList{"Alquiler"});
        QCOMPARE(balances(), all);
        // The first concept and a text, typed as it is and kept as typed.
        chooseInterval([](QWidget*) { filterBy(0, u"depósito "_s); });
        QCOMPARE(filter(), QStringList({"1", "depósito "}));
        QCOMPARE(descriptions(grid()), QStringList({"DEPÓSITO cheque", "depósito efectivo"}));
        QCOMPARE(balances(), all);
        // Accepted without the tick, the filter is off again and both texts are emptied.
        chooseInterval([](QWidget*) { keys({Qt::Key_Return, Qt::Key_Return, Qt::Key_Return}); });
        QVERIFY(!gFiltro.Activo);
        QCOMPARE(filter(), QStringList({"", ""}));
        QCOMPARE(grid().rows(), 10);
        QCOMPARE(balances(), all);
    }

    // Case is ignored for every letter, and every typed character stands for itself: a
    // "%" or "_" working as a wildcard would bring in the neighbouring rows.
    void theTextIsFoundInAnyCaseAndTakenLiterally_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        const QStringList deposits{"DEPÓSITO cheque", "depósito efectivo"};
        QTest::newRow("lower accented") << u"depósito"_s << deposits;
        QTest::newRow("upper accented") << u"DEPÓSITO"_s << deposits;
        QTest::newRow("mixed") << u"dEpÓsItO e"_s << QStringList{deposits[1]};
        QTest::newRow("eñe lower") << u"ñandú"_s << QStringList{"Año nuevo ÑANDÚ"};
        QTest::newRow("eñe upper") << u"AÑO"_s << QStringList{"Año nuevo ÑANDÚ"};
        QTest::newRow("composed against stored apart") << u"CAFÉ"_s << QStringList{"Café molido"};
        QTest::newRow("percent") << u"50%"_s << QStringList{"Luz 50%"};
        QTest::newRow("underscore") << u"s_1"_s << QStringList{"Gas_1"};
        QTest::newRow("no accent is no match") << u"deposito"_s << QStringList();
    }
    void theTextIsFoundInAnyCaseAndTakenLiterally() {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        gFiltro = {true, u"1"_s, text};
        CARGAR_CUENTAS(grid());
        QStringList seen = descriptions(grid());
        for (QString& cell : seen) // the grid shows what is stored; compare composed
            cell = cell.normalized(QString::NormalizationForm_C);
        QCOMPARE(seen, found);
    }

    void withoutConceptsNoFilterCanBeChosen() {
        for (const char* n : {"1", "2"})
            execute(*gManejo, u"DELETE FROM BANCON WHERE CONSTNRO = '%1'"_s.arg(QLatin1String(n)));
        bool usable = true;
        chooseInterval([&](QWidget* interval) {
            usable = child<QCheckBox>(interval, "chFIL")->isEnabled();
            QCOMPARE(child<QComboBox>(interval, "cboConcepto")->count(), 0);
            // past the check box and the frame, round to the first date
            keys({Qt::Key_Return, Qt::Key_Return, Qt::Key_Tab});
            QCOMPARE(focused()->objectName(), u"txtDesde"_s);
            keys({Qt::Key_Return, Qt::Key_Return, Qt::Key_Return});
        });
        QVERIFY(!usable);
        QVERIFY(!gFiltro.Activo);
        QCOMPARE(grid().rows(), 10);
    }
};

LEDGORA_TEST_MAIN(TstInterval)
#include "tst_interval.moc"
