#pragma once

#include "reconcile/ReconciliationPlan.h"
#include "statements/BankStatement.h"

#include <QString>
#include <optional>

class QWidget;

namespace ledgora {

// The statement of one account in a bank's file, read against that account's pending
// movements. A file that fails its own checks is refused with its reason; a bank account seen
// for the first time is linked to the ledger account the person names. Nothing when the file
// is refused, the person leaves, or the file holds no statement of the account.
struct ProposedStatement {
    BankStatement statement;
    ReconciliationPlan plan;
};
std::optional<ProposedStatement> proposeFromFile(QWidget* parent, const QString& path,
                                                 const QString& account);

} // namespace ledgora
