#pragma once

#include "BoundStatement.h"
#include "FormName.h"
#include "core/RuntimeError.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace ledgora {

// The statement forms the module issues. Each routine that builds statements registers its
// forms once; the data-access component runs a statement only when it is one of them, with
// its spliced values bound as parameters and never read as SQL.
class StatementCatalog {
public:
    // Registers a form under its name; registering the same name again changes nothing.
    static void add(FormName name, const QString& templateText);
    static bool contains(const QString& name);
    // Every registered form, in the order of registration.
    static std::vector<const StatementForm*> all();
    // Recognises the statement and reads its values. Raises the database's syntax error when
    // the statement is of no registered form, and its type-mismatch error when a value does
    // not read as its placeholder asks (a date that is not a date, an amount that is no number).
    static BoundStatement bind(const QString& statement);
    // The same, when the statement must be of the named form and of no other: a value that
    // turned the statement into another registered form is refused like any other.
    static BoundStatement bind(const QString& statement, const QString& formName);

    // A statement of the named form with its values given one by one, each read as its
    // placeholder asks, for data brought in from elsewhere: a value may hold a quote here, as
    // it is bound and never spliced.
    static BoundStatement bindValues(FormName formName, const QStringList& values);
    // The same with the values already read, each of its placeholder's kind, for rows built
    // in a loop: a text is refused as bindValues refuses it, and a date must be one.
    static BoundStatement bindRead(FormName formName, std::vector<BoundValue> values);

    static RuntimeError syntaxError();
    static RuntimeError typeMismatch();

private:
    static const StatementForm* named(const QString& name);
    static std::optional<BoundStatement> bindTo(const StatementForm& form,
                                                const QString& statement);
};

} // namespace ledgora
