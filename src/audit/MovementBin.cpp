#include "MovementBin.h"

#include "AuditStatements.h"

#include "core/Conversions.h"
#include "data/Recordset.h"
#include "data/WriteBatch.h"
#include "data/clManejo.h"
#include "domain/LedgerStatements.h"

namespace ledgora {

namespace {} // namespace

std::vector<AuditEntry> MovementBin::deleted(clManejo& manejo, const QString& account) {
    registerAuditStatements();
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, "bin.deleted", {account});
    std::vector<AuditEntry> entries;
    for (; !rs.Eof(); rs.MoveNext())
        entries.push_back(AuditEntry::read(rs));
    return entries;
}

Result MovementBin::takeBack(clManejo& manejo, const AuditEntry& change, const char* how) {
    manejo.Ejecutar("ledger.holdAccount", {change.account});
    if (manejo.scalar("audit.taken", {QString::number(change.id)}).value_or(0) > 0)
        return {Result::Kind::ChangedMeanwhile,
                tr("Otra persona ya ha recuperado ese cambio: no se ha hecho nada.")};
    manejo.Ejecutar("audit.takeBack", {QString::number(change.id), QString::fromLatin1(how)});
    return {};
}

std::int64_t MovementBin::reenter(clManejo& manejo, const MovementImage& image, const char* form) {
    const QString& account = image.account;
    std::int64_t number = image.number;
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, "audit.numberTaken", {account, QString::number(number)});
    if (!rs.Eof())
        number = std::int64_t(highestMovementNumber(manejo, rs, account).value_or(0)) + 1;
    manejo.Ejecutar(form, QStringList{account, QString::number(number)} + image.statementValues());
    return number;
}

TakeBackOutcome MovementBin::restore(clManejo& manejo, const AuditEntry& deletion) {
    registerAuditStatements();
    TakeBackOutcome outcome;
    WriteBatch batch(manejo);
    outcome.refusal = takeBack(manejo, deletion, "P").text();
    if (!outcome.done())
        return outcome;
    outcome.number = reenter(manejo, MovementImage::fromJson(deletion.before), "bin.restore");
    batch.commit();
    outcome.said = tr("Movimiento recuperado con el nº %1.").arg(outcome.number);
    return outcome;
}

} // namespace ledgora
