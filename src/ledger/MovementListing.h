#pragma once

#include <QString>

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

// The same listing read again after another person changed the account, without taking the
// person's place: the selected movement stays selected (by its number) and the rows in view
// stay in view; the grid is neither hidden nor the pointer busy. A failure is logged and
// leaves the listing as it was.
void followListing(FlexGrid& LstBNK);
// The data row showing the movement of that number, looked for outward from the row it was
// on (the listing may have followed other people's changes meanwhile); 0 when it is no longer
// listed.
int listedRowOf(FlexGrid& LstBNK, const QString& number, int near);

} // namespace ledgora
