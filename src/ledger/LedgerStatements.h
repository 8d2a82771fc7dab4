#pragma once

#include "MovementAmounts.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

namespace ledgora {

class clManejo;
class Recordset;

// Registers the statement forms the ledger routines issue.
void registerLedgerStatements();

// The sums of an account's four amounts over its movements up to a day, read into the
// caller's record set; a sum of nothing, or beyond what an amount holds, is zero.
MovementAmounts sumMovements(clManejo& manejo, Recordset& rs, const QString& account, QDate upTo);
// The account's highest movement number as stored, 0 when it has none; nothing when the
// query could not be run.
std::optional<std::int32_t> highestMovementNumber(clManejo& manejo, Recordset& rs,
                                                  const QString& account);

} // namespace ledgora
