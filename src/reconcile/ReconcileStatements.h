#pragma once

namespace ledgora {

// Registers the statement forms the reconciliation issues (and the ledger's and the entry
// screen's it reuses). Registering again changes nothing.
void registerReconcileStatements();

// How many lines "reconcile.stageMany" stages at once ("reconcile.stage" stages one).
constexpr int kStagedAtOnce = 64;

} // namespace ledgora
