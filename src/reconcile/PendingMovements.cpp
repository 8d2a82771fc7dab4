#include "PendingMovements.h"
#include "ReconcileStatements.h"

#include "core/Conversions.h"
#include "data/Recordset.h"
#include "data/clManejo.h"

#include <algorithm>

namespace ledgora {

namespace {

template <typename T> T valueOf(const RecordsetData& rows, long row, int column) {
    if (column < 0)
        return T();
    const Variant value = rows.value(row, column);
    const T* held = value.get<T>();
    return held ? *held : T();
}

} // namespace

PendingMovements::PendingMovements(clManejo& manejo, const QString& account, QDate first,
                                   QDate last) {
    if (!first.isValid() || !last.isValid())
        return;
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, forms::reconcilePending,
                   {account, rt::formatDateSlashed(first), rt::formatDateSlashed(last)});
    rows_ = rs.sharedData();
    if (!rows_)
        return;
    const auto column = [this](const char* name) {
        return rows_->columnIndex(QString::fromLatin1(name));
    };
    columns_ = {column("MOVINNRO"), column("MOVDTALT"), column("MOVSTCPT"), column("MOVDLAAC"),
                column("MOVDLADE"), column("MOVDLACR"), column("MOVDLDEB")};
    const long count = rows_->rowCount();
    index_.reserve(std::size_t(count));
    for (long row = 0; row < count; ++row) {
        const auto number = std::int32_t(valueOf<std::int64_t>(*rows_, row, columns_.number));
        const QDate date = valueOf<QDate>(*rows_, row, columns_.date);
        if (!date.isValid())
            continue;
        // A movement pending on both sides is a candidate for a line of either.
        const Money credit = valueOf<Money>(*rows_, row, columns_.toCredit);
        const Money debit = valueOf<Money>(*rows_, row, columns_.toDebit);
        if (credit > Money())
            index_.push_back(
                {keyOf(BankLine::Side::Credit, credit), number, date.toJulianDay(), row});
        if (debit > Money())
            index_.push_back(
                {keyOf(BankLine::Side::Debit, debit), number, date.toJulianDay(), row});
    }
    std::sort(index_.begin(), index_.end(), [](const Entry& a, const Entry& b) {
        return a.key != b.key ? a.key < b.key : a.number < b.number;
    });
}

qint64 PendingMovements::keyOf(BankLine::Side side, Money amount) {
    // Amounts are never negative here; the side takes the sign.
    return side == BankLine::Side::Credit ? amount.units() : -amount.units();
}

MatchCandidate PendingMovements::candidate(const Entry& entry) const {
    MatchCandidate m;
    m.number = entry.number;
    m.date = QDate::fromJulianDay(entry.day);
    m.description = valueOf<QString>(*rows_, entry.row, columns_.description);
    m.amounts = {valueOf<Money>(*rows_, entry.row, columns_.toCredit),
                 valueOf<Money>(*rows_, entry.row, columns_.toDebit),
                 valueOf<Money>(*rows_, entry.row, columns_.credited),
                 valueOf<Money>(*rows_, entry.row, columns_.debited)};
    return m;
}

std::vector<MatchCandidate> PendingMovements::candidates(const BankLine& line, QDate date,
                                                         int windowDays) const {
    const qint64 key = keyOf(line.side, line.amount);
    const auto [first, last] =
        std::equal_range(index_.begin(), index_.end(), Entry{key, 0, 0, 0},
                         [](const Entry& a, const Entry& b) { return a.key < b.key; });
    std::vector<MatchCandidate> found;
    for (auto it = first; it != last; ++it) {
        const qint64 distance = qAbs(it->day - date.toJulianDay());
        if (distance > windowDays)
            continue;
        MatchCandidate m = candidate(*it);
        m.dayDistance = int(distance);
        found.push_back(std::move(m));
    }
    return found;
}

} // namespace ledgora
