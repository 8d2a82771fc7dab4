// The shared ledger reached the way a person reaches it: the real program started with the
// server's address, with a window and in each windowless mode, as the README shows.
#include "LedgerTests.h"
#include "StatementFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace ledgora::test;
using namespace Qt::StringLiterals;

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

QStringList environment() {
    QStringList env = QProcess::systemEnvironment();
    // Every layer's log on: what it writes must not show a password either.
    env << u"QT_LOGGING_RULES=ledgora.*=true"_s << u"QT_QPA_PLATFORM=offscreen"_s;
    return env;
}

Run collect(QProcess& host) {
    return {host.exitStatus() == QProcess::NormalExit ? host.exitCode() : -1,
            QString::fromUtf8(host.readAllStandardOutput()),
            QString::fromUtf8(host.readAllStandardError())};
}

// A windowless command, answered with `input` when it asks.
Run command(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess host;
    host.setEnvironment(environment());
    host.start(QStringLiteral(LEDGORA_HOST_PATH), arguments);
    host.write(input);
    host.closeWriteChannel();
    host.waitForFinished(60000);
    return collect(host);
}

// Starts the program with its window and waits for the account screen, the first screen a
// person sees; the program is then ended. Gives what it said meanwhile.
Run untilAccountScreen(const QStringList& arguments) {
    QProcess host;
    host.setEnvironment(environment());
    host.start(QStringLiteral(LEDGORA_HOST_PATH), arguments);
    host.waitForStarted();
    QString said;
    QElapsedTimer clock;
    clock.start();
    while (!said.contains(u"shown ledgora::FrmABMCuentas"_s) && clock.elapsed() < 30000 &&
           host.state() == QProcess::Running) {
        host.waitForReadyRead(200);
        said += QString::fromUtf8(host.readAllStandardError());
    }
    host.kill();
    host.waitForFinished();
    Run run = collect(host);
    run.err.prepend(said);
    run.code = said.contains(u"shown ledgora::FrmABMCuentas"_s) ? 0 : 1;
    return run;
}

QString rowCount(const QString& uri, const QString& table) {
    if (!onServer())
        return sqliteRows(uri, u"SELECT count(*) FROM "_s + table).value(0, u"no table"_s);
    PGconn* conn = PQconnectdb(uri.toUtf8().constData());
    PGresult* result = PQexec(conn, ("SELECT count(*) FROM " + table).toUtf8().constData());
    const QString count = PQresultStatus(result) == PGRES_TUPLES_OK
                              ? QString::fromUtf8(PQgetvalue(result, 0, 0))
                              : u"no table"_s;
    PQclear(result);
    PQfinish(conn);
    return count;
}

} // namespace

class TstHost : public QObject {
    Q_OBJECT

    QString password_;
    QList<Run> said_;

    Run kept(const Run& run) {
        said_ << run;
        return run;
    }

private Q_SLOTS:
    void initTestCase() {
        if (onServer()) {
            if (qEnvironmentVariableIsEmpty("LEDGORA_TEST_PG"))
                QSKIP("no test server (LEDGORA_TEST_PG is not set)");
            password_ = QUrl(qEnvironmentVariable("LEDGORA_TEST_PG")).password();
            QVERIFY(!password_.isEmpty());
        }
    }

    // On a system in English and without a display, whatever a person meets on the command line
    // is Spanish: the help, each mode's refusals and what a command that worked says.
    void theCommandLineSpeaksSpanishOnAnEnglishSystem_data() {
        QTest::addColumn<QStringList>("arguments"); // {dir}: a folder of the test's own
        QTest::addColumn<int>("code");
        QTest::newRow("help") << QStringList{u"--help"_s} << 0;
        QTest::newRow("unknown option") << QStringList{u"--check"_s, u"--extracto"_s} << 1;
        QTest::newRow("listing, missing arguments") << QStringList{u"--listing"_s} << 2;
        QTest::newRow("listing, a value") << QStringList{u"--listing=x"_s} << 1;
        QTest::newRow("listing, no database")
            << QStringList{u"--listing"_s,  u"{dir}/no.db"_s, u"001"_s,
                           u"01/01/2024"_s, u"31/12/2024"_s,  u"{dir}/a.pdf"_s}
            << 1;
        QTest::newRow("csv, not a date")
            << QStringList{u"--csv"_s, u"{dir}/no.db"_s, u"001"_s,
                           u"ayer"_s,  u"31/12/2024"_s,  u"{dir}/a.csv"_s}
            << 1;
        QTest::newRow("import, nothing to import")
            << QStringList{u"--import"_s, u"{dir}"_s, u"{dir}/libro.db"_s} << 1;
        QTest::newRow("restore, refused")
            << QStringList{u"--restore"_s, u"{dir}/no.db"_s, u"{dir}/libro.db"_s} << 1;
        QTest::newRow("statement, no file")
            << QStringList{u"--statement"_s, u"{dir}/no.n43"_s, u"{dir}/libro.db"_s} << 1;
        QTest::newRow("verify, no database") << QStringList{u"--verify"_s, u"{dir}/no.db"_s} << 1;
        QTest::newRow("history, missing arguments") << QStringList{u"--history"_s} << 2;
        QTest::newRow("installation check") << QStringList{u"--check"_s} << 0;
    }
    void theCommandLineSpeaksSpanishOnAnEnglishSystem() {
        if (onServer())
            QSKIP("the same words on a file");
        QFETCH(QStringList, arguments);
        QTemporaryDir dir;
        arguments.replaceInStrings(u"{dir}"_s, dir.path());
        QProcess host;
        QStringList env = QProcess::systemEnvironment();
        static const QRegularExpression display(u"^(DISPLAY|WAYLAND_DISPLAY|QT_QPA_PLATFORM)="_s);
        env.removeIf([](const QString& variable) { return display.match(variable).hasMatch(); });
        env << u"LANG=C"_s << u"LC_ALL=C"_s << u"XDG_RUNTIME_DIR="_s + dir.path();
        host.setEnvironment(env);
        host.start(QStringLiteral(LEDGORA_HOST_PATH), arguments);
        host.write("s\n");
        host.closeWriteChannel();
        QVERIFY(host.waitForFinished(60000));
        const Run run = collect(host);
        QTEST(run.code, "code");
        const QString said = run.out + run.err;
        QVERIFY(!said.trimmed().isEmpty());
        static const QRegularExpression english(
            u"\\b(the|is|not|cannot|could|does|file|database|usage|options|written|imported|"
            "takes|found|error|failed|missing|component|DBPATH|ACCOUNT|FROM|TO|OUT|CONCEPT|TEXT|"
            "LEGACY|BACKUP|FILE)\\b"_s);
        const QRegularExpressionMatch match = english.match(said);
        QVERIFY2(!match.hasMatch(), qPrintable(match.captured() + u" in: "_s + said));
    }

    void aFirstStartLaysOutTheServerLedgerAndEveryModeWorksOnIt() {
        if (!onServer())
            QSKIP("a shared ledger's address");
        TestDatabase database;
        const QString address = database.path();
        QTemporaryDir out;

        QCOMPARE(kept(untilAccountScreen({address})).code, 0);
        QCOMPARE(rowCount(address, u"BANCNT"_s), u"0"_s);

        QCOMPARE(kept(untilAccountScreen({u"--demo"_s, address})).code, 0);
        QCOMPARE(rowCount(address, u"BANCNT"_s), u"3"_s);
        const QString movements = rowCount(address, u"BANMOV WHERE CNTSTNRO = '001'"_s);

        const QStringList interval = {u"001"_s, u"01/01/2000"_s, u"31/12/2100"_s};
        const QString pdf = out.filePath(u"listado.pdf"_s);
        QCOMPARE(
            kept(command(QStringList{u"--listing"_s, address} + interval + QStringList{pdf})).code,
            0);
        QVERIFY(QFile(pdf).size() > 1000);
        const QString csv = out.filePath(u"listado.csv"_s);
        QCOMPARE(kept(command(QStringList{u"--csv"_s, address} + interval + QStringList{csv})).code,
                 0);
        QFile csvFile(csv);
        QVERIFY(csvFile.open(QIODevice::ReadOnly));
        QCOMPARE(QString::number(csvFile.readAll().count('\n') - 1), movements);

        // Failures name the ledger without its password.
        const Run unknown =
            kept(command({u"--csv"_s, address, u"999"_s, u"01/01/2000"_s, u"31/12/2100"_s, csv}));
        QVERIFY(unknown.code != 0);
        QVERIFY2(unknown.err.contains(u":***@"_s), qPrintable(unknown.err));

        // Copies of a shared ledger are the server's: nothing is restored over it.
        const Run restore =
            kept(command({u"--restore"_s, out.filePath(u"copia.db"_s), address}, "s\n"));
        QCOMPARE(restore.code, 2);
        QVERIFY(restore.err.contains(u"pg_dump"_s));
        QCOMPARE(rowCount(address, u"BANCNT"_s), u"3"_s);
    }

    void importFillsAnEmptySharedLedger() {
        if (!onServer())
            QSKIP("a shared ledger's address");
        TestDatabase database;
        QTemporaryDir legacy;
        writeFile(legacy.filePath(u"BANCNT.csv"_s),
                  "CNTSTNRO,CNTDTALT,CNTSTNOM,CNTSTBNK,CNTSTTEL,CNTSTBKC\n1,2020-01-02,Caja,,,\n");
        writeFile(legacy.filePath(u"BANCON.csv"_s), "CONSTNRO,CONSTDSC,CONSTTIP\n3,Deposito,C\n");
        writeFile(legacy.filePath(u"BANMOV.csv"_s),
                  "CNTSTNRO,MOVINNRO,MOVDTALT,CONSTNRO,MOVSTCPT,MOVDLAAC,MOVDLADE,MOVDLACR,"
                  "MOVDLDEB\n1,1,2020-01-03,3,Primero,10.5,0,0,0\n1,2,2020-01-04,3,Segundo,0,0,"
                  "2.25,0\n");
        const Run imported = kept(command({u"--import"_s, legacy.path(), database.path()}));
        QVERIFY2(imported.code == 0, qPrintable(imported.err));
        QCOMPARE(rowCount(database.path(), u"BANMOV"_s), u"2"_s);
        QCOMPARE(
            rowCount(database.path(), u"BANCNT WHERE TOMDLAAC = 105000 AND TOMDLACR = 22500"_s),
            u"1"_s);
        QVERIFY(kept(command({u"--import"_s, legacy.path(), database.path()})).code != 0);
    }

    // A statement applied from the command line: the account given for a bank account met
    // for the first time, a dry run, and refusals that write nothing.
    void statementFromTheCommandLine_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("after"); // the arguments after ARCHIVO LIBRO
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("movements");
        const QByteArray file =
            norma43(account("240101", "240131", 0, {{"240105", '2', 5000}, {"240106", '1', 1000}}));
        const QString summary = u"Extracto 2100-0001-0200012345: 1 casado, 1 nuevo, 0 ya "
                                "importados, 0 para revisar.\n"_s;
        QTest::newRow("applied") << file << QStringList{u"001"_s} << 0 << summary << "2";
        QTest::newRow("dry run") << file << QStringList{u"001"_s, u"--dry-run"_s} << 0
                                 << summary + u"(simulación: no se ha escrito nada)"_s << "1";
        QTest::newRow("bank account not linked")
            << file << QStringList() << 1
            << u"la cuenta bancaria 2100-0001-0200012345 no está vinculada"_s << "1";
        QByteArray broken = file;
        broken.replace(81 + 28, 3, "ABC");
        QTest::newRow("file refused")
            << broken << QStringList{u"001"_s} << 1 << u"Línea 2"_s << "1";
        // A statement in Swiss francs, refused whole: no line, no balance.
        QTest::newRow("another currency")
            << norma43(inCurrency(account("240101", "240131", 0, {{"240105", '2', 5000}}), "756"))
            << QStringList{u"001"_s} << 1
            << u"el extracto 2100-0001-0200012345 está en CHF y la cuenta 001, en EUR; no se ha "
               "escrito nada"_s
            << "1";
        // One file for two bank accounts: the account given can be only one's.
        const QByteArrayList other = ofBankAccount(
            account("240101", "240131", 0, {{"240107", '2', 700}}), "210000020200099999");
        const QByteArray both =
            norma43(account("240101", "240131", 0, {{"240105", '2', 5000}}) + other);
        QTest::newRow("two bank accounts not linked")
            << both << QStringList{u"001"_s} << 1
            << u"el archivo trae 2 cuentas bancarias sin vincular (2100-0001-0200012345, "
               "2100-0002-0200099999)"_s
            << "1";
        QTest::newRow("the linked one goes to its own account")
            << both << QStringList{u"001"_s} << 0
            << u"Extracto 2100-0002-0200099999: 0 casados, 0 nuevos, 1 ya importado"_s << "2";
    }
    void statementFromTheCommandLine() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, after);
        TestDatabase database;
        ledgora::registerComponentClasses();
        {
            const auto manejo = database.connect();
            addAccount(*manejo, u"001"_s);
            addConcept(*manejo, u"1"_s, u"Cobros"_s, u"C"_s);
            addConcept(*manejo, u"2"_s, u"Pagos"_s, u"D"_s);
            addMovement(*manejo, 1, u"05/01/2024"_s, u"Cobro"_s, u"50"_s);
            addAccount(*manejo, u"002"_s, u"Caja"_s);
        }
        QTemporaryDir dir;
        // Account 002's bank account, linked by a statement of its own applied before.
        if (QByteArray(QTest::currentDataTag()).startsWith("the linked one")) {
            writeFile(dir.filePath(u"caja.n43"_s),
                      norma43(ofBankAccount(account("240101", "240131", 0, {{"240107", '2', 700}}),
                                            "210000020200099999")));
            QCOMPARE(kept(command({u"--statement"_s, dir.filePath(u"caja.n43"_s), database.path(),
                                   u"002"_s}))
                         .code,
                     0);
        }
        writeFile(dir.filePath(u"extracto.n43"_s), file);
        const Run run = kept(command(
            QStringList{u"--statement"_s, dir.filePath(u"extracto.n43"_s), database.path()} +
            after));
        QTEST(run.code, "code");
        QFETCH(QString, said);
        QVERIFY2((run.out + run.err).contains(said), qPrintable(run.out + run.err));
        QTEST(rowCount(database.path(), u"BANMOV"_s), "movements");
        // Whatever was written is in the account's history, and its chain is whole.
        const Run verified = kept(command({u"--verify"_s, database.path()}));
        QVERIFY2(verified.code == 0 && verified.out.contains(u"íntegro"_s),
                 qPrintable(verified.err));
        const QString csv = dir.filePath(u"historial.csv"_s);
        QCOMPARE(kept(command({u"--history"_s, database.path(), u"001"_s, csv})).code, 0);
        QCOMPARE(QString::number(fileContent(csv).count("\r\n") - 1),
                 rowCount(database.path(), u"BANAUD WHERE AUDSTCTA = '001'"_s));
        // A row changed behind the guard's back is found, and the command says so.
        const QString tampering = u"UPDATE BANAUD SET AUDSTUSU = 'otro' WHERE AUDINNRO = 1"_s;
        QVERIFY(onServer()
                    ? onTestServer(database.path(),
                                   u"ALTER TABLE BANAUD DISABLE TRIGGER USER; "_s + tampering)
                          .has_value()
                    : sqliteExec(database.path(),
                                 {u"DROP TRIGGER BANAUD_INALTERABLE_UPDATE"_s, tampering}));
        const Run broken = kept(command({u"--verify"_s, database.path()}));
        QVERIFY2(broken.code == 1 && broken.err.contains(u"roto en la fila 1"_s),
                 qPrintable(broken.err));
    }

    void cleanupTestCase() {
        if (password_.isEmpty())
            return;
        for (const Run& run : std::as_const(said_))
            QVERIFY2(!run.out.contains(password_) && !run.err.contains(password_),
                     qPrintable(run.out + run.err));
    }
};

LEDGORA_TEST_GUILESS_MAIN(TstHost)
#include "tst_host.moc"
