#include "LedgerTests.h"
#include "ScreenTests.h"
#include "StatementFiles.h"
#include "controls/BalanceChartView.h"
#include "controls/FlexGrid.h"
#include "core/SettingsStore.h"
#include "data/StatementCatalog.h"
#include "domain/ModuleUtilities.h"
#include "domain/SharedState.h"
#include "forecast/OccurrenceEntry.h"
#include "forecast/RecurringRules.h"
#include "forecast/TreasuryForecast.h"
#include "forecastscreen/FrmPrevision.h"
#include "reconcile/Reconciler.h"
#include "statements/StatementReader.h"

#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QtTest>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

using namespace ledgora;
using namespace ledgora::test;

namespace {

constexpr FormName kOccurrences{"test.occurrences"};
constexpr FormName kEntered{"test.entered"};
constexpr FormName kRoutine{"test.routine"};

using Dates = QList<QDate>;
QDate d(const char* text) {
    return QDate::fromString(QString::fromLatin1(text), u"dd/MM/yyyy"_s);
}

RecurringRule rule(const QString& account, RecurringRule::Side side, std::int64_t cents,
                   RecurringRule::Frequency frequency, int day, QDate first) {
    RecurringRule r;
    r.account = account;
    r.concept = u"1"_s;
    r.description = u"Alquiler 'local'"_s;
    r.amount = Money::fromUnits(cents * 100);
    r.side = side;
    r.frequency = frequency;
    r.day = day;
    r.first = first;
    return r;
}

} // namespace

// Schedules and their occurrences entered once; the balance ahead from them and the pending
// movements.
class TstForecast : public QObject {
    Q_OBJECT
    QTemporaryDir settings_;
private Q_SLOTS:
    void initTestCase() {
        LEDGORA_SKIP_WITHOUT_SERVER();
        SettingsStore::setFolder(settings_.path());
        registerComponentClasses();
        StatementCatalog::add(kOccurrences, u"select count(1) as tot from BANOCU"_s);
        StatementCatalog::add(kEntered, u"select MOVINNRO,MOVDTALT,MOVDLADE,MOVDLDEB from BANMOV "
                                        "where CNTSTNRO = '{text}' order by MOVINNRO"_s);
        StatementCatalog::add(kRoutine, u"select AUDSTRUT from BANAUD where AUDINMOV = {int}"_s);
    }

    void occurrencesFallOnTheirDays_data() {
        using F = RecurringRule::Frequency;
        QTest::addColumn<int>("frequency");
        QTest::addColumn<int>("every");
        QTest::addColumn<int>("day");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<int>("count");
        QTest::addColumn<QDate>("after");
        QTest::addColumn<QDate>("through");
        QTest::addColumn<Dates>("expected");
        auto row = [](const char* name, F f, int every, int day, const char* first,
                      const char* through, Dates expected, const char* last = nullptr,
                      int count = 0, const char* after = nullptr) {
            QTest::newRow(name) << int(f) << every << day << d(first) << (last ? d(last) : QDate())
                                << count << (after ? d(after) : QDate()) << d(through) << expected;
        };
        row("the 31st falls on each month's last day, 29 February in a leap year", F::Monthly, 1,
            31, "31/01/2024", "30/06/2024",
            {d("31/01/2024"), d("29/02/2024"), d("31/03/2024"), d("30/04/2024"), d("31/05/2024"),
             d("30/06/2024")});
        row("a yearly 29 February falls on the 28th between leap years", F::Yearly, 1, 29,
            "29/02/2024", "01/03/2028",
            {d("29/02/2024"), d("28/02/2025"), d("28/02/2026"), d("28/02/2027"), d("29/02/2028")});
        row("every two months, the first month's day before the first date skipped", F::Monthly, 2,
            15, "20/01/2026", "31/07/2026", {d("15/03/2026"), d("15/05/2026"), d("15/07/2026")});
        row("quarterly, ending after a count", F::Quarterly, 1, 10, "01/01/2026", "31/12/2027",
            {d("10/01/2026"), d("10/04/2026"), d("10/07/2026")}, nullptr, 3);
        row("every other Friday from a Monday", F::Weekly, 2, 5, "07/12/2026", "10/01/2027",
            {d("11/12/2026"), d("25/12/2026"), d("08/01/2027")});
        row("ending on a date", F::Monthly, 1, 1, "01/01/2026", "31/12/2026",
            {d("01/01/2026"), d("01/02/2026"), d("01/03/2026")}, "15/03/2026");
        row("after the last entered, a count still counting from the first", F::Monthly, 1, 5,
            "05/01/2026", "31/12/2026", {d("05/03/2026"), d("05/04/2026")}, nullptr, 4,
            "28/02/2026");
        row("nothing every zero months", F::Monthly, 0, 5, "05/01/2026", "31/12/2026", {});
        row("nothing before the first date", F::Monthly, 1, 5, "05/01/2027", "31/12/2026", {});
    }
    void occurrencesFallOnTheirDays() {
        QFETCH(int, frequency);
        QFETCH(int, every);
        QFETCH(int, day);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(int, count);
        QFETCH(QDate, after);
        QFETCH(QDate, through);
        QFETCH(Dates, expected);
        RecurringRule r = rule(u"001"_s, RecurringRule::Side::Debit, 1,
                               RecurringRule::Frequency(frequency), day, first);
        r.every = every;
        if (last.isValid())
            r.last = last;
        if (count > 0)
            r.count = count;
        const std::vector<QDate> dates = r.occurrencesAfter(after, through);
        QCOMPARE(Dates(dates.begin(), dates.end()), expected);
    }

    // The balance of each day is the opening plus everything counted up to it, computed here
    // apart from the class: overdue items on the first day, none after the last.
    void theForecastAddsEachDaysItemsToTheRealisedBalance() {
        const QDate today = d("10/12/2026");
        auto item = [](const char* due, std::int64_t in, std::int64_t out) {
            ForecastLine l;
            l.due = d(due);
            l.in = Money::fromUnits(in);
            l.out = Money::fromUnits(out);
            return l;
        };
        const std::vector<ForecastLine> items = {
            item("01/11/2026", 0, 300'0000), item("12/12/2026", 0, 900'0000),
            item("12/12/2026", 50'0000, 0),  item("20/12/2026", 2000'0000, 0),
            item("31/12/2026", 0, 1),        item("15/01/2027", 0, 5000'0000)};
        const Money opening = Money::fromUnits(1000'0000);
        const TreasuryForecast f = TreasuryForecast::fromLines(opening, today, 30, items);
        QCOMPARE(int(f.days().size()), 31);
        for (const DayBalance& day : f.days()) {
            std::int64_t expected = opening.units();
            for (const ForecastLine& l : items)
                if (std::max(l.due, today) <= day.date)
                    expected += l.in.units() - l.out.units();
            QCOMPARE(day.balance.units(), expected);
        }
        QCOMPARE(int(f.lines().size()), 5); // the one beyond the last day is left out
        QCOMPARE(f.lowest().date, d("12/12/2026"));
        QCOMPARE(f.lowest().balance, Money::fromUnits(-150'0000));
        QCOMPARE(f.daysBelowZero(),
                 (std::vector<QDate>{d("12/12/2026"), d("13/12/2026"), d("14/12/2026"),
                                     d("15/12/2026"), d("16/12/2026"), d("17/12/2026"),
                                     d("18/12/2026"), d("19/12/2026")}));
    }

    // Two people entering the same schedules at once enter each occurrence once, under the
    // account's next numbers; what is entered is pending, then realised by the bank's line
    // like any pending movement, and changing the rule leaves it as it was.
    // The screen draws one point a day and lists every item; F2 widens it to every account,
    // and days that are no number are refused where they were typed. The same forecast is
    // written without a window, to CSV and PDF, and a refused one writes nothing.
    void theForecastIsShownAndWrittenAsComputed() {
        LedgerFixture data;
        data.addBankAccount();
        data.addAccount(u"002"_s, u"Caja"_s);
        const QDate today = QDate::currentDate();
        data.addMovement(u"001"_s, 1, today.addDays(-400), u"Saldo"_s, {}, {},
                         Money::fromUnits(1000'0000));
        data.addMovement(u"001"_s, 2, today.addDays(3), u"Nómina"_s, {},
                         Money::fromUnits(1500'0000));
        data.addMovement(u"002"_s, 1, today.addDays(-2), u"Vencido"_s, Money::fromUnits(70'0000));
        RecurringRules::add(*gManejo, rule(u"001"_s, RecurringRule::Side::Credit, 100000,
                                           RecurringRule::Frequency::Monthly, today.day(),
                                           today.addDays(10)));
        gCuenta.CNTSTNRO = u"001"_s;
        gCuenta.CNTSTNOM = u"Banco"_s;
        TreasuryForecast::storeDays(40);
        const TreasuryForecast expected = TreasuryForecast::compute(*gManejo, u"001"_s, today, 40);
        QCOMPARE(expected.lowest().balance, Money::fromUnits(-500'0000));
        QCOMPARE(expected.lowest().date, today.addDays(3));

        MessageRecorder messages;
        FrmPrevision screen;
        screen.load();
        QVERIFY(showActive(screen));
        const BalanceChart& chart = child<BalanceChartView>(&screen, "chtSaldo")->chart();
        QCOMPARE(int(chart.points().size()), 41);
        QCOMPARE(chart.lowest()->date, today.addDays(3));
        QCOMPARE(chart.daysBelowZero().size(), expected.daysBelowZero().size());
        QCOMPARE(child<FlexGrid>(&screen, "lstPrevision")->rows(),
                 int(expected.lines().size()) + 2);
        QVERIFY(child<QLabel>(&screen, "lbMinimo")
                    ->text()
                    .contains(rt::formatDateSlashed(today.addDays(3))));
        QTest::keyClick(&screen, Qt::Key_F2);
        QCOMPARE(child<QLabel>(&screen, "lbAlcance")->text(), u"Todas las cuentas"_s);
        QCOMPARE(screen.forecast()->opening(), Money::fromUnits(1000'0000));
        auto* days = child<QLineEdit>(&screen, "txtDias");
        days->setFocus();
        days->setText(u"9e9"_s);
        QTest::keyClick(days, Qt::Key_Return);
        QCOMPARE(messages.prompts(), QStringList{u"Días: un número entero de 1 a 3660."_s});
        QCOMPARE(focused(), days);

        QTemporaryDir out;
        auto run = [&](const QStringList& arguments) {
            QProcess host;
            host.start(QStringLiteral(LEDGORA_HOST_PATH),
                       QStringList{u"--forecast"_s, data.path()} + arguments);
            host.waitForFinished(60000);
            return host.exitCode();
        };
        QCOMPARE(run({u"001"_s, u"40"_s, out.filePath(u"p.csv"_s)}), 0);
        const QStringList csv =
            QString::fromUtf8(fileContent(out.filePath(u"p.csv"_s))).trimmed().split(u"\r\n"_s);
        QCOMPARE(csv.size(), int(expected.lines().size()) + 2);
        QVERIFY(csv.last().endsWith(u',' + expected.lines().back().balance.toFixed(1, 2, u'.')));
        QCOMPARE(run({u"40"_s, out.filePath(u"todas.pdf"_s)}), 0);
        QVERIFY(fileContent(out.filePath(u"todas.pdf"_s)).startsWith("%PDF"));
        QCOMPARE(run({u"001"_s, u"0"_s, out.filePath(u"no.pdf"_s)}), 1);
        QVERIFY(!QFile::exists(out.filePath(u"no.pdf"_s)));
    }

    void eachOccurrenceIsEnteredOnceThenRealisedByTheBank() {
        LedgerFixture data;
        data.addBankAccount();
        data.addAccount(u"002"_s, u"Caja"_s);
        data.addMovement(u"001"_s, 1, d("01/01/2024"), u"Saldo"_s, {}, {}, Money::fromUnits(1));
        using F = RecurringRule::Frequency;
        RecurringRule rent =
            rule(u"001"_s, RecurringRule::Side::Debit, 2500, F::Monthly, 31, d("31/01/2024"));
        const std::int64_t rentNumber = RecurringRules::add(*gManejo, rent);
        RecurringRules::add(*gManejo, rule(u"002"_s, RecurringRule::Side::Credit, 700, F::Weekly, 1,
                                           d("01/01/2024")));
        const QDate through = d("30/04/2024");
        std::vector<pid_t> children;
        for (int person = 0; person < 2; ++person) {
            const pid_t child = fork();
            if (child == 0) {
                auto manejo = data.db().connect();
                int entered = 0;
                for (QDate day = d("01/01/2024"); day <= through; day = day.addDays(5))
                    entered += OccurrenceEntry::enterDue(*manejo, day);
                entered += OccurrenceEntry::enterDue(*manejo, through);
                _exit(entered >= 0 ? 0 : 1);
            }
            children.push_back(child);
        }
        for (pid_t child : children) {
            int status = 0;
            waitpid(child, &status, 0);
            QCOMPARE(WEXITSTATUS(status), 0);
        }
        QCOMPARE(OccurrenceEntry::enterDue(*gManejo, through), 0);

        // Account 001: its own movement 1, then the four month ends, numbered 2 to 5.
        Recordset rs;
        gManejo->CrearRs(rs, kEntered, {u"001"_s});
        Dates dates;
        for (int number = 1; !rs.Eof(); rs.MoveNext(), ++number) {
            QCOMPARE(*rs.Fields(u"MOVINNRO"_s).get<std::int64_t>(), std::int64_t(number));
            if (number > 1) {
                dates << *rs.Fields(u"MOVDTALT"_s).get<QDate>();
                QCOMPARE(*rs.Fields(u"MOVDLADE"_s).get<Money>(), Money::fromUnits(250000));
            }
        }
        QCOMPARE(dates,
                 (Dates{d("31/01/2024"), d("29/02/2024"), d("31/03/2024"), d("30/04/2024")}));
        // 18 Mondays from 1 January to 30 April 2024 for account 002.
        QCOMPARE(gManejo->scalar(kOccurrences, {}), std::optional<std::int64_t>(4 + 18));
        gManejo->CrearRs(rs, kRoutine, {u"5"_s});
        QCOMPARE(GP_TEXTO(rs.Fields(u"AUDSTRUT"_s)), u"recurring.enter"_s);

        // A changed rule leaves what it entered; the bank's line realises one like any other.
        rent.number = rentNumber;
        rent.amount = Money::fromUnits(990000);
        QCOMPARE(RecurringRules::change(*gManejo, rent), 1L);
        const QByteArray file = norma43(account("240201", "240229", 0, {{"240229", '1', 2500}}));
        const ReconciliationPlan plan = Reconciler::propose(
            *gManejo, StatementReader::read(file).statements.value(0), u"001"_s, MatchSettings());
        const ApplyOutcome done = Reconciler::apply(*gManejo, plan);
        QCOMPARE(done.matched, 1);
        QCOMPARE(done.added, 0);
        gManejo->CrearRs(rs, kEntered, {u"001"_s});
        rs.MoveNext();
        rs.MoveNext();
        QCOMPARE(*rs.Fields(u"MOVDLADE"_s).get<Money>(), Money());
        QCOMPARE(*rs.Fields(u"MOVDLDEB"_s).get<Money>(), Money::fromUnits(250000));
    }
};

QTEST_MAIN(TstForecast)
#include "tst_forecast.moc"
