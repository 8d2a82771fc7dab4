#include "PgEngine.h"

#include "ConnectionString.h"
#include "EngineErrors.h"
#include "PgLayout.h"
#include "PgTranslator.h"
#include "Schema.h"
#include "SqlDialect.h"
#include "core/Conversions.h"
#include "core/RuntimeError.h"
#include "data/DataLog.h"

#include <QCoreApplication>
#include <QDate>
#include <QStringList>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <libpq-fe.h>
#include <string>

namespace ledgora {

namespace {

constexpr Oid kUnknownOid = 0; // the server infers the type from where the value goes
constexpr Oid kInt8Oid = 20;
constexpr Oid kFloat4Oid = 700;
constexpr Oid kFloat8Oid = 701;
constexpr Oid kInt2Oid = 21;
constexpr Oid kInt4Oid = 23;
constexpr Oid kNumericOid = 1700;

// Serialises the connections that lay out a database or bring its layout up to date, which
// would otherwise race to make the same tables and functions.
const char* const kSchemaLock = "SELECT pg_advisory_xact_lock(7410921)";

QDate dateOfIso(const char* text, int size) {
    if (size < 10)
        return {};
    auto number = [text](int from, int count) {
        int value = 0;
        for (int k = from; k < from + count; ++k)
            value = value * 10 + (text[k] - '0');
        return value;
    };
    return QDate(number(0, 4), number(5, 2), number(8, 2));
}

std::int64_t integerOf(const char* text, int size) {
    std::int64_t value = 0;
    std::from_chars(text, text + size, value);
    return value;
}

double doubleOf(const char* text, int size) {
    double value = 0;
    std::from_chars(text, text + size, value);
    return value;
}

// Whether the result's text is a whole number as the server writes one.
bool isWhole(const char* text, int size) {
    return std::none_of(text, text + size, [](char c) { return c == '.' || c == 'e'; });
}

bool succeeded(const pg_result* result) {
    const auto status = PQresultStatus(result);
    return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

QString reasonOf(pg_conn* conn) {
    const QString reason = QString::fromUtf8(PQerrorMessage(conn)).trimmed();
    return reason.isEmpty()
               ? QCoreApplication::translate("PgEngine", "se perdió la conexión con el servidor")
               : reason;
}

// Every password the address holds, as written in it and as libpq reads it.
QStringList passwordsOf(const QString& dataSource) {
    QStringList secrets;
    for (const QString& written : ConnectionString::passwords(dataSource))
        secrets << written << QString::fromUtf8(QByteArray::fromPercentEncoding(written.toUtf8()));
    char* error = nullptr;
    if (PQconninfoOption* options = PQconninfoParse(dataSource.toUtf8().constData(), &error)) {
        for (const PQconninfoOption* option = options; option->keyword; ++option)
            if (option->val && std::strcmp(option->keyword, "password") == 0)
                secrets << QString::fromUtf8(option->val);
        PQconninfoFree(options);
    }
    PQfreemem(error);
    return secrets;
}

bool lacksEssential(const std::vector<const TableDef*>& missing) {
    return std::any_of(missing.begin(), missing.end(),
                       [](const TableDef* table) { return Schema::isEssential(*table); });
}

} // namespace

void PgEngine::ConnectionCloser::operator()(pg_conn* conn) const {
    PQfinish(conn);
}

void PgEngine::ResultClearer::operator()(pg_result* result) const {
    PQclear(result);
}

PgEngine::PgEngine() = default;
PgEngine::~PgEngine() = default;

QString PgEngine::scrubbed(const QString& text) const {
    QString clean = text;
    for (const QString& secret : secrets_)
        clean.replace(secret, QStringLiteral("***"));
    return clean.simplified();
}

// The person sees the module's own message; why the server could not be reached is said on
// stderr, in one line.
void PgEngine::tellWhy(const QString& reason) const {
    std::fprintf(stderr, "ledgora: PostgreSQL: %s\n", qPrintable(scrubbed(reason)));
}

bool PgEngine::open(const QString& dataSource, OpenMode mode) {
    cache_.clear();
    conn_.reset();
    refusal_ = Refusal::None;
    inBatch_ = false;
    batchLost_.clear();
    const QByteArray uri = dataSource.toUtf8();
    // Settings given in the URI win over the first two; the text always travels as UTF-8. A
    // reconnection uses the same settings.
    const char* keys[] = {"connect_timeout", "application_name", "dbname", "client_encoding",
                          nullptr};
    const char* values[] = {"10", "ledgora", uri.constData(), "UTF8", nullptr};
    std::unique_ptr<pg_conn, ConnectionCloser> conn(PQconnectdbParams(keys, values, 1));
    secrets_ = passwordsOf(dataSource);
    if (conn)
        secrets_ << QString::fromUtf8(PQpass(conn.get()));
    secrets_.removeAll(QString());
    // A password that holds another is hidden whole.
    std::sort(secrets_.begin(), secrets_.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    if (!conn || PQstatus(conn.get()) != CONNECTION_OK) {
        tellWhy(conn ? reasonOf(conn.get())
                     : QCoreApplication::translate("PgEngine", "no queda memoria"));
        return false;
    }
    // The server's notices ("... does not exist, skipping") are no news to the person.
    PQsetNoticeProcessor(
        conn.get(), [](void*, const char*) {}, nullptr);
    conn_ = std::move(conn);
    if (!prepareSchema(dataSource, mode)) {
        tellWhy(why_);
        conn_.reset();
        return false;
    }
    return true;
}

// Opened for work, the first connection to an empty database lays out the tables and
// functions, and a layout older than this build's is brought up to it. Only then is the lock
// taken and anything written: a ledger already laid out opens with no more than the rights to
// use it, and opened for reading nothing is written at all. The catalogue is read first, so
// that another program's tables under our names are refused before anything is made.
bool PgEngine::prepareSchema(const QString& dataSource, OpenMode mode) {
    std::optional<Layout> found = inspect();
    if (!found)
        return false;
    // A ledger of an earlier layout lacks the later tables, and lists without them.
    const bool complete = !lacksEssential(found->missing);
    if (mode == OpenMode::Read && !complete) {
        why_ = QCoreApplication::translate("PgEngine", "no hay un libro en %1")
                   .arg(ConnectionString::masked(dataSource));
        return false;
    }
    if (mode == OpenMode::Work &&
        (!complete || (found->writable && (!found->upToDate() || !found->missing.empty())))) {
        if (!layOut()) {
            if (!complete)
                return false;
            // Opened by someone who may use the ledger but not lay it out: the earlier layout
            // still serves until its owner opens it.
            qCWarning(lcDataPg).noquote() << "the ledger keeps its earlier layout, version"
                                          << found->version << "-" << scrubbed(why_);
        }
        if (!(found = inspect()))
            return false;
    }
    if (found->version > Schema::kVersion) {
        refusal_ = Refusal::NewerLayout;
        qCWarning(lcDataPg) << "the ledger's layout is version" << found->version
                            << "(a newer Ledgora's): it is opened for listing only";
    } else if (mode == OpenMode::Read || !found->writable) {
        refusal_ = Refusal::ReadOnly;
    }
    return setUpSession();
}

// What the server holds under the module's names, read from its catalogue. A table whose
// columns are missing or of other types belongs to another program: none (and the reason in
// why_).
std::optional<PgEngine::Layout> PgEngine::inspect() {
    Layout found;
    QStringList names;
    for (const TableDef& table : Schema::tables()) {
        const QString name = table.name.toLower();
        if (Schema::isEssential(table)) // the later tables may not be there yet
            names << u'\'' + name + u'\'';
        // The table that name finds, as the statements will find it.
        Result columns = setUp(QStringLiteral("SELECT a.attname, t.typname FROM pg_attribute a "
                                              "JOIN pg_type t ON t.oid = a.atttypid WHERE "
                                              "a.attrelid = to_regclass('%1') AND a.attnum > 0 "
                                              "AND NOT a.attisdropped")
                                   .arg(name));
        if (!columns)
            return std::nullopt;
        const int rows = PQntuples(columns.get());
        if (rows == 0) {
            found.missing.push_back(&table);
            continue;
        }
        for (const ColumnDef& column : table.columns) {
            QByteArray type;
            for (int r = 0; r < rows; ++r)
                if (column.name.toLower() == QLatin1String(PQgetvalue(columns.get(), r, 0)))
                    type = PQgetvalue(columns.get(), r, 1);
            if (!PgLayout::holds(column, type)) {
                why_ = type.isEmpty()
                           ? QCoreApplication::translate("PgEngine",
                                                         "la tabla %1 es de otro programa: "
                                                         "le falta la columna %2")
                                 .arg(table.name, column.name)
                           : QCoreApplication::translate("PgEngine",
                                                         "la tabla %1 es de otro programa: "
                                                         "su columna %2 es %3")
                                 .arg(table.name, column.name, QString::fromUtf8(type));
                return std::nullopt;
            }
        }
    }
    if (lacksEssential(found.missing))
        return found;
    Result state = setUp(QStringLiteral("SELECT to_regproc('ldg_schema_version') IS NOT NULL, "
                                        "bool_or(has_table_privilege(t, 'INSERT,UPDATE,DELETE')), "
                                        "to_regproc('ldg_list_changed') IS NOT NULL "
                                        "FROM unnest(ARRAY[%1]) t")
                             .arg(names.join(u',')));
    if (!state)
        return std::nullopt;
    found.writable = *PQgetvalue(state.get(), 0, 1) == 't';
    found.notifies = *PQgetvalue(state.get(), 0, 2) == 't';
    if (*PQgetvalue(state.get(), 0, 0) == 't') {
        Result version = setUp(QStringLiteral("SELECT ldg_schema_version()"));
        if (!version)
            return std::nullopt;
        found.version = std::atoi(PQgetvalue(version.get(), 0, 0));
    }
    return found;
}

// Lays out what the database lacks and replaces an earlier layout's functions, in one
// transaction under a lock: two first connections would otherwise race to make the same
// tables. What another connection laid out meanwhile is found, not made twice.
bool PgEngine::layOut() {
    if (!setUp(QStringLiteral("BEGIN")))
        return false;
    const auto layingOut = [this] {
        std::optional<Layout> found;
        if (!setUp(QString::fromLatin1(kSchemaLock)) || !(found = inspect()))
            return false;
        for (const TableDef* table : found->missing)
            if (!setUp(SqlDialect::postgres().tableDefinition(*table)))
                return false;
        if (found->missing.empty() && found->upToDate())
            return true;
        for (const QString& sql : PgLayout::serverObjects())
            if (!setUp(sql))
                return false;
        return true;
    };
    if (layingOut() && setUp(QStringLiteral("COMMIT")))
        return true;
    const QString why = why_;
    setUp(QStringLiteral("ROLLBACK"));
    why_ = why;
    return false;
}

// One statement of the opening; on failure, none, and the server's reason in why_.
PgEngine::Result PgEngine::setUp(const QString& sql) {
    Result result(PQexec(conn_.get(), sql.toUtf8().constData()));
    if (succeeded(result.get()))
        return result;
    why_ = result ? QString::fromUtf8(PQresultErrorMessage(result.get())) : reasonOf(conn_.get());
    return nullptr;
}

// A session that may only read is read-only on the server too, which then refuses any write.
bool PgEngine::setUpSession() {
    routine_.clear();
    // The ledger's changes are told on the channel by its triggers (ldg_changes_notified,
    // ldg_list_changed); a new session may have missed some, so the mark moves for the watcher to
    // look again.
    ++notified_;
    if (!setUp(QStringLiteral("LISTEN ledgora")))
        return false;
    return refusal_ == Refusal::None ||
           setUp(QStringLiteral("SET default_transaction_read_only = on"));
}

std::optional<std::int64_t> PgEngine::changeMark() {
    try {
        // Reads what the socket holds, the notifications included; after a server's restart
        // the session is made again, and listens again.
        reconnectIfLost();
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
    while (PGnotify* note = PQnotifies(conn_.get())) {
        ++notified_;
        PQfreemem(note);
    }
    return notified_;
}

int PgEngine::changeSocket() const {
    return conn_ ? PQsocket(conn_.get()) : -1;
}

// Whether the connection still holds. After a server's restart its socket already holds the
// server's farewell and then its end: reading what is there tells, without sending anything
// (the first read takes the farewell, the second finds the end).
bool PgEngine::alive() {
    return PQconsumeInput(conn_.get()) == 1 && PQconsumeInput(conn_.get()) == 1 &&
           PQstatus(conn_.get()) == CONNECTION_OK;
}

// Before each action, a connection the server dropped is made again, once, with the same
// settings. A batch open on it was rolled back by the server with it: whatever follows in
// that batch fails too, rather than be written without what went before.
void PgEngine::reconnectIfLost() {
    if (!conn_)
        throw RuntimeError::objectNotSet();
    if (!batchLost_.isEmpty())
        lost(batchLost_);
    if (alive())
        return;
    if (inBatch_) {
        batchLost_ = reasonOf(conn_.get());
        lost(batchLost_);
    }
    PQreset(conn_.get());
    if (PQstatus(conn_.get()) != CONNECTION_OK)
        lost(reasonOf(conn_.get()));
    if (!setUpSession())
        lost(why_);
}

[[noreturn]] void PgEngine::lost(const QString& reason) {
    tellWhy(reason);
    throw EngineErrors::database(scrubbed(reason));
}

const PgEngine::Translated& PgEngine::translated(const StatementForm& form) {
    if (auto it = cache_.find(&form); it != cache_.end())
        return it->second;
    const QString sql = PgTranslator::translate(form, refusal_ != Refusal::None);
    return cache_.emplace(&form, Translated{sql.toUtf8(), PgTranslator::isRecompute(sql)})
        .first->second;
}

// A statement the server refused is logged with its form's name; a connection that broke on
// the way is said on stderr, and the next action makes it again (unless a batch was open).
[[noreturn]] void PgEngine::fail(pg_result* result, const QString& what) {
    routine_.clear();
    QString reason = result ? QString::fromUtf8(PQresultErrorMessage(result)).trimmed() : QString();
    if (reason.isEmpty())
        reason = reasonOf(conn_.get());
    if (PQstatus(conn_.get()) != CONNECTION_OK) {
        if (inBatch_)
            batchLost_ = reason;
        tellWhy(reason);
    } else {
        qCWarning(lcDataPg).noquote() << what << "failed:" << scrubbed(reason);
    }
    const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    const QByteArray code = state ? QByteArray(state) : QByteArray();
    if (code == "23505")
        throw EngineErrors::duplicateKey();
    if (code == "40001" || code == "40P01" || code == "55P03")
        throw EngineErrors::busy();
    if (code == "42P01") // a table of a later layout, not in this ledger yet
        throw EngineErrors::olderLayout();
    if (code == "25006")
        throw refusal_ == Refusal::NewerLayout ? EngineErrors::newerLayout()
                                               : EngineErrors::readOnly();
    if (code == "P0001") // the database's own refusal, in its own words
        throw EngineErrors::database(
            QString::fromUtf8(PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY)));
    throw EngineErrors::database(scrubbed(reason));
}

PgEngine::Result PgEngine::run(const BoundStatement& statement) {
    reconnectIfLost();
    const Translated& sql = translated(*statement.form);
    const std::size_t count = statement.values.size();
    std::vector<QByteArray> texts(count);
    std::vector<const char*> values(count);
    std::vector<Oid> types(count, kUnknownOid);
    for (std::size_t k = 0; k < count; ++k) {
        const BoundValue& value = statement.values[k];
        switch (value.kind) {
        case ValueKind::Integer:
            texts[k] = QByteArray::number(qlonglong(value.integer));
            types[k] = kInt8Oid;
            break;
        case ValueKind::Amount:
            texts[k] = QByteArray::number(qlonglong(value.amount.units()));
            types[k] = kInt8Oid;
            break;
        case ValueKind::Date:
            texts[k] = value.date.toString(Qt::ISODate).toUtf8();
            break;
        case ValueKind::Text:
        case ValueKind::Contains:
            texts[k] = value.text.toUtf8();
            break;
        }
        values[k] = texts[k].constData();
    }
    const auto send = [&] {
        return Result(PQexecParams(conn_.get(), sql.sql.constData(), int(count), types.data(),
                                   values.data(), nullptr, nullptr, 0));
    };
    Result result = send();
    // A read the server dropped with its connection changed nothing: it is asked once more on
    // a new connection. A write is not sent again: it may have been done before the break.
    if (!succeeded(result.get()) && statement.form->isQuery() && !inBatch_ &&
        PQstatus(conn_.get()) != CONNECTION_OK) {
        reconnectIfLost();
        result = send();
    }
    if (!succeeded(result.get()))
        fail(result.get(), statement.form->name());
    return result;
}

void PgEngine::runPlain(const char* sql) {
    Result result(PQexec(conn_.get(), sql));
    if (PQresultStatus(result.get()) != PGRES_COMMAND_OK)
        fail(result.get(), QString::fromLatin1(sql));
}

// The statement form that writes next, for the audit trail's trigger: a setting of the
// session, sent only when it changes. A setting made in a transaction that is rolled back is
// undone with it, and is then sent again.
void PgEngine::nameRoutine(const QString& routine) {
    if (routine == routine_)
        return;
    reconnectIfLost();
    const QByteArray name = routine.toUtf8();
    const char* values[] = {name.constData()};
    Result result(PQexecParams(conn_.get(), "SELECT set_config('ledgora.rutina', $1, false)", 1,
                               nullptr, values, nullptr, nullptr, 0));
    if (!succeeded(result.get()))
        fail(result.get(), QStringLiteral("ledgora.rutina"));
    routine_ = routine;
}

std::pair<QString, QString> PgEngine::auditIdentity() const {
    if (!conn_)
        return {};
    return {QString::fromUtf8(PQuser(conn_.get())),
            QString::fromUtf8(PQparameterStatus(conn_.get(), "application_name"))};
}

long PgEngine::execute(const BoundStatement& statement) {
    if (!statement.form->isQuery())
        nameRoutine(statement.form->name());
    const bool recompute = translated(*statement.form).recompute;
    Result result = run(statement);
    if (recompute)
        return PQntuples(result.get()) > 0 ? std::atol(PQgetvalue(result.get(), 0, 0)) : 0;
    return std::atol(PQcmdTuples(result.get()));
}

std::shared_ptr<const RecordsetData> PgEngine::query(const BoundStatement& statement) {
    Result owned = run(statement);
    pg_result* result = owned.get();

    std::vector<QString> names;
    std::vector<ResultKind> kinds;
    statement.form->resultLayout(names, kinds);
    // Formatted amounts keep the separator of the moment they were read.
    auto data = std::make_shared<RecordsetData>(std::move(names), QString(rt::decimalSeparator()));
    const int columns = std::min(int(kinds.size()), PQnfields(result));
    const int rows = PQntuples(result);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (PQgetisnull(result, r, c)) {
                data->appendNull();
                continue;
            }
            const char* text = PQgetvalue(result, r, c);
            const int size = PQgetlength(result, r, c);
            switch (kinds[std::size_t(c)]) {
            case ResultKind::Integer:
                data->appendInteger(integerOf(text, size));
                break;
            case ResultKind::Amount:
                data->appendAmount(integerOf(text, size));
                break;
            case ResultKind::Double:
                data->appendDouble(doubleOf(text, size));
                break;
            case ResultKind::AmountAsDouble:
                data->appendDouble(double(integerOf(text, size)) / Money::kScale);
                break;
            case ResultKind::FormattedAmount:
                data->appendFormattedAmount(integerOf(text, size));
                break;
            case ResultKind::FormattedDate:
                data->appendFormattedDate(text, std::size_t(size));
                break;
            case ResultKind::Date:
                data->appendDate(dateOfIso(text, size).toJulianDay());
                break;
            case ResultKind::Dynamic: {
                const Oid type = PQftype(result, c);
                if (type == kInt2Oid || type == kInt4Oid || type == kInt8Oid ||
                    (type == kNumericOid && isWhole(text, size))) {
                    data->appendInteger(integerOf(text, size));
                    break;
                }
                if (type == kFloat4Oid || type == kFloat8Oid || type == kNumericOid) {
                    data->appendDouble(doubleOf(text, size));
                    break;
                }
                data->appendText(text, std::size_t(size));
                break;
            }
            case ResultKind::TrimmedText:
            case ResultKind::Text: {
                int begin = 0;
                int end = size;
                if (kinds[std::size_t(c)] == ResultKind::TrimmedText) {
                    while (begin < end && text[begin] == ' ')
                        ++begin;
                    while (end > begin && text[end - 1] == ' ')
                        --end;
                }
                data->appendText(text + begin, std::size_t(end - begin));
                break;
            }
            }
        }
    }
    return data;
}

void PgEngine::beginBatch(bool) {
    reconnectIfLost();
    runPlain("BEGIN");
    inBatch_ = true;
}

void PgEngine::endBatch(bool commit) {
    if (!conn_)
        throw RuntimeError::objectNotSet();
    if (inBatch_ && batchLost_.isEmpty() && !alive())
        batchLost_ = reasonOf(conn_.get());
    if (!batchLost_.isEmpty()) {
        // The server dropped the batch with its connection: nothing of it was written, which
        // a commit reports; the next action connects again.
        if (commit)
            lost(batchLost_);
        inBatch_ = false;
        batchLost_.clear();
        return;
    }
    if (!commit)
        routine_.clear();
    runPlain(commit ? "COMMIT" : "ROLLBACK");
    inBatch_ = false;
}

bool PgEngine::inTransaction() const {
    if (!conn_)
        return false;
    switch (PQtransactionStatus(conn_.get())) {
    case PQTRANS_ACTIVE:
    case PQTRANS_INTRANS:
    case PQTRANS_INERROR:
        return true;
    default:
        return false; // idle, or a connection gone: nothing is held on the server
    }
}

} // namespace ledgora
