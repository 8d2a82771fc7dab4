#pragma once

#include "AuditEntry.h"
#include "MovementImage.h"

#include "core/Result.h"
#include "data/FormName.h"

#include <QCoreApplication>
#include <QString>
#include <vector>

namespace ledgora {

class clManejo;

// What taking a change back did: the movement's number, or why nothing was written.
struct TakeBackOutcome {
    std::int64_t number = 0;
    QString refusal; // empty when done
    QString said;    // what was done, for the person
    bool done() const { return refusal.isEmpty(); }
};

// The bin: the account's deleted movements, each brought back once under its old number if it
// is free, else the next, the account's totals following as for any entry.
class MovementBin {
    Q_DECLARE_TR_FUNCTIONS(MovementBin)
public:
    // The deletions of the account's movements not taken back yet, newest first.
    static std::vector<AuditEntry> deleted(clManejo& manejo, const QString& account);
    // Brings the deleted movement back in one write.
    static TakeBackOutcome restore(clManejo& manejo, const AuditEntry& deletion);

    // Within an open write: holds the account, refuses a change already taken back, and
    // records the change as taken back ('P' from the bin, 'Z' undone).
    static Result takeBack(clManejo& manejo, const AuditEntry& change, const char* how);
    // Within an open write: the movement of an image entered again, under its number if free,
    // else the next; the number it got.
    static std::int64_t reenter(clManejo& manejo, const MovementImage& image, FormName form);
};

} // namespace ledgora
