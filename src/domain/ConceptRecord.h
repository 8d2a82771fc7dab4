#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace ledgora {

class clManejo;

// Which side of an account a concept's movements take, as BANCON keeps it in CONSTTIP.
enum class ConceptType { Credit, Debit };

// The letter CONSTTIP stores for the type.
QString storedLetter(ConceptType type);
// The type a stored CONSTTIP names by its first letter ("C" or "D", either case); nothing for
// any other text.
std::optional<ConceptType> conceptTypeOf(const QString& stored);

// One row of BANCON, read for the routines that choose a concept.
struct ConceptRecord {
    QString number;
    QString description;
    std::optional<ConceptType> type; // nothing when CONSTTIP holds neither letter

    QString entry() const; // "7 - Gastos bancarios", as the entry screen lists it
};

// Every concept by description, as the entry screen lists them; raises the errors of CrearRs.
std::vector<ConceptRecord> readConcepts(clManejo& manejo);

} // namespace ledgora
