#pragma once

#include <QString>
#include <functional>

namespace ledgora {

struct TakeBackOutcome;

// Runs a read or write of the audit trail under the busy pointer; an error is reported with
// the routine's section label, and false is returned.
bool trapAudit(const std::function<void()>& work, const QString& section);
// Tells the person what taking a change back did, or why nothing was done.
void tellTakeBack(const TakeBackOutcome& outcome);
// Ctrl+Z on the main ledger: the person's last change to a movement of the account taken back,
// and the person told. Whether the account's movements changed.
bool PP_DESHACER(const QString& account);

} // namespace ledgora
