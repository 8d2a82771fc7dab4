#pragma once

namespace ledgora {

// Registers the statement forms the ledger routines issue.
void registerLedgerStatements();

} // namespace ledgora
