#pragma once

#include "BoundStatement.h"
#include "RecordsetData.h"

#include <QString>
#include <memory>

namespace ledgora {

// The database engine behind the data-access component. Nothing outside this folder knows
// which engine serves the statements.
class Engine {
public:
    virtual ~Engine() = default;

    // Opens the database at the data source and makes sure the module's tables exist.
    // False when it cannot be opened or is not a database; the file is then left untouched.
    virtual bool open(const QString& dataSource) = 0;
    // Runs a command; gives the number of rows it changed. Durable when it returns, unless
    // a batch is open. Raises a run-time error when the database refuses it.
    virtual long execute(const BoundStatement& statement) = 0;
    virtual std::shared_ptr<const RecordsetData> query(const BoundStatement& statement) = 0;

    // Many commands as one write, for loading data in bulk.
    virtual void beginBatch() = 0;
    virtual void endBatch(bool commit) = 0;
};

} // namespace ledgora
