#pragma once

#include "core/Money.h"

#include <QDate>
#include <QString>

namespace ledgora {

// One movement of a bank statement as the bank wrote it, in any of the formats read. What a
// format does not carry stays empty: a camt.053 entry has no common concept, a Norma 43
// movement no end-to-end id.
struct BankLine {
    enum class Side { Credit, Debit };
    // Pending is anything the bank has not booked yet (camt's PDNG, and its FUTR and INFO):
    // it does not count in the statement's balances. Norma 43 only lists booked movements.
    enum class Status { Booked, Pending };

    // Norma 43's operation date; camt's booking date; OFX's DTPOSTED; MT940's entry date
    QDate operationDate;
    QDate valueDate;
    Side side = Side::Credit;
    Money amount;          // never negative: the side says which way it goes
    QString currency;      // ISO alphabetic, "EUR"; a number when the code is not a known one
    QString commonConcept; // Norma 43's two digits ("02"); see Norma43Reader::conceptName
    // The bank's own code: Norma 43's three digits, camt's BkTxCd/Prtry, OFX's TRNTYPE, MT940's
    // transaction type ("NTRF").
    QString bankConcept;
    QString originBranch;      // Norma 43: the branch where the movement was made
    QString documentNumber;    // Norma 43's; OFX's CHECKNUM
    QString reference1;        // Norma 43's; OFX's REFNUM; MT940's reference for the holder
    QString reference2;        // Norma 43
    QString servicerReference; // camt's AcctSvcrRef; OFX's FITID; MT940's bank reference
    QString endToEndId;        // camt's EndToEndId
    // The line's own words: Norma 43's 23 records' texts, or its references when it has no 23;
    // camt's remittance (Ustrd) or AddtlNtryInf. Placeholders such as "NOTPROVIDED" are left out.
    // OFX's MEMO; MT940's :86: (its purpose in the structured form).
    QString text;
    // camt: who was paid (Cdtr) for a debit, who paid (Dbtr) for a credit; OFX's NAME; MT940's
    // name in a structured :86:.
    QString counterparty;
    QString creditorReference; // camt's structured reference, RmtInf/Strd/CdtrRefInf/Ref
    Status status = Status::Booked;
    // camt's RvslInd, MT940's RC and RD marks: this entry undoes an earlier one
    bool reversal = false;
    // Norma 43's record 24: the same movement in another currency (empty currency: none).
    Money equivalentAmount;
    QString equivalentCurrency;
    // The bank gave the line no date at all: both dates are the statement's last day.
    bool dateAssumed = false;
    // The line of the file where the movement begins (22, <Ntry>, <STMTTRN> or :61:)
    qint64 sourceLine = 0;
    // The same movement read again from an overlapping statement of the same account has the
    // same fingerprint; two identical movements of one statement have two. See
    // BankStatement::fingerprintLines, and OfxReader for OFX's, which are the bank's FITID.
    QString fingerprint;

    Money signedAmount() const { return side == Side::Credit ? amount : -amount; }
    // What the line says for a person, as a movement's description: the counterparty, the text
    // and the structured reference when the text does not hold it; empty when it says nothing.
    QString description() const;
};

} // namespace ledgora
