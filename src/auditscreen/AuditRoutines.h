#pragma once

#include "audit/MovementImage.h"

#include <QString>
#include <functional>

namespace ledgora {

struct TakeBackOutcome;

// The movement as the person knows it from the listing, for a question about it:
// "nº 128 del 07/12/2026, Impuestos, 300.47".
QString movementInWords(const MovementImage& image);

// Runs a read or write of the audit trail under the busy pointer; an error is reported with
// the routine's section label, and false is returned.
bool trapAudit(const std::function<void()>& work, const QString& section);
// Tells the person what taking a change back did, or why nothing was done.
void tellTakeBack(const TakeBackOutcome& outcome);
// Ctrl+Z on the main ledger: the person's last change to a movement of the account taken back,
// once the person has seen in one line what it is and said yes. When it was, the listing is
// reloaded before the person is told, so that the message stands over what it speaks of.
void PP_DESHACER(const QString& account, const std::function<void()>& reload);

} // namespace ledgora
