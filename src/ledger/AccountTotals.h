#pragma once

namespace ledgora {

// Stores the current account's four running totals in its row and shows its two balances
// on the main screen: realised bank balance and account balance with pending amounts.
void GP_ACTUALIZARCUENTA();

} // namespace ledgora
