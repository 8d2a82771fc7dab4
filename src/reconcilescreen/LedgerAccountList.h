#pragma once

#include <QStringList>

namespace ledgora {

// The ledger's accounts as the question "which account does this statement belong to" offers
// them, in the order of their numbers: each number, and its entry "001 - Caja".
struct LedgerAccountList {
    QStringList numbers;
    QStringList entries;

    // Read from the module's connection; empty when it has none.
    static LedgerAccountList read();
};

} // namespace ledgora
