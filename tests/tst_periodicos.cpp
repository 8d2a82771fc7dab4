#include "LedgerTests.h"
#include "data/StatementCatalog.h"
#include "domain/ModuleUtilities.h"
#include "forecast/OccurrenceEntry.h"
#include "forecast/RecurringRules.h"
#include "forecastscreen/FrmPeriodicos.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace ledgora;
using namespace ledgora::test;

namespace {

constexpr FormName kMovements{"test.periodicos.movements"};
constexpr int kHorizon = 62; // not the default: the screen must ask for the setting
const QDate today = QDate::currentDate();
const QDate twoMonthsAgo = QDate(today.year(), today.month(), 1).addMonths(-2);

} // namespace

// The schedules kept from the keyboard: one typed whole, the refusals, hostile text, a change
// and a deletion, each looked at in the stored schedules and the movements they entered.
class TstPeriodicos : public QObject {
    Q_OBJECT
private:
    QTemporaryDir settings_;
    std::unique_ptr<LedgerFixture> data_;
    std::unique_ptr<FrmPeriodicos> screen_;

    static QString day(QDate date) { return rt::formatDateSlashed(date); }
    template <typename T = QLineEdit> T* box(const char* name) {
        return child<T>(screen_.get(), name);
    }
    FlexGrid* grid() { return box<FlexGrid>("lstPER"); }
    bool panelOpen() { return box<QWidget>("Frame1")->isVisible(); }
    void open() {
        screen_ = std::make_unique<FrmPeriodicos>();
        screen_->load();
        showActive(*screen_);
        grid()->setFocus();
    }
    // Each "box=text" (a list's "box=index") set, then ENTER on "Guardar"; gives the last box.
    QWidget* save(const QStringList& typed = {}) {
        QWidget* last = nullptr;
        for (const QString& assignment : typed) {
            last = box<QWidget>(qPrintable(assignment.section(u'=', 0, 0)));
            if (auto* list = qobject_cast<QComboBox*>(last))
                list->setCurrentIndex(assignment.section(u'=', 1).toInt());
            else
                static_cast<QLineEdit*>(last)->setText(assignment.section(u'=', 1));
        }
        box<QWidget>("cmdGuardar")->setFocus();
        key(Qt::Key_Return);
        return last;
    }
    // An account's movements as "date|concept|description|to credit|to debit", by number.
    static QStringList movements(const QString& account) {
        QStringList rows;
        Recordset rs;
        for (gManejo->CrearRs(rs, kMovements, {account}); !rs.Eof(); rs.MoveNext()) {
            QStringList cells;
            for (int c = 0; c < 5; ++c)
                cells << rt::toText(rs.Fields(c)).trimmed();
            rows << cells.join(u'|');
        }
        return rows;
    }
    // ENTER after each step through the panel: a text typed, or a list moved by "↓" or "↑".
    static void walk(const QStringList& steps) {
        for (const QString& step : steps) {
            if (step.startsWith(u'↓') || step.startsWith(u'↑'))
                for (QChar c : step)
                    key(c == u'↓' ? Qt::Key_Down : Qt::Key_Up);
            else
                type(step);
            key(Qt::Key_Return);
        }
    }
    static std::vector<RecurringRule> rules() { return RecurringRules::read(*gManejo); }
    // A monthly rent on the 1st from two months ago, its occurrences up to today entered.
    static std::int64_t storedRent(const QString& account) {
        const std::int64_t number = RecurringRules::add(
            *gManejo,
            {0, account, u"2"_s, u"Alquiler"_s, money(2500), RecurringRule::Side::Debit,
             RecurringRule::Frequency::Monthly, 1, 1, twoMonthsAgo, std::nullopt, std::nullopt});
        OccurrenceEntry::enterDue(*gManejo, today);
        return number;
    }

private Q_SLOTS:
    void initTestCase() {
        LEDGORA_SKIP_WITHOUT_SERVER();
        SettingsStore::setFolder(settings_.path());
        OccurrenceEntry::setHorizonDays(kHorizon);
        StatementCatalog::add(kMovements,
                              u"select MOVDTALT,CONSTNRO,MOVSTCPT,MOVDLAAC,MOVDLADE "
                              "from BANMOV where CNTSTNRO = '{text}' order by MOVINNRO"_s);
    }
    void init() {
        data_ = std::make_unique<LedgerFixture>();
        data_->addBankAccount(); // 001 Banco, concept 1 Cobros (credit)
        data_->addAccount(u"002"_s, u"Caja"_s);
        data_->addConcept(u"2"_s, u"Alquiler"_s, u"D"_s);
        gCuenta = cuenta(u"002"_s, u"Caja"_s);
    }
    void cleanup() {
        screen_.reset();
        data_.reset();
    }

    void aScheduleTypedWholeEntersItsDueOccurrences() {
        open();
        QTest::keyClick(grid(), Qt::Key_Insert);
        QCOMPARE(box<QComboBox>("cboCuenta")->currentText(), u"002 - Caja"_s); // the current one
        // "2 - Alquiler", then "1 - Cobros": a credit; the side, monthly, every 1 as proposed.
        walk({"", "↓↓", "Sueldo 'mayo'", "1500", "", "", "", "1", day(twoMonthsAgo), "", ""});
        QCOMPARE(focused(), box<QWidget>("cmdGuardar"));
        key(Qt::Key_Return);
        QVERIFY(!panelOpen());
        QCOMPARE(focused(), grid());
        QStringList expected;
        for (QDate d = twoMonthsAgo; d <= today.addDays(kHorizon); d = d.addMonths(1))
            expected << day(d) + u"|1|Sueldo 'mayo'|1500|0"_s;
        QCOMPARE(movements(u"002"_s), expected);
        QCOMPARE(screen_->enteredCount(), int(expected.size()));
        const QDate first = QDate(today.year(), today.month(), 1);
        const QDate next = first < today ? first.addMonths(1) : first;
        QCOMPARE(gridRow(*grid(), 1),
                 QStringList({"1", "002", "Sueldo 'mayo'", rt::formatAmount(money(1500)),
                              "A ACREDITAR", "Mensual", day(next)}));
    }

    // The last box set is refused in its words, the focus there, what was typed kept and
    // nothing stored.
    void theChecksRefuseAndStoreNothing_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString amount = u"Debe ingresar un IMPORTE mayor que cero."_s;
        const QString day =
            u"Día: un número de 1 a 31 (de 1, lunes, a 7, domingo, si es semanal)."_s;
        QTest::newRow("concept") << u"cboConcepto=-1"_s << u"Debe seleccionar un CONCEPTO"_s;
        QTest::newRow("blank") << u"txtDescripcion= \t "_s << u"Debe ingresar una DESCRIPCIÓN"_s;
        QTest::newRow("words") << u"txtImporte=diez"_s << amount;
        QTest::newRow("negative") << u"txtImporte=-5"_s << amount;
        QTest::newRow("overflow") << u"txtImporte=9e99"_s
                                  << u"6 / Desbordamiento\r\n\r\nSeccion Periodicos.Guardar"_s;
        QTest::newRow("every") << u"txtCada='"_s
                               << u"Cada cuántos períodos: un número entero de 1 a 99."_s;
        QTest::newRow("day 32") << u"txtDia=32"_s << day;
        QTest::newRow("weekly day 8") << u"cboFrecuencia=0,txtDia=8"_s << day;
        QTest::newRow("31 February")
            << u"txtDesde=31/02/2026"_s << u"Debe ingresar una FECHA valida."_s;
        QTest::newRow("end before")
            << u"txtHasta=01/01/2000"_s
            << u"La fecha final debe ser válida y no anterior a la primera."_s;
        QTest::newRow("count") << u"txtVeces=9e9"_s << u"Veces: un número entero de 1 a 9999."_s;
    }
    void theChecksRefuseAndStoreNothing() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        MessageRecorder messages;
        open();
        const QStringList all =
            QStringList{"cboConcepto=0", "txtDescripcion=Alquiler", "txtImporte=10"} +
            typed.split(u',');
        QTest::keyClick(grid(), Qt::Key_Insert);
        QWidget* refused = save(all);
        QCOMPARE(messages.prompts(), QStringList{message});
        QCOMPARE(focused(), refused);
        if (auto* edit = qobject_cast<QLineEdit*>(refused))
            QCOMPARE(edit->text(), all.back().section(u'=', 1));
        QVERIFY(panelOpen());
        QVERIFY(rules().empty());
    }

    // Quotes are stored as typed, tabs and line breaks as blanks, no more than the box holds.
    void aHostileDescriptionIsStoredSafely() {
        open();
        const QString hostile = u"O'Brien \"x\"\tuno\ndos'); drop table BANPER;--"_s;
        QTest::keyClick(grid(), Qt::Key_Insert);
        save({u"cboConcepto=0"_s, u"txtImporte=9e9"_s,
              u"txtDescripcion="_s + hostile + QString(10000, u'x')});
        QVERIFY(!panelOpen());
        const QString stored =
            (hostile + QString(100, u'x')).left(100).replace(u'\t', u' ').replace(u'\n', u' ');
        QCOMPARE(rules().at(0).description, stored);
        QCOMPARE(rules().at(0).amount, Money::fromUnits(9'000'000'000 * Money::kScale));
        QCOMPARE(grid()->textMatrix(1, 2), stored);
        QCOMPARE(movements(u"002"_s).value(0).section(u'|', 2, 2), stored.trimmed()); // today's
    }

    // ENTER fills the panel from the current schedule and DELETE removes it: what it entered
    // stays as it was. ESC leaves from the open panel, what was typed unsaved.
    void changesAndDeletionLeaveTheEnteredMovements() {
        const std::int64_t rent = storedRent(u"001"_s);
        storedRent(u"002"_s);
        const QStringList entered = movements(u"001"_s);
        MessageRecorder messages;
        open();
        QCOMPARE(grid()->row(), 2); // the current account's
        QTest::keyClick(grid(), Qt::Key_Up);
        QTest::keyClick(grid(), Qt::Key_Return);
        QCOMPARE(box<QComboBox>("cboConcepto")->currentText() + box("txtDesde")->text(),
                 u"2 - Alquiler"_s + day(twoMonthsAgo));
        walk({"", "", "", "75", "", "↑"}); // weekly
        QCOMPARE(box<QLabel>("lblDia")->text(), u" Día (de 1, lunes, a 7, domingo):"_s);
        walk({"2"});
        type(u"5"_s);
        save();
        QVERIFY(!panelOpen());
        QCOMPARE(rules().at(0).number, rent);
        QCOMPARE(gridRow(*grid(), grid()->row()).mid(0, 6),
                 QStringList({QString::number(rent), "001", "Alquiler", rt::formatAmount(money(75)),
                              "A DEBITAR", "Cada 2 semanas (viernes)"}));
        const QStringList afterChange = movements(u"001"_s);
        QCOMPARE(afterChange.mid(0, entered.size()), entered);

        QTest::keyClick(grid(), Qt::Key_Delete); // answered No
        messages.answers = {MsgAnswer::Yes};
        QTest::keyClick(grid(), Qt::Key_Delete);
        const QString question = u"¿Eliminar el movimiento periódico seleccionado? Los "
                                 "movimientos que ya generó se conservan."_s;
        QCOMPARE(messages.prompts(), QStringList({question, question}));
        QVERIFY(messages.boxes.at(0).buttons == MsgButtons::YesNo);
        QCOMPARE(int(rules().size()), 1);
        QCOMPARE(rules().at(0).account, u"002"_s);
        QCOMPARE(movements(u"001"_s), afterChange);
        QTest::keyClick(grid(), Qt::Key_Insert);
        walk({"", "↓"});
        type(u"Sin guardar"_s);
        key(Qt::Key_Escape);
        QVERIFY(!screen_->isLoaded());
        QCOMPARE(int(rules().size()), 1);
    }
};

LEDGORA_TEST_MAIN(TstPeriodicos)
#include "tst_periodicos.moc"
