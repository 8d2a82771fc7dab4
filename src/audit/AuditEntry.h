#pragma once

#include <QDateTime>
#include <QMap>
#include <QString>
#include <optional>

namespace ledgora {

class Recordset;

// One row of the audit trail: a change of one row of the ledger.
struct AuditEntry {
    enum class Operation { Insert, Update, Delete };

    std::int64_t id = 0;
    QString when; // UTC, yyyy-mm-ddThh:mm:ss.zzzZ
    QString user;
    QString program;
    QString routine; // the statement form; empty for a change made through SQL elsewhere
    QString table;
    Operation operation = Operation::Update;
    QString account;
    std::optional<std::int64_t> movement;
    QString key;
    QString before; // the row's values as JSON, every value as text; empty when none
    QString after;

    // The entry at the record set's current row.
    static AuditEntry read(const Recordset& rs);
    // The values of an image (before or after), by column name.
    static QMap<QString, QString> values(const QString& image);

    QDateTime moment() const;
    // "Alta", "Modificación", "Baja".
    QString operationText() const;
    // As the trail stores it: "INSERT", "UPDATE" or "DELETE".
    QString operationName() const;
    // What changed, in words: each changed value as "Descripción: a → b"; for an insert or a
    // delete, the row's values. One after another with the separator given.
    QString changesText(const QString& separator = QStringLiteral("; ")) const;
    // Whether the entry is the same person's (user and program) as the identity given.
    bool isBy(const std::pair<QString, QString>& identity) const {
        return user == identity.first && program == identity.second;
    }
};

} // namespace ledgora
