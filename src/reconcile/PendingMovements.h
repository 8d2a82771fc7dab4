#pragma once

#include "data/RecordsetData.h"
#include "reconcile/ReconciliationPlan.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ledgora {

class clManejo;

// An account's pending movements read once and indexed by side and exact amount, so that each
// bank line finds its candidates without reading the ledger again.
class PendingMovements {
public:
    // The account's movements pending on a side and dated from `first` to `last`; none when
    // the dates are not valid (no line looks for one).
    PendingMovements(clManejo& manejo, const QString& account, QDate first, QDate last);

    // The movements of the line's side and amount whose date is within `windowDays` of
    // `date`, by number.
    std::vector<MatchCandidate> candidates(const BankLine& line, QDate date, int windowDays) const;

private:
    // A pending side of a movement: its key (side and amount), number, day and row.
    struct Entry {
        qint64 key;
        std::int32_t number;
        qint64 day;
        long row;
    };
    static qint64 keyOf(BankLine::Side side, Money amount);
    MatchCandidate candidate(const Entry& entry) const;

    // The rows as read: a candidate's description and amounts are taken from them only when
    // it is one.
    // Where "reconcile.pending" puts each value, found by the columns' names in its result.
    struct Columns {
        int number = -1, date = -1, description = -1;
        int toCredit = -1, toDebit = -1, credited = -1, debited = -1;
    };
    std::shared_ptr<const RecordsetData> rows_;
    Columns columns_;
    std::vector<Entry> index_; // by key, then number
};

} // namespace ledgora
