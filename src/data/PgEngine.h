#pragma once

#include "Engine.h"
#include "Schema.h"

#include <QByteArray>
#include <QStringList>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

struct pg_conn;
struct pg_result;

namespace ledgora {

// The module's database on a PostgreSQL server, shared by several people. The data source is
// a libpq connection URI (postgresql://USER@HOST/DBNAME); passwords come from the usual
// places (PGPASSWORD, ~/.pgpass). Amounts are whole ten-thousandths in BIGINT columns, dates
// yyyy-mm-dd text, key numbers blank-padded text that compares without trailing blanks, and
// account totals are kept by the server from the movements in the same transaction.
//
// The connection is one person's session. A server that went away and came back is reached
// again by the next action, once, with the same settings; a batch open when it went away is
// lost whole. A session that may only read (opened for reading, a role without write rights,
// or a layout of a newer Ledgora) is read-only on the server, which refuses every write.
class PgEngine final : public Engine {
public:
    PgEngine();
    ~PgEngine() override;

    bool open(const QString& dataSource, OpenMode mode) override;
    long execute(const BoundStatement& statement) override;
    std::shared_ptr<const RecordsetData> query(const BoundStatement& statement) override;
    void beginBatch(bool large) override;
    void endBatch(bool commit) override;
    bool inTransaction() const override;
    std::optional<std::int64_t> changeMark() override;
    int changeSocket() const override;
    std::pair<QString, QString> auditIdentity() const override;

private:
    struct ConnectionCloser {
        void operator()(pg_conn* conn) const;
    };
    struct ResultClearer {
        void operator()(pg_result* result) const;
    };
    using Result = std::unique_ptr<pg_result, ResultClearer>;
    struct Translated {
        QByteArray sql;
        bool recompute = false;
    };
    // What the server holds of the module: the tables it lacks, whether this role may change
    // them, and the layout version of its functions (0 when it has none).
    struct Layout {
        std::vector<const TableDef*> missing;
        bool writable = false;
        int version = 0;
        bool notifies = false; // its changes are told to the connections that listen
        // Nothing to lay out: this build's functions, or a newer build's.
        bool upToDate() const {
            return version > Schema::kVersion || (version == Schema::kVersion && notifies);
        }
    };
    // Why the session refuses writes, if it does.
    enum class Refusal { None, ReadOnly, NewerLayout };

    const Translated& translated(const StatementForm& form);
    Result run(const BoundStatement& statement);
    void runPlain(const char* sql);
    void nameRoutine(const QString& routine);
    [[noreturn]] void fail(pg_result* result, const QString& what);
    [[noreturn]] void lost(const QString& reason);
    bool alive();
    void reconnectIfLost();
    bool setUpSession();
    Result setUp(const QString& sql);
    std::optional<Layout> inspect();
    bool layOut();
    bool prepareSchema(const QString& dataSource, OpenMode mode);
    QString scrubbed(const QString& text) const;
    void tellWhy(const QString& reason) const;

    std::unique_ptr<pg_conn, ConnectionCloser> conn_;
    std::unordered_map<const StatementForm*, Translated> cache_;
    // The passwords of the address, kept out of every line written.
    QStringList secrets_;
    // Why the last set-up statement, or the opening, failed.
    QString why_;
    Refusal refusal_ = Refusal::None;
    bool inBatch_ = false;
    std::int64_t notified_ = 0; // notifications taken, and sessions begun
    // Why the open batch was lost with its connection; empty while it holds.
    QString batchLost_;
    QString routine_; // the statement form the session's audit setting names
};

} // namespace ledgora
