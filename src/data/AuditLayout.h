#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace ledgora {

// The database objects that keep the audit trail: on every insert, update and delete of a
// movement, an account, a concept or an applied bank line a trigger adds a row to BANAUD in
// the same transaction, whoever writes (this program or any other through SQL), and the
// trail itself refuses to be changed. On a server the trigger also seals the row (the server
// has SHA-256); a file's rows are sealed by the program before each of its commits.
class AuditLayout {
public:
    // SQLite: each object's name and its statement, made when missing. BANCTX holds, only
    // inside this program's write transactions, who writes and through which statement form.
    static std::vector<std::pair<QString, QString>> sqliteObjects();
    // PostgreSQL: the functions and triggers, replaced on every layout.
    static QStringList serverObjects();
};

} // namespace ledgora
