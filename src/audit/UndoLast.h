#pragma once

#include "MovementBin.h"

namespace ledgora {

// Ctrl+Z: the person's last change to a movement of the account (an entry, an edit, a status
// change, a deletion, a restore) taken back, if nobody else changed that movement since.
class UndoLast {
    Q_DECLARE_TR_FUNCTIONS(UndoLast)
public:
    // The change undo() would take back now, so that the person can be asked first; nothing
    // when the person has no change left to take back on the account.
    static std::optional<AuditEntry> lastChange(clManejo& manejo, const QString& account);
    // Done in one write; what was done, or why nothing was, in the outcome's texts. With
    // `expected` (the id of the change the person was asked about), nothing is done when the
    // last change is another one by then.
    static TakeBackOutcome undo(clManejo& manejo, const QString& account,
                                std::optional<std::int64_t> expected = std::nullopt);
};

} // namespace ledgora
