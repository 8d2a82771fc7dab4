#pragma once

#include "SharedState.h"
#include "core/Money.h"
#include "core/Variant.h"

#include <QDate>
#include <QString>

namespace ledgora {

// The month of a date as an interval: its first day to its last.
IntervaloRecord GP_INTERVALOMES(QDate date);
// A value as text, null as empty text, blanks trimmed at both ends.
QString GP_TEXTO(const Variant& value);
// A value as a number, 0 when it does not read as one. The module takes it only of amounts,
// so it gives the exact amount.
Money GP_NUMERO(const Variant& value);

} // namespace ledgora

namespace ledgora {

// "Desde (dd/mm/yyyy) - Hasta (dd/mm/yyyy)": the interval as the status bar shows it.
QString intervalStatusText();

// An account or concept number as the person types it: digits only, blanks around allowed.
// A text that merely reads as a number ("9e9", "1,5", "-3") is not one: the list's
// highest-number step could not count on it.
bool isKeyNumber(QStringView text);

} // namespace ledgora
