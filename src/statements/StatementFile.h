#pragma once

#include "statements/BankStatement.h"
#include "statements/StatementRefusal.h"

#include <QList>
#include <optional>

namespace ledgora {

// What reading a statement file gives: every account's statement in it, in the file's order,
// or the reason the file was refused. A refused file gives no statement at all, not even the
// ones before the fault: a file that fails its own checks is not to be trusted in part.
struct StatementFile {
    QList<BankStatement> statements;
    std::optional<StatementRefusal> refusal;

    bool isRefused() const { return refusal.has_value(); }
    static StatementFile refused(StatementRefusal why) { return {{}, std::move(why)}; }
};

} // namespace ledgora
