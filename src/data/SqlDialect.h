#pragma once

#include "Schema.h"

#include <QString>
#include <utility>
#include <vector>

namespace ledgora {

// How one engine spells the module's tables, and what both engines' layouts share: the
// listing's date index, the refusal to delete an account with movements, and which movement
// column each account total sums. Each engine's set-up builds its statements from here and
// from the schema, so that the file and the server never drift apart.
class SqlDialect final {
public:
    static const SqlDialect& sqlite();
    static const SqlDialect& postgres();

    // The table as this build lays it out.
    QString tableDefinition(const TableDef& table) const;

    static QString dateIndex();
    // The pending movements alone, by account and date: the few a forecast reads among an
    // account's many realised ones. A query uses it when it says the index's condition.
    static QString pendingIndex();
    static QString pendingCondition();
    static QString accountGuardRefusal();
    // Each account total and the movement amount it sums, in the schema's order.
    static const std::vector<std::pair<QString, QString>>& totals();

private:
    explicit SqlDialect(bool server) : server_(server) {}
    QString columnType(const ColumnDef& column) const;

    bool server_;
};

} // namespace ledgora
