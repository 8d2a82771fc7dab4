#include "AuditRoutines.h"

#include "audit/UndoLast.h"
#include "ledger/SharedState.h"
#include "platform/BusyPointer.h"
#include "platform/ErrorReport.h"

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

void PP_DESHACER(const QString& account, const std::function<void()>& reload) {
    TakeBackOutcome outcome;
    if (!trapAudit([&] { outcome = UndoLast::undo(requireManejo(), account); },
                   QStringLiteral("Seccion Deshacer")))
        return;
    if (outcome.done())
        reload();
    tellTakeBack(outcome);
}

} // namespace ledgora
