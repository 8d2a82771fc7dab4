#pragma once

#include "reconcile/ReconciliationPlan.h"

#include <QHash>
#include <QSet>
#include <cstdint>
#include <vector>

namespace ledgora {

class clManejo;

// An account's pending movements read once and indexed by side and exact amount, so that each
// bank line finds its candidates without reading the ledger again.
class PendingMovements {
public:
    PendingMovements(clManejo& manejo, const QString& account);

    // The movements not yet taken of the line's side and amount whose date is within
    // `windowDays` of `date`, best first: nearest date, then best fit, then lowest number.
    std::vector<MatchCandidate> candidates(const BankLine& line, QDate date, int windowDays) const;
    // A movement a line of the plan realises: no other line is offered it.
    void take(std::int32_t number) { taken_.insert(number); }

    // How well a movement's description fits a bank line (see MatchCandidate::fit).
    static int fit(const BankLine& line, const QString& description);

private:
    static qint64 keyOf(BankLine::Side side, Money amount);

    std::vector<MatchCandidate> movements_;
    QMultiHash<qint64, std::size_t> bySideAndAmount_;
    QSet<std::int32_t> taken_;
};

} // namespace ledgora
