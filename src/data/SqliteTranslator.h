#pragma once

#include "StatementForm.h"

#include <QString>

namespace ledgora {

// Writes a statement form in SQLite's own SQL: values become numbered parameters, the date
// function becomes a bound date, the module's functions become the ones the engine registers
// (a text looked for with like among them),
// and a select list's display formats are left to the reading of the rows.
class SqliteTranslator {
public:
    static QString translate(const StatementForm& form);

private:
    explicit SqliteTranslator(const StatementForm& form);
    QString statement() const;
    QString selectItem(const ResultColumn& column) const;
    // The tokens from begin to end, written for SQLite.
    QString range(int begin, int end) const;
    // When the tokens from `at` are "column like '%{text}%'", the index of the placeholder.
    int containsPattern(int at, int end) const;
    static bool isWord(const FormToken& t, const char* word);
    static QString parameter(const FormToken& t);

    const StatementForm& form_;
    const std::vector<FormToken>& tokens_;
};

} // namespace ledgora
