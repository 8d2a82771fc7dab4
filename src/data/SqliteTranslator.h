#pragma once

#include "StatementForm.h"

#include <QString>

namespace ledgora {

// Writes a statement form in SQLite's own SQL: values become numbered parameters, the date
// function becomes a bound date, the module's functions become the ones the engine registers,
// and a select list's display formats are left to the reading of the rows.
class SqliteTranslator {
public:
    static QString translate(const StatementForm& form);
};

} // namespace ledgora
