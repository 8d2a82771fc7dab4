#pragma once

#include "domain/MovementAmounts.h"

#include <QString>

namespace ledgora {

// A movement as the listing showed it to the person: its date (dd/mm/yyyy), description and
// amounts to the cent. Several people may keep one ledger: a change is made only to the
// movement the person saw.
struct ListedMovement {
    QString number; // MOVINNRO, as the grid holds it
    QString date;
    QString description;
    MovementAmounts amounts;

    // Whether the current account's movement is still stored as it was listed; false when
    // another person changed or deleted it since. Run it in the write batch of the change.
    bool stillStored() const;

    // What the person is told when it is not.
    static QString changedMessage();
};

} // namespace ledgora
