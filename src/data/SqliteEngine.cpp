#include "SqliteEngine.h"

#include "AuditChain.h"
#include "AuditLayout.h"
#include "DatabaseCopy.h"
#include "EngineErrors.h"
#include "FoldedText.h"
#include "Schema.h"
#include "SqlDialect.h"
#include "SqliteTranslator.h"
#include "TransactionWatch.h"
#include "core/Conversions.h"
#include "core/RuntimeError.h"
#include "data/DataLog.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QScopeGuard>
#include <QStringList>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <pwd.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ledgora {

namespace {

// Resets a statement after each use so that it releases its locks and bindings.
class StatementReset {
public:
    explicit StatementReset(sqlite3_stmt* stmt) : stmt_(stmt) {}
    ~StatementReset() {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    StatementReset(const StatementReset&) = delete;
    StatementReset& operator=(const StatementReset&) = delete;

private:
    sqlite3_stmt* stmt_;
};

bool exec(sqlite3* db, const QString& sql) {
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        qCWarning(lcData) << "set-up statement failed:" << sql << "-" << sqlite3_errmsg(db);
    return rc == SQLITE_OK;
}

int intOf(sqlite3* db, const char* sql) {
    sqlite3_stmt* raw = nullptr;
    int value = -1;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) == SQLITE_OK &&
        sqlite3_step(raw) == SQLITE_ROW)
        value = sqlite3_column_int(raw, 0);
    sqlite3_finalize(raw);
    return value;
}

// The operating-system user this program runs as: who a file's audit trail names.
QString systemUserName() {
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"})
        if (const QString name = qEnvironmentVariable(variable); !name.isEmpty())
            return name;
    return QString::number(::geteuid());
}

bool objectExists(sqlite3* db, const char* type, const QString& name) {
    const QByteArray sql =
        QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='%1' AND name='%2'")
            .arg(QString::fromLatin1(type), name)
            .toUtf8();
    return intOf(db, sql.constData()) > 0;
}

// A table of ours has our columns, each declared so that SQLite keeps its values as we write
// them: amounts and movement numbers as whole numbers (INTEGER affinity), keys, texts and dates
// as text (TEXT affinity). A column declared NUMERIC, REAL or CURRENCY would turn amounts into
// binary fractions and key texts into numbers: such a table is another program's.
bool hasColumns(sqlite3* db, const TableDef& table) {
    sqlite3_stmt* raw = nullptr;
    sqlite3_prepare_v2(db, "SELECT upper(name), upper(type) FROM pragma_table_info(?1)", -1, &raw,
                       nullptr);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> stmt(raw, sqlite3_finalize);
    const QByteArray name = table.name.toUtf8();
    sqlite3_bind_text(raw, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
    QHash<QString, QString> declared;
    while (sqlite3_step(raw) == SQLITE_ROW)
        declared.insert(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(raw, 0))),
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(raw, 1))));
    for (const ColumnDef& column : table.columns) {
        const auto type = declared.constFind(column.name);
        if (type == declared.constEnd())
            return false;
        // SQLite's own rules for a declared type's affinity, in their order.
        const bool integer = type->contains(QLatin1String("INT"));
        const bool text = !integer && (type->contains(QLatin1String("CHAR")) ||
                                       type->contains(QLatin1String("CLOB")) ||
                                       type->contains(QLatin1String("TEXT")));
        const bool whole = column.kind == ColumnKind::Amount || column.kind == ColumnKind::Integer;
        if (whole ? !integer : !text)
            return false;
    }
    return true;
}

QString stampVersion() {
    return QStringLiteral("PRAGMA user_version=") + QString::number(Schema::kVersion);
}

// Whether the file holds none, or all the right columns, of the module's tables. A file whose
// tables of those names are laid out otherwise belongs to another program and is not touched.
bool schemaFits(sqlite3* db) {
    for (const TableDef& table : Schema::tables()) {
        if (objectExists(db, "table", table.name) && !hasColumns(db, table)) {
            qCWarning(lcData) << "table" << table.name << "is not laid out as this module's";
            return false;
        }
    }
    return true;
}

// An account keeps its row while it has movements.
QString accountGuard() {
    return QStringLiteral("CREATE TRIGGER BANCNT_CON_MOVIMIENTOS BEFORE DELETE ON BANCNT "
                          "WHEN EXISTS (SELECT 1 FROM BANMOV WHERE CNTSTNRO = OLD.CNTSTNRO) "
                          "BEGIN SELECT RAISE(ABORT, '%1'); END")
        .arg(SqlDialect::accountGuardRefusal());
}

// The layout from which key numbers compare without trailing blanks; files before it have
// their tables rebuilt.
constexpr int kBlankPaddedKeys = 2;

// The accounts' totals summed afresh from their movements; `where` narrows the accounts.
QString recomputeTotals(const QString& where) {
    QStringList totals, sums;
    for (const auto& [total, amount] : SqlDialect::totals()) {
        totals << total;
        sums << QStringLiteral("coalesce(sum(m.%1),0)").arg(amount);
    }
    return QStringLiteral("UPDATE BANCNT SET (") + totals.join(u',') +
           QStringLiteral(") = (SELECT ") + sums.join(u',') +
           QStringLiteral(" FROM BANMOV m WHERE m.CNTSTNRO = BANCNT.CNTSTNRO)") + where;
}

// A movement's amounts added to (sign '+') or taken from ('-') its account's totals, as whole
// ten-thousandths: a total beyond what SQLite's integers hold is refused, never rounded.
QString stepTotals(const char* row, char sign) {
    QStringList sets;
    for (const auto& [total, amount] : SqlDialect::totals()) {
        const QString sum =
            QStringLiteral("%1%2%3.%4").arg(total).arg(sign).arg(QString::fromLatin1(row), amount);
        sets << QStringLiteral("%1=CASE WHEN typeof(%2)='integer' THEN %2 ELSE RAISE(ABORT,"
                               "'Los totales de la cuenta superan el mayor importe posible.') END")
                    .arg(total, sum);
    }
    return QStringLiteral("UPDATE BANCNT SET ") + sets.join(u',') +
           QStringLiteral(" WHERE CNTSTNRO=%1.CNTSTNRO;").arg(QString::fromLatin1(row));
}

// The account totals are kept by the database: every change of a movement adds its amounts to
// its account's totals and takes out what it replaced, in the same transaction, so that no
// screen's remembered totals are ever written over another's changes. A new account starts
// from the movements already under its number.
std::vector<std::pair<QString, QString>> totalsTriggers() {
    auto after = [](const char* name, const char* event, const QString& body) {
        const QString trigger = QString::fromLatin1(name);
        return std::pair{trigger, QStringLiteral("CREATE TRIGGER %1 AFTER %2 BEGIN %3 END")
                                      .arg(trigger, QString::fromLatin1(event), body)};
    };
    return {
        after("BANMOV_TOTALES_ALTA", "INSERT ON BANMOV", stepTotals("NEW", '+')),
        after("BANMOV_TOTALES_BAJA", "DELETE ON BANMOV", stepTotals("OLD", '-')),
        after("BANMOV_TOTALES_CAMBIO",
              "UPDATE OF CNTSTNRO,MOVDLAAC,MOVDLADE,MOVDLACR,MOVDLDEB ON BANMOV",
              stepTotals("OLD", '-') + stepTotals("NEW", '+')),
        after("BANCNT_TOTALES", "INSERT ON BANCNT",
              recomputeTotals(QStringLiteral(" WHERE CNTSTNRO=NEW.CNTSTNRO;"))),
    };
}

// What a file needs to be of this build's layout, planned from what it holds.
struct LayoutPlan {
    QStringList statements;
    int version = 0;
    bool upgrade = false; // from an older layout, whose file is copied first
};

// A new database gets the three tables; one of an earlier layout is brought to this one with
// its rows kept (rebuilt table by table when its keys compared trailing blanks, its totals
// summed once from its movements); one of this layout only gets what it lacks. Nothing is
// planned when nothing is missing.
LayoutPlan layoutPlan(sqlite3* db) {
    LayoutPlan plan;
    plan.version = intOf(db, "PRAGMA user_version");
    bool any = false;
    for (const TableDef& table : Schema::tables())
        any = any || objectExists(db, "table", table.name);
    plan.upgrade = any && plan.version < Schema::kVersion;
    const bool rebuild = any && plan.version < kBlankPaddedKeys;
    for (const TableDef& table : Schema::tables()) {
        if (!objectExists(db, "table", table.name)) {
            plan.statements << SqlDialect::sqlite().tableDefinition(table);
            continue;
        }
        if (!rebuild)
            continue;
        QStringList names;
        for (const ColumnDef& column : table.columns)
            names << column.name;
        const QString columns = names.join(u',');
        const QString old = table.name + QStringLiteral("_ANTERIOR");
        plan.statements << QStringLiteral("ALTER TABLE ") + table.name +
                               QStringLiteral(" RENAME TO ") + old
                        << SqlDialect::sqlite().tableDefinition(table)
                        << QStringLiteral("INSERT INTO ") + table.name + u'(' + columns +
                               QStringLiteral(") SELECT ") + columns + QStringLiteral(" FROM ") +
                               old
                        << QStringLiteral("DROP TABLE ") + old;
    }
    if (rebuild || !objectExists(db, "index", QStringLiteral("BANMOV_FECHA")))
        plan.statements << SqlDialect::dateIndex();
    if (rebuild || !objectExists(db, "index", QStringLiteral("BANMOV_PENDIENTE")))
        plan.statements << SqlDialect::pendingIndex();
    if (rebuild || !objectExists(db, "trigger", QStringLiteral("BANCNT_CON_MOVIMIENTOS")))
        plan.statements << accountGuard();
    bool recompute = false;
    for (const auto& [name, sql] : totalsTriggers()) {
        if (rebuild || !objectExists(db, "trigger", name)) {
            plan.statements << sql;
            recompute = any;
        }
    }
    if (recompute)
        plan.statements << recomputeTotals({});
    // The audit trail starts with the layout that brings it: what the file held before has
    // no history, and the rebuilds and sums above are not anyone's change.
    for (const auto& [name, sql] : AuditLayout::sqliteObjects())
        if (intOf(db, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name='%1'")
                          .arg(name)
                          .toUtf8()
                          .constData()) == 0)
            plan.statements << sql;
    if (!any || plan.upgrade)
        plan.statements << stampVersion();
    return plan;
}

enum class Prepared { Working, OnlyRead, Failed };

// Lays out or upgrades the file in one transaction. Before an upgrade the file is copied into
// the "backups" folder beside it; when that copy or the upgrade fails the file keeps its
// layout, whole, and is only read. A new file whose tables cannot be made does not open.
Prepared prepareSchema(sqlite3* db, const QString& path) {
    LayoutPlan plan = layoutPlan(db);
    if (plan.statements.isEmpty())
        return Prepared::Working;
    QString failure = QCoreApplication::translate("SqliteEngine", "el archivo está ocupado");
    if (exec(db, QStringLiteral("BEGIN IMMEDIATE"))) {
        // Planned again under the write lock: another copy may have done it meanwhile.
        plan = layoutPlan(db);
        failure.clear();
        if (plan.upgrade)
            failure = DatabaseCopy::backupAs(
                path,
                QFileInfo(path).completeBaseName() +
                    QStringLiteral("-antes-de-actualizar-v%1.db").arg(std::max(plan.version, 1)));
        for (const QString& sql : plan.statements)
            if (failure.isEmpty() && !exec(db, sql))
                failure = QCoreApplication::translate("SqliteEngine",
                                                      "no se pudo escribir la nueva estructura");
        if (failure.isEmpty() && exec(db, QStringLiteral("COMMIT")))
            return Prepared::Working;
        exec(db, QStringLiteral("ROLLBACK"));
    }
    if (!plan.upgrade)
        return Prepared::Failed;
    // The copy could not be made, or rows that only differ by trailing blanks cannot share the
    // new keys: the file keeps its layout, whole, and still lists.
    qCWarning(lcData) << "the database keeps its layout version" << plan.version
                      << "and is only read:" << failure;
    return Prepared::OnlyRead;
}

std::int64_t amountUnits(sqlite3_stmt* stmt, int column) {
    if (sqlite3_column_type(stmt, column) == SQLITE_FLOAT)
        return std::llround(sqlite3_column_double(stmt, column));
    return sqlite3_column_int64(stmt, column);
}

QString isoDate(QDate date) {
    return date.toString(Qt::ISODate);
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

void resultText(sqlite3_context* context, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(context, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

// The module's functions, for the places where the engine itself must evaluate them.
void valFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL:
        sqlite3_result_null(context);
        return;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        sqlite3_result_double(context, sqlite3_value_double(argv[0]));
        return;
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
        sqlite3_result_double(context, rt::leadingNumber(QString::fromUtf8(text)));
    }
    }
}

void formatAmountFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_null(context);
    resultText(context, rt::formatAmount(Money::fromUnits(sqlite3_value_int64(argv[0]))));
}

void formatDateFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_null(context);
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    resultText(context, rt::formatDateSlashed(dateOfIso(text, sqlite3_value_bytes(argv[0]))));
}

void cdblFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_null(context);
    sqlite3_result_double(context, double(sqlite3_value_int64(argv[0])) / Money::kScale);
}

// ldg_contains(description, text): whether the description holds the text, ignoring case
// for every letter. The text is a bound value, the same on every row: it is folded once and
// kept with the statement for the rows that follow.
void containsFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL)
        return sqlite3_result_null(context);
    const auto* description = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const std::string_view utf8(description, std::size_t(sqlite3_value_bytes(argv[0])));
    if (const auto* kept = static_cast<const FoldedText*>(sqlite3_get_auxdata(context, 1)))
        return sqlite3_result_int(context, kept->foundIn(utf8));
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    auto folded =
        std::make_unique<FoldedText>(QString::fromUtf8(text, sqlite3_value_bytes(argv[1])));
    sqlite3_result_int(context, folded->foundIn(utf8));
    // SQLite owns it from here, and deletes it at once when it cannot keep it.
    sqlite3_set_auxdata(context, 1, folded.release(),
                        [](void* kept) { delete static_cast<FoldedText*>(kept); });
}

} // namespace

void SqliteEngine::DatabaseCloser::operator()(sqlite3* db) const {
    sqlite3_close_v2(db);
}

void SqliteEngine::StatementFinalizer::operator()(sqlite3_stmt* stmt) const {
    sqlite3_finalize(stmt);
}

SqliteEngine::SqliteEngine() = default;

SqliteEngine::~SqliteEngine() {
    cache_.clear(); // statements go before their connection
    audit_ = {};
    // A log that another program removed after copying it into the file holds nothing newer
    // than the file: copied back on closing, it would lay old pages over later writes.
    if (db_ && files_.state() != LedgerFiles::State::Held)
        sqlite3_db_config(db_.get(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
}

bool SqliteEngine::open(const QString& dataSource, OpenMode mode) {
    cache_.clear();
    audit_ = {};
    routine_.clear();
    user_ = systemUserName();
    if (db_ && files_.state() != LedgerFiles::State::Held)
        sqlite3_db_config(db_.get(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    db_.reset();
    files_ = {};
    path_ = dataSource;
    mode_ = mode;
    newer_ = false;
    older_ = false;
    reading_ = true;
    // The component opens a database; it never makes one. A new ledger's file is created by
    // whoever asks for it (an empty file will do: the tables are laid out here).
    const QFileInfo info(dataSource);
    if (dataSource.isEmpty() || !info.isFile()) {
        // A path mistyped is the person's to correct, and the caller tells them in their words;
        // nothing went wrong here that a warning should add to.
        qCInfo(lcData) << "no database file at" << dataSource;
        return false;
    }
    // A file without write permission is opened for reading only, whoever runs the program; so
    // is any file opened for reading, which then cannot change at all, not even by a pragma.
    // In a folder nobody may write in, a ledger cannot get the log and index files that
    // write-ahead logging keeps beside it; with no log pending it is read as it stands.
    const QFileInfo folder(info.absolutePath());
    const bool lockedFolder = !folder.isWritable() || !(folder.permissions() & QFile::WriteOwner);
    const bool asItStands =
        lockedFolder && QFileInfo(dataSource + QStringLiteral("-wal")).size() == 0;
    const bool forWork = mode == OpenMode::Work && !lockedFolder && info.isWritable() &&
                         (info.permissions() & QFile::WriteOwner);
    sqlite3* raw = nullptr;
    const QByteArray name = asItStands
                                ? QUrl::fromLocalFile(dataSource).toEncoded() + "?immutable=1"
                                : dataSource.toUtf8();
    // The module runs on one thread: without the connection's mutex, reading a listing does
    // not lock and unlock it on every value it takes from a row.
    const int rc = sqlite3_open_v2(name.constData(), &raw,
                                   (forWork ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY) |
                                       SQLITE_OPEN_NOMUTEX | (asItStands ? SQLITE_OPEN_URI : 0),
                                   nullptr);
    std::unique_ptr<sqlite3, DatabaseCloser> db(raw);
    if (rc != SQLITE_OK) {
        qCWarning(lcData) << "cannot open" << dataSource << "-" << sqlite3_errstr(rc);
        return false;
    }
    auto setUp = [raw](int result, const char* what) {
        if (result != SQLITE_OK)
            qCWarning(lcData) << what << "failed:" << sqlite3_errmsg(raw);
        return result == SQLITE_OK;
    };
    setUp(sqlite3_extended_result_codes(raw, 1), "extended result codes");
    // Another program's write makes a statement wait a few seconds, then fail; never hang.
    setUp(sqlite3_busy_timeout(raw, 5000), "busy timeout");
    // The catalogue and our tables' columns are read before anything is written: a file
    // that is not a database, or whose tables are another program's, is left untouched.
    if (!setUp(sqlite3_exec(raw, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr),
               "reading the catalogue") ||
        !schemaFits(raw))
        return false;
    // A layout this build does not know may hold rules it would break: it is only read.
    const int version = intOf(raw, "PRAGMA user_version");
    newer_ = version > Schema::kVersion;
    if (newer_)
        qCWarning(lcData) << dataSource << "was written by a newer Ledgora (layout version"
                          << version << "); it is only read";
    if (forWork && !newer_) {
        const Prepared prepared = prepareSchema(raw, dataSource);
        if (prepared == Prepared::Failed)
            return false;
        reading_ = prepared == Prepared::OnlyRead;
    }
    older_ = version < Schema::kVersion && reading_;
    if (!reading_) {
        if (intOf(raw, "SELECT count(*) FROM pragma_journal_mode WHERE journal_mode='wal'") != 1)
            setUp(sqlite3_exec(raw, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr),
                  "write-ahead log");
        setUp(sqlite3_exec(raw, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr), "full sync");
    } else if (forWork &&
               !setUp(sqlite3_exec(raw, "PRAGMA query_only=1", nullptr, nullptr, nullptr),
                      "reading only")) {
        return false;
    }
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    const bool functions =
        setUp(sqlite3_create_function_v2(raw, "ldg_val", 1, flags, nullptr, valFunction, nullptr,
                                         nullptr, nullptr),
              "ldg_val") &&
        setUp(sqlite3_create_function_v2(raw, "ldg_format_amount", 1, SQLITE_UTF8, nullptr,
                                         formatAmountFunction, nullptr, nullptr, nullptr),
              "ldg_format_amount") &&
        setUp(sqlite3_create_function_v2(raw, "ldg_format_date", 1, flags, nullptr,
                                         formatDateFunction, nullptr, nullptr, nullptr),
              "ldg_format_date") &&
        setUp(sqlite3_create_function_v2(raw, "ldg_cdbl", 1, flags, nullptr, cdblFunction, nullptr,
                                         nullptr, nullptr),
              "ldg_cdbl") &&
        setUp(sqlite3_create_function_v2(raw, "ldg_contains", 2, flags, nullptr, containsFunction,
                                         nullptr, nullptr, nullptr),
              "ldg_contains");
    if (!functions)
        return false;
    db_ = std::move(db);
    if (!reading_) {
        // The log and its index exist once the file has been read in write-ahead mode.
        files_ = LedgerFiles(QFileInfo(dataSource).absoluteFilePath());
        files_.record();
    }
    opened_ = identity(path_);
    return true;
}

std::optional<std::pair<dev_t, ino_t>> SqliteEngine::identity(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return std::pair{status.st_dev, status.st_ino};
}

bool SqliteEngine::replaced() {
    // A restore puts another file in the ledger's place; this connection would go on with the
    // one it opened, which no longer has a name.
    return db_ && opened_ && identity(path_) != opened_;
}

void SqliteEngine::keepFiles() {
    if (reading_ || !db_ || !sqlite3_get_autocommit(db_.get()))
        return;
    const LedgerFiles::State state = files_.state();
    if (state == LedgerFiles::State::Held)
        return;
    if (state == LedgerFiles::State::CompanionsGone)
        TransactionWatch::fault(
            QStringLiteral("%1 lost its locks: something in this program closed the file "
                           "outside SQLite, and another program removed its log")
                .arg(path_));
    else
        qCWarning(lcData) << path_ << "was replaced; it is opened again";
    reopen();
}

void SqliteEngine::reopen() {
    if (db_)
        sqlite3_db_config(db_.get(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    const QString path = path_;
    if (!open(path, mode_))
        throw RuntimeError(
            EngineErrors::kNumber,
            QCoreApplication::translate("SqliteEngine", "No se pudo volver a abrir %1.").arg(path),
            RuntimeError::Kind::NoConnection);
}

void SqliteEngine::renewLocks() {
    if (!reading_ && db_ && sqlite3_get_autocommit(db_.get()))
        reopen();
}

std::optional<std::int64_t> SqliteEngine::changeMark() {
    // Changes only when another connection commits: this connection's own writes leave it.
    if (!db_)
        return std::nullopt;
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_.get(), "PRAGMA data_version", -1, &raw, nullptr) != SQLITE_OK)
        return std::nullopt;
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    if (sqlite3_step(raw) != SQLITE_ROW)
        return std::nullopt;
    return sqlite3_column_int64(raw, 0);
}

bool SqliteEngine::inTransaction() const {
    return db_ && !sqlite3_get_autocommit(db_.get());
}

[[noreturn]] void SqliteEngine::fail(int code, const QString& what) const {
    qCWarning(lcData) << what << "failed:" << sqlite3_errmsg(db_.get());
    // The database's own refusal (an account that still has movements) in its own words.
    if (code == SQLITE_CONSTRAINT_TRIGGER)
        throw EngineErrors::database(QString::fromUtf8(sqlite3_errmsg(db_.get())));
    switch (code & 0xff) {
    case SQLITE_CONSTRAINT:
        throw EngineErrors::duplicateKey();
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        // The person sees the module's message; the terminal says which file is held.
        std::fputs(QCoreApplication::translate(
                       "SqliteEngine", "ledgora: %1 está ocupado por otro programa: %2 no pudo "
                                       "esperar más\n")
                       .arg(QString::fromUtf8(sqlite3_db_filename(db_.get(), "main")), what)
                       .toUtf8()
                       .constData(),
                   stderr);
        throw EngineErrors::busy();
    case SQLITE_READONLY:
        throw newer_ ? EngineErrors::newerLayout() : EngineErrors::readOnly();
    default:
        throw EngineErrors::database(QString::fromUtf8(sqlite3_errmsg(db_.get())));
    }
}

void SqliteEngine::run(const char* sql) {
    if (!db_)
        throw RuntimeError::objectNotSet();
    const int rc = sqlite3_exec(db_.get(), sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail(rc, QString::fromLatin1(sql));
}

sqlite3_stmt* SqliteEngine::prepared(const StatementForm& form) {
    if (!db_)
        throw RuntimeError::objectNotSet();
    if (auto it = cache_.find(&form); it != cache_.end())
        return it->second.get();
    const QByteArray sql = SqliteTranslator::translate(form).toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v3(db_.get(), sql.constData(), int(sql.size()),
                                      SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    if (rc != SQLITE_OK) {
        if (older_) // a table of a later layout, not in this ledger yet
            throw EngineErrors::olderLayout();
        fail(rc, form.name());
    }
    cache_.emplace(&form, StatementHandle(stmt));
    return stmt;
}

void SqliteEngine::bindValues(sqlite3_stmt* stmt, const BoundStatement& statement) {
    int index = 0;
    for (const BoundValue& value : statement.values) {
        ++index;
        QByteArray text;
        switch (value.kind) {
        case ValueKind::Integer:
            sqlite3_bind_int64(stmt, index, value.integer);
            continue;
        case ValueKind::Amount:
            sqlite3_bind_int64(stmt, index, value.amount.units());
            continue;
        case ValueKind::Text:
            text = value.text.toUtf8();
            break;
        case ValueKind::Date:
            text = isoDate(value.date).toUtf8();
            break;
        case ValueKind::Contains:
            // The text is looked for as typed (ldg_contains): '%' and '_' are no wildcards.
            text = value.text.toUtf8();
            break;
        }
        sqlite3_bind_text(stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
}

long SqliteEngine::step(sqlite3_stmt* stmt, const BoundStatement& statement) {
    StatementReset reset(stmt);
    bindValues(stmt, statement);
    // A command that writes nothing (the account totals, which the database keeps itself)
    // gives the number of rows it found.
    long found = 0;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        found = long(sqlite3_column_int64(stmt, 0));
    if (rc != SQLITE_DONE)
        fail(rc, statement.form->name());
    return sqlite3_stmt_readonly(stmt) ? found : long(sqlite3_changes(db_.get()));
}

// A write runs in a transaction of its own, unless a batch holds one, so that the audit
// trail's triggers find who writes and through which form, and its rows are sealed before
// the commit.
long SqliteEngine::execute(const BoundStatement& statement) {
    keepFiles();
    sqlite3_stmt* stmt = prepared(*statement.form);
    if (reading_ || sqlite3_stmt_readonly(stmt))
        return step(stmt, statement);
    if (!sqlite3_get_autocommit(db_.get())) {
        nameRoutine(statement.form->name());
        return step(stmt, statement);
    }
    run("BEGIN IMMEDIATE");
    try {
        nameRoutine(statement.form->name());
        const long changed = step(stmt, statement);
        closeWrite();
        run("COMMIT");
        return changed;
    } catch (...) {
        routine_.clear();
        if (!sqlite3_get_autocommit(db_.get()))
            sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

sqlite3_stmt* SqliteEngine::prepared(StatementHandle& handle, const char* sql) {
    if (!handle) {
        sqlite3_stmt* stmt = nullptr;
        const int rc =
            sqlite3_prepare_v3(db_.get(), sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
        if (rc != SQLITE_OK)
            fail(rc, QString::fromLatin1(sql));
        handle.reset(stmt);
    }
    return handle.get();
}

void SqliteEngine::nameRoutine(const QString& routine) {
    if (routine == routine_)
        return;
    sqlite3_stmt* stmt = prepared(audit_.name, "INSERT OR REPLACE INTO BANCTX(ID,USUARIO,PROGRAMA,"
                                               "RUTINA) VALUES (1,?1,?2,?3)");
    StatementReset reset(stmt);
    const auto [user, program] = auditIdentity();
    const QByteArray texts[] = {user.toUtf8(), program.toUtf8(), routine.toUtf8()};
    for (int k = 0; k < 3; ++k)
        sqlite3_bind_text(stmt, k + 1, texts[k].constData(), int(texts[k].size()),
                          SQLITE_TRANSIENT);
    if (const int rc = sqlite3_step(stmt); rc != SQLITE_DONE)
        fail(rc, QStringLiteral("BANCTX"));
    routine_ = routine;
}

// The rows written since the last seal (this program's, and any other program's written
// through SQL since this program last wrote) are sealed in their order, each linked to the
// one before.
void SqliteEngine::closeWrite() {
    routine_.clear();
    sqlite3_stmt* last =
        prepared(audit_.lastSeal, "SELECT AUDINNRO,SELSTHSH FROM BANSEL ORDER BY AUDINNRO DESC "
                                  "LIMIT 1");
    std::int64_t sealedUpTo = 0;
    QByteArray previous;
    {
        StatementReset reset(last);
        if (sqlite3_step(last) == SQLITE_ROW) {
            sealedUpTo = sqlite3_column_int64(last, 0);
            previous = QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(last, 1)));
        }
    }
    const QByteArray select =
        QByteArrayLiteral("SELECT ") + AuditChain::columns().join(u',').toLatin1() +
        QByteArrayLiteral(" FROM BANAUD WHERE AUDINNRO > ?1 ORDER BY AUDINNRO");
    sqlite3_stmt* rows = prepared(audit_.unsealed, select.constData());
    sqlite3_stmt* seal =
        prepared(audit_.seal, "INSERT INTO BANSEL(AUDINNRO,SELSTHSH) VALUES (?1,?2)");
    StatementReset reset(rows);
    sqlite3_bind_int64(rows, 1, sealedUpTo);
    std::vector<std::optional<QByteArray>> values(std::size_t(AuditChain::columns().size()));
    int rc;
    while ((rc = sqlite3_step(rows)) == SQLITE_ROW) {
        for (int c = 0; c < int(values.size()); ++c)
            values[std::size_t(c)] =
                sqlite3_column_type(rows, c) == SQLITE_NULL
                    ? std::nullopt
                    : std::optional(
                          QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(rows, c)),
                                     sqlite3_column_bytes(rows, c)));
        previous = AuditChain::link(previous, values);
        StatementReset sealed(seal);
        sqlite3_bind_int64(seal, 1, sqlite3_column_int64(rows, 0));
        sqlite3_bind_text(seal, 2, previous.constData(), int(previous.size()), SQLITE_TRANSIENT);
        if (const int written = sqlite3_step(seal); written != SQLITE_DONE)
            fail(written, QStringLiteral("BANSEL"));
    }
    if (rc != SQLITE_DONE)
        fail(rc, QStringLiteral("BANAUD"));
    sqlite3_stmt* forget = prepared(audit_.forget, "DELETE FROM BANCTX");
    StatementReset forgotten(forget);
    if (const int done = sqlite3_step(forget); done != SQLITE_DONE)
        fail(done, QStringLiteral("BANCTX"));
}

std::shared_ptr<const RecordsetData> SqliteEngine::query(const BoundStatement& statement) {
    keepFiles();
    sqlite3_stmt* stmt = prepared(*statement.form);
    StatementReset reset(stmt);
    bindValues(stmt, statement);

    std::vector<QString> names;
    std::vector<ResultKind> kinds;
    statement.form->resultLayout(names, kinds);
    // Formatted amounts keep the separator of the moment they were read.
    auto data = std::make_shared<RecordsetData>(std::move(names), QString(rt::decimalSeparator()));
    const int columns = int(kinds.size());

    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            const int type = sqlite3_column_type(stmt, c);
            if (type == SQLITE_NULL) {
                data->appendNull();
                continue;
            }
            switch (kinds[std::size_t(c)]) {
            case ResultKind::Integer:
                data->appendInteger(sqlite3_column_int64(stmt, c));
                break;
            case ResultKind::Amount:
                data->appendAmount(amountUnits(stmt, c));
                break;
            case ResultKind::Double:
                data->appendDouble(sqlite3_column_double(stmt, c));
                break;
            case ResultKind::AmountAsDouble:
                data->appendDouble(double(amountUnits(stmt, c)) / Money::kScale);
                break;
            case ResultKind::FormattedAmount:
                data->appendFormattedAmount(amountUnits(stmt, c));
                break;
            case ResultKind::Date:
            case ResultKind::FormattedDate: {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
                const int size = sqlite3_column_bytes(stmt, c);
                if (kinds[std::size_t(c)] == ResultKind::FormattedDate)
                    data->appendFormattedDate(text, std::size_t(size));
                else
                    data->appendDate(dateOfIso(text, size).toJulianDay());
                break;
            }
            case ResultKind::TrimmedText:
            case ResultKind::Text:
            case ResultKind::Dynamic: {
                if (kinds[std::size_t(c)] == ResultKind::Dynamic && type == SQLITE_INTEGER) {
                    data->appendInteger(sqlite3_column_int64(stmt, c));
                    break;
                }
                if (kinds[std::size_t(c)] == ResultKind::Dynamic && type == SQLITE_FLOAT) {
                    data->appendDouble(sqlite3_column_double(stmt, c));
                    break;
                }
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
                std::size_t begin = 0;
                std::size_t end = std::size_t(sqlite3_column_bytes(stmt, c));
                if (kinds[std::size_t(c)] == ResultKind::TrimmedText) {
                    while (begin < end && text[begin] == ' ')
                        ++begin;
                    while (end > begin && text[end - 1] == ' ')
                        --end;
                }
                data->appendText(text + begin, end - begin);
                break;
            }
            }
        }
    }
    if (rc != SQLITE_DONE)
        fail(rc, statement.form->name());
    return data;
}

// A large batch, one that changes many rows far apart (a bank statement applied to a large
// ledger), keeps its pages in a large cache until its commit instead of spilling them to the
// log; otherwise the connection keeps SQLite's small default, so that a listing of a million
// movements is held once, in its record set, and not a second time in the page cache.
constexpr const char* kBatchCache = "PRAGMA cache_size=-65536";
constexpr const char* kSmallCache = "PRAGMA cache_size=-2000";

void SqliteEngine::beginBatch(bool large) {
    keepFiles();
    if (large && !reading_)
        exec(db_.get(), QString::fromLatin1(kBatchCache));
    // A file only read still lists: its batch reads, and any write in it is refused.
    run(reading_ ? "BEGIN" : "BEGIN IMMEDIATE");
    routine_.clear();
}

void SqliteEngine::endBatch(bool commit) {
    if (commit && !reading_)
        closeWrite();
    routine_.clear();
    // However the batch ends, the cache goes back to its small size.
    const auto smallCache =
        qScopeGuard([this] { exec(db_.get(), QString::fromLatin1(kSmallCache)); });
    run(commit ? "COMMIT" : "ROLLBACK");
}

std::pair<QString, QString> SqliteEngine::auditIdentity() const {
    return {user_, QStringLiteral("ledgora")};
}

} // namespace ledgora
