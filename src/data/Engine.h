#pragma once

#include "BoundStatement.h"
#include "RecordsetData.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

namespace ledgora {

// Why a database is opened. A ledger opened for reading (a listing or an export written
// without a window) is never changed: no tables are laid out, no older layout is upgraded and
// no journal mode is switched; a write on it is refused as on a read-only file.
enum class OpenMode { Work, Read };

// The database engine behind the data-access component. Nothing outside this folder knows
// which engine serves the statements.
class Engine {
public:
    virtual ~Engine() = default;

    // Opens the database at the data source and, opened for work, makes sure the module's
    // tables exist. False when it cannot be opened or is not a database; the file is then left
    // untouched.
    virtual bool open(const QString& dataSource, OpenMode mode) = 0;
    // Runs a command; gives the number of rows it changed. Durable when it returns, unless
    // a batch is open. Raises a run-time error when the database refuses it.
    virtual long execute(const BoundStatement& statement) = 0;
    virtual std::shared_ptr<const RecordsetData> query(const BoundStatement& statement) = 0;

    // Many commands as one write, for loading data in bulk. A large one (a statement applied,
    // a ledger brought in) may keep more of the database in memory until its end.
    virtual void beginBatch(bool large) = 0;
    virtual void endBatch(bool commit) = 0;
    // Whether a transaction (a batch, or one the engine was asked for) is open now.
    virtual bool inTransaction() const = 0;
    // Opens the connection afresh when it may no longer hold what it held: a file's locks,
    // which the operating system drops when any other part of the process closes the file.
    // Only between transactions; does nothing where nothing was held.
    virtual void renewLocks() {}
    // A number that changes when another connection has committed a change to the database
    // since it was last asked: cheap enough to ask a few times a second. Nothing where the
    // engine cannot tell (then the watcher asks nothing).
    virtual std::optional<std::int64_t> changeMark() { return std::nullopt; }
    // A socket that becomes readable when another connection's change is told, for a watcher
    // to be woken rather than to ask; -1 where changes are not told.
    virtual int changeSocket() const { return -1; }
    // Whether another file now stands where the one opened stood (a restored copy); the
    // connection then has to be opened again to see it.
    virtual bool replaced() { return false; }

    // Who the audit trail names for this connection's changes: the operating-system user on a
    // file, the session's role on a server; and the program (the client's application name).
    virtual std::pair<QString, QString> auditIdentity() const = 0;
};

} // namespace ledgora
