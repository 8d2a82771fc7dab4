#include "AuditRoutines.h"

#include "audit/UndoLast.h"
#include "core/Conversions.h"
#include "domain/SharedState.h"
#include "platform/BusyPointer.h"
#include "platform/ErrorReport.h"
#include "platform/MessageBoxes.h"

#include <QCoreApplication>
#include <QDate>

namespace ledgora {

bool trapAudit(const std::function<void()>& work, const QString& section) {
    BusyPointer busy;
    try {
        work();
        return true;
    } catch (const RuntimeError& error) {
        busy.release();
        reportError(error, QStringLiteral(" - "), section);
    }
    return false;
}

void tellTakeBack(const TakeBackOutcome& outcome) {
    MsgBox(outcome.done() ? outcome.said : outcome.refusal,
           outcome.done() ? MsgIcon::None : MsgIcon::Exclamation);
}

QString movementInWords(const MovementImage& image) {
    return QCoreApplication::translate("AuditRoutines", "nº %1 del %2, %3, %4")
        .arg(QString::number(image.number), rt::formatDateSlashed(image.date),
             image.description.trimmed(), rt::formatAmount(image.amount()));
}

namespace {

// What Ctrl+Z is about to take back, asked in one line. The movement is named by its date as
// well, since it may lie outside the interval listed.
QString undoQuestion(const AuditEntry& change) {
    const bool deleted = change.operation == AuditEntry::Operation::Delete;
    MovementImage movement = MovementImage::fromJson(deleted ? change.before : change.after);
    if (change.movement)
        movement.number = *change.movement;
    const QString words = movementInWords(movement);
    if (deleted)
        return QCoreApplication::translate("AuditRoutines", "¿Deshacer la baja del movimiento %1?")
            .arg(words);
    if (change.operation == AuditEntry::Operation::Insert)
        return QCoreApplication::translate("AuditRoutines", "¿Deshacer el alta del movimiento %1?")
            .arg(words);
    return QCoreApplication::translate("AuditRoutines",
                                       "¿Deshacer la modificación del movimiento %1?")
        .arg(words);
}

} // namespace

void PP_DESHACER(const QString& account, const std::function<void()>& reload) {
    const QString section = QStringLiteral("Seccion Deshacer");
    std::optional<AuditEntry> change;
    if (!trapAudit([&] { change = UndoLast::lastChange(requireManejo(), account); }, section))
        return;
    // Nothing changes before the person has said yes to what will.
    if (change &&
        MsgBox(undoQuestion(*change), MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    TakeBackOutcome outcome;
    if (!trapAudit(
            [&] {
                outcome = UndoLast::undo(requireManejo(), account,
                                         change ? std::optional(change->id) : std::nullopt);
            },
            section))
        return;
    if (outcome.done())
        reload();
    tellTakeBack(outcome);
}

} // namespace ledgora
