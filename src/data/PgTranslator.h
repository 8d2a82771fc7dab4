#pragma once

#include "StatementForm.h"

#include <QString>

namespace ledgora {

// Writes a statement form in PostgreSQL's SQL: values become $N parameters, and the module's
// functions the ones the engine creates with the tables. A form that stores an account's
// totals becomes a recompute of them from the account's movements on the server, so that
// totals are never written from what one person's screen remembers. On a connection that only
// reads, that form counts the account instead and nothing is locked for a change.
class PgTranslator {
public:
    static QString translate(const StatementForm& form, bool reading = false);
    // Whether the translated form gives, as its one value, the number of accounts whose totals
    // it recomputed (or, only reading, found).
    static bool isRecompute(const QString& translated);
};

} // namespace ledgora
