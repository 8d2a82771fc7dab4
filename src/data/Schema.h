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
};

struct TableDef {
    QString name;
    std::vector<ColumnDef> columns;
    std::vector<QString> key;
};

// The module's three tables: bank accounts, movements and concepts.
class Schema {
public:
    static const std::vector<TableDef>& tables();
    static const TableDef* table(const QString& name);
    static std::optional<ColumnKind> columnKind(const QString& columnName);
};

} // namespace ledgora
