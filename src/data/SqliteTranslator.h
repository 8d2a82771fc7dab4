#pragma once

#include "StatementForm.h"

#include <QString>

namespace ledgora {

// Writes a statement form in SQLite's own SQL: values become numbered parameters, the date
// function becomes a bound date, the module's functions become the ones the engine registers
// (a text looked for with like among them),
// and a select list's display formats are left to the reading of the rows. Accounts' totals
// are the database's to keep: a statement storing them becomes a count of its accounts.
class SqliteTranslator {
public:
    static QString translate(const StatementForm& form);
    // The same, with parameters written as prefix and number ("$1" for PostgreSQL), and the
    // module's functions under the same names, which that engine defines in SQL.
    static QString translate(const StatementForm& form, QChar parameterPrefix);

private:
    SqliteTranslator(const StatementForm& form, QChar parameterPrefix);
    QString statement() const;
    // When the form stores accounts' totals (UPDATE BANCNT SET TOMDL... WHERE ...), the index of
    // its WHERE; else -1.
    int totalsWhere() const;
    QString selectItem(const ResultColumn& column) const;
    // The tokens from begin to end, written for SQLite.
    QString range(int begin, int end) const;
    // When the tokens from `at` are "column like '%{text}%'", the index of the placeholder.
    int containsPattern(int at, int end) const;
    static bool isWord(const FormToken& t, const char* word);
    QString parameter(const FormToken& t) const;

    const StatementForm& form_;
    const std::vector<FormToken>& tokens_;
    QChar prefix_;
};

} // namespace ledgora
