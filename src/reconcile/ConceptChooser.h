#pragma once

#include "domain/ConceptRecord.h"
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
    // The concept of the type for the common concept.
    QString choose(const QString& commonConcept, ConceptType type) const;

    std::vector<ConceptRecord> concepts_; // by description, as the entry screen lists them
    QHash<QString, QString> chosen_;      // common concept -> CONSTNRO
    // What conceptFor gave, by side (C or D) and common concept: a statement asks for few.
    mutable QHash<QString, QString> given_;
};

} // namespace ledgora
