#pragma once

#include "StatementForm.h"

#include <QString>

namespace ledgora {

// Writes a statement form in PostgreSQL's SQL: values become $N parameters, and the module's
// functions the ones the engine creates with the tables. A form that stores an account's
// totals becomes a recompute of them from the account's movements on the server, so that
// totals are never written from what one person's screen remembers.
class PgTranslator {
public:
    static QString translate(const StatementForm& form);
    // Whether the translated form is a call that gives the number of rows it changed.
    static bool isRecompute(const QString& translated);
};

} // namespace ledgora
