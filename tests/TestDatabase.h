#pragma once

#include "data/Recordset.h"
#include "data/clManejo.h"

#include <QAtomicInt>
#include <QFile>
#include <QLoggingCategory>
#include <QString>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtGlobal>
#include <cstdio>
#include <libpq-fe.h>
#include <memory>
#include <optional>
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
        return QStringLiteral("no test server (LEDGORA_TEST_PG is not set)");
    return {};
}

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

// Every line the program writes on stderr while it lives, the ledgora.data log included, kept
// in a file instead.
class CapturedOutput {
public:
    CapturedOutput() {
        file_.open();
        std::fflush(stderr);
        saved_ = ::dup(2);
        ::dup2(file_.handle(), 2);
        QLoggingCategory::setFilterRules(QStringLiteral("ledgora.data=true"));
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
    TestDatabase() : path_(dir_.filePath(QStringLiteral("ledgora.db"))) {
        if (!onServer()) {
            QFile(path_).open(QIODevice::WriteOnly);
            return;
        }
        static QAtomicInt counter;
        const QString name =
            QStringLiteral("ledgora_t%1_%2").arg(::getpid()).arg(counter.fetchAndAddRelaxed(1));
        if (onTestServer(qEnvironmentVariable("LEDGORA_TEST_PG"),
                         QStringLiteral("CREATE DATABASE ") + name)) {
            database_ = name;
            path_ = serverUri(name);
        }
    }
    ~TestDatabase() {
        if (!database_.isEmpty())
            onTestServer(qEnvironmentVariable("LEDGORA_TEST_PG"),
                         QStringLiteral("DROP DATABASE ") + database_ +
                             QStringLiteral(" WITH (FORCE)"));
    }
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // The data source: the file's path, or the server database's URI.
    QString path() const { return path_; }
    QString folder() const { return dir_.path(); }

    std::unique_ptr<clManejo> connect() const {
        auto manejo = std::make_unique<clManejo>();
        manejo->CadenaConexion(
            QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=False;"
                           "Data Source=") +
            path_);
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
inline QString totals(const QString& until, const QString& account = QStringLiteral("001")) {
    return QStringLiteral("SELECT SUM(MOVDLAAC) as TOTAAC,SUM(MOVDLADE) as TOTADE,SUM(MOVDLACR) "
                          "as TOTACR,SUM(MOVDLDEB) as TOTDEB FROM BANMOV WHERE "
                          "MOVDTALT<=datevalue('") +
           until + QStringLiteral("') AND CNTSTNRO = '") + account + u'\'';
}

} // namespace ledgora::test
