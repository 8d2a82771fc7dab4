#pragma once

#include "core/Money.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <cstdint>
#include <vector>

namespace ledgora {

// A month of one account as a bookkeeper keeps it and its bank reports it, made up from a
// seed: 60 pending movements, each an invoice paid or collected ("Pago FAC-129 Asesoría
// Mora"), six of 50.00, four of 120.00 and three of 1000.00; and the bank's Norma 43
// statement of 53 lines: 48 of those movements, booked 0 to 3 days later under a text that
// names the invoice and the counterparty, the counterparty only, or nothing, plus 5 bank fees
// ("COMISION SERVICIO") that no movement records, two of them of 50.00. The bank writes in
// capitals without accents, cuts long texts across its record's two halves, and fills its
// own document and reference fields with numbers of its own.
class BookkeepersMonth {
public:
    struct Movement {
        std::int32_t number; // numbered by date, from 1
        QDate date;
        QString description;
        bool credit;
        Money amount;
    };
    // How a matcher did on the month's statement.
    struct Quality {
        int wrong = 0;        // lines matched to a movement that is not theirs
        int matched = 0;      // lines matched to their own movement
        int withMovement = 0; // lines that have a movement to be matched to
    };

    BookkeepersMonth(quint32 seed, QDate month);

    const std::vector<Movement>& movements() const { return movements_; }
    const QByteArray& norma43() const { return norma43_; }
    // The movement each line of the statement is, in the file's order; 0 for a fee.
    const std::vector<std::int32_t>& truth() const { return truth_; }
    // Judges the movement each line was matched to (0: none).
    Quality judge(const std::vector<std::int32_t>& matchedTo) const;

private:
    std::vector<Movement> movements_;
    QByteArray norma43_;
    std::vector<std::int32_t> truth_;
};

} // namespace ledgora
