#include "LedgerTests.h"
#include "core/CsvReader.h"
#include "data/BackupSet.h"
#include "data/ConnectionString.h"
#include "data/CsvText.h"
#include "data/DatabaseCopy.h"
#include "entry/clDemo.h"
#include "entry/clImportar.h"
#include "entry/clListado.h"
#include "entry/clRespaldo.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>
#include <atomic>
#include <sqlite3.h>
#include <thread>

using namespace ledgora;
using namespace ledgora::test;
using namespace Qt::StringLiterals;

namespace {

// A file of the given kind: the example ledger, a ledger with no accounts yet, another
// program's database (its own tables, or ours laid out with other kinds), an empty file, or
// the example ledger with a run of random bytes written into its middle.
QString makeFile(const QString& folder, const QString& name, const QString& kind) {
    const QString path = folder + u'/' + name;
    writeFile(path, {});
    if (kind == u"ledger" || kind == u"damaged") {
        clDemo().Crear(path);
    } else if (kind == u"new ledger") {
        clManejo manejo;
        manejo.CadenaConexion(ConnectionString::forSource(path));
        manejo.Conectar();
    } else if (kind.startsWith(u"foreign")) {
        sqliteExec(path, {kind == u"foreign"
                              ? u"CREATE TABLE clientes(id INTEGER, nombre TEXT)"_s
                              : u"CREATE TABLE BANCNT(CNTSTNRO TEXT); CREATE TABLE BANCON(CONSTNRO "
                                "TEXT); CREATE TABLE BANMOV(CNTSTNRO TEXT, MOVDLAAC REAL)"_s});
    }
    if (kind == u"damaged") {
        QFile file(path);
        file.open(QIODevice::ReadWrite);
        file.seek(file.size() / 2);
        QByteArray noise(8192, '\0');
        for (char& byte : noise)
            byte = char(QRandomGenerator::global()->generate());
        file.write(noise);
    }
    return path;
}

} // namespace

// The ledger's data in and out: CSV for spreadsheets, the legacy system's tables, and the
// online backups taken on every start.
class TstDataIo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A cell a spreadsheet would take for a formula is written as text, whatever starts it.
    void aCellThatWouldBeAFormulaIsText_data() {
        QTest::addColumn<QString>("cell");
        QTest::newRow("=") << u"=1+2"_s;
        QTest::newRow("+") << u"+1"_s;
        QTest::newRow("-") << u"-1"_s;
        QTest::newRow("@") << u"@SUM(A1)"_s;
        QTest::newRow("tab") << u"\t=1"_s;
        QTest::newRow("carriage return") << u"\r=1"_s;
    }
    void aCellThatWouldBeAFormulaIsText() {
        QFETCH(QString, cell);
        QCOMPARE(CsvText::inertText(cell), u'\'' + cell);
        QCOMPARE(CsvText::inertText(u"a"_s + cell), u"a"_s + cell); // only where a cell starts
    }

    void theCsvExportIsReadBackFieldForFieldInAnyLocale() {
        LocaleScope comma(commaLocale());
        LedgerFixture data;
        data.addAccount(u"001"_s, u"Caja"_s);
        data.addMovement(u"001"_s, 1, QDate(2024, 3, 5), u"Deposito"_s, money(150.5));
        data.addMovement(u"001"_s, 2, QDate(2024, 3, 6), u"Cheque"_s, {}, {}, {},
                         Money::fromUnits(12345678));
        data.addMovement(u"001"_s, 3, QDate(2024, 3, 7), u"=HYPERLINK(\"http://x\",\"Ver\")"_s,
                         money(1));
        data.addMovement(u"001"_s, 4, QDate(2024, 3, 8), u"Pago luz, agua"_s, {}, {}, {},
                         money(-2));
        gManejo.reset();
        // A description as another program may have stored it: quotes, a comma, a line break.
        QVERIFY(sqliteExec(
            data.path(),
            {"UPDATE BANMOV SET MOVSTCPT='Dijo \"pago\", luego\nnada' WHERE MOVINNRO=2"}));

        const QString out = data.db().folder() + u"/listado.csv"_s;
        QCOMPARE(clListado()
                     .GuardarCsv(data.db().path(), u"001"_s, u"01/03/2024"_s, u"31/03/2024"_s, out,
                                 {}, {})
                     .text(),
                 QString());
        const QList<QStringList> expected = {
            {"fecha", "numero", "concepto", "descripcion", "a_acreditar", "a_debitar", "acreditado",
             "debitado"},
            {"2024-03-05", "1", "1", "Deposito", "150.50", "0.00", "0.00", "0.00"},
            {"2024-03-06", "2", "1", "Dijo \"pago\", luego\nnada", "0.00", "0.00", "0.00",
             "1234.5678"},
            // A spreadsheet shows the formula as text; a comma alone keeps its field whole.
            {"2024-03-07", "3", "1", "'=HYPERLINK(\"http://x\",\"Ver\")", "1.00", "0.00", "0.00",
             "0.00"},
            {"2024-03-08", "4", "1", "Pago luz, agua", "0.00", "0.00", "0.00", "-2.00"}};
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QList<QStringList> parsed;
        for (CsvReader reader(file); reader.next();)
            parsed << reader.fields();
        QCOMPARE(parsed, expected);

        // A date that is not one leaves no file.
        QFile::remove(out);
        QVERIFY(!clListado()
                     .GuardarCsv(data.db().path(), u"001"_s, u"x"_s, u"31/03/2024"_s, out, {}, {})
                     .ok());
        QVERIFY(!QFile::exists(out));
    }

    void theLegacyTablesComeInExactlyOrNotAtAll_data() {
        QTest::addColumn<QString>("database"); // a kind of makeFile
        QTest::addColumn<QString>("file");     // the legacy file given instead of the good one
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("refusal"); // where and why; empty when it all comes in
        const QByteArray accounts = "CNTSTNRO,CNTDTALT,CNTSTNOM,CNTSTBNK,CNTSTTEL,CNTSTBKC\r\n";
        const QByteArray movements =
            "CNTSTNRO,MOVINNRO,MOVDTALT,CONSTNRO,MOVSTCPT,MOVDLAAC,MOVDLADE,MOVDLACR,MOVDLDEB\r\n";
        auto row = [](const char* name, const char* database, const char* file,
                      const QByteArray& content, const QByteArray& refusal) {
            QTest::newRow(name) << database << file << content << QString::fromUtf8(refusal);
        };
        row("good tables", "empty", "", {}, "");
        row("missing column", "empty", "BANMOV.csv",
            "CNTSTNRO,MOVINNRO,MOVDTALT,CONSTNRO,MOVSTCPT,MOVDLAAC,MOVDLADE,MOVDLDEB\r\n",
            "BANMOV.csv, línea 1: faltan columnas en el encabezado: MOVDLACR");
        row("misspelled column", "empty", "BANMOV.csv",
            "CNTSTNRO,MOVINNRO,MOVDTALT,CONSTNRO,MOVSTCPT,MOVDLAAC,MOVDLADE,MOVDLCR,MOVDLDEB\r\n",
            "BANMOV.csv, línea 1: la columna MOVDLCR no es de la tabla BANMOV");
        // Rows under the file's good header, refused at the given line for the given reason.
        auto bad = [&](const char* name, const char* file, const QByteArray& rows,
                       const char* refusal) {
            const QByteArray header = file == QByteArray("BANCNT.csv") ? accounts : movements;
            row(name, "empty", file, header + rows,
                QByteArray(file) + ", línea " + QByteArray(refusal));
        };
        bad("unclosed quote", "BANMOV.csv", "001,1,2024-03-05,3,\"A,1,0,0,0\r\n001,2,2024-03-05,3",
            "2: unas comillas se abren y no se cierran");
        bad("short row", "BANMOV.csv", "001,1,2024-03-05,3,A,1,0,0\r\n",
            "2: tiene 8 campos y el encabezado 9");
        bad("long row", "BANMOV.csv", "001,1,2024-03-05,3,A,1,0,0,0,0\r\n",
            "2: tiene 10 campos y el encabezado 9");
        bad("fifth decimal", "BANMOV.csv", "001,1,2024-03-05,3,A,1.23456,0,0,0\n",
            "2: MOVDLAAC \"1.23456\" tiene más de cuatro decimales");
        bad("amount not a number", "BANMOV.csv", "001,1,2024-03-05,3,A,0,uno,0,0\r\n",
            "2: MOVDLADE \"uno\" no es un importe");
        bad("amount out of range", "BANMOV.csv", "001,1,2024-03-05,3,A,0,0,0,99999999999999999\r\n",
            "2: MOVDLDEB \"99999999999999999\" está fuera de rango");
        bad("number out of range", "BANMOV.csv", "001,2147483648,2024-03-05,3,A,1,0,0,0\r\n",
            "2: MOVINNRO \"2147483648\" está fuera de rango");
        bad("account number not digits", "BANCNT.csv", "001,,Caja,,,\r\n7a,2020-01-15,Siete,,,\r\n",
            "3: CNTSTNRO \"7a\" no es un número de dígitos");
        bad("account date not a date", "BANCNT.csv", "001,31/02/2020,Caja,,,\r\n",
            "2: CNTDTALT \"31/02/2020\" no es una fecha");
        bad("movement date not a date", "BANMOV.csv", "001,1,2024-02-30,3,A,1,0,0,0\r\n",
            "2: MOVDTALT \"2024-02-30\" no es una fecha");
        bad("account not in BANCNT", "BANMOV.csv",
            "001,1,2024-03-05,3,A,1,0,0,0\r\n9,1,2024-03-05,3,B,1,0,0,0\r\n",
            "3: la cuenta \"9\" no está en BANCNT");
        bad("concept not in BANCON", "BANMOV.csv", "001,1,2024-03-05,4,A,1,0,0,0\r\n",
            "2: el concepto \"4\" no está en BANCON");
        bad("number taken twice", "BANMOV.csv",
            "001,1,2024-03-05,3,A,1,0,0,0\r\n001,1,2024-03-06,3,B,1,0,0,0\r\n",
            "3: No se realizaron los cambios");
        row("no movements file", "empty", "BANMOV.csv", "-", "no tiene: BANMOV.csv");
        row("ledger with accounts", "ledger", "", {}, "ya tiene cuentas");
        row("another program's file", "foreign", "", {}, "tiene tablas de otro programa");
    }

    void theLegacyTablesComeInExactlyOrNotAtAll() {
        QFETCH(QString, database);
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, refusal);
        registerComponentClasses();
        QTemporaryDir legacy;
        // Keys as stored ("7  ", "3 "), a date with a time of day, point and comma decimals,
        // a tab in a text, a Windows-1252 "ó" beside a UTF-8 one, totals left to the database,
        // an account without a date (registered today).
        writeFile(legacy.filePath(u"BANCNT.csv"_s),
                  "CNTSTNRO,CNTDTALT,CNTSTNOM,CNTSTBNK,CNTSTTEL,CNTSTBKC,TOMDLAAC,TOMDLADE,"
                  "TOMDLACR,TOMDLDEB\r\n"
                  "001,2020-01-15 00:00:00,\"O'Higgins, cuenta\",Banco,,,0,0,0,0\r\n"
                  "7,15/02/2021,Siete,,,,9,9,9,9\r\n8,,Ocho,,,,0,0,0,0\r\n");
        writeFile(legacy.filePath(u"BANCON.csv"_s),
                  "CONSTNRO,CONSTDSC,CONSTTIP\r\n3,Dep\xF3sito,C\r\n12,\"Cheque "
                  "\"\"diferido\"\"\",D\r\n");
        writeFile(
            legacy.filePath(u"BANMOV.csv"_s),
            "CNTSTNRO,MOVINNRO,MOVDTALT,CONSTNRO,MOVSTCPT,MOVDLAAC,MOVDLADE,MOVDLACR,MOVDLDEB\r\n"
            "001,1,2024-03-05,3 ,Depósito,150.5,0,0,0\r\n"
            "001,2,2024-03-06,12,\"Tab\there\",0,0,0,\"1234,5678\"\r\n"
            "7  ,1,06/03/2024,3 ,Otro,0.10,0,0.20,0\r\n");
        if (content == "-")
            QFile::remove(legacy.filePath(file));
        else if (!file.isEmpty())
            writeFile(legacy.filePath(file), content);
        QTemporaryDir dir;
        const QString db = makeFile(dir.path(), u"libro.db"_s, database);
        const char* counts = "select (select count(*) from BANCNT),(select count(*) from BANCON),"
                             "(select count(*) from BANMOV)";
        const QStringList before = sqliteRows(db, counts); // none of our tables: no rows at all
        clImportar importer;
        const QString failure = importer.Importar(legacy.path(), db).text();
        if (!refusal.isEmpty()) {
            QVERIFY2(failure.contains(refusal) && failure.endsWith(u"no se importó nada"),
                     qPrintable(failure));
            const QStringList after = sqliteRows(db, counts);
            QVERIFY2(after == before || (database == u"empty" && after == QStringList{"0|0|0"}),
                     qPrintable(after.join(u',')));
            return;
        }
        QCOMPARE(failure, QString());
        QCOMPARE(importer.Resumen(), u"se importaron 3 cuentas, 2 conceptos y 3 movimientos"_s);
        QCOMPARE(sqliteRows(db, "select CNTSTNRO,CNTDTALT,CNTSTNOM,TOMDLAAC,TOMDLACR,TOMDLDEB "
                                "from BANCNT order by 1"),
                 QStringList({"001|2020-01-15|O'Higgins, cuenta|1505000|0|12345678",
                              "7|2021-02-15|Siete|1000|2000|0",
                              "8|" + QDate::currentDate().toString(Qt::ISODate) + "|Ocho|0|0|0"}));
        QCOMPARE(sqliteRows(db, "select CNTSTNRO,MOVINNRO,MOVDTALT,CONSTNRO,MOVSTCPT from BANMOV "
                                "order by MOVDTALT,CNTSTNRO,MOVINNRO"),
                 QStringList({"001|1|2024-03-05|3 |Depósito", "001|2|2024-03-06|12|Tab here",
                              "7  |1|2024-03-06|3 |Otro"}));
        QCOMPARE(sqliteRows(db, "select CONSTDSC from BANCON order by 1"),
                 QStringList({"Cheque \"diferido\"", "Depósito"}));
    }

    void aRestoreChecksTheCopyFirstAndKeepsWhatItReplaces_data() {
        QTest::addColumn<QString>("copy");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("refusal");
        auto row = [](const char* name, const char* copy, const char* current,
                      const char* refusal) { QTest::newRow(name) << copy << current << refusal; };
        row("restored over a ledger", "ledger", "new ledger", "");
        row("restored into a new file", "ledger", "none", "");
        row("restored over a damaged ledger", "ledger", "damaged", "");
        row("damaged copy", "damaged", "new ledger", "tiene daños");
        row("empty copy", "empty", "new ledger", "no tiene contenido");
        row("another program's copy", "foreign", "new ledger", "las tablas");
        row("our names, other kinds", "foreign kinds", "new ledger", "tablas");
        row("over another program's file", "ledger", "foreign", "no es un libro");
    }

    void aRestoreChecksTheCopyFirstAndKeepsWhatItReplaces() {
        QFETCH(QString, copy);
        QFETCH(QString, current);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        const QString backup = makeFile(dir.path(), u"copia.db"_s, copy);
        const QString ledger = dir.filePath(u"libro.db"_s);
        if (current != u"none")
            makeFile(dir.path(), u"libro.db"_s, current);
        const QByteArray before = fileContent(ledger);
        const QString failure = clRespaldo().Restaurar(backup, ledger).text();
        if (!refusal.isEmpty()) {
            QVERIFY2(failure.contains(refusal) && failure.endsWith(u"no se cambió nada"),
                     qPrintable(failure));
            QCOMPARE(fileContent(ledger), before);
            return;
        }
        QCOMPARE(failure, QString());
        QCOMPARE(sqliteRows(ledger, "PRAGMA integrity_check"), QStringList{"ok"});
        QCOMPARE(sqliteRows(ledger, "select count(*) from BANMOV"),
                 sqliteRows(backup, "select count(*) from BANMOV"));
        const QStringList kept =
            QDir(dir.filePath(u"backups"_s)).entryList({u"libro.db.antes-de-restaurar-*"_s});
        QCOMPARE(kept.size(), current == u"none" ? 0 : 1);
        if (!kept.isEmpty())
            QCOMPARE(fileContent(dir.filePath(u"backups/"_s) + kept.first()), before);
    }

    void aBackupTakenWhileAnotherConnectionWritesHoldsEveryCommittedMovement() {
        LedgerFixture data;
        data.addAccount(u"001"_s, u"Caja"_s);
        gManejo.reset();
        std::atomic<int> committed{0};
        std::atomic<bool> stop{false};
        std::thread writer([&] {
            sqlite3* db = nullptr;
            sqlite3_open(data.db().path().toUtf8().constData(), &db);
            sqlite3_busy_timeout(db, 5000);
            for (int k = 1; !stop && k < 100000; ++k) {
                const QByteArray sql =
                    QStringLiteral("INSERT INTO BANMOV VALUES('001',%1,'2024-03-05','3 ','M',100,"
                                   "0,0,0)")
                        .arg(k)
                        .toUtf8();
                if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK)
                    committed = k;
            }
            sqlite3_close(db);
        });
        while (committed < 200)
            std::this_thread::yield();
        const int before = committed;
        clRespaldo backups;
        backups.Respaldar(data.db().path());
        QVERIFY(backups.Esperar().ok());
        stop = true;
        writer.join();
        const QStringList made = BackupSet(data.db().path()).paths();
        QCOMPARE(made.size(), 1);
        QCOMPARE(sqliteRows(made.first(), "PRAGMA integrity_check"), QStringList{"ok"});
        const QStringList counts =
            sqliteRows(made.first(), "select count(*), coalesce(max(MOVINNRO),0) from BANMOV");
        const QStringList held = counts.value(0).split(u'|');
        QVERIFY2(held.value(0).toInt() >= before, qPrintable(counts.value(0)));
        QCOMPARE(held.value(0), held.value(1)); // every movement up to the last it holds
    }

    // Copies belong to their ledger alone, are ordered by when they were taken in any time
    // zone, are added only when the ledger changed, and the oldest go first.
    void backupsBelongToTheirLedgerAndTheOldestGoFirst() {
        QTemporaryDir dir;
        const QString ledger = makeFile(dir.path(), u"caja[1].db"_s, u"ledger"_s);
        const QString alike = makeFile(dir.path(), u"caja[1]-2025.db"_s, u"ledger"_s);
        const QDateTime start(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);
        QCOMPARE(BackupSet(alike).take(start).kind, BackupSet::Outcome::Taken);
        writeFile(dir.filePath(u"backups/caja[1].db.copia-20260301-115959-000Z.db.parcial"_s),
                  "left by a killed copy");
        const BackupSet set(ledger);
        QStringList taken;
        for (int k = 0; k < 13; ++k) {
            // Every other copy is taken under a time zone far west: its UTC moment still
            // orders it.
            const QDateTime moment = start.addSecs(60 * k);
            const BackupSet::Outcome outcome =
                set.take(k % 2 ? moment.toOffsetFromUtc(-10 * 3600) : moment);
            QCOMPARE(outcome.kind, BackupSet::Outcome::Taken);
            taken << outcome.path;
            QCOMPARE(set.take(moment.addSecs(30)).kind, BackupSet::Outcome::Unchanged);
            sqliteExec(ledger, {"UPDATE BANCNT SET CNTSTNOM = CNTSTNOM || '.'"});
        }
        // The ten newest and the newest of the rest, which are all of this week.
        QCOMPARE(set.paths(), taken.mid(2));
        QCOMPARE(BackupSet(alike).paths().size(), 1);
        QVERIFY(!QFile::exists(
            dir.filePath(u"backups/caja[1].db.copia-20260301-115959-000Z.db.parcial"_s)));
    }

    void aLedgerThatFailsItsCheckIsNeverCopiedOverGoodCopies_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("damaged") << u"damaged"_s << u"tiene daños"_s;
        QTest::newRow("another program's") << u"foreign"_s << u"no tiene las tablas"_s;
    }

    void aLedgerThatFailsItsCheckIsNeverCopiedOverGoodCopies() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString ledger = makeFile(dir.path(), u"libro.db"_s, u"ledger"_s);
        const BackupSet set(ledger);
        QCOMPARE(set.take().kind, BackupSet::Outcome::Taken);
        const QStringList good = set.paths();
        QFile::remove(ledger);
        makeFile(dir.path(), u"libro.db"_s, kind);
        for (int k = 0; k < 3; ++k) {
            const BackupSet::Outcome outcome = set.take();
            QCOMPARE(outcome.kind, BackupSet::Outcome::Refused);
            QVERIFY2(outcome.reason.contains(reason), qPrintable(outcome.reason));
        }
        QCOMPARE(set.paths(), good);
    }

    // Killed at any moment, a restore or a start (which takes a backup) leaves the ledger
    // whole: its old content or the new one, never a mix; the next backup clears what a killed
    // one left.
    void aRestoreOrABackupKilledAtAnyMomentLeavesTheLedgerWhole() {
        QTemporaryDir dir;
        const QString copy = makeFile(dir.path(), u"copia.db"_s, u"ledger"_s);
        const QString ledger = makeFile(dir.path(), u"libro.db"_s, u"new ledger"_s);
        QRandomGenerator random(20261206);
        for (int k = 0; k < 10; ++k) {
            QProcess host;
            QStringList env = QProcess::systemEnvironment();
            env << u"QT_QPA_PLATFORM=offscreen"_s;
            host.setEnvironment(env);
            const bool restore = k % 2 == 0;
            host.start(QStringLiteral(LEDGORA_HOST_PATH),
                       restore ? QStringList{u"--restore"_s, copy, ledger} : QStringList{ledger});
            host.write("s\n");
            host.closeWriteChannel();
            QVERIFY(host.waitForStarted());
            QThread::msleep(random.bounded(10, 200));
            host.kill();
            host.waitForFinished();
            QCOMPARE(sqliteRows(ledger, "PRAGMA integrity_check"), QStringList{"ok"});
            const QString accounts = sqliteRows(ledger, "select count(*) from BANCNT").value(0);
            QVERIFY2(accounts == u"0" || accounts == u"3", qPrintable(accounts));
        }
        BackupSet(ledger).take();
        QCOMPARE(QDir(dir.filePath(u"backups"_s)).entryList({u"*.parcial"_s}), QStringList());
    }

    // On a disk with less free space than twice the ledger, a start takes no copy, says why,
    // and the ledger goes on working. The disk is a small one mounted for the test alone.
    void aStartOnAnAlmostFullDiskTakesNoCopyAndSaysWhy() {
        QTemporaryDir dir;
        const QString ledger = makeFile(dir.path(), u"libro.db"_s, u"ledger"_s);
        const QString disk = dir.filePath(u"disco"_s);
        QDir().mkpath(disk);
        const qint64 room = QFileInfo(ledger).size() * 3 / 2 + 65536;
        const QString script = u"mount -t tmpfs -o size=%1 tmpfs '%2' || exit 99; cp '%3' '%2/' && "
                               "QT_QPA_PLATFORM=offscreen timeout -s KILL 5 '%4' '%2/libro.db'; "
                               "echo copias=$(ls '%2/backups' 2>/dev/null | wc -l)"_s.arg(room)
                                   .arg(disk, ledger, QStringLiteral(LEDGORA_HOST_PATH));
        QProcess shell;
        shell.start(u"unshare"_s, {u"-rm"_s, u"sh"_s, u"-c"_s, script});
        if (!shell.waitForFinished(30000) || shell.exitCode() == 99)
            QSKIP("no small disk can be mounted here");
        const QString said = QString::fromUtf8(shell.readAllStandardError());
        QVERIFY2(said.contains(u"queda poco espacio en el disco"_s), qPrintable(said));
        QVERIFY(QString::fromUtf8(shell.readAllStandardOutput()).contains(u"copias=0"_s));
    }

    void aCarefulUserKeepsTheLastTenAndOneAWeek_data() {
        QTest::addColumn<QList<int>>("daysAgo"); // of each copy, oldest first
        QTest::addColumn<QList<int>>("kept");
        QTest::newRow("ten or fewer") << QList<int>{30, 20, 1} << QList<int>{0, 1, 2};
        QTest::newRow("twelve today") << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                                      << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        QTest::newRow("older weeks")
            << QList<int>{70, 50, 48, 30, 29, 9, 8, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}
            << QList<int>{1, 2, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    }

    void aCarefulUserKeepsTheLastTenAndOneAWeek() {
        QFETCH(QList<int>, daysAgo);
        QFETCH(QList<int>, kept);
        const QDateTime now(QDate(2026, 12, 6), QTime(9, 0), Qt::UTC);
        std::vector<QDateTime> moments;
        for (int k = 0; k < daysAgo.size(); ++k)
            moments.push_back(now.addDays(-daysAgo[k]).addSecs(k));
        const std::vector<bool> keep = BackupSet::retained(moments, now);
        QList<int> shown;
        for (int k = 0; k < int(keep.size()); ++k)
            if (keep[std::size_t(k)])
                shown << k;
        QCOMPARE(shown, kept);
    }
};

LEDGORA_TEST_MAIN(TstDataIo)
#include "tst_dataio.moc"
