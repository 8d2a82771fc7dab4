#pragma once

#include "Engine.h"

#include <QByteArray>
#include <memory>
#include <unordered_map>

struct pg_conn;
struct pg_result;

namespace ledgora {

// The module's database on a PostgreSQL server, shared by several people. The data source is
// a libpq connection URI (postgresql://USER@HOST/DBNAME); passwords come from the usual
// places (PGPASSWORD, ~/.pgpass). Amounts are whole ten-thousandths in BIGINT columns, dates
// yyyy-mm-dd text, key numbers blank-padded text that compares without trailing blanks, and
// account totals are kept by the server from the movements in the same transaction.
class PgEngine final : public Engine {
public:
    PgEngine();
    ~PgEngine() override;

    bool open(const QString& dataSource, OpenMode mode) override;
    long execute(const BoundStatement& statement) override;
    std::shared_ptr<const RecordsetData> query(const BoundStatement& statement) override;
    void beginBatch() override;
    void endBatch(bool commit) override;

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

    const Translated& translated(const StatementForm& form);
    Result run(const BoundStatement& statement);
    Result runPlain(const char* sql);
    [[noreturn]] void fail(pg_result* result) const;
    bool prepareSchema();

    std::unique_ptr<pg_conn, ConnectionCloser> conn_;
    std::unordered_map<const StatementForm*, Translated> cache_;
};

} // namespace ledgora
