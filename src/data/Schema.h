#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace ledgora {

// What a column holds, which decides how a value spliced into a statement is read and how a
// stored value comes back: amounts are exact ten-thousandths, dates whole calendar days.
enum class ColumnKind { Text, Integer, Amount, Date };

struct ColumnDef {
    QString name;
    ColumnKind kind;
    // Numbers kept as text are written padded with blanks by some statements ("3 " for
    // concept 3) and without by others; they compare as the SQL standard compares padded
    // text, with trailing blanks ignored.
    bool blankPadded = false;
};

struct TableDef {
    QString name;
    std::vector<ColumnDef> columns;
    std::vector<QString> key;
    // The layout version that brought the table. A ledger of an earlier layout lacks it until
    // it is opened for work, and still lists without it.
    int since = 1;
};

// The module's tables: bank accounts, movements and concepts, then what the reconciliation
// with bank statements keeps beside them (links to bank accounts, applied bank lines and the
// concept each common bank concept enters as).
class Schema {
public:
    // The layout version stamped in a database; files of an older layout are upgraded when
    // they are opened for work. 1: the first layout; 2: key numbers compare without trailing
    // blanks; 3: account totals are kept by the database from the movements; 4: the
    // reconciliation's tables; 5: the audit trail; 6: a server's trail takes rows only from its
    // own audit functions; 7: movements that come back on a schedule, an index of the pending
    // movements, and the layouts of banks' spreadsheet exports. A database stamped with a higher
    // version was written by a newer Ledgora and is only read.
    static constexpr int kVersion = 7;

    static const std::vector<TableDef>& tables();
    static const TableDef* table(const QString& name);
    // Whether the table is one the ledger cannot list without.
    static bool isEssential(const TableDef& table) { return table.since == 1; }
    static std::optional<ColumnKind> columnKind(const QString& columnName);
};

} // namespace ledgora
