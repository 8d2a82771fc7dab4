#pragma once

#include "Engine.h"
#include "LedgerFiles.h"

#include <QString>
#include <memory>
#include <optional>
#include <sys/types.h>
#include <unordered_map>
#include <utility>

struct sqlite3;
struct sqlite3_stmt;

namespace ledgora {

// The module's database in a SQLite file. Amounts are stored as whole ten-thousandths and
// dates as yyyy-mm-dd text; each command is committed to the write-ahead log with a full
// sync before it returns. The accounts' totals are kept by the database from the movements.
class SqliteEngine final : public Engine {
public:
    SqliteEngine();
    ~SqliteEngine() override;

    bool open(const QString& dataSource, OpenMode mode) override;
    long execute(const BoundStatement& statement) override;
    std::shared_ptr<const RecordsetData> query(const BoundStatement& statement) override;
    void beginBatch(bool large) override;
    void endBatch(bool commit) override;
    bool inTransaction() const override;
    void renewLocks() override;
    std::optional<std::int64_t> changeMark() override;
    bool replaced() override;
    std::pair<QString, QString> auditIdentity() const override;

private:
    struct DatabaseCloser {
        void operator()(sqlite3* db) const;
    };
    struct StatementFinalizer {
        void operator()(sqlite3_stmt* stmt) const;
    };
    using StatementHandle = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

    sqlite3_stmt* prepared(const StatementForm& form);
    sqlite3_stmt* prepared(StatementHandle& handle, const char* sql);
    long step(sqlite3_stmt* stmt, const BoundStatement& statement);
    // Names the statement form writing now for the audit trail's triggers, in the open
    // transaction.
    void nameRoutine(const QString& routine);
    // Seals the audit rows written since the last seal and forgets who was writing; the last
    // step of each write transaction before its commit.
    void closeWrite();
    void bindValues(sqlite3_stmt* stmt, const BoundStatement& statement);
    // Before a transaction of a connection that writes: when the file, its log or its index
    // are no longer the ones opened, the connection is opened afresh first.
    void keepFiles();
    // Closes the connection without copying its log into the file, and opens it again.
    void reopen();
    void run(const char* sql);
    // Raises the run-time error for an engine's failure, having logged the statement form's
    // name (or the command) and the engine's own words in the data layer's category.
    [[noreturn]] void fail(int code, const QString& what) const;

    std::unique_ptr<sqlite3, DatabaseCloser> db_;
    std::unordered_map<const StatementForm*, StatementHandle> cache_;
    // Writes are refused: the file is opened for reading, cannot be written, or keeps a
    // layout this build only reads.
    bool reading_ = true;
    // The file's layout is a newer Ledgora's; its writes are refused as such.
    bool newer_ = false;
    bool older_ = false; // opened without the tables of a later layout
    // The statements of the audit trail's bookkeeping, and the routine named in the open
    // transaction.
    struct AuditStatements {
        StatementHandle name, forget, lastSeal, unsealed, seal;
    } audit_;
    QString routine_;
    QString user_; // who this connection's changes are by: the operating-system user
    QString path_;
    std::optional<std::pair<dev_t, ino_t>> opened_; // the file opened, as the system knows it
    static std::optional<std::pair<dev_t, ino_t>> identity(const QString& path);
    OpenMode mode_ = OpenMode::Read;
    LedgerFiles files_;
};

} // namespace ledgora
