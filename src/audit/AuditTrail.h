#pragma once

#include "AuditEntry.h"

#include "core/Result.h"

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <vector>

namespace ledgora {

class clManejo;

// What the check of the seal chain found.
struct ChainCheck {
    long sealed = 0;   // rows whose seal was checked
    long unsealed = 0; // rows at the end not sealed yet (written through SQL by another program)
    std::optional<std::int64_t> brokenAt; // the first row where the chain breaks
    QString why;                          // and why, in Spanish

    bool intact() const { return !brokenAt; }
    // One line for the person: the chain is whole, or where and why it breaks.
    QString text() const;
};

// The audit trail as the screens and the command line read it.
class AuditTrail {
    Q_DECLARE_TR_FUNCTIONS(AuditTrail)
public:
    // The history of a movement, of an account (no movement) or of the whole ledger (no
    // account), oldest first.
    static std::vector<AuditEntry> history(clManejo& manejo, const QString& account,
                                           std::optional<std::int64_t> movement = std::nullopt);
    // Walks the whole chain, a window of rows at a time, recomputing every seal.
    static ChainCheck verify(clManejo& manejo);
    // The history (of an account, or all) as CSV, written beside the target and put in its
    // place whole; when it cannot be, nothing is left there.
    static Result writeCsv(clManejo& manejo, const QString& account, const QString& path);
};

} // namespace ledgora
