#include "PendingMovements.h"

#include "data/Recordset.h"
#include "data/clManejo.h"

#include <QRegularExpression>
#include <algorithm>

namespace ledgora {

PendingMovements::PendingMovements(clManejo& manejo, const QString& account) {
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, "reconcile.pending", {account});
    const RecordsetData* rows = rs.data();
    const long count = rows ? rows->rowCount() : 0;
    movements_.reserve(std::size_t(count));
    auto amount = [rows](long row, int column) {
        const Money* m = rows->value(row, column).get<Money>();
        return m ? *m : Money();
    };
    for (long row = 0; row < count; ++row) {
        MatchCandidate m;
        const Variant number = rows->value(row, 0);
        m.number = std::int32_t(number.get<std::int64_t>() ? *number.get<std::int64_t>() : 0);
        const Variant date = rows->value(row, 1);
        m.date = date.get<QDate>() ? *date.get<QDate>() : QDate();
        const Variant text = rows->value(row, 2);
        m.description = text.get<QString>() ? *text.get<QString>() : QString();
        m.amounts = {amount(row, 3), amount(row, 4), amount(row, 5), amount(row, 6)};
        // A movement pending on both sides is a candidate for a line of either.
        if (m.amounts.MOVDLAAC > Money())
            bySideAndAmount_.insert(keyOf(BankLine::Side::Credit, m.amounts.MOVDLAAC),
                                    movements_.size());
        if (m.amounts.MOVDLADE > Money())
            bySideAndAmount_.insert(keyOf(BankLine::Side::Debit, m.amounts.MOVDLADE),
                                    movements_.size());
        movements_.push_back(std::move(m));
    }
}

qint64 PendingMovements::keyOf(BankLine::Side side, Money amount) {
    // Amounts are never negative here; the side takes the sign.
    return side == BankLine::Side::Credit ? amount.units() : -amount.units();
}

std::vector<MatchCandidate> PendingMovements::candidates(const BankLine& line, QDate date,
                                                         int windowDays) const {
    std::vector<MatchCandidate> found;
    for (auto it = bySideAndAmount_.constFind(keyOf(line.side, line.amount));
         it != bySideAndAmount_.constEnd() && it.key() == keyOf(line.side, line.amount); ++it) {
        MatchCandidate m = movements_[*it];
        if (taken_.contains(m.number) || !m.date.isValid())
            continue;
        m.dayDistance = int(qAbs(m.date.daysTo(date)));
        if (m.dayDistance > windowDays)
            continue;
        m.fit = fit(line, m.description);
        found.push_back(std::move(m));
    }
    std::sort(found.begin(), found.end(), [](const MatchCandidate& a, const MatchCandidate& b) {
        if (a.dayDistance != b.dayDistance)
            return a.dayDistance < b.dayDistance;
        if (a.fit != b.fit)
            return a.fit > b.fit;
        return a.number < b.number;
    });
    return found;
}

int PendingMovements::fit(const BankLine& line, const QString& description) {
    if (description.isEmpty())
        return 0;
    // A reference or document number written into the description says more than a word.
    int score = 0;
    for (const QString& reference : {line.documentNumber, line.reference1, line.reference2,
                                     line.servicerReference, line.endToEndId}) {
        QStringView significant = QStringView(reference).trimmed();
        while (significant.startsWith(u'0'))
            significant = significant.mid(1);
        if (significant.size() >= 3 && description.contains(significant, Qt::CaseInsensitive))
            score += 3;
    }
    static const QRegularExpression words(QStringLiteral("[^\\w]+"));
    QSet<QString> seen;
    for (const QString& word : line.text.toCaseFolded().split(words, Qt::SkipEmptyParts)) {
        if (word.size() >= 3 && !seen.contains(word) &&
            description.contains(word, Qt::CaseInsensitive)) {
            seen.insert(word);
            ++score;
        }
    }
    return score;
}

} // namespace ledgora
