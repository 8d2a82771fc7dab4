#pragma once

#include "data/FormName.h"

namespace ledgora {

// The forms the audit trail issues.
namespace forms {
inline constexpr FormName auditLast{"audit.last"};
inline constexpr FormName auditLastSeal{"audit.lastSeal"};
inline constexpr FormName auditRows{"audit.rows"};
inline constexpr FormName auditSeals{"audit.seals"};
inline constexpr FormName auditHistory{"audit.history"};
inline constexpr FormName auditHistoryAccount{"audit.historyAccount"};
inline constexpr FormName auditHistoryMovement{"audit.historyMovement"};
inline constexpr FormName binDeleted{"bin.deleted"};
inline constexpr FormName undoOwn{"undo.own"};
inline constexpr FormName undoOthersSince{"undo.othersSince"};
inline constexpr FormName auditTaken{"audit.taken"};
inline constexpr FormName auditTakeBack{"audit.takeBack"};
inline constexpr FormName auditNumberTaken{"audit.numberTaken"};
inline constexpr FormName auditMovement{"audit.movement"};
inline constexpr FormName binRestore{"bin.restore"};
inline constexpr FormName undoInsert{"undo.insert"};
inline constexpr FormName undoDelete{"undo.delete"};
inline constexpr FormName undoUpdate{"undo.update"};
} // namespace forms

// Registers the statement forms the audit trail is read and taken back with, once at start
// with every other library's (registerComponentClasses).
void registerAuditStatements();

} // namespace ledgora
