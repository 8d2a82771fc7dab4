#pragma once

#include "MovementBin.h"

namespace ledgora {

// Ctrl+Z: the person's last change to a movement of the account (an entry, an edit, a status
// change, a deletion, a restore) taken back, if nobody else changed that movement since.
class UndoLast {
    Q_DECLARE_TR_FUNCTIONS(UndoLast)
public:
    // Done in one write; what was done, or why nothing was, in the outcome's texts.
    static TakeBackOutcome undo(clManejo& manejo, const QString& account);
};

} // namespace ledgora
