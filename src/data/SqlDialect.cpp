#include "SqlDialect.h"

#include <QStringList>
#include <algorithm>

namespace ledgora {

const SqlDialect& SqlDialect::sqlite() {
    static const SqlDialect dialect(false);
    return dialect;
}

const SqlDialect& SqlDialect::postgres() {
    static const SqlDialect dialect(true);
    return dialect;
}

// SQLite keeps amounts and numbers as whole numbers by INTEGER affinity and compares padded
// keys with RTRIM; the server has 64-bit integers and blank-padded character text, which
// compares as the SQL standard says, trailing blanks ignored, and keeps what was written.
QString SqlDialect::columnType(const ColumnDef& column) const {
    switch (column.kind) {
    case ColumnKind::Text:
        if (server_)
            return column.blankPadded ? QStringLiteral("BPCHAR") : QStringLiteral("TEXT");
        return column.blankPadded ? QStringLiteral("TEXT COLLATE RTRIM") : QStringLiteral("TEXT");
    case ColumnKind::Date:
        return QStringLiteral("TEXT");
    case ColumnKind::Integer:
        return QStringLiteral("INTEGER");
    case ColumnKind::Amount:
        return server_ ? QStringLiteral("BIGINT DEFAULT 0") : QStringLiteral("INTEGER DEFAULT 0");
    }
    return QString();
}

QString SqlDialect::tableDefinition(const TableDef& table) const {
    QStringList parts;
    for (const ColumnDef& column : table.columns) {
        // Keys and amounts always hold a value: sums and lookups rely on it.
        const bool key =
            std::find(table.key.begin(), table.key.end(), column.name) != table.key.end();
        parts << column.name + u' ' + columnType(column) +
                     (key || column.kind == ColumnKind::Amount ? QStringLiteral(" NOT NULL")
                                                               : QString());
    }
    parts << QStringLiteral("PRIMARY KEY (") +
                 QStringList(table.key.begin(), table.key.end()).join(u',') + u')';
    return QStringLiteral("CREATE TABLE ") + table.name + u'(' + parts.join(u',') + u')';
}

// The listing reads one account's movements in date order.
QString SqlDialect::dateIndex() {
    return QStringLiteral("CREATE INDEX IF NOT EXISTS BANMOV_FECHA ON BANMOV(CNTSTNRO,MOVDTALT,"
                          "MOVINNRO)");
}

QString SqlDialect::pendingCondition() {
    return QStringLiteral("(MOVDLAAC <> 0 or MOVDLADE <> 0)");
}

QString SqlDialect::pendingIndex() {
    return QStringLiteral("CREATE INDEX IF NOT EXISTS BANMOV_PENDIENTE ON BANMOV(CNTSTNRO,"
                          "MOVDTALT) WHERE ") +
           pendingCondition();
}

// An account keeps its row while it has movements: the delete itself is refused, whoever
// deletes it and whatever any screen checked before.
QString SqlDialect::accountGuardRefusal() {
    return QStringLiteral("No se puede eliminar esta cuenta, porque tiene movimientos.");
}

const std::vector<std::pair<QString, QString>>& SqlDialect::totals() {
    static const std::vector<std::pair<QString, QString>> pairs = [] {
        std::vector<std::pair<QString, QString>> all;
        const TableDef* accounts = Schema::table(QStringLiteral("BANCNT"));
        const TableDef* movements = Schema::table(QStringLiteral("BANMOV"));
        auto amounts = [](const TableDef* table) {
            QStringList names;
            for (const ColumnDef& column : table->columns)
                if (column.kind == ColumnKind::Amount)
                    names << column.name;
            return names;
        };
        const QStringList totals = amounts(accounts), sums = amounts(movements);
        for (qsizetype i = 0; i < std::min(totals.size(), sums.size()); ++i)
            all.emplace_back(totals[i], sums[i]);
        return all;
    }();
    return pairs;
}

} // namespace ledgora
