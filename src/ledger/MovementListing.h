#pragma once

namespace ledgora {

class FlexGrid;

// Brings the main screen up to date for the current account and interval: recomputes and
// stores the account's totals from its movements up to the interval's end, shows the
// interval, records the highest movement number and fills the grid with the interval's
// movements, narrowed by the listing filter when it is on.
void CARGAR_CUENTAS(FlexGrid& LstBNK);

} // namespace ledgora
