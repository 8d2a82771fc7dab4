#pragma once

// What the tests of ledgers share: a fresh database on a file or on the test server, accounts,
// concepts and movements written through the module's own statements, and the file read
// straight through SQLite, as another program would.

#include "ScreenTests.h"
#include "controls/FlexGrid.h"
#include "core/Conversions.h"
#include "data/ConnectionString.h"
#include "data/Recordset.h"
#include "data/clManejo.h"
#include "domain/LedgerStatements.h"
#include "domain/SharedState.h"
#include "entry/ComponentClasses.h"
#include "mainscreen/FrmBNKMain.h"
#include "mainscreen/MainScreenLifecycle.h"
#include "screens/ScreenStatements.h"

#include <QAtomicInt>
#include <QDate>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <cstdio>
#include <libpq-fe.h>
#include <memory>
#include <sqlite3.h>
#include <unistd.h>

namespace ledgora::test {

// The suites that take an engine run on SQLite by default, and on the PostgreSQL server at
// LEDGORA_TEST_PG when LEDGORA_TEST_ENGINE=postgresql (as CTest's "_pg" variants ask).
inline bool onServer() {
    return qEnvironmentVariable("LEDGORA_TEST_ENGINE") == QLatin1String("postgresql");
}

// Why a suite for the server cannot run here; empty when it can.
inline QString serverMissing() {
    if (onServer() && qEnvironmentVariableIsEmpty("LEDGORA_TEST_PG"))
        return u"no test server (LEDGORA_TEST_PG is not set)"_s;
    return {};
}
// Skips the calling test function (an initTestCase: the whole suite) when its server is missing.
#define LEDGORA_SKIP_WITHOUT_SERVER()                                                              \
    do {                                                                                           \
        if (const QString missing = ledgora::test::serverMissing(); !missing.isEmpty())            \
            QSKIP(qPrintable(missing));                                                            \
    } while (false)

// Runs administrative commands on the test server: the first value they give (empty when
// none), or nothing when they fail.
inline std::optional<QString> onTestServer(const QString& uri, const QString& sql) {
    PGconn* conn = PQconnectdb(uri.toUtf8().constData());
    std::optional<QString> value;
    if (PQstatus(conn) == CONNECTION_OK) {
        PGresult* result = PQexec(conn, sql.toUtf8().constData());
        if (PQresultStatus(result) == PGRES_COMMAND_OK || PQresultStatus(result) == PGRES_TUPLES_OK)
            value = QString::fromUtf8(PQntuples(result) > 0 ? PQgetvalue(result, 0, 0) : "");
        PQclear(result);
    }
    PQfinish(conn);
    return value;
}

// Every line the program writes on stderr while it lives, the ledgora.data logs (the server's too)
// included, kept in a file instead.
class CapturedOutput {
public:
    CapturedOutput() {
        file_.open();
        std::fflush(stderr);
        saved_ = ::dup(2);
        ::dup2(file_.handle(), 2);
        QLoggingCategory::setFilterRules(u"ledgora.data*=true"_s);
        previous_ =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
                std::fprintf(stderr, "%s\n", qPrintable(text));
            });
    }
    ~CapturedOutput() {
        qInstallMessageHandler(previous_);
        QLoggingCategory::setFilterRules(QString());
        std::fflush(stderr);
        ::dup2(saved_, 2);
        ::close(saved_);
    }
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;

    QStringList lines() {
        std::fflush(stderr);
        QFile file(file_.fileName());
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    QTemporaryFile file_;
    int saved_ = -1;
    QtMessageHandler previous_ = nullptr;
};

// The test server's URI with another database name.
inline QString serverUri(const QString& database) {
    QString uri = qEnvironmentVariable("LEDGORA_TEST_PG");
    const qsizetype query = uri.indexOf(u'?');
    const qsizetype slash = uri.lastIndexOf(u'/', query < 0 ? -1 : query - uri.size() - 1);
    return uri.left(slash + 1) + database + (query < 0 ? QString() : uri.mid(query));
}

// A fresh database, and a connected data-access object on it: a file in a temporary folder,
// or a new database on the test server, dropped afterwards.
class TestDatabase {
public:
    // A file exists, empty, as the host creates a new ledger's file.
    TestDatabase() : path_(dir_.filePath(u"ledgora.db"_s)) {
        if (!onServer()) {
            QFile(path_).open(QIODevice::WriteOnly);
            return;
        }
        static QAtomicInt counter;
        const QString name = u"ledgora_t%1_%2"_s.arg(::getpid()).arg(counter.fetchAndAddRelaxed(1));
        if (onTestServer(qEnvironmentVariable("LEDGORA_TEST_PG"), u"CREATE DATABASE "_s + name)) {
            database_ = name;
            path_ = serverUri(name);
        }
    }
    ~TestDatabase() {
        if (!database_.isEmpty())
            onTestServer(qEnvironmentVariable("LEDGORA_TEST_PG"),
                         u"DROP DATABASE "_s + database_ + u" WITH (FORCE)"_s);
    }
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // The data source: the file's path, or the server database's URI.
    QString path() const { return path_; }
    QString folder() const { return dir_.path(); }

    std::unique_ptr<clManejo> connect() const {
        auto manejo = std::make_unique<clManejo>();
        manejo->CadenaConexion(ConnectionString::forSource(path_));
        manejo->Conectar();
        return manejo;
    }

private:
    QTemporaryDir dir_;
    QString path_;
    QString database_;
};

// Runs a command and gives what Ejecutar gives.
inline long execute(clManejo& manejo, const QString& sql) {
    manejo.Sql(sql);
    return manejo.Ejecutar();
}

// Runs a query and gives the record set.
inline Recordset query(clManejo& manejo, const QString& sql) {
    Recordset rs;
    manejo.Sql(sql);
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs);
    return rs;
}

// The totals of an account's movements up to a date, as the listing loader asks for them.
inline QString totals(const QString& until, const QString& account = u"001"_s) {
    return u"SELECT SUM(MOVDLAAC) as TOTAAC,SUM(MOVDLADE) as TOTADE,SUM(MOVDLACR) as TOTACR,"
           "SUM(MOVDLDEB) as TOTDEB FROM BANMOV WHERE MOVDTALT<=datevalue('"_s +
           until + u"') AND CNTSTNRO = '"_s + account + u'\'';
}

// Accounts, concepts and movements written through the module's own statements. A movement's
// amounts are number text in the user's locale: to be credited, to be debited, credited,
// debited.
inline long addAccount(clManejo& manejo, const QString& number, const QString& name = u"Caja"_s) {
    return manejo.Ejecutar(forms::accountsInsert,
                           {number, u"01/01/2024"_s, name, u"Banco"_s, {}, {}});
}
inline long addConcept(clManejo& manejo, const QString& number, const QString& description,
                       const QString& type) {
    return manejo.Ejecutar(forms::conceptsInsert, {number, description, type});
}
inline long addMovement(clManejo& manejo, int number, const QString& date, const QString& text,
                        const QStringList& amounts, const QString& account = u"001"_s,
                        const QString& concept = u"3 "_s) {
    return manejo.Ejecutar(forms::entryInsertMovement,
                           QStringList{account, QString::number(number), date, concept, text} +
                               amounts);
}
// Of account "001", an amount to be credited and one credited.
inline long addMovement(clManejo& manejo, int number, const QString& date, const QString& text,
                        const QString& aac, const QString& acr = u"0"_s) {
    return addMovement(manejo, number, date, text, {aac, u"0"_s, acr, u"0"_s});
}

// An amount of cents as a number text with a point.
inline QString centsText(std::int64_t cents) {
    return QString::number(cents / 100) + u'.' +
           QString::number(cents % 100).rightJustified(2, u'0');
}

// A file's bytes, and a file written with the given bytes.
inline QByteArray fileContent(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}
inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

// Straight through SQLite, as another program or an older version would: runs the statements
// (false on the first failure), or gives a query's rows, each row's values joined by `sep`.
inline bool sqliteExec(const QString& path, const QStringList& statements) {
    sqlite3* db = nullptr;
    bool ok = sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK;
    for (const QString& sql : statements)
        ok = ok &&
             sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}
inline QStringList sqliteRows(const QString& path, const QString& sql, QChar sep = u'|') {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt* stmt = nullptr;
    QStringList rows;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        rows << u"prepare failed: "_s + QString::fromUtf8(sqlite3_errmsg(db));
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
        QStringList values;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)),
                                        sqlite3_column_bytes(stmt, c));
        rows << values.join(sep);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}
// An account's movements summed by the engine and its stored totals, in ten-thousandths: to be
// credited, to be debited, credited, debited.
inline QString summedMovements(const QString& path, const QString& account = u"001"_s) {
    return sqliteRows(path, u"select coalesce(sum(MOVDLAAC),0),coalesce(sum(MOVDLADE),0),"
                            "coalesce(sum(MOVDLACR),0),coalesce(sum(MOVDLDEB),0) from BANMOV "
                            "where rtrim(CNTSTNRO) = '%1'"_s.arg(account))
        .value(0);
}
inline QString storedTotals(const QString& path, const QString& account = u"001"_s) {
    return sqliteRows(path, u"select TOMDLAAC,TOMDLADE,TOMDLACR,TOMDLDEB from BANCNT where "
                            "CNTSTNRO = '%1'"_s.arg(account))
        .value(0);
}

// A database with the module's statements registered and gManejo connected to it. A message
// box that the test does not expect (with a recorder of its own) fails it at once.
class LedgerFixture {
public:
    LedgerFixture() {
        registerComponentClasses();
        gManejo = db_.connect();
        gCuenta = {};
        gFiltro = {};
    }
    ~LedgerFixture() { gManejo.reset(); }
    LedgerFixture(const LedgerFixture&) = delete;
    LedgerFixture& operator=(const LedgerFixture&) = delete;

    const TestDatabase& db() const { return db_; }
    QString path() const { return db_.path(); }

    void addAccount(const QString& number, const QString& name) {
        test::addAccount(*gManejo, number, name);
    }
    void addConcept(const QString& number, const QString& description, const QString& type) {
        test::addConcept(*gManejo, number, description, type);
    }
    // Account 001 "Banco" and its income concept 1 "Cobros".
    void addBankAccount() {
        addAccount(u"001"_s, u"Banco"_s);
        addConcept(u"1"_s, u"Cobros"_s, u"C"_s);
    }
    // Amounts are given as exact units of ten-thousandths: aac, ade, acr, deb.
    void addMovement(const QString& account, int number, QDate date, const QString& text, Money aac,
                     Money ade = {}, Money acr = {}, Money deb = {},
                     const QString& concept = u"1"_s) {
        QStringList amounts;
        for (Money m : {aac, ade, acr, deb})
            amounts << rt::generalNumberText(m);
        test::addMovement(*gManejo, number, rt::dateText(date), text, amounts, account, concept);
    }

    // The stored totals of an account, in the order TOMDLAAC, TOMDLADE, TOMDLACR, TOMDLDEB.
    std::vector<Money> storedTotals(const QString& account) {
        Recordset rs =
            query(*gManejo, u"select * from BANCNT where CNTSTNRO = '"_s + account + u'\'');
        std::vector<Money> totals;
        for (const char* column : {"TOMDLAAC", "TOMDLADE", "TOMDLACR", "TOMDLDEB"})
            totals.push_back(*rs.Fields(QString::fromLatin1(column)).get<Money>());
        return totals;
    }

    // The account's movements counted and summed (to be credited, to be debited, credited,
    // debited), each sum checked against the total the database keeps.
    QString accountState(const QString& account = u"001"_s) {
        Recordset rs = query(*gManejo, totals(u"31/12/2099"_s, account));
        const std::vector<Money> stored = storedTotals(account);
        QString text = rt::toText(
            query(*gManejo,
                  u"select count(1) as tot from BANMOV where CNTSTNRO = '%1'"_s.arg(account))
                .Fields(0));
        for (int k = 0; k < 4; ++k) {
            const Variant field = rs.Fields(k); // the value, not a pointer into a temporary
            const Money m = field.get<Money>() ? *field.get<Money>() : Money();
            text += u' ' + (m == stored[std::size_t(k)] ? rt::formatAmount(m) : u"differs"_s);
        }
        return text;
    }

private:
    TestDatabase db_;
    MessageRecorder unexpected_{MessageRecorder::Boxes::Unexpected};
};

// Sets up the main screen's grid as the start-up would, without connecting anything of its own.
class GridOnlyLifecycle final : public MainScreenLifecycle {
public:
    void load(FrmBNKMain& screen) override { screen.FormatGRD(); }
    void unload() override {}
};

inline Money money(double value) {
    return Money::fromDouble(value);
}

// The current account as the account choice leaves it.
inline CuentaRecord cuenta(const QString& number, const QString& name, Money aac = {},
                           Money ade = {}, Money acr = {}, Money deb = {}) {
    CuentaRecord record;
    record.CNTSTNRO = number;
    record.CNTSTNOM = name;
    record.TOMDLAAC = aac;
    record.TOMDLADE = ade;
    record.TOMDLACR = acr;
    record.TOMDLDEB = deb;
    return record;
}

} // namespace ledgora::test
