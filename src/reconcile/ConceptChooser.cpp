#include "ConceptChooser.h"
#include "ReconcileStatements.h"

#include "core/Conversions.h"
#include "data/Recordset.h"
#include "data/clManejo.h"
#include "domain/ModuleUtilities.h"
#include "statements/Norma43Reader.h"

#include <QRegularExpression>

namespace ledgora {

ConceptChooser::ConceptChooser(clManejo& manejo) {
    concepts_ = readConcepts(manejo);
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, forms::reconcileConceptMap, {});
    for (; !rs.Eof(); rs.MoveNext())
        chosen_.insert(GP_TEXTO(rs.Fields(QStringLiteral("EQVSTCOM"))),
                       GP_TEXTO(rs.Fields(QStringLiteral("CONSTNRO"))));
}

QString ConceptChooser::conceptFor(const QString& commonConcept, BankLine::Side side) const {
    const ConceptType type =
        side == BankLine::Side::Credit ? ConceptType::Credit : ConceptType::Debit;
    const QString asked = storedLetter(type) + commonConcept;
    if (const auto given = given_.constFind(asked); given != given_.constEnd())
        return *given;
    return given_[asked] = choose(commonConcept, type);
}

QString ConceptChooser::choose(const QString& commonConcept, ConceptType type) const {
    const QString chosen = chosen_.value(commonConcept);
    const ConceptRecord* best = nullptr;
    int bestShared = 0;
    static const QRegularExpression separators(QStringLiteral("[^\\w]+"));
    const QStringList words = Norma43Reader::conceptName(commonConcept)
                                  .toCaseFolded()
                                  .split(separators, Qt::SkipEmptyParts);
    for (const ConceptRecord& concept : concepts_) {
        if (concept.type != type)
            continue;
        if (!chosen.isEmpty() && concept.number == chosen)
        return concept.number;
        int shared = 0;
        // By the word's stem, so that "Transferencias" finds "Transferencia".
        for (const QString& word : words)
        shared +=
            word.size() >= 4 && concept.description.contains(word.left(5), Qt::CaseInsensitive);
        if (!best || shared > bestShared) {
            best = &concept;
            bestShared = shared;
        }
    }
    return best ? best->number : QString();
}

} // namespace ledgora
