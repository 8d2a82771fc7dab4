#pragma once

#include "data/clManejo.h"

#include <QString>

namespace ledgora {

// A ledger about to be filled whole (the example ledger, an import from the old system): it
// is opened for work and must have no accounts yet, so that nothing already kept in it is
// mixed with what comes in.
class NewLedger {
public:
    enum class State { Unreachable, HasAccounts, Empty };

    // Connects the component to the database at the path or address and says which it found.
    static State open(clManejo& manejo, const QString& source);
};

} // namespace ledgora
