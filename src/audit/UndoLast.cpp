#include "UndoLast.h"

#include "AuditStatements.h"

#include "core/Conversions.h"
#include "data/Recordset.h"
#include "data/WriteBatch.h"
#include "data/clManejo.h"

namespace ledgora {

namespace {

// The movement as stored now.
MovementImage storedImage(clManejo& manejo, const QString& account, std::int64_t number) {
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, forms::auditMovement, {account, QString::number(number)});
    return MovementImage::fromRow(rs);
}

} // namespace

namespace {

std::optional<AuditEntry> ownLastChange(clManejo& manejo, const QString& account) {
    const auto identity = manejo.auditIdentity();
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, forms::undoOwn, {account, identity.first, identity.second});
    if (rs.Eof())
        return std::nullopt;
    return AuditEntry::read(rs);
}

} // namespace

std::optional<AuditEntry> UndoLast::lastChange(clManejo& manejo, const QString& account) {
    return ownLastChange(manejo, account);
}

TakeBackOutcome UndoLast::undo(clManejo& manejo, const QString& account,
                               std::optional<std::int64_t> expected) {
    TakeBackOutcome outcome;
    const auto identity = manejo.auditIdentity();
    WriteBatch batch(manejo);
    const std::optional<AuditEntry> last = ownLastChange(manejo, account);
    if (!last) {
        outcome.refusal = tr("No hay ningún cambio suyo en los movimientos de esta cuenta que "
                             "deshacer.");
        return outcome;
    }
    const AuditEntry& change = *last;
    // Another copy of the program, under the same person, may have changed something while
    // the question stood: what was agreed to is what is undone, or nothing.
    if (expected && change.id != *expected) {
        outcome.refusal = tr("Su último cambio ya no es el que se le mostró: no se ha deshecho "
                             "nada.");
        return outcome;
    }
    const std::int64_t number = change.movement.value_or(0);
    outcome.number = number;
    if (const Result taken = MovementBin::takeBack(manejo, change, "Z"); !taken) {
        outcome.refusal = taken.text();
        return outcome;
    }
    const QStringList key = {change.account, QString::number(number)};
    Recordset others;
    manejo.CrearRs(others, forms::undoOthersSince,
                   key + QStringList{QString::number(change.id), identity.first, identity.second});
    const bool othersChanged =
        !others.Eof() && rt::wholeNumber(others.Fields(QStringLiteral("tot"))) > 0;
    if (othersChanged) {
        outcome.refusal = tr("Otra persona ha cambiado el movimiento nº %1 después que usted: "
                             "no se ha deshecho nada.")
                              .arg(number);
        return outcome;
    }
    if (!storedImage(manejo, change.account, number)
             .sameAs(MovementImage::fromJson(change.after))) {
        outcome.refusal = tr("El movimiento nº %1 ya no está como lo dejó su último cambio: no se "
                             "ha deshecho nada.")
                              .arg(number);
        return outcome;
    }
    const MovementImage before = MovementImage::fromJson(change.before);
    if (change.operation == AuditEntry::Operation::Insert) {
        manejo.Ejecutar(forms::undoDelete, key);
        outcome.said = tr("Deshecha el alta del movimiento nº %1.").arg(number);
    } else if (change.operation == AuditEntry::Operation::Delete) {
        outcome.number = MovementBin::reenter(manejo, before, forms::undoInsert);
        outcome.said =
            tr("Deshecho el borrado: el movimiento vuelve con el nº %1.").arg(outcome.number);
    } else {
        manejo.Ejecutar(forms::undoUpdate, before.statementValues() + key);
        outcome.said = tr("Deshecha la modificación del movimiento nº %1.").arg(number);
    }
    batch.commit();
    return outcome;
}

} // namespace ledgora
