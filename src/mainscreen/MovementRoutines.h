#pragma once

#include "platform/ScreenRef.h"
#include "screens/FrmModConcepto.h"

namespace ledgora {

class FlexGrid;

// The main screen's routines on the movement in the grid's current row. Each tests for itself
// that the grid has data, writes the movement table directly, adjusts the current account's
// totals by what moved and updates the row in place instead of reloading the listing.

// Moves each side's amount between pending and realised (F12, "Cambiar Estado").
void PP_ACRODCR(FlexGrid& LstBNK);
// Deletes the movement after asking (DELETE, "Eliminar").
void PP_ELIMINARCUENTA(FlexGrid& LstBNK);
// Hands the movement to the edit screen and shows what it saved (ENTER, "Modificar").
void PP_MODIFICARCUENTA(FlexGrid& LstBNK, ScreenRef<FrmModConcepto>& frmModConcepto);

} // namespace ledgora
