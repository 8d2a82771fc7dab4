#pragma once

namespace ledgora {

class FlexGrid;
class Recordset;

// The loader's account steps, shared with the printed listing: the four running totals of
// the current account's movements up to the interval's end (stored and shown), the interval
// in the status bar and the highest movement number. Uses the caller's record set; raises
// the run-time errors of the statements to the caller's trap.
void refreshAccountTotals(Recordset& rs);

// Brings the main screen up to date for the current account and interval: recomputes and
// stores the account's totals from its movements up to the interval's end, shows the
// interval, records the highest movement number and fills the grid with the interval's
// movements, narrowed by the listing filter when it is on.
void CARGAR_CUENTAS(FlexGrid& LstBNK);

} // namespace ledgora
