#pragma once

#include "data/FormName.h"

#include "MovementAmounts.h"
#include "NewAccount.h"
#include "NewMovement.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

namespace ledgora {

// The forms the ledger routines issue, and those the screens share with the routines below them.
namespace forms {
inline constexpr FormName ledgerTotals{"ledger.totals"};
inline constexpr FormName ledgerLastMovement{"ledger.lastMovement"};
inline constexpr FormName conceptsList{"concepts.list"};
inline constexpr FormName accountsList{"accounts.list"};
inline constexpr FormName entryConcepts{"entry.concepts"};
inline constexpr FormName accountsInsert{"accounts.insert"};
inline constexpr FormName entryInsertMovement{"entry.insertMovement"};
inline constexpr FormName ledgerHoldAccount{"ledger.holdAccount"};
inline constexpr FormName ledgerAccountTotals{"ledger.accountTotals"};
inline constexpr FormName movementsReadOne{"movements.readOne"};
inline constexpr FormName ledgerNewestChange{"ledger.newestChange"};
inline constexpr FormName ledgerChangesSince{"ledger.changesSince"};
inline constexpr FormName ledgerStoredTotals{"ledger.storedTotals"};
inline constexpr FormName ledgerTotalsAfter{"ledger.totalsAfter"};
} // namespace forms

class clManejo;
class Recordset;

// Registers the statement forms the ledger routines issue.
void registerLedgerStatements();

// The sums of an account's four amounts over its movements up to a day, read into the
// caller's record set; a sum of nothing, or beyond what an amount holds, is zero.
MovementAmounts sumMovements(clManejo& manejo, Recordset& rs, const QString& account, QDate upTo);
// The same sums read from the account's totals, which the database keeps over all its
// movements, less the movements after the day: a few rows read instead of every movement, for
// a listing that follows other people's changes. The two reads take no lock, so that a long
// write elsewhere never holds the screen: a change committed between them is itself followed
// at once, and the sums read again.
MovementAmounts totalsUpTo(clManejo& manejo, Recordset& rs, const QString& account, QDate upTo);
// The account's highest movement number as stored, 0 when it has none; nothing when the
// query could not be run.
std::optional<std::int32_t> highestMovementNumber(clManejo& manejo, Recordset& rs,
                                                  const QString& account);

// The account screen's insert and the entry screen's, filled with values rather than spliced
// into text, for accounts and movements brought in from elsewhere or entered by a routine: a
// value may hold a quote. Each gives the number of rows stored and raises the errors of
// Ejecutar.
long insertAccount(clManejo& manejo, const NewAccount& account);
long insertMovement(clManejo& manejo, const NewMovement& movement);

} // namespace ledgora
