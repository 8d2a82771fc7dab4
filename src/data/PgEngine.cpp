#include "PgEngine.h"

#include "DataLog.h"
#include "EngineErrors.h"
#include "PgTranslator.h"
#include "Schema.h"
#include "platform/Conversions.h"
#include "platform/RuntimeError.h"

#include <QDate>
#include <QStringList>
#include <algorithm>
#include <charconv>
#include <cstdio>
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

// Serialises the first connections to an empty database, which would otherwise race to
// create the same tables.
const char* const kSchemaLock = "SELECT pg_advisory_xact_lock(7410921)";

QString columnType(const ColumnDef& column, bool key) {
    QString type;
    switch (column.kind) {
    case ColumnKind::Text:
        // Blank-padded character text compares as the SQL standard says, trailing blanks
        // ignored, and keeps what was written.
        type = column.blankPadded ? QStringLiteral("BPCHAR") : QStringLiteral("TEXT");
        break;
    case ColumnKind::Date:
        type = QStringLiteral("TEXT");
        break;
    case ColumnKind::Integer:
        type = QStringLiteral("INTEGER");
        break;
    case ColumnKind::Amount:
        type = QStringLiteral("BIGINT DEFAULT 0");
        break;
    }
    if (key || column.kind == ColumnKind::Amount)
        type += QStringLiteral(" NOT NULL");
    return type;
}

QString tableDefinition(const TableDef& table) {
    QStringList parts;
    for (const ColumnDef& column : table.columns) {
        const bool key =
            std::find(table.key.begin(), table.key.end(), column.name) != table.key.end();
        parts << column.name + u' ' + columnType(column, key);
    }
    parts << QStringLiteral("PRIMARY KEY (") +
                 QStringList(table.key.begin(), table.key.end()).join(u',') + u')';
    return QStringLiteral("CREATE TABLE ") + table.name + u'(' + parts.join(u',') + u')';
}

// The module's functions, as the statements use them, and the account totals kept from the
// movements. A totals recompute first locks the accounts' rows, then sums with a fresh view of
// the movements, so a movement another person committed meanwhile is always counted.
QStringList serverObjects() {
    return {
        QStringLiteral("CREATE OR REPLACE FUNCTION ldg_schema_version() RETURNS integer "
                       "LANGUAGE sql IMMUTABLE AS 'SELECT %1'")
            .arg(Schema::kVersion),
        QStringLiteral(
            "CREATE OR REPLACE FUNCTION ldg_val(t text) RETURNS double precision LANGUAGE sql "
            "IMMUTABLE STRICT AS $f$ SELECT CASE WHEN n ~ '[0-9]' THEN n::double precision "
            "ELSE 0 END FROM (SELECT substring(translate(t, E' \\t\\r\\n', '') FROM "
            "'^[+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)') AS n) x $f$"),
        QStringLiteral("CREATE OR REPLACE FUNCTION ldg_contains(d text, t text) RETURNS boolean "
                       "LANGUAGE sql IMMUTABLE AS $f$ SELECT strpos(lower(normalize(d, NFC)), "
                       "lower(normalize(t, NFC))) > 0 $f$"),
        QStringLiteral("CREATE OR REPLACE FUNCTION ldg_cdbl(a bigint) RETURNS double precision "
                       "LANGUAGE sql IMMUTABLE AS $f$ SELECT a / 10000.0::double precision $f$"),
        QStringLiteral("CREATE OR REPLACE FUNCTION ldg_format_date(d text) RETURNS text "
                       "LANGUAGE sql IMMUTABLE AS $f$ SELECT substr(d, 9, 2) || '/' || "
                       "substr(d, 6, 2) || '/' || substr(d, 1, 4) $f$"),
        QStringLiteral("CREATE OR REPLACE FUNCTION ldg_format_amount(a bigint) RETURNS text "
                       "LANGUAGE sql IMMUTABLE AS $f$ SELECT to_char(round(a / 10000.0, 2), "
                       "'FM999999999999990.00') $f$"),
        QStringLiteral(
            "CREATE OR REPLACE FUNCTION ldg_recompute_totals(accounts bpchar[]) RETURNS integer "
            "LANGUAGE plpgsql AS $f$ DECLARE changed integer; BEGIN "
            "PERFORM 1 FROM BANCNT WHERE CNTSTNRO = ANY(accounts) ORDER BY CNTSTNRO FOR UPDATE; "
            "UPDATE BANCNT c SET (TOMDLAAC, TOMDLADE, TOMDLACR, TOMDLDEB) = "
            "(SELECT COALESCE(SUM(m.MOVDLAAC), 0), COALESCE(SUM(m.MOVDLADE), 0), "
            "COALESCE(SUM(m.MOVDLACR), 0), COALESCE(SUM(m.MOVDLDEB), 0) FROM BANMOV m "
            "WHERE m.CNTSTNRO = c.CNTSTNRO) WHERE c.CNTSTNRO = ANY(accounts); "
            "GET DIAGNOSTICS changed = ROW_COUNT; RETURN changed; END $f$"),
        QStringLiteral(
            "CREATE OR REPLACE FUNCTION ldg_movements_changed() RETURNS trigger LANGUAGE plpgsql "
            "AS $f$ BEGIN "
            "IF TG_OP = 'INSERT' THEN "
            "PERFORM ldg_recompute_totals(ARRAY(SELECT DISTINCT CNTSTNRO FROM ldg_new)); "
            "ELSIF TG_OP = 'DELETE' THEN "
            "PERFORM ldg_recompute_totals(ARRAY(SELECT DISTINCT CNTSTNRO FROM ldg_old)); "
            "ELSE PERFORM ldg_recompute_totals(ARRAY(SELECT CNTSTNRO FROM ldg_new UNION "
            "SELECT CNTSTNRO FROM ldg_old)); END IF; RETURN NULL; END $f$"),
        QStringLiteral("DROP TRIGGER IF EXISTS banmov_inserted ON BANMOV"),
        QStringLiteral("DROP TRIGGER IF EXISTS banmov_updated ON BANMOV"),
        QStringLiteral("DROP TRIGGER IF EXISTS banmov_deleted ON BANMOV"),
        QStringLiteral("CREATE TRIGGER banmov_inserted AFTER INSERT ON BANMOV REFERENCING NEW "
                       "TABLE AS ldg_new FOR EACH STATEMENT EXECUTE FUNCTION "
                       "ldg_movements_changed()"),
        QStringLiteral("CREATE TRIGGER banmov_updated AFTER UPDATE ON BANMOV REFERENCING OLD "
                       "TABLE AS ldg_old NEW TABLE AS ldg_new FOR EACH STATEMENT EXECUTE "
                       "FUNCTION ldg_movements_changed()"),
        QStringLiteral("CREATE TRIGGER banmov_deleted AFTER DELETE ON BANMOV REFERENCING OLD "
                       "TABLE AS ldg_old FOR EACH STATEMENT EXECUTE FUNCTION "
                       "ldg_movements_changed()"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS BANMOV_FECHA ON BANMOV(CNTSTNRO,MOVDTALT,"
                       "MOVINNRO)"),
        // An account keeps its row while it has movements, whoever deletes it.
        QStringLiteral("CREATE OR REPLACE FUNCTION ldg_account_guard() RETURNS trigger LANGUAGE "
                       "plpgsql AS $f$ BEGIN IF EXISTS (SELECT 1 FROM BANMOV WHERE CNTSTNRO = "
                       "OLD.CNTSTNRO) THEN RAISE EXCEPTION 'No se puede eliminar esta cuenta, "
                       "porque tiene movimientos.'; END IF; RETURN OLD; END $f$"),
        QStringLiteral("DROP TRIGGER IF EXISTS bancnt_guard ON BANCNT"),
        QStringLiteral("CREATE TRIGGER bancnt_guard BEFORE DELETE ON BANCNT FOR EACH ROW EXECUTE "
                       "FUNCTION ldg_account_guard()"),
    };
}

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

QString reasonOf(pg_conn* conn) {
    return QString::fromUtf8(PQerrorMessage(conn)).trimmed();
}

// The person sees the module's own message; why the server refused is said on stderr.
void tellWhy(const QString& reason) {
    std::fprintf(stderr, "ledgora: PostgreSQL: %s\n", qPrintable(reason));
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

bool PgEngine::open(const QString& dataSource, OpenMode mode) {
    Q_UNUSED(mode);
    cache_.clear();
    conn_.reset();
    const QByteArray uri = dataSource.toUtf8();
    // Settings given in the URI win over these defaults.
    const char* keys[] = {"connect_timeout", "application_name", "dbname", nullptr};
    const char* values[] = {"10", "ledgora", uri.constData(), nullptr};
    std::unique_ptr<pg_conn, ConnectionCloser> conn(PQconnectdbParams(keys, values, 1));
    if (!conn || PQstatus(conn.get()) != CONNECTION_OK) {
        tellWhy(conn ? reasonOf(conn.get()) : QStringLiteral("out of memory"));
        return false;
    }
    PQsetClientEncoding(conn.get(), "UTF8");
    // The server's notices ("... does not exist, skipping") are no news to the person.
    PQsetNoticeProcessor(
        conn.get(), [](void*, const char*) {}, nullptr);
    conn_ = std::move(conn);
    if (!prepareSchema()) {
        conn_.reset();
        return false;
    }
    return true;
}

bool PgEngine::prepareSchema() {
    auto plain = [this](const QString& sql, QString* firstValue = nullptr) {
        Result result(PQexec(conn_.get(), sql.toUtf8().constData()));
        const auto status = PQresultStatus(result.get());
        if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
            tellWhy(QString::fromUtf8(PQresultErrorMessage(result.get())).trimmed());
            return false;
        }
        if (firstValue && PQntuples(result.get()) > 0)
            *firstValue = QString::fromUtf8(PQgetvalue(result.get(), 0, 0));
        return true;
    };
    auto abandon = [&plain] {
        plain(QStringLiteral("ROLLBACK"));
        return false;
    };
    if (!plain(QStringLiteral("BEGIN")) || !plain(QString::fromLatin1(kSchemaLock)))
        return abandon();
    bool created = false;
    for (const TableDef& table : Schema::tables()) {
        QString exists;
        if (!plain(QStringLiteral("SELECT to_regclass('%1') IS NOT NULL").arg(table.name.toLower()),
                   &exists))
            return abandon();
        if (exists == u"t") {
            // A table of ours must have our columns; one that has not belongs to another program.
            QStringList names;
            for (const ColumnDef& column : table.columns)
                names << column.name;
            if (!plain(QStringLiteral("SELECT ") + names.join(u',') + QStringLiteral(" FROM ") +
                       table.name + QStringLiteral(" LIMIT 0")))
                return abandon();
            continue;
        }
        if (!plain(tableDefinition(table)))
            return abandon();
        created = true;
    }
    QString version;
    if (!plain(QStringLiteral("SELECT to_regproc('ldg_schema_version') IS NOT NULL"), &version))
        return abandon();
    if (created || version != u"t") {
        for (const QString& sql : serverObjects())
            if (!plain(sql))
                return abandon();
    }
    return plain(QStringLiteral("COMMIT")) || abandon();
}

const PgEngine::Translated& PgEngine::translated(const StatementForm& form) {
    if (auto it = cache_.find(&form); it != cache_.end())
        return it->second;
    const QString sql = PgTranslator::translate(form);
    return cache_.emplace(&form, Translated{sql.toUtf8(), PgTranslator::isRecompute(sql)})
        .first->second;
}

[[noreturn]] void PgEngine::fail(pg_result* result) const {
    const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    const QByteArray code = state ? QByteArray(state) : QByteArray();
    if (code == "23505")
        throw EngineErrors::duplicateKey();
    if (code == "40001" || code == "40P01" || code == "55P03")
        throw EngineErrors::busy();
    if (code == "25006")
        throw EngineErrors::readOnly();
    if (code == "P0001") // the database's own refusal, in its own words
        throw EngineErrors::database(
            QString::fromUtf8(PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY)));
    QString reason = result ? QString::fromUtf8(PQresultErrorMessage(result)).trimmed() : QString();
    if (reason.isEmpty())
        reason = reasonOf(conn_.get());
    if (PQstatus(conn_.get()) != CONNECTION_OK)
        tellWhy(reason);
    throw EngineErrors::database(reason);
}

PgEngine::Result PgEngine::run(const BoundStatement& statement) {
    if (!conn_)
        throw RuntimeError::objectNotSet();
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
            texts[k] = value.date.toString(QStringLiteral("yyyy-MM-dd")).toUtf8();
            break;
        case ValueKind::Text:
        case ValueKind::Contains:
            texts[k] = value.text.toUtf8();
            break;
        }
        values[k] = texts[k].constData();
    }
    Result result(PQexecParams(conn_.get(), sql.sql.constData(), int(count), types.data(),
                               values.data(), nullptr, nullptr, 0));
    const auto status = PQresultStatus(result.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        fail(result.get());
    return result;
}

PgEngine::Result PgEngine::runPlain(const char* sql) {
    if (!conn_)
        throw RuntimeError::objectNotSet();
    Result result(PQexec(conn_.get(), sql));
    if (PQresultStatus(result.get()) != PGRES_COMMAND_OK)
        fail(result.get());
    return result;
}

long PgEngine::execute(const BoundStatement& statement) {
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

void PgEngine::beginBatch() {
    runPlain("BEGIN");
}

void PgEngine::endBatch(bool commit) {
    runPlain(commit ? "COMMIT" : "ROLLBACK");
}

} // namespace ledgora
