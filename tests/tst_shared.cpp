#include "DataTests.h"
#include "LedgerFixture.h"
#include "TestSupport.h"
#include "controls/FlexGrid.h"
#include "data/EngineErrors.h"
#include "entry/ComponentClasses.h"
#include "ledger/ListedMovement.h"
#include "ledger/MovementListing.h"
#include "ledger/SharedState.h"
#include "platform/RuntimeError.h"
#include "screens/FrmConceptos.h"
#include "screens/main/MovementRoutines.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

using namespace ledgora;
using namespace ledgora::test;

namespace {

constexpr int kPerPerson = 2000;

int movementCount(clManejo& manejo) {
    return int(*query(manejo, "select count(1) as tot from BANMOV where CNTSTNRO = '001'")
                    .Fields("tot")
                    .get<std::int64_t>());
}

int highestNumber(clManejo& manejo) {
    Recordset rs = query(
        manejo, QStringLiteral("select max(MOVINNRO) as nro from BANMOV  where CNTSTNRO = '001'"));
    const Variant nro = rs.Fields(QStringLiteral("nro"));
    return nro.isNull() ? 0 : int(rt::leadingNumber(rt::toText(nro)));
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
    int last = highestNumber(*manejo);
    int collisions = 0;
    for (int k = 1; k <= kPerPerson;) {
        const int cents = person * 100000 + k;
        const QString amount = centsText(cents);
        try {
            if (execute(*manejo, movementInsert(last + 1, "05/03/2024",
                                                QStringLiteral("p%1").arg(person), amount)) != 1)
                return 4;
        } catch (const RuntimeError& error) {
            if (error.description() != EngineErrors::duplicateKey().description())
                return 5;
            ++collisions;
            last = highestNumber(*manejo);
            continue;
        }
        ++last;
        out.write(QByteArray::number(last) + ' ' + QByteArray::number(cents) + '\n');
        if (k % 10 == 0) {
            execute(*manejo, QStringLiteral("UPDATE BANMOV SET MOVDLAAC = '0',MOVDLADE = '0',"
                                            "MOVDLACR = '%1',MOVDLDEB = '0' WHERE CNTSTNRO = "
                                            "'001' AND MOVINNRO = %2")
                                 .arg(amount)
                                 .arg(last));
            execute(*manejo, QStringLiteral("UPDATE BANCNT SET    TOMDLAAC = '1',   TOMDLADE = "
                                            "'0',   TOMDLACR = '0',   TOMDLDEB = '0'   WHERE "
                                            "CNTSTNRO = '001'"));
        }
        ++k;
    }
    out.close();
    std::fprintf(stderr, "person %d: %d saved, %d numbers found taken\n", person, kPerPerson,
                 collisions);
    return 0;
}

} // namespace

// Several people on one ledger: movements entered at the same time, a save that finds its
// number taken, and a server that cannot be reached or goes away.
class TstShared : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        if (const QString missing = serverMissing(); !missing.isEmpty())
            QSKIP(qPrintable(missing));
        registerComponentClasses();
    }

    void aSaveWhoseNumberWasTakenKeepsTheTypedValuesAndTheNextOneWorks() {
        LocaleScope scope(pointLocale());
        LedgerFixture data;
        data.addAccount(QStringLiteral("001"), QStringLiteral("Caja"));
        execute(*gManejo, QStringLiteral("insert into BANCON (CONSTNRO,CONSTDSC,CONSTTIP) values "
                                         "('3','Deposito','C')"));
        gCuenta = cuenta(QStringLiteral("001"), QStringLiteral("Caja"));
        MessageRecorder messages;
        FrmConceptos entry;
        entry.load();
        entry.show();
        QVERIFY(QTest::qWaitForWindowActive(&entry));
        // Another person stores movement 1 while this screen still counts on it.
        data.addMovement(QStringLiteral("001"), 1, QDate(2024, 3, 5), QStringLiteral("Ajeno"),
                         money(7));
        auto* value = entry.findChild<QLineEdit*>("txtVALOR");
        auto* description = entry.findChild<QLineEdit*>("txtMOVSTCPT");
        value->setText("12.5");
        description->setText("Propio");
        auto* status = entry.findChild<QComboBox*>("cboCONTIP");
        status->setFocus();
        QTRY_VERIFY(status->count() > 0);
        status->setCurrentIndex(0);
        auto* add = entry.findChild<QPushButton*>("cmdAgregar");
        add->click();
        QVERIFY2(messages.prompts().last().startsWith(
                     QStringLiteral("Otra persona grabó un movimiento con el número 1 ")),
                 qPrintable(messages.prompts().last()));
        QCOMPARE(value->text(), QStringLiteral("12.5"));
        QCOMPARE(description->text(), QStringLiteral("Propio"));
        QCOMPARE(movementCount(*gManejo), 1);

        add->click();
        QCOMPARE(value->text(), QString());
        QCOMPARE(highestNumber(*gManejo), 2);
        // Today's movement, whichever side its status puts it on.
        Recordset sums = query(*gManejo, totals(QStringLiteral("31/12/9999")));
        Money all;
        for (const char* column : {"TOTAAC", "TOTADE", "TOTACR", "TOTDEB"})
            all += *sums.Fields(QString::fromLatin1(column)).get<Money>();
        QCOMPARE(all, money(19.5));
    }

    void aChangeToAMovementAnotherPersonChangedSinceItWasListedChangesNothing() {
        LocaleScope scope(pointLocale());
        LedgerFixture data;
        data.addAccount(QStringLiteral("001"), QStringLiteral("Caja"));
        data.addMovement(QStringLiteral("001"), 1, QDate(2024, 3, 5), QStringLiteral("Mio"),
                         money(10));
        gCuenta = cuenta(QStringLiteral("001"), QStringLiteral("Caja"));
        gFechaDesde = QDate(2024, 1, 1);
        gFechaHasta = QDate(2024, 12, 31);
        FlexGrid grid;
        grid.setCols(7);
        CARGAR_CUENTAS(grid);
        // Another person realises it meanwhile, through the same statement F12 sends.
        execute(*gManejo, QStringLiteral("UPDATE BANMOV SET MOVDLAAC = '0',MOVDLADE = '0',"
                                         "MOVDLACR = '10',MOVDLDEB = '0' WHERE CNTSTNRO = '001' "
                                         "AND MOVINNRO = 1"));
        MessageRecorder messages;
        grid.setRow(1);
        PP_ACRODCR(grid);
        QCOMPARE(messages.prompts(), QStringList{ListedMovement::changedMessage()});
        auto stored = [] {
            Recordset rs = query(*gManejo, totals(QStringLiteral("31/12/2024")));
            return *rs.Fields(QStringLiteral("TOTACR")).get<Money>();
        };
        QCOMPARE(stored(), money(10)); // the other person's change stands
        // Listed again, the change goes through.
        CARGAR_CUENTAS(grid);
        grid.setRow(1);
        PP_ACRODCR(grid);
        QCOMPARE(messages.prompts().size(), 1);
        QCOMPARE(stored(), Money());
    }

    void peopleEnteringAtOnceEachStoreEveryMovementOnce() {
        constexpr int people = 2;
        TestDatabase db;
        QCOMPARE(execute(*db.connect(), accountInsert("001", "Caja")), 1L);
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
        Recordset sums = query(*manejo, totals(QStringLiteral("31/12/2024")));
        const Money all = *sums.Fields(QStringLiteral("TOTAAC")).get<Money>() +
                          *sums.Fields(QStringLiteral("TOTACR")).get<Money>();
        QCOMPARE(all, Money::fromUnits(cents * 100));
        std::fprintf(stderr, "%d people, %d movements stored, %zu told saved\n", people,
                     people * kPerPerson, told.size());
        // Whatever totals each person's statement carried, the stored ones are the sums.
        Recordset account = query(*manejo, "select * from BANCNT where CNTSTNRO = '001'");
        QCOMPARE(account.Fields("TOMDLAAC"), sums.Fields("TOTAAC"));
        QCOMPARE(account.Fields("TOMDLACR"), sums.Fields("TOTACR"));
    }

    void anUnreachableServerOrWrongPasswordLeavesNoConnection() {
        if (!onServer())
            QSKIP("a server's failures");
        QString wrongPassword = qEnvironmentVariable("LEDGORA_TEST_PG");
        wrongPassword.replace(QStringLiteral(":ledgora-test@"), QStringLiteral(":otra@"));
        for (const QString& source :
             {QStringLiteral("postgresql://ledgora@/postgres?host=/no/such/folder"),
              QStringLiteral("postgresql://ledgora@192.0.2.1:1/postgres?connect_timeout=2"),
              wrongPassword}) {
            clManejo manejo;
            manejo.CadenaConexion(QStringLiteral("Data Source=") + source);
            manejo.Conectar();
            QVERIFY2(!manejo.EstadoConexion(), qPrintable(source));
        }
    }

    void aServerThatGoesAwayIsReportedByTheNextStatement() {
        if (!onServer())
            QSKIP("a server's failures");
        TestDatabase db;
        auto manejo = db.connect();
        QVERIFY(manejo->EstadoConexion());
        QVERIFY(
            onTestServer(qEnvironmentVariable("LEDGORA_TEST_PG"),
                         QStringLiteral("SELECT pg_terminate_backend(pid) FROM "
                                        "pg_stat_activity WHERE application_name = 'ledgora'")));
        QString reason;
        try {
            query(*manejo, totals(QStringLiteral("31/12/2024")));
        } catch (const RuntimeError& error) {
            reason = error.description();
        }
        QVERIFY2(reason.startsWith(QStringLiteral("Error de la base de datos: ")),
                 qPrintable(reason));
    }
};

QTEST_MAIN(TstShared)
#include "tst_shared.moc"
