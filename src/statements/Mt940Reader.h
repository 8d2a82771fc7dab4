#pragma once

#include "statements/StatementFile.h"

#include <QByteArray>

namespace ledgora {

// Reads a SWIFT MT940 customer statement file: one BankStatement for each message, that is for
// each :20:. Messages come wrapped in their blocks ({1:...}{2:...}{4: ... -}) or bare, one
// after another, as banks export them, some with lines of their own before each message (ABN
// AMRO's "ABNANL2A" and "940"), which are passed over. A field runs from its tag (":61:") to
// the next one; fields not read here (:21:, :13D:, :64:, :65:, :NS:...) are passed over.
//
// - :25: is the account: an IBAN (with or without the currency some banks add), or
//   "BANKCODE/ACCOUNT" (a BIC or a German BLZ and the number), kept as bank and account.
// - :60F: or :60M: is the opening balance, :62F: or :62M: the closing one: a mark, D for a
//   debit balance, the date YYMMDD, the currency and the amount with a comma for decimals. The
//   period runs from the opening balance's date to the closing one's.
// - Each :61: gives a line: the value date YYMMDD, the optional entry date MMDD (the operation
//   date; the value date when missing), the mark (C, D, or RC and RD for the reversal of a
//   credit, a debit, and of a debit, a credit), an optional funds code, the amount, the
//   transaction type (the bank concept, "NTRF"), the reference for the holder (reference1) up
//   to "//", the bank's reference after it (servicer reference), and a supplementary line.
//   The entry date is in the value date's year, but for one in December of a value date in
//   January, the year before, and one in January of a value date in December, the year after.
// - The :86: after a :61: is its text. In the structured form German banks write ("166?00
//   GUTSCHRIFT?20...?32NAME"), ?20 to ?29 and ?60 to ?63 are the text and ?32 and ?33 the
//   counterparty, and ?00 the text when there is no other. The lines of a :86:, and its
//   subfields, are joined as the bank cut them: a line that fills its 65 characters (a subfield
//   its 27) runs on into the next, a shorter one ended its word. Without :86:, the
//   supplementary line of the :61: is the text.
// - Years 80 to 99 are 1980 to 1999, 00 to 79 are 2000 to 2079.
// - A file that is valid UTF-8 throughout is read as UTF-8, any other as Windows-1252.
//
// Every line's fingerprint is BankStatement::fingerprintLines', whose fields include the bank's
// reference: a reference alone would not do, as banks leave it out, repeat one for every line
// of a batch or write "NONREF", while the line's dates, amount and references together, with
// which occurrence it is of the same, are what an overlapping statement gives again. Lines are
// given in date order (BankStatement::sortLinesByDate).
//
// Refused, naming the line: a field before the first :20:, a :61: or balance out of place
// (a :61: before the opening balance or after the closing one), a message without :25:,
// opening or closing balance, a date that is not one, a mark other than C, D, RC and RD, an
// amount that is not a number or has more than four decimals, a :61: without its transaction
// type, balances in two currencies, and a closing balance that is not the opening one plus
// the credits minus the debits, at the :62F:.
class Mt940Reader {
public:
    static StatementFile read(const QByteArray& bytes);
};

} // namespace ledgora
