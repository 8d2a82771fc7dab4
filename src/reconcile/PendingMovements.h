#pragma once

#include "data/RecordsetData.h"
#include "reconcile/ReconciliationPlan.h"

#include <QSet>
#include <QStringList>
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

    // The movements not yet taken of the line's side and amount whose date is within
    // `windowDays` of `date`, best first: nearest date, then best fit, then lowest number.
    std::vector<MatchCandidate> candidates(const BankLine& line, QDate date, int windowDays) const;
    // A movement a line of the plan realises: no other line is offered it.
    void take(std::int32_t number) { taken_.insert(number); }

private:
    // What of a bank line a movement's description may hold: its document number and
    // references without their leading zeros, and the distinct words of its text.
    struct Clues {
        std::vector<QStringView> references;
        QStringList words;
    };
    static Clues cluesOf(const BankLine& line);
    // How well a movement's description fits a bank line (see MatchCandidate::fit).
    static int fit(const Clues& clues, const QString& description);

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
    std::shared_ptr<const RecordsetData> rows_;
    std::vector<Entry> index_; // by key
    QSet<std::int32_t> taken_;
};

} // namespace ledgora
