#pragma once

#include "Schema.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ledgora {

// The module's tables, functions and triggers as a PostgreSQL server holds them, and how a
// table found there is told to be ours.
class PgLayout {
public:
    // The module's functions and triggers, each statement replacing what an earlier layout
    // left; ldg_schema_version() gives the layout they belong to.
    static QStringList serverObjects();
    // Whether a column of the server's type (pg_type's name) holds what the module keeps in
    // it. Amounts in numeric or floating-point columns, or key numbers that are not text,
    // belong to another program.
    static bool holds(const ColumnDef& column, const QByteArray& type);
};

} // namespace ledgora
