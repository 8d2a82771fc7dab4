#pragma once

#include "statements/StatementFile.h"

#include <QByteArray>

namespace ledgora {

// Reads an OFX or QFX file, 1.x (a header of KEY:VALUE lines, then SGML whose leaf elements
// mostly go without end tags) or 2.x (XML under an <?OFX OFXHEADER="200" ...?> instruction):
// one BankStatement for each bank statement, BANKMSGSRSV1/STMTTRNRS/STMTRS, and each card
// statement, CREDITCARDMSGSRSV1/CCSTMTTRNRS/CCSTMTRS. Everything else (sign-on, investments,
// the available balance) is passed over. The markup is read by OfxTokenizer, which reads a
// leaf whose end tag is missing and refuses a broken nesting.
//
// libofx is not used: it hands a file over element by element to callbacks, so a fault found
// late leaves the earlier statements already given and no line to name, where every file
// here is read whole or refused whole with its line; and it brings OpenSP with it.
//
// - The account is BANKACCTFROM's BANKID, BRANCHID and ACCTID, or CCACCTFROM's ACCTID; an
//   ACCTID that is an IBAN (European banks write one) is kept as the IBAN, so that the account
//   is the same one its camt.053 statements name. The currency is CURDEF, "EUR" without one.
// - The period is BANKTRANLIST's DTSTART and DTEND. The closing balance is LEDGERBAL's BALAMT,
//   and its DTASOF the period's end when there is no DTEND.
// - There is no opening balance: OFX gives none, and it cannot be worked out as the closing
//   one less the lines, since the ledger balance is as of DTASOF, which may come after the
//   last line listed, and a bank lists what the period asked for, not every line that made the
//   balance. A made-up opening balance would agree by construction and check nothing.
// - Each STMTTRN gives a line: DTPOSTED its operation date; DTAVAIL, when funds are available,
//   its value date, or DTUSER, or DTPOSTED; TRNAMT signed, a debit when negative, with a point
//   or a comma for decimals; TRNTYPE its bank concept; FITID its servicer reference; CHECKNUM
//   its document number, REFNUM its first reference; NAME (or PAYEE/NAME) its counterparty and
//   MEMO its text; CURRENCY/CURSYM its currency when it is not CURDEF's. A date is the first
//   eight digits of YYYYMMDD[HHMMSS[.XXX]][[+-]N:TZ], the day the bank wrote.
// - A line's fingerprint is its FITID, which the bank keeps for the same transaction in every
//   download, "OFX:" + the account + ":" + FITID, so it never meets another format's hash. A
//   FITID a bank wrongly repeats within one statement marks its later lines "OFX#2:",
//   "OFX#3:"..., so that they stay as many lines as the bank listed. A line without FITID takes
//   the fingerprint of BankStatement::fingerprintLines.
// - The lines are given in date order (BankStatement::sortLinesByDate): banks list the newest
//   first.
//
// Refused, naming the line: broken markup, a root other than OFX, a statement without ACCTID,
// a transaction without TRNAMT or DTPOSTED, an amount that is not a decimal number (or has
// more than four decimals), a date that is not one, and a file without any statement.
class OfxReader {
public:
    static StatementFile read(const QByteArray& bytes);
};

} // namespace ledgora
