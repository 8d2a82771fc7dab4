#include "LedgerFixture.h"
#include "ModalDriver.h"
#include "TestSupport.h"
#include "controls/FlexGrid.h"
#include "controls/PanelStatusBar.h"
#include "entry/clMain.h"
#include "ledger/MovementListing.h"
#include "screens/FrmIntervalo.h"
#include "screens/main/FrmBNKMain.h"
#include "screens/main/MainScreenLifecycle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace ledgora;
using namespace ledgora::test;

namespace {

// Sets up the grid as the start-up would, without connecting anything of its own.
class GridOnlyLifecycle final : public MainScreenLifecycle {
public:
    void load(FrmBNKMain& screen) override { screen.FormatGRD(); }
    void unload() override {}
};

QWidget* focused() {
    return QApplication::focusWidget();
}
void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(focused(), k, mods);
}
// Types over the focused box's text, which is selected on entering it. Letters beyond ASCII
// come from their own keys, as on a Spanish keyboard.
void type(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(focused(), char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
    }
}
template <typename T> T* child(QWidget* screen, const char* name) {
    return screen->findChild<T*>(QString::fromLatin1(name));
}

QString stored(const char* key) {
    return SettingsStore::GetSetting(QStringLiteral("VENTALIA"), QStringLiteral("BANCOS"),
                                     QString::fromLatin1(key), QStringLiteral("(none)"));
}

QStringList descriptions(const FlexGrid& grid) {
    QStringList cells;
    for (int r = 1; r < grid.rows(); ++r)
        cells << grid.textMatrix(r, 1);
    return cells;
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

    void addConcept(const char* number, const char* description, const char* type) {
        execute(*gManejo,
                QStringLiteral("insert into BANCON (CONSTNRO,CONSTDSC,CONSTTIP) values ('%1','%2',"
                               "'%3')")
                    .arg(QString::fromUtf8(number), QString::fromUtf8(description),
                         QString::fromLatin1(type)));
    }
    void addMovement(int number, int day, const QString& text, const char* concept) {
        data_->addMovement(QStringLiteral("001"), number, QDate(2024, 3, day), text, {}, {},
                           money(number), {}, QString::fromLatin1(concept));
    }
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
    // The filter ticked from the keyboard: ENTER to "Aceptar", on to the check box, the
    // concept chosen with the arrows from the first, the text typed.
    static void tickFilter(int conceptDowns, const QString& text) {
        key(Qt::Key_Return);
        key(Qt::Key_Return);
        key(Qt::Key_Tab);
        key(Qt::Key_Space);
        key(Qt::Key_Tab);
        for (int k = 0; k < conceptDowns; ++k)
            key(Qt::Key_Down);
        key(Qt::Key_Tab);
        type(text);
    }
    // From the text box, ENTER walks round to "Aceptar" and presses it.
    static void acceptFromValor() {
        for (int k = 0; k < 4; ++k)
            key(Qt::Key_Return);
    }

private Q_SLOTS:
    void initTestCase() { SettingsStore::setFolder(settings_.path()); }
    void init() {
        QFile::remove(settings_.filePath(QStringLiteral("VENTALIA.ini")));
        data_ = std::make_unique<LedgerFixture>();
        person_ = std::make_unique<ModalDriver>();
        data_->addAccount(QStringLiteral("001"), QStringLiteral("Caja"));
        addConcept("1", "Depósitos", "C");
        addConcept("2", "Pagos", "D");
        addMovement(1, 4, QStringLiteral("Alquiler"), "2");
        addMovement(2, 9, QStringLiteral("DEPÓSITO cheque"), "1");
        addMovement(3, 15, QStringLiteral("depósito efectivo"), "1");
        addMovement(4, 20, QStringLiteral("Año nuevo ÑANDÚ"), "1");
        addMovement(5, 22, QStringLiteral("Luz 50%"), "1");
        addMovement(6, 23, QStringLiteral("Luz 500"), "1");
        addMovement(7, 24, QStringLiteral("Gas_1"), "1");
        addMovement(8, 25, QStringLiteral("GasX1"), "1");
        addMovement(9, 26, QStringLiteral("Cafe\u0301 molido"), "1"); // the accent stored apart
        gCuenta = cuenta(QStringLiteral("001"), QStringLiteral("Caja"));
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

    void theScreenOpensOnTheCurrentIntervalWithTheFilterOff() {
        gFiltro = {true, QStringLiteral("2"), QStringLiteral("x")};
        QStringList state;
        chooseInterval([&](QWidget* interval) {
            state << interval->windowTitle().trimmed() << child<QLabel>(interval, "Label1")->text()
                  << child<QLineEdit>(interval, "txtDesde")->text()
                  << child<QLineEdit>(interval, "txtHasta")->text()
                  << child<QCheckBox>(interval, "chFIL")->text()
                  << QString::number(child<QCheckBox>(interval, "chFIL")->isChecked())
                  << QString::number(child<QFrame>(interval, "framFIL")->isEnabled())
                  << child<QComboBox>(interval, "cboConcepto")->currentText()
                  << child<QComboBox>(interval, "cboID")->currentText()
                  << QString::number(child<QComboBox>(interval, "cboID")->isVisible())
                  << child<QLineEdit>(interval, "txtValor")->text();
            QCOMPARE(focused(), child<QLineEdit>(interval, "txtDesde"));
            key(Qt::Key_Escape);
        });
        QCOMPARE(state,
                 QStringList({"", "Ingrese, el intervalo para la Cuenta Seleccionada", "01/03/2024",
                              "31/03/2024", "Usar filtro", "0", "0", "Depósitos", "1", "0", ""}));
        QCOMPARE(gFiltro.Concepto, QStringLiteral("2")); // not shown, and still in force
    }

    // The interval typed with ENTER alone, stored, and read back by the next start.
    void theIntervalIsKeptForTheNextStart_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("point") << pointLocale();
        QTest::newRow("comma") << commaLocale();
    }
    void theIntervalIsKeptForTheNextStart() {
        QFETCH(QLocale, locale);
        LocaleScope scope(locale);
        main_.reset();
        person_.reset(); // this test plays the person itself
        const QString path = data_->db().path();
        gManejo.reset(); // Show connects on its own
        MessageRecorder messages;
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
            type(QStringLiteral("01/02/2024"));
            key(Qt::Key_Return);
            type(QStringLiteral("29/02/2024"));
            key(Qt::Key_Return);
            key(Qt::Key_Return); // on "Aceptar"
        });
        clMain().Show(path);
        QVERIFY2(messages.boxes.empty(), qPrintable(messages.prompts().join(u'|')));
        QCOMPARE(person.handled(), 3);
        QCOMPARE(stored("FACDESDE"), QStringLiteral("01/02/2024"));
        QCOMPARE(stored("FACHASTA"), QStringLiteral("29/02/2024"));

        // A restart begins from the stored interval, not from the one still in memory.
        gFechaDesde = gFechaHasta = QDate(2030, 1, 1);
        person.then([](QWidget* accounts) { ModalDriver::press(accounts, Qt::Key_Escape); });
        person.then([&](QWidget* main) {
            seen << static_cast<FrmBNKMain*>(main)->StBar().panelText(2);
            ModalDriver::press(main, Qt::Key_Escape);
        });
        clMain().Show(path);
        QVERIFY2(messages.boxes.empty(), qPrintable(messages.prompts().join(u'|')));
        QCOMPARE(seen, QStringList({"Desde (01/02/2024) - Hasta (29/02/2024)", "",
                                    "Desde (01/02/2024) - Hasta (29/02/2024)"}));
        QCOMPARE(gFechaDesde, QDate(2024, 2, 1));
        QCOMPARE(gFechaHasta, QDate(2024, 2, 29));
    }

    void reversedOrUnreadableDatesAreRefusedAndEqualDatesAccepted() {
        MessageRecorder messages;
        chooseInterval([&](QWidget* interval) {
            type(QStringLiteral("10/03/2024"));
            key(Qt::Key_Return);
            type(QStringLiteral("09/03/2024"));
            key(Qt::Key_Return);
            key(Qt::Key_Return);
            child<QLineEdit>(interval, "txtDesde")->setFocus();
            type(QStringLiteral("ayer"));
            key(Qt::Key_Return);
            type(QStringLiteral("09/03/2024"));
            key(Qt::Key_Return);
            key(Qt::Key_Return);
            QVERIFY(static_cast<Screen*>(interval)->isLoaded()); // still open for a correction
            QCOMPARE(stored("FACDESDE"), QStringLiteral("(none)"));
            QCOMPARE(gFechaDesde, QDate(2024, 3, 1));
            child<QLineEdit>(interval, "txtDesde")->setFocus();
            type(QStringLiteral("9/3/2024")); // the same day, written shorter
            key(Qt::Key_Return);
            key(Qt::Key_Return);
            key(Qt::Key_Return);
        });
        QCOMPARE(messages.prompts(),
                 QStringList({QStringLiteral("La fecha DESDE debe ser menor que HASTA"),
                              QStringLiteral("Debe ingresar Fechas validas.!")}));
        QCOMPARE(messages.boxes[0].icon, MsgIcon::Exclamation);
        QCOMPARE(messages.boxes[1].icon, MsgIcon::Exclamation);
        QCOMPARE(gFechaDesde, QDate(2024, 3, 9));
        QCOMPARE(gFechaHasta, QDate(2024, 3, 9));
        QCOMPARE(stored("FACHASTA"), QStringLiteral("09/03/2024"));
        QCOMPARE(descriptions(grid()), QStringList{"DEPÓSITO cheque"});
        QCOMPARE(main_->StBar().panelText(2),
                 QStringLiteral("Desde (09/03/2024) - Hasta (09/03/2024)"));
    }

    void escapeChangesNothingButTheListingIsReloaded() {
        gFiltro = {true, QStringLiteral("2"), QString()};
        CARGAR_CUENTAS(grid());
        QCOMPARE(descriptions(grid()), QStringList{"Alquiler"});
        grid().setRows(1);
        chooseInterval([](QWidget*) {
            type(QStringLiteral("01/01/2020"));
            key(Qt::Key_Tab);
            key(Qt::Key_Tab);
            key(Qt::Key_Tab);
            key(Qt::Key_Space); // the filter ticked, then left with ESC
            key(Qt::Key_Escape);
        });
        QCOMPARE(gFechaDesde, QDate(2024, 3, 1));
        QCOMPARE(stored("FACDESDE"), QStringLiteral("(none)"));
        QVERIFY(gFiltro.Activo);
        QCOMPARE(gFiltro.Concepto, QStringLiteral("2"));
        QCOMPARE(descriptions(grid()), QStringList{"Alquiler"});
    }

    void theFilterNarrowsTheListingAndNotTheTotals() {
        const QString all = balances();
        QCOMPARE(grid().rows(), 10);
        // The second concept with no text: its movements only.
        chooseInterval([](QWidget* interval) {
            tickFilter(1, QString());
            QVERIFY(child<QFrame>(interval, "framFIL")->isEnabled());
            acceptFromValor();
        });
        QVERIFY(gFiltro.Activo);
        QCOMPARE(gFiltro.Concepto, QStringLiteral("2"));
        QVERIFY(gFiltro.Valor.isEmpty());
        QCOMPARE(descriptions(grid()), QStringList{"Alquiler"});
        QCOMPARE(balances(), all);
        // The first concept and a text, typed as it is and kept as typed.
        chooseInterval([](QWidget*) {
            tickFilter(0, QStringLiteral("depósito "));
            acceptFromValor();
        });
        QCOMPARE(gFiltro.Concepto, QStringLiteral("1"));
        QCOMPARE(gFiltro.Valor, QStringLiteral("depósito "));
        QCOMPARE(descriptions(grid()), QStringList({"DEPÓSITO cheque", "depósito efectivo"}));
        QCOMPARE(balances(), all);
        // Accepted without the tick, the filter is off again and both texts are emptied.
        chooseInterval([](QWidget*) {
            key(Qt::Key_Return);
            key(Qt::Key_Return);
            key(Qt::Key_Return);
        });
        QVERIFY(!gFiltro.Activo);
        QVERIFY(gFiltro.Concepto.isEmpty());
        QVERIFY(gFiltro.Valor.isEmpty());
        QCOMPARE(grid().rows(), 10);
        QCOMPARE(balances(), all);
    }

    // Case is ignored for every letter, and every typed character stands for itself: a
    // "%" or "_" working as a wildcard would bring in the neighbouring rows.
    void theTextIsFoundInAnyCaseAndTakenLiterally_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        const QStringList deposits{"DEPÓSITO cheque", "depósito efectivo"};
        QTest::newRow("lower accented") << QStringLiteral("depósito") << deposits;
        QTest::newRow("upper accented") << QStringLiteral("DEPÓSITO") << deposits;
        QTest::newRow("mixed") << QStringLiteral("dEpÓsItO e") << QStringList{deposits[1]};
        QTest::newRow("eñe lower") << QStringLiteral("ñandú") << QStringList{"Año nuevo ÑANDÚ"};
        QTest::newRow("eñe upper") << QStringLiteral("AÑO") << QStringList{"Año nuevo ÑANDÚ"};
        QTest::newRow("composed against stored apart")
            << QStringLiteral("CAFÉ") << QStringList{"Café molido"};
        QTest::newRow("percent") << QStringLiteral("50%") << QStringList{"Luz 50%"};
        QTest::newRow("percent alone") << QStringLiteral("%") << QStringList{"Luz 50%"};
        QTest::newRow("underscore") << QStringLiteral("s_1") << QStringList{"Gas_1"};
        QTest::newRow("underscore alone") << QStringLiteral("_") << QStringList{"Gas_1"};
        QTest::newRow("backslash") << QStringLiteral("\\") << QStringList();
        QTest::newRow("no accent is no match") << QStringLiteral("deposito") << QStringList();
    }
    void theTextIsFoundInAnyCaseAndTakenLiterally() {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        gFiltro = {true, QStringLiteral("1"), text};
        CARGAR_CUENTAS(grid());
        QStringList seen = descriptions(grid());
        // The grid shows what is stored; compare composed.
        for (QString& cell : seen)
            cell = cell.normalized(QString::NormalizationForm_C);
        QCOMPARE(seen, found);
    }

    void aQuoteInTheTextIsReportedAndChangesNothing() {
        const QString all = balances();
        MessageRecorder messages;
        chooseInterval([](QWidget*) {
            tickFilter(0, QStringLiteral("O'Higgins"));
            acceptFromValor();
        });
        QCOMPARE(messages.boxes.size(), std::size_t(1));
        QVERIFY(messages.boxes[0].prompt.endsWith(
            QStringLiteral("\r\n\r\nSeccion [BANCOS.CARGAR_CUENTAS]")));
        QCOMPARE(messages.boxes[0].icon, MsgIcon::Critical);
        QCOMPARE(grid().rows(), 1);
        QCOMPARE(balances(), all);
        QCOMPARE(
            query(*gManejo, totals(QStringLiteral("31/12/2024"))).Fields(QStringLiteral("TOTACR")),
            Variant(money(45)));
    }

    void withoutConceptsNoFilterCanBeChosen() {
        execute(*gManejo, QStringLiteral("DELETE FROM BANCON WHERE CONSTNRO = '1'"));
        execute(*gManejo, QStringLiteral("DELETE FROM BANCON WHERE CONSTNRO = '2'"));
        MessageRecorder messages;
        bool usable = true;
        chooseInterval([&](QWidget* interval) {
            usable = child<QCheckBox>(interval, "chFIL")->isEnabled();
            QCOMPARE(child<QComboBox>(interval, "cboConcepto")->count(), 0);
            key(Qt::Key_Return);
            key(Qt::Key_Return);
            key(Qt::Key_Tab); // past the check box and the frame, round to the first date
            QCOMPARE(focused()->objectName(), QStringLiteral("txtDesde"));
            key(Qt::Key_Return);
            key(Qt::Key_Return);
            key(Qt::Key_Return);
        });
        QVERIFY(!usable);
        QVERIFY(messages.boxes.empty());
        QVERIFY(!gFiltro.Activo);
        QCOMPARE(grid().rows(), 10);
    }
};

QTEST_MAIN(TstInterval)
#include "tst_interval.moc"
