#include "ConceptRecord.h"
#include "LedgerStatements.h"

#include "ModuleUtilities.h"
#include "data/Recordset.h"
#include "data/clManejo.h"

namespace ledgora {

QString storedLetter(ConceptType type) {
    return type == ConceptType::Credit ? QStringLiteral("C") : QStringLiteral("D");
}

std::optional<ConceptType> conceptTypeOf(const QString& stored) {
    const QString letter = stored.left(1).toUpper();
    if (letter == u"C")
        return ConceptType::Credit;
    if (letter == u"D")
        return ConceptType::Debit;
    return std::nullopt;
}

QString ConceptRecord::entry() const {
    return number + QStringLiteral(" - ") + description;
}

std::vector<ConceptRecord> readConcepts(clManejo& manejo) {
    std::vector<ConceptRecord> concepts;
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, forms::entryConcepts, {});
    for (; !rs.Eof(); rs.MoveNext())
        concepts.push_back({GP_TEXTO(rs.Fields(QStringLiteral("CONSTNRO"))),
                            GP_TEXTO(rs.Fields(QStringLiteral("CONSTDSC"))),
                            conceptTypeOf(GP_TEXTO(rs.Fields(QStringLiteral("CONSTTIP"))))});
    rs.Close();
    return concepts;
}

} // namespace ledgora
