#include "TestDatabase.h"
#include "TestSupport.h"
#include "data/StatementCatalog.h"
#include "data/WriteBatch.h"
#include "entry/ComponentClasses.h"
#include "ledger/ListingStatement.h"
#include "ledger/SharedState.h"
#include "platform/Conversions.h"
#include "platform/RuntimeError.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtTest>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace ledgora;
using namespace ledgora::test;

namespace {

QString accountInsert(const QString& number, const QString& name) {
    return QStringLiteral("insert into BANCNT (CNTSTNRO,CNTDTALT,CNTSTNOM,CNTSTBNK,CNTSTTEL,"
                          "CNTSTBKC,TOMDLAAC , TOMDLADE, TOMDLACR, TOMDLDEB) values ('") +
           number + QStringLiteral("',datevalue('01/02/2024'),'") + name +
           QStringLiteral("','Banco','','',0,0,0,0)");
}

QString movementInsert(int number, const QString& date, const QString& text, const QString& aac,
                       const QString& acr = QStringLiteral("0")) {
    return QStringLiteral("INSERT INTO BANMOV (CNTSTNRO , MOVINNRO, MOVDTALT, CONSTNRO, MOVSTCPT, "
                          "MOVDLAAC , MOVDLADE, MOVDLACR, MOVDLDEB) VALUES ('001','") +
           QString::number(number) + QStringLiteral("',datevalue('") + date +
           QStringLiteral("'),'3 ','") + text + QStringLiteral("','") + aac +
           QStringLiteral("','0','") + acr + QStringLiteral("','0')");
}

QString listing(const QString& from, const QString& to, const QString& filter = {}) {
    return QStringLiteral("select format(MOVDTALT,'dd/mm/yyyy'),trim(MOVSTCPT),"
                          "format(MOVDLAAC,'00.00'),format(MOVDLADE,'00.00'),"
                          "format(MOVDLACR,'00.00'),format(MOVDLDEB,'00.00'), MOVINNRO from "
                          "BANMOV where CNTSTNRO = '001' and MOVDTALT between DATEVALUE('") +
           from + QStringLiteral("') AND DATEVALUE ('") + to + QStringLiteral("') ") + filter +
           QStringLiteral("order by MOVDTALT,MOVINNRO");
}

long errorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

// The data-access component against real SQLite files: connection, the dialect of the
// module's statements, refusal of anything else, exact amounts and durable writes.
class TstData : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        if (const QString missing = serverMissing(); !missing.isEmpty())
            QSKIP(qPrintable(missing));
        registerComponentClasses();
    }

    void newAndEmptyFilesGetTheThreeTables() {
        if (onServer())
            QSKIP("a file's layout");
        TestDatabase db;
        QFile(db.folder() + QStringLiteral("/empty.db")).open(QIODevice::WriteOnly);
        for (const QString& path : {db.path(), db.folder() + QStringLiteral("/empty.db")}) {
            sqlite3* raw = nullptr;
            auto manejo = std::make_unique<clManejo>();
            manejo->CadenaConexion(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Persist "
                                                  "Security Info=False;Data Source=") +
                                   path);
            manejo->Conectar();
            QVERIFY(manejo->EstadoConexion());
            QCOMPARE(sqlite3_open(path.toUtf8().constData(), &raw), SQLITE_OK);
            sqlite3_stmt* stmt = nullptr;
            sqlite3_prepare_v2(raw,
                               "select group_concat(name) from (select name from sqlite_master "
                               "where type='table' order by name)",
                               -1, &stmt, nullptr);
            sqlite3_step(stmt);
            QCOMPARE(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))),
                     QStringLiteral("BANCNT,BANCON,BANMOV"));
            sqlite3_finalize(stmt);
            sqlite3_close(raw);
        }
    }

    void anEarlierLayoutIsUpgradedWithItsRowsAndKeysCompareWithoutTrailingBlanks() {
        if (onServer())
            QSKIP("a file's layout");
        TestDatabase db;
        {
            // A file as an earlier build wrote it: no version, keys compared as exact text.
            sqlite3* raw = nullptr;
            QCOMPARE(sqlite3_open(db.path().toUtf8().constData(), &raw), SQLITE_OK);
            const char* old =
                "CREATE TABLE BANCNT(CNTSTNRO TEXT NOT NULL,CNTDTALT TEXT,CNTSTNOM TEXT,"
                "CNTSTBNK TEXT,CNTSTTEL TEXT,CNTSTBKC TEXT,TOMDLAAC INTEGER NOT NULL,"
                "TOMDLADE INTEGER NOT NULL,TOMDLACR INTEGER NOT NULL,TOMDLDEB INTEGER NOT NULL,"
                "PRIMARY KEY(CNTSTNRO));"
                "CREATE TABLE BANMOV(CNTSTNRO TEXT NOT NULL,MOVINNRO INTEGER NOT NULL,MOVDTALT "
                "TEXT,CONSTNRO TEXT,MOVSTCPT TEXT,MOVDLAAC INTEGER NOT NULL,MOVDLADE INTEGER NOT "
                "NULL,MOVDLACR INTEGER NOT NULL,MOVDLDEB INTEGER NOT NULL,"
                "PRIMARY KEY(CNTSTNRO,MOVINNRO));"
                "CREATE TABLE BANCON(CONSTNRO TEXT NOT NULL,CONSTDSC TEXT,CONSTTIP TEXT,"
                "PRIMARY KEY(CONSTNRO));"
                "INSERT INTO BANCNT VALUES('7','2024-01-01','Siete','B','','',0,0,0,0);"
                "INSERT INTO BANMOV VALUES('7  ',1,'2024-03-05','3 ','Deposito',1505000,0,0,0);"
                "INSERT INTO BANMOV VALUES('7  ',2,'2024-03-06','4 ','Cheque',0,0,0,250000);"
                "INSERT INTO BANCON VALUES('3','Deposito','C');";
            QCOMPARE(sqlite3_exec(raw, old, nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(raw);
        }
        auto manejo = db.connect();
        QVERIFY(manejo->EstadoConexion());
        // Every row is still there, and "7" finds the movements written as "7  ".
        Recordset sums = query(*manejo, totals(QStringLiteral("31/12/2024"), QStringLiteral("7")));
        QCOMPARE(*sums.Fields(QStringLiteral("TOTAAC")).get<Money>(), Money::fromUnits(1505000));
        QCOMPARE(*sums.Fields(QStringLiteral("TOTDEB")).get<Money>(), Money::fromUnits(250000));
        Recordset count = query(
            *manejo, QStringLiteral("select count(1) as tot from BANMOV where CNTSTNRO = '7'"));
        QCOMPARE(rt::toText(count.Fields(QStringLiteral("tot"))), QStringLiteral("2"));
        Recordset filtered = query(
            *manejo,
            QStringLiteral("select format(MOVDTALT,'dd/mm/yyyy'),trim(MOVSTCPT),"
                           "format(MOVDLAAC,'00.00'),format(MOVDLADE,'00.00'),"
                           "format(MOVDLACR,'00.00'),format(MOVDLDEB,'00.00'), MOVINNRO from "
                           "BANMOV where CNTSTNRO = '7' and MOVDTALT between "
                           "DATEVALUE('01/01/2024') AND DATEVALUE ('31/12/2024')  and CONSTNRO = "
                           "'3' order by MOVDTALT,MOVINNRO"));
        QCOMPARE(filtered.RecordCount(), 1L);
        // The key now holds "7" and "7 " as one account.
        QVERIFY(errorNumberOf([&] {
                    execute(*manejo, accountInsert(QStringLiteral("7 "), QStringLiteral("Otra")));
                }) != 0);
        manejo.reset();
        sqlite3* raw = nullptr;
        sqlite3_open(db.path().toUtf8().constData(), &raw);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(raw, "PRAGMA user_version", -1, &stmt, nullptr);
        sqlite3_step(stmt);
        QCOMPARE(sqlite3_column_int(stmt, 0), 2);
        sqlite3_finalize(stmt);
        sqlite3_close(raw);
    }

    void foreignMissingReadOnlyAndBusyFiles() {
        if (onServer())
            QSKIP("files on disk");
        TestDatabase db;
        // Another program's tables under our names: refused, and the file is not touched.
        const QString foreign = db.folder() + QStringLiteral("/foreign.db");
        {
            sqlite3* raw = nullptr;
            sqlite3_open(foreign.toUtf8().constData(), &raw);
            sqlite3_exec(raw, "CREATE TABLE BANCNT(x TEXT); INSERT INTO BANCNT VALUES('a');",
                         nullptr, nullptr, nullptr);
            sqlite3_close(raw);
        }
        const QByteArray before = contentsOf(foreign);
        const QString missing = db.folder() + QStringLiteral("/missing.db");
        for (const QString& path : {foreign, missing}) {
            clManejo manejo;
            manejo.CadenaConexion(QStringLiteral("Data Source=") + path);
            manejo.Conectar();
            QVERIFY(!manejo.EstadoConexion());
        }
        QCOMPARE(contentsOf(foreign), before);
        QVERIFY(!QFile::exists(foreign + QStringLiteral("-wal")));
        QVERIFY(!QFile::exists(missing)); // the component never makes a file

        // A read-only file lists; its writes are refused with the engine's reason.
        {
            auto manejo = db.connect();
            execute(*manejo, accountInsert(QStringLiteral("001"), QStringLiteral("Caja")));
            execute(*manejo, movementInsert(1, QStringLiteral("05/03/2024"), QStringLiteral("A"),
                                            QStringLiteral("10")));
        }
        QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::ReadGroup);
        {
            auto manejo = db.connect();
            QVERIFY(manejo->EstadoConexion());
            QCOMPARE(
                query(*manejo, listing(QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024")))
                    .RecordCount(),
                1L);
            QVERIFY(errorNumberOf([&] {
                        execute(*manejo, movementInsert(2, QStringLiteral("05/03/2024"),
                                                        QStringLiteral("B"), QStringLiteral("1")));
                    }) != 0);
        }
        QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::WriteOwner);

        // An account with movements cannot be deleted, whoever asks.
        auto manejo = db.connect();
        QVERIFY(errorNumberOf([&] {
                    execute(*manejo, QStringLiteral("delete from BANCNT where CNTSTNRO = '001'"));
                }) != 0);
        QCOMPARE(query(*manejo, QStringLiteral("select * from BANCNT order by VAL(CNTSTNRO)"))
                     .RecordCount(),
                 1L);

        // Another program's long write makes a statement wait, then fail clearly.
        sqlite3* other = nullptr;
        sqlite3_open(db.path().toUtf8().constData(), &other);
        sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        QElapsedTimer waited;
        waited.start();
        QString reason;
        try {
            execute(*manejo, movementInsert(3, QStringLiteral("05/03/2024"), QStringLiteral("C"),
                                            QStringLiteral("1")));
        } catch (const RuntimeError& error) {
            reason = error.description();
        }
        QVERIFY(waited.elapsed() >= 4000);
        QVERIFY2(reason.contains(QStringLiteral("bloqueada")), qPrintable(reason));
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
    }

    void unusableFilesLeaveNoConnectionAndNoChange() {
        if (onServer())
            QSKIP("a file's layout");
        TestDatabase db;
        const QString garbage = db.folder() + QStringLiteral("/notes.txt");
        QFile file(garbage);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(4096, 'x'));
        file.close();
        const QByteArray before = contentsOf(garbage);
        for (const QString& source :
             {garbage, db.folder(), QStringLiteral("/no/such/dir/x.db"), QString()}) {
            clManejo manejo;
            manejo.CadenaConexion(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
                                  source);
            manejo.Conectar();
            QVERIFY2(!manejo.EstadoConexion(), qPrintable(source));
            Recordset rs;
            manejo.Sql(totals(QStringLiteral("01/01/2024")));
            QVERIFY(!manejo.CrearRs(rs));
            QVERIFY(!manejo.RsEstado());
            QCOMPARE(errorNumberOf([&] {
                         execute(manejo, accountInsert(QStringLiteral("001"), QStringLiteral("A")));
                     }),
                     clManejo::notConnected().number());
        }
        QCOMPARE(contentsOf(garbage), before);
        QVERIFY(!QFile::exists(garbage + QStringLiteral("-wal")));
    }

    void aStatementRunsOnlyAsTheFormItsRoutineNames() {
        // One statement of each form, with plain values at its placeholders.
        auto instance = [](const StatementForm& form) {
            QString text;
            for (const FormToken& token : form.tokens()) {
                QString piece = token.text;
                if (token.type == FormToken::Type::Param)
                    piece.replace(QStringLiteral("{text}"), QStringLiteral("x"))
                        .replace(QStringLiteral("{date}"), QStringLiteral("05/03/2024"))
                        .replace(QStringLiteral("{amount}"), QStringLiteral("1"))
                        .replace(QStringLiteral("{int}"), QStringLiteral("1"));
                text += piece;
            }
            return text;
        };
        const auto forms = StatementCatalog::all();
        QVERIFY(forms.size() > 20);
        for (const StatementForm* named : forms) {
            for (const StatementForm* other : forms) {
                const QString statement = instance(*other);
                const bool accepted =
                    errorNumberOf([&] { StatementCatalog::bind(statement, named->name()); }) == 0;
                QVERIFY2(accepted == (named == other),
                         qPrintable(named->name() + QStringLiteral(" / ") + other->name()));
            }
        }
        // A concept value with a quote that would make the concept listing the listing with
        // concept and text: as its own form it is refused.
        gCuenta.CNTSTNRO = QStringLiteral("001");
        gFechaDesde = QDate(2024, 1, 1);
        gFechaHasta = QDate(2024, 12, 31);
        gFiltro = {true, QStringLiteral("1'  and MOVSTCPT like '%zz%"), QString()};
        const QString forged = listingStatement(ListingFor::Grid);
        QCOMPARE(StatementCatalog::bind(forged).form->name(),
                 QStringLiteral("ledger.listing.conceptText"));
        QCOMPARE(
            errorNumberOf([&] { StatementCatalog::bind(forged, listingForm(ListingFor::Grid)); }),
            StatementCatalog::syntaxError().number());
        gFiltro = {};
    }

    void onlyTheModulesStatementFormsRun() {
        TestDatabase db;
        auto manejo = db.connect();
        QCOMPARE(execute(*manejo, accountInsert(QStringLiteral("001"), QStringLiteral("Caja"))),
                 1L);
        const long syntax = StatementCatalog::syntaxError().number();
        // Anything else, or a known form with text added, is refused before it reaches the engine.
        QCOMPARE(errorNumberOf([&] { execute(*manejo, QStringLiteral("DROP TABLE BANCNT")); }),
                 syntax);
        QCOMPARE(errorNumberOf([&] {
                     execute(*manejo, accountInsert(QStringLiteral("002"), QStringLiteral("B")) +
                                          QStringLiteral(";DELETE FROM BANCNT"));
                 }),
                 syntax);
        // A typed quote breaks its statement's form and reaches the caller as an error.
        QCOMPARE(errorNumberOf([&] {
                     execute(*manejo,
                             accountInsert(QStringLiteral("002"),
                                           QStringLiteral("x',0,0,0,0);DELETE FROM BANCNT;--")));
                 }),
                 syntax);
        QCOMPARE(errorNumberOf([&] {
                     query(*manejo,
                           listing(QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024"),
                                   QStringLiteral(" and CONSTNRO = '3' or '1'='1' ")));
                 }),
                 syntax);
        // A query form given to Ejecutar, or a command to CrearRs, is refused too.
        QCOMPARE(errorNumberOf([&] { execute(*manejo, totals(QStringLiteral("01/01/2024"))); }),
                 syntax);
        Recordset rs =
            query(*manejo, QStringLiteral("select * from BANCNT order by VAL(CNTSTNRO)"));
        QCOMPARE(rs.RecordCount(), 1L);
        QCOMPARE(rs.Fields(QStringLiteral("cntstnom")), Variant(QStringLiteral("Caja")));
    }

    void theDialectReadsDatesAmountsAndFunctions_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("point") << pointLocale();
        QTest::newRow("comma") << commaLocale();
    }
    void theDialectReadsDatesAmountsAndFunctions() {
        QFETCH(QLocale, locale);
        LocaleScope scope(locale);
        const QString sep = QLocale().decimalPoint();
        TestDatabase db;
        auto manejo = db.connect();
        for (const char* number : {"10", "2", "1"})
            execute(*manejo,
                    accountInsert(QString::fromLatin1(number), QStringLiteral("  Cuenta ")));
        // Numeric order of numbers kept as text, and the highest of them.
        Recordset accounts =
            query(*manejo, QStringLiteral("select * from BANCNT order by VAL(CNTSTNRO)"));
        QStringList order;
        for (; !accounts.Eof(); accounts.MoveNext())
            order << accounts.Fields(QStringLiteral("CNTSTNRO")).get<QString>()->trimmed();
        QCOMPARE(order, QStringList({"1", "2", "10"}));
        QCOMPARE(query(*manejo, QStringLiteral("select max(val(CNTSTNRO)) as tot from BANCNT"))
                     .Fields(QStringLiteral("tot")),
                 Variant(10.0));

        // Locale number text into amount columns; display formats come back in the locale.
        execute(*manejo,
                movementInsert(1, QStringLiteral("05/03/2024"), QStringLiteral("  Deposito "),
                               QStringLiteral("150") + sep + QStringLiteral("5")));
        execute(*manejo, movementInsert(2, QStringLiteral("5/3/2024"), QStringLiteral("Luz 50%"),
                                        QStringLiteral("0"),
                                        QStringLiteral("-3") + sep + QStringLiteral("2")));
        execute(*manejo, movementInsert(3, QStringLiteral("01/04/2024"), QStringLiteral("Abril"),
                                        QStringLiteral("1")));
        Recordset rs =
            query(*manejo, listing(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024")));
        QCOMPARE(rs.RecordCount(), 2L);
        const QString zero = QStringLiteral("00") + sep + QStringLiteral("00");
        QCOMPARE(rs.GetString(QStringLiteral("\t"), QStringLiteral("\r"), QString()),
                 QStringLiteral("05/03/2024\tDeposito\t150") + sep + QStringLiteral("50\t") + zero +
                     u'\t' + zero + u'\t' + zero + QStringLiteral("\t1\r05/03/2024\tLuz 50%\t") +
                     zero + u'\t' + zero + QStringLiteral("\t-03") + sep + QStringLiteral("20\t") +
                     zero + QStringLiteral("\t2\r"));
        QVERIFY(rs.Eof());

        // like looks for the text as typed, on both sides, ignoring case.
        const QString byText = QStringLiteral(" and CONSTNRO = '3 '  and MOVSTCPT like '%%1%' ");
        QCOMPARE(query(*manejo, listing(QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024"),
                                        byText.arg(QStringLiteral("50%"))))
                     .RecordCount(),
                 1L);
        QCOMPARE(query(*manejo, listing(QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024"),
                                        byText.arg(QStringLiteral("DEPO"))))
                     .RecordCount(),
                 1L);
        QCOMPARE(query(*manejo, listing(QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024"),
                                        byText.arg(QStringLiteral("_"))))
                     .RecordCount(),
                 0L);

        // A date text assigned to a date column; a text that is no date is a type mismatch.
        const QString dateUpdate =
            QStringLiteral("UPDATE BANCNT SET CNTDTALT = '%1',CNTSTNOM = 'n',"
                           "CNTSTBNK = '',CNTSTTEL = '',CNTSTBKC = '' WHERE "
                           "CNTSTNRO = '1'");
        QCOMPARE(execute(*manejo, dateUpdate.arg(QStringLiteral("29/02/2024"))), 1L);
        const long mismatch = StatementCatalog::typeMismatch().number();
        QCOMPARE(
            errorNumberOf([&] { execute(*manejo, dateUpdate.arg(QStringLiteral("31/02/2024"))); }),
            mismatch);
        QCOMPARE(errorNumberOf([&] {
                     execute(*manejo, movementInsert(4, QStringLiteral("01/04/2024"),
                                                     QStringLiteral("x"), QStringLiteral("abc")));
                 }),
                 mismatch);
        Recordset one =
            query(*manejo, QStringLiteral("select * from BANCNT order by VAL(CNTSTNRO)"));
        QCOMPARE(one.Fields(QStringLiteral("CNTDTALT")), Variant(QDate(2024, 2, 29)));
        QCOMPARE(one.Fields(QStringLiteral("TOMDLAAC")), Variant(Money()));
    }

    void keyNumbersCompareWithoutTrailingBlanks() {
        TestDatabase db;
        auto manejo = db.connect();
        QVERIFY(manejo->EstadoConexion());
        execute(*manejo, accountInsert(QStringLiteral("7"), QStringLiteral("Siete")));
        execute(*manejo, movementInsert(1, QStringLiteral("05/03/2024"), QStringLiteral("a"),
                                        QStringLiteral("2")));
        // "7 " is the account "7"; the movement's concept "3 " is found as "3".
        QVERIFY(errorNumberOf([&] {
                    execute(*manejo, accountInsert(QStringLiteral("7 "), QStringLiteral("Otra")));
                }) != 0);
        QCOMPARE(query(*manejo, QStringLiteral("select * from BANCNT where CNTSTNRO = '7  '"))
                     .RecordCount(),
                 1L);
        QCOMPARE(query(*manejo, listing(QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024"),
                                        QStringLiteral(" and CONSTNRO = '3' ")))
                     .RecordCount(),
                 1L);
        // A second connection finds the tables the first one made, and its rows.
        auto second = db.connect();
        QVERIFY(second->EstadoConexion());
        QCOMPARE(
            query(*second, totals(QStringLiteral("31/12/2024"))).Fields(QStringLiteral("TOTAAC")),
            Variant(Money::fromUnits(20000)));
    }

    void aggregatesAndRecordsetOperations() {
        TestDatabase db;
        auto manejo = db.connect();
        Recordset none = query(*manejo, totals(QStringLiteral("31/12/2024")));
        QVERIFY(manejo->RsEstado());
        QCOMPARE(none.RecordCount(), 1L);
        QVERIFY(none.Fields(QStringLiteral("TOTAAC")).isNull());
        QVERIFY(query(*manejo, QStringLiteral("select max(MOVINNRO) as nro from BANMOV  where "
                                              "CNTSTNRO = '001'"))
                    .Fields(QStringLiteral("nro"))
                    .isNull());
        execute(*manejo, movementInsert(7, QStringLiteral("05/03/2024"), QStringLiteral("a"),
                                        QStringLiteral("1")));
        Recordset count = query(*manejo, QStringLiteral("select count(1) as tot from BANMOV where "
                                                        "CNTSTNRO = '001'"));
        QCOMPARE(count.Fields(QStringLiteral("TOT")), Variant(std::int64_t(1)));
        QCOMPARE(errorNumberOf([&] { count.Fields(QStringLiteral("missing")); }), 3265L);
        count.MoveNext();
        QVERIFY(count.Eof());
        QCOMPARE(errorNumberOf([&] { count.Fields(0); }), 3021L);
        QCOMPARE(errorNumberOf([&] { count.MoveNext(); }), 3021L);
        Recordset nulls =
            query(*manejo, QStringLiteral("select * from BANCNT order by VAL(CNTSTNRO)"));
        QVERIFY(nulls.Eof());
        QCOMPARE(nulls.GetString(QStringLiteral(";"), QStringLiteral("\n"), QStringLiteral("-")),
                 QString());
    }

    void sumsOfAmountsAreExactToTheCent() {
        LocaleScope scope(pointLocale());
        TestDatabase db;
        auto manejo = db.connect();
        // A million movements of amounts that binary floating point cannot hold exactly (a
        // tenth of that over the server's round trips).
        const int count = onServer() ? 100000 : 1000000;
        std::int64_t expectedCents = 0;
        {
            WriteBatch batch(*manejo);
            for (int k = 1; k <= count; ++k) {
                const int cents = 1 + (k * 37) % 99999;
                expectedCents += cents;
                execute(*manejo,
                        movementInsert(k, QStringLiteral("01/01/2024"), QStringLiteral("m"),
                                       QString::number(cents / 100) + u'.' +
                                           QString::number(cents % 100).rightJustified(2, u'0')));
            }
            batch.commit();
        }
        Recordset rs = query(*manejo, totals(QStringLiteral("31/12/2024")));
        QCOMPARE(rs.Fields(QStringLiteral("TOTAAC")),
                 Variant(Money::fromUnits(expectedCents * 100)));
    }

    void commandsAreDurableWhenTheyReturn() {
        TestDatabase db;
        db.connect();
        const pid_t child = fork();
        if (child == 0) {
            auto manejo = db.connect();
            const long changed =
                execute(*manejo, accountInsert(QStringLiteral("009"), QStringLiteral("Z")));
            _exit(changed == 1 ? 0 : 1); // no clean shutdown: the process just ends
        }
        int status = 0;
        waitpid(child, &status, 0);
        QCOMPARE(WEXITSTATUS(status), 0);
        auto manejo = db.connect();
        QCOMPARE(query(*manejo, QStringLiteral("select * from BANCNT order by VAL(CNTSTNRO)"))
                     .RecordCount(),
                 1L);

        // A batch left without commit writes nothing.
        try {
            WriteBatch batch(*manejo);
            execute(*manejo, accountInsert(QStringLiteral("010"), QStringLiteral("Y")));
            throw RuntimeError(1, QStringLiteral("interrumpido"));
        } catch (const RuntimeError&) {
        }
        QCOMPARE(query(*manejo, QStringLiteral("select * from BANCNT order by VAL(CNTSTNRO)"))
                     .RecordCount(),
                 1L);
        // A duplicate key is the database's refusal, reported as a run-time error.
        QVERIFY(errorNumberOf([&] {
                    execute(*manejo, accountInsert(QStringLiteral("009"), QStringLiteral("Z")));
                }) != 0);
    }
};

QTEST_GUILESS_MAIN(TstData)
#include "tst_data.moc"
