#include "LedgerTests.h"
#include "controls/FlexGrid.h"
#include "core/RuntimeError.h"
#include "data/ConnectionString.h"
#include "data/EngineErrors.h"
#include "data/Schema.h"
#include "data/WriteBatch.h"
#include "domain/LedgerStatements.h"
#include "domain/SharedState.h"
#include "entry/ComponentClasses.h"
#include "ledger/LedgerWatch.h"
#include "ledger/ListedMovement.h"
#include "ledger/ListedRows.h"
#include "ledger/MovementListing.h"
#include "mainscreen/MovementRoutines.h"
#include "screens/ScreenStatements.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QtTest>
#include <functional>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

using namespace ledgora;
using namespace ledgora::test;

namespace {

constexpr int kPerPerson = 2000;

// The account totals statement, which a listing sends for the account it shows.
long storeTotals(clManejo& manejo) {
    return manejo.Ejecutar(forms::ledgerAccountTotals, {"1", "0", "0", "0", "001"});
}
// The status change F12 sends: the amount moves to the credited side.
long realise(clManejo& manejo, int number, const QString& amount) {
    return manejo.Ejecutar(forms::movementsStatus,
                           {"0", "0", amount, "0", "001", QString::number(number)});
}

std::unique_ptr<clManejo> connected(const QString& connection) {
    auto manejo = std::make_unique<clManejo>();
    manejo->CadenaConexion(connection);
    manejo->Conectar();
    return manejo;
}

int movementCount(clManejo& manejo) {
    return int(*query(manejo, "select count(1) as tot from BANMOV where CNTSTNRO = '001'")
                    .Fields("tot")
                    .get<std::int64_t>());
}

// One person entering movements as the entry screen does: the next number after the highest
// it knows, and on a number already taken the highest as stored now. Every tenth saved one
// has its status changed as F12 does, and the account's totals stored after each change.
// Writes "number amount-in-cents" for each movement it was told was saved.
int enterMovements(const TestDatabase& db, int person, const QString& log) {
    auto manejo = db.connect();
    if (!manejo->EstadoConexion())
        return 2;
    QFile out(log);
    if (!out.open(QIODevice::WriteOnly))
        return 3;
    Recordset rs;
    int last = highestMovementNumber(*manejo, rs, u"001"_s).value_or(0);
    int collisions = 0;
    int busy = 0;
    // A file held longer than the five seconds a write waits says so; the person tries again,
    // as the message asks (on a loaded machine the other writer can hold it that long).
    auto persisting = [&](const std::function<void()>& write) {
        for (int attempt = 1;; ++attempt) {
            try {
                return write();
            } catch (const RuntimeError& error) {
                if (error.kind() != RuntimeError::Kind::Busy || attempt == 10)
                    throw;
                ++busy;
            }
        }
    };
    for (int k = 1; k <= kPerPerson;) {
        const int cents = person * 100000 + k;
        const QString amount = centsText(cents);
        try {
            if (addMovement(*manejo, last + 1, u"05/03/2024"_s, u"p%1"_s.arg(person), amount) != 1)
                return 4;
        } catch (const RuntimeError& error) {
            if (error.kind() == RuntimeError::Kind::Busy) {
                ++busy;
                continue;
            }
            if (error.kind() != RuntimeError::Kind::DuplicateKey)
                return 5;
            ++collisions;
            last = highestMovementNumber(*manejo, rs, u"001"_s).value_or(0);
            continue;
        }
        ++last;
        out.write(QByteArray::number(last) + ' ' + QByteArray::number(cents) + '\n');
        if (k % 10 == 0) {
            persisting([&] { realise(*manejo, last, amount); });
            persisting([&] { storeTotals(*manejo); });
        }
        ++k;
    }
    out.close();
    std::fprintf(stderr, "person %d: %d saved, %d numbers found taken, %d waits too long\n", person,
                 kPerPerson, collisions, busy);
    return 0;
}

} // namespace

// Several people on one ledger: movements entered at the same time, a save that finds its
// number taken, and a server that cannot be reached or goes away.
class TstShared : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        LEDGORA_SKIP_WITHOUT_SERVER();
        registerComponentClasses();
    }

    void aChangeToAMovementAnotherPersonChangedSinceItWasListedChangesNothing() {
        LocaleScope scope(pointLocale());
        LedgerFixture data;
        data.addAccount(u"001"_s, u"Caja"_s);
        data.addMovement(u"001"_s, 1, QDate(2024, 3, 5), u"Mio"_s, money(10));
        gCuenta = cuenta(u"001"_s, u"Caja"_s);
        gFechaDesde = QDate(2024, 1, 1);
        gFechaHasta = QDate(2024, 12, 31);
        FlexGrid grid;
        grid.setCols(7);
        CARGAR_CUENTAS(grid);
        // Another person realises it meanwhile, through the same statement F12 sends.
        realise(*gManejo, 1, u"10"_s);
        MessageRecorder messages;
        grid.setRow(1);
        PP_ACRODCR(grid);
        QCOMPARE(messages.prompts(), QStringList{ListedMovement::changedMessage()});
        auto stored = [] {
            Recordset rs = query(*gManejo, totals(u"31/12/2024"_s));
            return *rs.Fields(u"TOTACR"_s).get<Money>();
        };
        QCOMPARE(stored(), money(10)); // the other person's change stands
        // Listed again, the change goes through.
        CARGAR_CUENTAS(grid);
        grid.setRow(1);
        PP_ACRODCR(grid);
        QCOMPARE(messages.prompts().size(), 1);
        QCOMPARE(stored(), Money());
    }

    void anotherPersonsChangesAreFollowedWhereThePersonWas() {
        LocaleScope scope(pointLocale());
        LedgerFixture data;
        data.addAccount(u"001"_s, u"Caja"_s);
        data.addAccount(u"002"_s, u"Banco"_s);
        for (int k = 1; k <= 3; ++k)
            data.addMovement(u"001"_s, k, QDate(2024, 3, 2 * k), u"Mío"_s, money(10));
        gCuenta = cuenta(u"001"_s, u"Caja"_s);
        gFechaDesde = QDate(2024, 1, 1);
        gFechaHasta = QDate(2024, 12, 31);
        FlexGrid grid;
        grid.setCols(7);
        CARGAR_CUENTAS(grid);
        grid.setRow(2);
        LedgerWatch watch;
        int followed = 0;
        connect(&watch, &LedgerWatch::accountsChanged, [&](const QSet<QString>& accounts) {
            if (accounts.contains(gCuenta.CNTSTNRO)) {
                followListing(grid);
                ++followed;
            }
        });
        watch.start();
        const auto other = data.db().connect();
        // Another account's movement changes nothing here; one of this account dated before
        // the selected one moves it down a row, and it stays selected; one after the interval
        // is not in the balances.
        addMovement(*other, 1, u"01/03/2024"_s, u"Suyo"_s, {u"5"_s, u"0"_s, u"0"_s, u"0"_s},
                    u"002"_s, u"1"_s);
        watch.check();
        QCOMPARE(followed, 0);
        addMovement(*other, 4, u"01/03/2024"_s, u"Suyo"_s, {u"5"_s, u"0"_s, u"0"_s, u"0"_s},
                    u"001"_s, u"1"_s);
        addMovement(*other, 5, u"01/03/2025"_s, u"Después"_s, {u"7"_s, u"0"_s, u"0"_s, u"0"_s},
                    u"001"_s, u"1"_s);
        QTRY_COMPARE_WITH_TIMEOUT(grid.rows(), 5, 1000);
        QCOMPARE(ListedRows::of(grid).at(grid.row()).number, u"2"_s);
        QCOMPARE(gCuenta.TOMDLAAC, money(35));
        QCOMPARE(gCuenta.UltimoMovimiento, 5);
        // A new account and a new concept are told to the screens that list them.
        QSignalSpy accounts(&watch, &LedgerWatch::accountListChanged);
        QSignalSpy concepts(&watch, &LedgerWatch::conceptListChanged);
        test::addAccount(*other, u"003"_s, u"Nueva"_s);
        test::addConcept(*other, u"9"_s, u"Otro"_s, u"D"_s);
        QTRY_VERIFY_WITH_TIMEOUT(!accounts.isEmpty() && !concepts.isEmpty(), 1000);
    }

    void aRestoredCopyPutInTheLedgersPlaceIsNoticed() {
        LedgerFixture data;
        const QString path = data.db().path();
        if (ConnectionString::isServerAddress(path))
            QSKIP("a server's ledger is restored with the server's tools");
        data.addAccount(u"001"_s, u"Caja"_s);
        LedgerWatch watch;
        QSignalSpy replaced(&watch, &LedgerWatch::ledgerReplaced);
        watch.start();
        watch.check();
        QVERIFY(replaced.isEmpty());
        QVERIFY(QFile::copy(path, path + u".copia"_s));
        QCOMPARE(std::rename(QFile::encodeName(path + u".copia"_s).constData(),
                             QFile::encodeName(path).constData()),
                 0);
        watch.check();
        QCOMPARE(replaced.size(), 1);
    }

    void peopleEnteringAtOnceEachStoreEveryMovementOnce() {
        constexpr int people = 2;
        TestDatabase db;
        QCOMPARE(addAccount(*db.connect(), "001", "Caja"), 1L);
        QTemporaryDir logs;
        std::vector<pid_t> children;
        for (int person = 1; person <= people; ++person) {
            const pid_t child = fork();
            if (child == 0)
                _exit(enterMovements(db, person, logs.filePath(QString::number(person))));
            children.push_back(child);
        }
        for (pid_t child : children) {
            int status = 0;
            waitpid(child, &status, 0);
            QCOMPARE(WEXITSTATUS(status), 0);
        }

        // Every number a person was told was saved is stored once, with that person's amount.
        auto manejo = db.connect();
        std::set<int> told;
        std::int64_t cents = 0;
        for (int person = 1; person <= people; ++person) {
            QFile log(logs.filePath(QString::number(person)));
            QVERIFY(log.open(QIODevice::ReadOnly));
            for (const QByteArray& line : log.readAll().trimmed().split('\n')) {
                const QList<QByteArray> parts = line.split(' ');
                QVERIFY2(told.insert(parts[0].toInt()).second, line.constData());
                cents += parts[1].toLongLong();
            }
        }
        QCOMPARE(int(told.size()), people * kPerPerson);
        QCOMPARE(movementCount(*manejo), people * kPerPerson);
        Recordset sums = query(*manejo, totals(u"31/12/2024"_s));
        const Money all =
            *sums.Fields(u"TOTAAC"_s).get<Money>() + *sums.Fields(u"TOTACR"_s).get<Money>();
        QCOMPARE(all, Money::fromUnits(cents * 100));
        std::fprintf(stderr, "%d people, %d movements stored, %zu told saved\n", people,
                     people * kPerPerson, told.size());
        // Whatever totals each person's statement carried, the stored ones are the sums.
        Recordset account = query(*manejo, "select * from BANCNT where CNTSTNRO = '001'");
        QCOMPARE(account.Fields("TOMDLAAC"), sums.Fields("TOTAAC"));
        QCOMPARE(account.Fields("TOMDLACR"), sums.Fields("TOTACR"));
    }

    void aLedgerThatCannotBeOpenedIsLeftAsItWas_data() {
        QTest::addColumn<QString>("connection"); // {db}: a new database
        QTest::addColumn<QStringList>("types");  // of a BANMOV already there: key, number, amounts
        QTest::addColumn<bool>("opens");
        QString wrongPassword = qEnvironmentVariable("LEDGORA_TEST_PG");
        wrongPassword.replace(u":ledgora-test@"_s, u":secreto@"_s);
        const QString server = u"Data Source=postgresql://ledgora:secreto"_s;
        QTest::newRow("no such folder")
            << server + "@/postgres?host=/no/such/folder" << QStringList() << false;
        QTest::newRow("unreachable")
            << server + "@192.0.2.1:1/postgres?connect_timeout=2" << QStringList() << false;
        QTest::newRow("wrong password") << "Data Source=" + wrongPassword << QStringList() << false;
        QTest::newRow("malformed address") << server + "@[::1/postgres" << QStringList() << false;
        QTest::newRow("bad escape") << server + "%zz@/postgres" << QStringList() << false;
        QTest::newRow("nothing to read") << "Mode=Read;Data Source={db}" << QStringList() << false;
        for (const QStringList& types : {QStringList{"bpchar", "integer", "numeric(14,2)"},
                                         {"bpchar", "integer", "real"},
                                         {"bpchar", "integer", "double precision"},
                                         {"integer", "integer", "bigint"},
                                         {"bpchar", "text", "bigint"}})
            QTest::newRow(qPrintable(types.join(u' '))) << "Data Source={db}" << types << false;
        QTest::newRow("text keys are ours")
            << "Data Source={db}" << QStringList{"text", "bigint", "bigint"} << true;
    }
    void aLedgerThatCannotBeOpenedIsLeftAsItWas() {
        if (!onServer())
            QSKIP("a server's failures");
        QFETCH(QString, connection);
        QFETCH(QStringList, types);
        QFETCH(bool, opens);
        TestDatabase db;
        if (!types.isEmpty())
            QVERIFY(onTestServer(db.path(), QStringLiteral("CREATE TABLE BANMOV(CNTSTNRO %1, "
                                                           "MOVINNRO %2, MOVDTALT text, CONSTNRO "
                                                           "bpchar, MOVSTCPT text, MOVDLAAC %3, "
                                                           "MOVDLADE %3, MOVDLACR %3, MOVDLDEB %3)")
                                                .arg(types[0], types[1], types[2])));
        CapturedOutput output;
        QCOMPARE(connected(connection.replace("{db}", db.path()))->EstadoConexion(), opens);
        if (opens)
            return;
        // One line says why, without the password.
        const QStringList said = output.lines();
        QCOMPARE(said.size(), 1);
        QVERIFY2(!said[0].contains("secreto") && !said[0].contains("ledgora-test"),
                 qPrintable(said[0]));
        // Nothing was made beside the other program's table: no table, function or trigger.
        QCOMPARE(onTestServer(db.path(), "SELECT (SELECT count(*) FROM pg_class WHERE "
                                         "relnamespace = 'public'::regnamespace) + (SELECT "
                                         "count(*) FROM pg_proc WHERE proname LIKE 'ldg%') + "
                                         "(SELECT count(*) FROM pg_trigger)")
                     .value_or(QString()),
                 QString::number(types.size() / 3));
    }

    // A server restarted under the running program is reached again by the next statement,
    // and a batch open meanwhile is lost whole; while the server is down, each statement
    // fails with the module's error and one line saying why.
    void aServerThatGoesAwayAndComesBackIsReachedAgain() {
        const QString ctl = qEnvironmentVariable("LEDGORA_TEST_PG_CTL");
        if (!onServer() || ctl.isEmpty())
            QSKIP("a test server that can be restarted (LEDGORA_TEST_PG_CTL)");
        const auto server = [&ctl](const char* action) {
            return QProcess::execute(
                       "sh", {"-c", ctl + u' ' + QLatin1String(action) + " >/dev/null"}) == 0;
        };
        TestDatabase db;
        const auto running = qScopeGuard([&] { server("status") || server("start"); });
        auto manejo = db.connect();
        QCOMPARE(addAccount(*manejo, "001", "Caja"), 1L);
        QVERIFY(server("restart"));
        QCOMPARE(addMovement(*manejo, 1, "05/03/2024", "a", "1"), 1L);
        {
            WriteBatch batch(*manejo);
            addMovement(*manejo, 2, "05/03/2024", "b", "1");
            QVERIFY(server("restart"));
            QCOMPARE(errorNumberOf([&] { addMovement(*manejo, 3, "05/03/2024", "c", "1"); }),
                     EngineErrors::kNumber);
            QCOMPARE(errorNumberOf([&] { batch.commit(); }), EngineErrors::kNumber);
        }
        QCOMPARE(movementCount(*manejo), 1);
        QVERIFY(server("stop"));
        for (int action = 0; action < 2; ++action) {
            CapturedOutput output;
            QCOMPARE(errorNumberOf([&] { movementCount(*manejo); }), EngineErrors::kNumber);
            QCOMPARE(output.lines().size(), 1);
        }
        QVERIFY(server("start"));
        QCOMPARE(movementCount(*manejo), 1);
    }

    // The layout version of the server's functions and the mode decide what opening writes and
    // which writes are refused; a listing's totals statement finds the account either way.
    void theLayoutVersionAndTheModeDecideWhatOpeningChanges_data() {
        QTest::addColumn<int>("stamped");
        QTest::addColumn<bool>("reading");
        QTest::addColumn<int>("version"); // after opening
        QTest::addColumn<QString>("refusal");
        const int current = Schema::kVersion;
        QTest::newRow("this layout") << current << false << current << QString();
        QTest::newRow("earlier layout") << current - 1 << false << current << QString();
        QTest::newRow("newer layout")
            << current + 1 << false << current + 1 << EngineErrors::newerLayout().description();
        QTest::newRow("earlier layout, reading")
            << current - 1 << true << current - 1 << EngineErrors::readOnly().description();
    }
    void theLayoutVersionAndTheModeDecideWhatOpeningChanges() {
        if (!onServer())
            QSKIP("the server's layout");
        QFETCH(int, stamped);
        QFETCH(bool, reading);
        QFETCH(int, version);
        QFETCH(QString, refusal);
        TestDatabase db;
        QCOMPARE(addAccount(*db.connect(), "001", "Caja"), 1L);
        for (const TableDef& table : Schema::tables())
            if (table.since > stamped) // as a ledger of that layout has it
                QVERIFY(onTestServer(db.path(), "DROP TABLE " + table.name));
        QVERIFY(onTestServer(db.path(), QStringLiteral("CREATE OR REPLACE FUNCTION "
                                                       "ldg_schema_version() RETURNS integer "
                                                       "LANGUAGE sql AS 'SELECT %1'")
                                            .arg(stamped)));
        const QString written("SELECT xmin FROM pg_proc WHERE proname = 'ldg_val'");
        const auto before = onTestServer(db.path(), written);
        std::unique_ptr<clManejo> manejo;
        {
            CapturedOutput output;
            manejo = connected(ConnectionString::forSource(db.path(), reading));
            QCOMPARE(output.lines().size(), int(stamped > Schema::kVersion));
        }
        QVERIFY(manejo->EstadoConexion());
        QCOMPARE(onTestServer(db.path(), "SELECT ldg_schema_version()").value_or(QString()),
                 QString::number(version));
        QCOMPARE(onTestServer(db.path(), written) != before, stamped < version);
        int trailSince = 0; // the layout that brought the audit trail's table
        for (const TableDef& table : Schema::tables())
            if (table.name == u"BANAUD")
                trailSince = table.since;
        QCOMPARE(onTestServer(db.path(), "SELECT to_regclass('banaud') IS NOT NULL").value_or(""),
                 QString(stamped < version || stamped >= trailSince ? "t" : "f"));
        QCOMPARE(query(*manejo, "select * from BANCNT order by VAL(CNTSTNRO)").RecordCount(), 1L);
        QCOMPARE(storeTotals(*manejo), 1L);
        QCOMPARE(errorDescriptionOf([&] { addMovement(*manejo, 1, "05/03/2024", "a", "1"); }),
                 refusal);
    }

    // Once its owner laid it out, the ledger serves a role granted only what the README
    // shows; a role that may only read lists, and its writes are refused.
    void aRoleWithTheGrantedRightsWorksAndAReaderLists_data() {
        QTest::addColumn<QString>("grant");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("writer") << "GRANT SELECT, INSERT, UPDATE, DELETE ON BANCNT, BANMOV, "
                                   "BANCON TO %1"
                                << QString();
        QTest::newRow("reader") << "GRANT SELECT ON BANCNT, BANMOV, BANCON TO %1"
                                << EngineErrors::readOnly().description();
    }
    void aRoleWithTheGrantedRightsWorksAndAReaderLists() {
        if (!onServer())
            QSKIP("roles on the server");
        QFETCH(QString, grant);
        QFETCH(QString, refusal);
        TestDatabase db;
        addAccount(*db.connect(), "001", "Caja");
        addMovement(*db.connect(), 1, "05/03/2024", "a", "1");
        const QString role = u"ledgora_%1_%2"_s.arg(::getpid()).arg(QTest::currentDataTag());
        QVERIFY(onTestServer(db.path(), QStringLiteral("REVOKE EXECUTE ON ALL FUNCTIONS IN SCHEMA "
                                                       "public FROM PUBLIC; CREATE ROLE %1 LOGIN "
                                                       "PASSWORD 'clave'; GRANT EXECUTE ON ALL "
                                                       "FUNCTIONS IN SCHEMA public TO %1; ")
                                                .arg(role) +
                                            grant.arg(role)));
        const auto dropped = qScopeGuard(
            [&] { onTestServer(db.path(), u"DROP OWNED BY %1; DROP ROLE %1"_s.arg(role)); });
        QString source = db.path();
        auto manejo =
            connected("Data Source=" + source.replace("ledgora:ledgora-test@", role + ":clave@"));
        QVERIFY(manejo->EstadoConexion());
        // What a listing reads, the row a change checks first, and the totals statement.
        QCOMPARE(query(*manejo, totals("31/12/2024")).Fields("TOTAAC"),
                 Variant(Money::fromUnits(10000)));
        QCOMPARE(query(*manejo, "select MOVDTALT,MOVSTCPT,MOVDLAAC,MOVDLADE,MOVDLACR,MOVDLDEB "
                                "from BANMOV where CNTSTNRO = '001' AND MOVINNRO = 1")
                     .RecordCount(),
                 1L);
        QCOMPARE(storeTotals(*manejo), 1L);
        const std::pair<FormName, QStringList> writes[] = {
            {forms::accountsInsert, {"002", "01/01/2024", "B", "", "", ""}},
            {forms::entryInsertMovement, {"001", "2", "05/03/2024", "3 ", "b", "2", "0", "0", "0"}},
            {forms::movementsStatus, {"0", "0", "2", "0", "001", "2"}},
            {forms::movementsDelete, {"001", "2"}},
            {forms::accountsDelete, {"002"}},
            {forms::conceptsInsert, {"3", "D", "C"}}};
        for (const auto& [form, values] : writes)
            QCOMPARE(errorDescriptionOf([&] { manejo->Ejecutar(form, values); }), refusal);
    }
};

LEDGORA_TEST_MAIN(TstShared)
#include "tst_shared.moc"
