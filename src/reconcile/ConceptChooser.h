#pragma once

#include "statements/BankLine.h"

#include <QHash>
#include <QString>
#include <vector>

namespace ledgora {

class clManejo;

// The ledger's concepts and the person's choices for common bank concepts, read once, to give
// each new movement of a statement its concept (see Reconciler::conceptFor).
class ConceptChooser {
public:
    explicit ConceptChooser(clManejo& manejo);

    QString conceptFor(const QString& commonConcept, BankLine::Side side) const;

private:
    struct Concept {
        QString number;
        QString description;
        QString type; // "C" credit, "D" debit
    };
    // The concept of the type ("C" or "D") for the common concept.
    QString choose(const QString& commonConcept, const QString& type) const;
    static QString typeOf(BankLine::Side side) {
        return side == BankLine::Side::Credit ? QStringLiteral("C") : QStringLiteral("D");
    }

    std::vector<Concept> concepts_;  // by description, as the entry screen lists them
    QHash<QString, QString> chosen_; // common concept -> CONSTNRO
    // What conceptFor gave, by side (C or D) and common concept: a statement asks for few.
    mutable QHash<QString, QString> given_;
};

} // namespace ledgora
