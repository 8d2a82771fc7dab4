#pragma once

#include "domain/MovementAmounts.h"
#include "domain/SharedState.h"

namespace ledgora {

// The realised bank balance: credited less debited.
Money realisedBankBalance(const CuentaRecord& account);
// The account balance, pending amounts included: everything credited or to be credited less
// everything debited or to be debited.
Money accountBalance(const CuentaRecord& account);

// Stores the current account's four running totals in its row and shows its two balances
// on the main screen: realised bank balance and account balance with pending amounts.
void GP_ACTUALIZARCUENTA();
// The current account's two balances on the main screen, from its totals in memory, in red
// when below zero.
void showAccountBalances();

// Takes one movement's amounts out of the current account's running totals and puts another's
// in, each step rounded to cents, as the routines that change one movement do. The totals are
// only adjusted in memory; GP_ACTUALIZARCUENTA stores them.
void adjustTotalsByCents(const MovementAmounts& removed, const MovementAmounts& added);

} // namespace ledgora
