#pragma once

#include "statements/StatementFile.h"

#include <QByteArray>
#include <QString>

namespace ledgora {

// Reads an AEB Norma 43 (Cuaderno 43) file: records of 80 characters, an optional file header
// 00, for each account a header 11, its movements 22 (each followed by up to five extra
// concepts 23 and an equivalent amount 24) and an end 33, and the end of file 88.
//
// A movement's text is its 23 records' texts as the bank wrote them, 38 characters a half
// running on into the next half where a word was cut ("SHOP TO B" and "UY" are "SHOP TO BUY");
// without 23 records, its references that are not blank or zeros. An account's movements are
// given in date order (BankStatement::sortLinesByDate), as some banks list the newest first.
//
// What real files do and is read all the same:
// - lines shorter than 80 characters (the trailing blanks cut), CR LF or LF line ends and a
//   trailing Ctrl-Z;
// - text in ISO-8859-1, the standard's character set. A file that is valid UTF-8 throughout
//   is read as UTF-8 instead: plain ASCII reads the same either way, and Latin-1 text with
//   accents is practically never valid UTF-8, while a bank that writes UTF-8 counts its 80
//   positions in characters. Control characters in texts become blanks;
// - a balance in the 11 or 33 whose sign is neither 1 nor 2 (a 0 or a blank): it takes the
//   sign that makes the closing balance the opening one plus the movements;
// - dates written DDMMYY instead of YYMMDD. The whole file is read in the order that gives the
//   fewest misfits (a date that is not one, an operation date outside its account's period
//   from the 11, a period longer than a year), then the shorter periods, as the wrong order
//   stretches a month into years; on a tie (every date alike both ways), YYMMDD. A file in one
//   order with a mistaken date is thus refused at that date, not read in the other order.
//   Years 80 to 99 are 1980 to 1999, 00 to 79 are 2000 to 2079: the format dates from the
//   1980s;
// - an 88 whose count of records is one off, or counts both 00 and 88 (the count leaves them
//   out; some banks count them), and no 88 at all after the last 33.
//
// Currencies are given as ISO numbers ("978") and kept as their alphabetic codes ("EUR"); a
// number that is not one of the common currencies is kept as it is, a blank one is "EUR".
//
// Refused, naming the line: a record of unknown type or out of place (a 22 outside an 11..33
// group, a 23 or 24 after no 22, more than five 23), an amount or count that is not digits, a
// date that is not one, a movement's sign other than 1 (debit) or 2 (credit), a 33 whose
// counts, totals or closing balance do not agree with its movements and opening balance, a
// count of records in the 88 off by more, a missing 33 and a file without any account.
class Norma43Reader {
public:
    static StatementFile read(const QByteArray& bytes);

    // The AEB common concept's name for a code "01" to "17", "98" or "99" ("02" is
    // "Abonarés/Entregas/Ingresos"); empty for any other.
    static QString conceptName(QStringView code);
};

} // namespace ledgora
