#include "MovementBin.h"

#include "AuditStatements.h"

#include "core/Conversions.h"
#include "data/Recordset.h"
#include "data/WriteBatch.h"
#include "data/clManejo.h"
#include "domain/LedgerStatements.h"

namespace ledgora {

std::vector<AuditEntry> MovementBin::deleted(clManejo& manejo, const QString& account) {
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, forms::binDeleted, {account});
    std::vector<AuditEntry> entries;
    for (; !rs.Eof(); rs.MoveNext())
        entries.push_back(AuditEntry::read(rs));
    return entries;
}

Result MovementBin::takeBack(clManejo& manejo, const AuditEntry& change, const char* how) {
    manejo.Ejecutar(forms::ledgerHoldAccount, {change.account});
    if (manejo.scalar(forms::auditTaken, {QString::number(change.id)}).value_or(0) > 0)
        return {Result::Kind::ChangedMeanwhile,
                tr("Otra persona ya ha recuperado ese cambio: no se ha hecho nada.")};
    manejo.Ejecutar(forms::auditTakeBack, {QString::number(change.id), QString::fromLatin1(how)});
    return {};
}

std::int64_t MovementBin::reenter(clManejo& manejo, const MovementImage& image, FormName form) {
    const QString& account = image.account;
    std::int64_t number = image.number;
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, forms::auditNumberTaken, {account, QString::number(number)});
    if (!rs.Eof())
        number = std::int64_t(highestMovementNumber(manejo, rs, account).value_or(0)) + 1;
    manejo.Ejecutar(form, QStringList{account, QString::number(number)} + image.statementValues());
    return number;
}

TakeBackOutcome MovementBin::restore(clManejo& manejo, const AuditEntry& deletion) {
    TakeBackOutcome outcome;
    WriteBatch batch(manejo);
    outcome.refusal = takeBack(manejo, deletion, "P").text();
    if (!outcome.done())
        return outcome;
    outcome.number = reenter(manejo, MovementImage::fromJson(deletion.before), forms::binRestore);
    batch.commit();
    outcome.said = tr("Movimiento recuperado con el nº %1.").arg(outcome.number);
    return outcome;
}

} // namespace ledgora
