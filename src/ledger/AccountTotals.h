#pragma once

#include "SharedState.h"

namespace ledgora {

// The realised bank balance: credited less debited.
Money realisedBankBalance(const CuentaRecord& account);
// The account balance, pending amounts included: everything credited or to be credited less
// everything debited or to be debited.
Money accountBalance(const CuentaRecord& account);

// Stores the current account's four running totals in its row and shows its two balances
// on the main screen: realised bank balance and account balance with pending amounts.
void GP_ACTUALIZARCUENTA();

} // namespace ledgora
