#include "LedgerTests.h"
#include "data/ConnectionString.h"
#include "data/EngineErrors.h"
#include "data/Schema.h"
#include "data/StatementCatalog.h"
#include "data/WriteBatch.h"
#include "domain/LedgerStatements.h"
#include "domain/ListingStatement.h"
#include "domain/SharedState.h"
#include "entry/ComponentClasses.h"
#include "fuzz/GatewayChecks.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QtTest>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace ledgora;
using namespace ledgora::test;

namespace {

// The listing of account "001" (or another) between two dates, with the filter's clauses.
QString listing(const QString& filter = {}, const QString& from = "01/01/2024",
                const QString& to = "31/12/2024", const QString& account = "001") {
    return QStringLiteral("select format(MOVDTALT,'dd/mm/yyyy'),trim(MOVSTCPT),"
                          "format(MOVDLAAC,'00.00'),format(MOVDLADE,'00.00'),"
                          "format(MOVDLACR,'00.00'),format(MOVDLDEB,'00.00'), MOVINNRO from "
                          "BANMOV where CNTSTNRO = '") +
           account + u"' and MOVDTALT between DATEVALUE('"_s + from + u"') AND DATEVALUE ('"_s +
           to + u"') "_s + filter + u"order by MOVDTALT,MOVINNRO"_s;
}

long accountRows(clManejo& manejo) {
    return query(manejo, "select * from BANCNT order by VAL(CNTSTNRO)").RecordCount();
}

// The module's tables as a file of the given layout version holds them, one column declared
// otherwise when asked ("BANMOV.MOVDLAAC REAL"), with an account, its totals as some listing
// stored them, two movements under its number written with trailing blanks, and a concept.
QStringList layoutOf(int version, const QString& replaced = {}) {
    QStringList statements;
    for (const TableDef& table : Schema::tables()) {
        if (table.since > std::max(version, 1))
            continue;
        QStringList columns;
        for (const ColumnDef& c : table.columns) {
            const QString name = table.name + u'.' + c.name + u' ';
            const bool text = c.kind == ColumnKind::Text || c.kind == ColumnKind::Date;
            columns << c.name + u' ' +
                           (replaced.startsWith(name) ? replaced.mid(name.size())
                                                      : QString(text ? "TEXT" : "INTEGER")) +
                           (c.blankPadded && version >= 2 ? " COLLATE RTRIM" : "");
        }
        statements << "CREATE TABLE " + table.name + u'(' + columns.join(u',') + ",PRIMARY KEY(" +
                          QStringList(table.key.begin(), table.key.end()).join(u',') + "))";
    }
    return statements << QString("PRAGMA user_version=%1").arg(version)
                      << "INSERT INTO BANCNT VALUES('7','2024-01-01','Siete','B','','',1,2,3,4)"
                      << "INSERT INTO BANMOV VALUES('7  ',1,'2024-03-05','3 ','Deposito',1505000,"
                         "0,0,0)"
                      << "INSERT INTO BANMOV VALUES('7  ',2,'2024-03-06','4 ','Cheque',0,0,0,"
                         "250000)"
                      << "INSERT INTO BANCON VALUES('3','Deposito','C')";
}

// The text of a registered form with these values, as a routine would splice it.
QString statementText(FormName name, const std::vector<QString>& values) {
    for (const StatementForm* form : StatementCatalog::all())
        if (form->name() == name.toString())
            return fuzz::render(*form, values);
    return {};
}

} // namespace

// The data-access component against real SQLite files: connection, the dialect of the
// module's statements, refusal of anything else, exact amounts and durable writes.
class TstData : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        LEDGORA_SKIP_WITHOUT_SERVER();
        registerComponentClasses();
    }

    // A server's address as a message or the log shows it: no password, wherever it stands.
    void aServerAddressIsShownWithoutItsPassword() {
        QCOMPARE(ConnectionString::masked(
                     u"postgresql://ana:s3:c@r@db:5432/libro?sslmode=require&password=x"_s),
                 u"postgresql://ana:***@db:5432/libro?sslmode=require&password=***"_s);
    }

    // A new (empty) file gets the three tables; a file that is no ledger or holds another
    // program's tables, a folder, a file or folder that is not there, or no source at all
    // leave no connection, and nothing changed or made.
    void onlyALedgerOrANewFileOpens_data() {
        QTest::addColumn<bool>("opens");
        QTest::newRow("new file") << true;
        for (const char* kind : {"no ledger", "another program's tables", "folder", "missing file",
                                 "missing folder", "no source"})
            QTest::newRow(kind) << false;
    }
    void onlyALedgerOrANewFileOpens() {
        QFETCH(bool, opens);
        if (onServer())
            QSKIP("files on disk");
        TestDatabase db;
        const QString kind = QString::fromLatin1(QTest::currentDataTag());
        QString source = db.path();
        if (kind == u"no ledger")
            writeFile(source, QByteArray(4096, 'x'));
        else if (kind == u"another program's tables")
            QVERIFY(sqliteExec(source,
                               {"CREATE TABLE BANCNT(x TEXT)", "INSERT INTO BANCNT VALUES('a')"}));
        else if (kind == u"folder")
            source = db.folder();
        else if (kind == u"missing file")
            source = db.folder() + u"/missing.db"_s;
        else if (kind == u"missing folder")
            source = u"/no/such/dir/x.db"_s;
        else if (kind == u"no source")
            source.clear();
        const QByteArray before = fileContent(source);
        clManejo manejo;
        manejo.CadenaConexion(u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source="_s + source);
        manejo.Conectar();
        QCOMPARE(manejo.EstadoConexion(), opens);
        if (opens) {
            QCOMPARE(
                sqliteRows(source,
                           u"select name from sqlite_master where type='table' order by name"_s),
                QStringList({"BANAUD", "BANCNT", "BANCON", "BANCSV", "BANCTX", "BANENL", "BANEQV",
                             "BANEXT", "BANMOV", "BANOCU", "BANPER", "BANREV", "BANSEL"}));
            return;
        }
        Recordset rs;
        manejo.Sql(totals(u"01/01/2024"_s));
        QVERIFY(!manejo.CrearRs(rs));
        QVERIFY(!manejo.RsEstado());
        QCOMPARE(errorNumberOf([&] { addAccount(manejo, u"001"_s); }),
                 clManejo::notConnected().number());
        QCOMPARE(fileContent(source), before);
        QVERIFY(!QFile::exists(source + u"-wal"_s));
        QVERIFY(kind != u"missing file" || !QFile::exists(source)); // the component makes none
    }

    void anEarlierLayoutIsUpgradedWithItsRowsTotalsAndABackup_data() {
        QTest::addColumn<int>("version");
        QTest::newRow("layout 1") << 0; // keys compared as exact text
        QTest::newRow("layout 2") << 2;
        QTest::newRow("layout 3") << 3; // without the reconciliation's tables
        QTest::newRow("layout 4") << 4; // without the audit trail, which starts empty
    }
    void anEarlierLayoutIsUpgradedWithItsRowsTotalsAndABackup() {
        QFETCH(int, version);
        if (onServer())
            QSKIP("a file's layout");
        TestDatabase db;
        QVERIFY(sqliteExec(db.path(), layoutOf(version)));
        auto manejo = db.connect();
        QVERIFY(manejo->EstadoConexion());
        // Every row is still there, and "7" finds the movements written as "7  ".
        Recordset sums = query(*manejo, totals("31/12/2024", "7"));
        QCOMPARE(*sums.Fields("TOTAAC").get<Money>(), Money::fromUnits(1505000));
        QCOMPARE(*sums.Fields("TOTDEB").get<Money>(), Money::fromUnits(250000));
        QCOMPARE(
            rt::toText(query(*manejo, "select count(1) as tot from BANMOV where CNTSTNRO = '7'")
                           .Fields("tot")),
            QString("2"));
        QCOMPARE(query(*manejo, listing(" and CONSTNRO = '3' ", "01/01/2024", "31/12/2024", "7"))
                     .RecordCount(),
                 1L);
        // The key now holds "7" and "7 " as one account.
        QVERIFY(errorNumberOf([&] { addAccount(*manejo, "7 ", "Otra"); }) != 0);
        manejo.reset();
        QCOMPARE(sqliteRows(db.path(), "PRAGMA user_version"),
                 QStringList{QString::number(Schema::kVersion)});
        QCOMPARE(sqliteRows(db.path(), "select (select count(*) from BANEXT) + (select count(*) "
                                       "from BANAUD)"),
                 QStringList{"0"});
        // The totals are the sums of the movements, and the file as it was is kept aside.
        QCOMPARE(sqliteRows(db.path(), "select TOMDLAAC||' '||TOMDLADE||' '||TOMDLACR||' '||"
                                       "TOMDLDEB from BANCNT"),
                 QStringList{"1505000 0 0 250000"});
        QCOMPARE(sqliteRows(db.folder() + QString("/backups/ledgora-antes-de-actualizar-v%1.db")
                                              .arg(std::max(version, 1)),
                            "PRAGMA user_version"),
                 QStringList{QString::number(version)});
    }

    // A file of another program's tables (a column of ours declared otherwise), of an older
    // layout opened for reading or that cannot be backed up, or of a newer Ledgora's: it opens
    // only as that allows, and nothing of it changes.
    void aFileOpensAsItsLayoutAllowsAndStaysAsItWas_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("replaced");
        QTest::addColumn<bool>("forReading");
        QTest::addColumn<bool>("noBackups");
        QTest::addColumn<QString>("refusal"); // a write's error; empty when it does not open
        for (const char* replaced :
             {"BANMOV.MOVDLAAC numeric(14,2)", "BANMOV.MOVDLDEB REAL", "BANCNT.TOMDLAAC CURRENCY",
              "BANMOV.CNTSTNRO INTEGER", "BANCON.CONSTNRO INT", "BANMOV.MOVINNRO TEXT",
              "BANMOV.MOVDTALT DATE"})
            QTest::newRow(replaced) << 2 << QString(replaced) << false << false << QString();
        const QString readOnly = EngineErrors::readOnly().description();
        QTest::newRow("layout 1 for reading") << 0 << QString() << true << false << readOnly;
        QTest::newRow("layout 2 for reading") << 2 << QString() << true << false << readOnly;
        QTest::newRow("layout 3 for reading") << 3 << QString() << true << false << readOnly;
        QTest::newRow("layout 2, no backup") << 2 << QString() << false << true << readOnly;
        QTest::newRow("newer layout") << Schema::kVersion + 1 << QString() << false << false
                                      << EngineErrors::newerLayout().description();
    }
    void aFileOpensAsItsLayoutAllowsAndStaysAsItWas() {
        QFETCH(int, version);
        QFETCH(QString, replaced);
        QFETCH(bool, forReading);
        QFETCH(bool, noBackups);
        QFETCH(QString, refusal);
        if (onServer())
            QSKIP("a file's layout");
        TestDatabase db;
        QVERIFY(sqliteExec(db.path(), layoutOf(version, replaced)));
        if (noBackups) // a file where the folder of backups would go
            QFile(db.folder() + "/backups").open(QIODevice::WriteOnly);
        const QByteArray before = fileContent(db.path());
        const QRegularExpression newer("newer Ledgora");
        if (version > Schema::kVersion) {
            QLoggingCategory::setFilterRules("ledgora.data.warning=true");
            QTest::ignoreMessage(QtWarningMsg, newer);
            QTest::failOnWarning(newer);
        }
        clManejo manejo;
        manejo.CadenaConexion(ConnectionString::forSource(db.path(), forReading));
        manejo.Conectar();
        QLoggingCategory::setFilterRules({});
        QCOMPARE(manejo.EstadoConexion(), !refusal.isEmpty());
        if (manejo.EstadoConexion()) {
            QCOMPARE(accountRows(manejo), 1L);
            // The totals a listing stores are the database's to keep: nothing is written.
            QCOMPARE(manejo.Ejecutar(forms::ledgerAccountTotals, {"1", "0", "0", "0", "7"}), 1L);
            const auto error = errorOf([&] { addAccount(manejo, "8", "Ocho"); });
            QVERIFY(error);
            QCOMPARE(error->description(), refusal);
            QCOMPARE(error->kind(), version > Schema::kVersion ? RuntimeError::Kind::NewerLayout
                                                               : RuntimeError::Kind::ReadOnly);
        }
        QCOMPARE(fileContent(db.path()), before);
        QCOMPARE(sqliteRows(db.path(), "PRAGMA journal_mode"), QStringList{"delete"});
    }

    void readOnlyAndBusyFiles() {
        if (onServer())
            QSKIP("files on disk");
        TestDatabase db;
        // A read-only file lists; its writes are refused with the engine's reason.
        addAccount(*db.connect(), "001", "Caja");
        addMovement(*db.connect(), 1, "05/03/2024", "A", "10");
        QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::ReadGroup);
        {
            auto manejo = db.connect();
            QVERIFY(manejo->EstadoConexion());
            QCOMPARE(query(*manejo, listing()).RecordCount(), 1L);
            QVERIFY(errorNumberOf([&] { addMovement(*manejo, 2, "05/03/2024", "B", "1"); }) != 0);
        }
        QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::WriteOwner);
        // So does a ledger in write-ahead mode in a folder where its log cannot be made.
        const auto folderRights = QFile::permissions(db.folder());
        QFile::setPermissions(db.folder(), QFile::ReadOwner | QFile::ExeOwner);
        QCOMPARE(query(*db.connect(), listing()).RecordCount(), 1L);
        QFile::setPermissions(db.folder(), folderRights);

        // An account with movements cannot be deleted, whoever asks.
        auto manejo = db.connect();
        QVERIFY(errorNumberOf(
                    [&] { execute(*manejo, "delete from BANCNT where CNTSTNRO = '001'"); }) != 0);
        QCOMPARE(accountRows(*manejo), 1L);

        // Another program's long write makes a statement wait, then fail clearly.
        sqlite3* other = nullptr;
        sqlite3_open(db.path().toUtf8().constData(), &other);
        sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        QElapsedTimer waited;
        waited.start();
        const QString reason =
            errorDescriptionOf([&] { addMovement(*manejo, 3, "05/03/2024", "C", "1"); });
        QVERIFY(waited.elapsed() >= 4000);
        QVERIFY2(reason.contains("bloqueada"), qPrintable(reason));
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
    }

    void aStatementRunsOnlyAsTheFormItsRoutineNames() {
        // One statement of each form, with plain values at its placeholders.
        auto instance = [](const StatementForm& form) {
            QString text;
            for (const FormToken& token : form.tokens()) {
                QString piece = token.text;
                if (token.type == FormToken::Type::Param)
                    piece.replace("{text}", "x")
                        .replace("{date}", "05/03/2024")
                        .replace("{amount}", "1")
                        .replace("{int}", "1");
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
                // Two routines may issue one statement under their own names (an undo's delete
                // is the screen's, recorded as the undo's).
                QVERIFY2(accepted == (named->text() == other->text()),
                         qPrintable(named->name() + " / " + other->name()));
            }
        }
        // A concept value with a quote that would make the concept listing the listing with
        // concept and text: as its own form it is refused.
        gCuenta.CNTSTNRO = "001";
        gFechaDesde = QDate(2024, 1, 1);
        gFechaHasta = QDate(2024, 12, 31);
        gFiltro = {true, "1'  and MOVSTCPT like '%zz%", QString()};
        const QString forged = listingStatement(ListingFor::Grid);
        QCOMPARE(StatementCatalog::bind(forged).form->name(),
                 forms::ledgerListingConceptText.toString());
        QCOMPARE(errorNumberOf([&] {
                     StatementCatalog::bind(forged, listingForm(ListingFor::Grid).toString());
                 }),
                 StatementCatalog::syntaxError().number());
        gFiltro = {};
    }

    void onlyTheModulesStatementFormsRun() {
        TestDatabase db;
        auto manejo = db.connect();
        QCOMPARE(addAccount(*manejo, "001", "Caja"), 1L);
        // Anything else, a known form with text added, a typed quote breaking its statement's
        // form, a query form given to Ejecutar: refused before it reaches the engine.
        for (const QString& refused :
             {QString("DROP TABLE BANCNT"),
              statementText(forms::accountsInsert, {"002", "01/01/2024", "B", "", "", ""}) +
                  ";DELETE FROM BANCNT",
              statementText(forms::accountsInsert,
                            {"002", "01/01/2024", "x',0,0,0,0);DELETE FROM BANCNT;--", "", "", ""}),
              totals("01/01/2024")})
            QCOMPARE(errorNumberOf([&] { execute(*manejo, refused); }),
                     StatementCatalog::syntaxError().number());
        QCOMPARE(errorNumberOf([&] { query(*manejo, listing(" and CONSTNRO = '3' or '1'='1' ")); }),
                 StatementCatalog::syntaxError().number());
        Recordset rs = query(*manejo, "select * from BANCNT order by VAL(CNTSTNRO)");
        QCOMPARE(rs.RecordCount(), 1L);
        QCOMPARE(rs.Fields("cntstnom"), Variant(QString("Caja")));
    }

    void theDialectReadsDatesAmountsAndFunctions_data() { inEitherLocale(); }
    void theDialectReadsDatesAmountsAndFunctions() {
        QFETCH(QLocale, locale);
        LocaleScope scope(locale);
        const QString sep = QLocale().decimalPoint();
        TestDatabase db;
        auto manejo = db.connect();
        for (const char* number : {"10", "2", "1"})
            addAccount(*manejo, number, "  Cuenta ");
        // Numeric order of numbers kept as text, and the highest of them.
        Recordset accounts = query(*manejo, "select * from BANCNT order by VAL(CNTSTNRO)");
        QStringList order;
        for (; !accounts.Eof(); accounts.MoveNext())
            order << accounts.Fields("CNTSTNRO").get<QString>()->trimmed();
        QCOMPARE(order, QStringList({"1", "2", "10"}));
        QCOMPARE(query(*manejo, "select max(val(CNTSTNRO)) as tot from BANCNT").Fields("tot"),
                 Variant(10.0));

        // Locale number text into amount columns; display formats come back in the locale.
        addMovement(*manejo, 1, "05/03/2024", "  Deposito ", "150" + sep + "5");
        addMovement(*manejo, 2, "5/3/2024", "Luz 50%", "0", "-3" + sep + "2");
        addMovement(*manejo, 3, "01/04/2024", "Abril", "1");
        Recordset rs = query(*manejo, listing({}, "01/03/2024", "31/03/2024"));
        QCOMPARE(rs.RecordCount(), 2L);
        const QString zero = "00" + sep + "00";
        QCOMPARE(rs.GetString("\t", "\r", QString()),
                 "05/03/2024\tDeposito\t150" + sep + "50\t" + zero + u'\t' + zero + u'\t' + zero +
                     "\t1\r05/03/2024\tLuz 50%\t" + zero + u'\t' + zero + "\t-03" + sep + "20\t" +
                     zero + "\t2\r");
        QVERIFY(rs.Eof());

        // like looks for the text as typed, on both sides, ignoring case.
        for (const auto& [text, found] : {std::pair{"50%", 1L}, {"DEPO", 1L}, {"_", 0L}})
            QCOMPARE(query(*manejo, listing(QString(" and CONSTNRO = '3 '  and MOVSTCPT like "
                                                    "'%%1%' ")
                                                .arg(QString::fromUtf8(text))))
                         .RecordCount(),
                     found);

        // A date text assigned to a date column; a text that is no date is a type mismatch.
        const QString dateUpdate("UPDATE BANCNT SET CNTDTALT = '%1',CNTSTNOM = 'n',CNTSTBNK = "
                                 "'',CNTSTTEL = '',CNTSTBKC = '' WHERE CNTSTNRO = '1'");
        QCOMPARE(execute(*manejo, dateUpdate.arg("29/02/2024")), 1L);
        const long mismatch = StatementCatalog::typeMismatch().number();
        QCOMPARE(errorNumberOf([&] { execute(*manejo, dateUpdate.arg("31/02/2024")); }), mismatch);
        QCOMPARE(errorNumberOf([&] { addMovement(*manejo, 4, "01/04/2024", "x", "abc"); }),
                 mismatch);
        Recordset one = query(*manejo, "select * from BANCNT order by VAL(CNTSTNRO)");
        QCOMPARE(one.Fields("CNTDTALT"), Variant(QDate(2024, 2, 29)));
        QCOMPARE(one.Fields("TOMDLAAC"), Variant(Money()));
    }

    void aggregatesAndRecordsetOperations() {
        TestDatabase db;
        auto manejo = db.connect();
        Recordset none = query(*manejo, totals("31/12/2024"));
        QVERIFY(manejo->RsEstado());
        QCOMPARE(none.RecordCount(), 1L);
        QVERIFY(none.Fields("TOTAAC").isNull());
        QVERIFY(query(*manejo, "select max(MOVINNRO) as nro from BANMOV  where CNTSTNRO = '001'")
                    .Fields("nro")
                    .isNull());
        addMovement(*manejo, 7, "05/03/2024", "a", "1");
        Recordset count =
            query(*manejo, "select count(1) as tot from BANMOV where CNTSTNRO = '001'");
        QCOMPARE(count.Fields("TOT"), Variant(std::int64_t(1)));
        QCOMPARE(errorNumberOf([&] { count.Fields("missing"); }), 3265L);
        count.MoveNext();
        QVERIFY(count.Eof());
        QCOMPARE(errorNumberOf([&] { count.Fields(0); }), 3021L);
        QCOMPARE(errorNumberOf([&] { count.MoveNext(); }), 3021L);
        Recordset nulls = query(*manejo, "select * from BANCNT order by VAL(CNTSTNRO)");
        QVERIFY(nulls.Eof());
        QCOMPARE(nulls.GetString(";", "\n", "-"), QString());
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
                addMovement(*manejo, k, "01/01/2024", "m", centsText(cents));
            }
            batch.commit();
        }
        QCOMPARE(query(*manejo, totals("31/12/2024")).Fields("TOTAAC"),
                 Variant(Money::fromUnits(expectedCents * 100)));
    }

    void commandsAreDurableWhenTheyReturn() {
        TestDatabase db;
        db.connect();
        const pid_t child = fork();
        if (child == 0) // no clean shutdown: the process just ends
            _exit(addAccount(*db.connect(), "009", "Z") == 1 ? 0 : 1);
        int status = 0;
        waitpid(child, &status, 0);
        QCOMPARE(WEXITSTATUS(status), 0);
        auto manejo = db.connect();
        QCOMPARE(accountRows(*manejo), 1L);
        // A batch left without commit writes nothing.
        errorOf([&] {
            WriteBatch batch(*manejo);
            addAccount(*manejo, "010", "Y");
            throw RuntimeError(1, "interrumpido");
        });
        QCOMPARE(accountRows(*manejo), 1L);
        // A duplicate key is the database's refusal, reported as a run-time error.
        QVERIFY(errorNumberOf([&] { addAccount(*manejo, "009", "Z"); }) != 0);
    }
};

LEDGORA_TEST_GUILESS_MAIN(TstData)
#include "tst_data.moc"
