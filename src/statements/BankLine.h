#pragma once

#include "core/Money.h"

#include <QDate>
#include <QString>

namespace ledgora {

// One movement of a bank statement as the bank wrote it, in either format. What a format
// does not carry stays empty: a camt.053 entry has no common concept, a Norma 43 movement no
// end-to-end id.
struct BankLine {
    enum class Side { Credit, Debit };
    // Pending is anything the bank has not booked yet (camt's PDNG, and its FUTR and INFO):
    // it does not count in the statement's balances. Norma 43 only lists booked movements.
    enum class Status { Booked, Pending };

    QDate operationDate; // Norma 43's operation date; camt's booking date
    QDate valueDate;
    Side side = Side::Credit;
    Money amount;          // never negative: the side says which way it goes
    QString currency;      // ISO alphabetic, "EUR"; a number when the code is not a known one
    QString commonConcept; // Norma 43's two digits ("02"); see Norma43Reader::conceptName
    QString bankConcept;   // the bank's own code (Norma 43's three digits, camt's BkTxCd/Prtry)
    QString originBranch;  // Norma 43: the branch where the movement was made
    QString documentNumber;
    QString reference1;        // Norma 43
    QString reference2;        // Norma 43
    QString servicerReference; // camt's AcctSvcrRef
    QString endToEndId;        // camt's EndToEndId
    // The line's own words: Norma 43's 23 records' texts, or its references when it has no 23;
    // camt's remittance (Ustrd) or AddtlNtryInf. Placeholders such as "NOTPROVIDED" are left out.
    QString text;
    QString counterparty; // camt: who was paid (Cdtr) for a debit, who paid (Dbtr) for a credit
    QString creditorReference; // camt's structured reference, RmtInf/Strd/CdtrRefInf/Ref
    Status status = Status::Booked;
    bool reversal = false; // camt's RvslInd: this entry undoes an earlier one
    // Norma 43's record 24: the same movement in another currency (empty currency: none).
    Money equivalentAmount;
    QString equivalentCurrency;
    // The bank gave the line no date at all: both dates are the statement's last day.
    bool dateAssumed = false;
    qint64 sourceLine = 0; // the line of the file where the movement begins (22, or <Ntry>)
    // The same movement read again from an overlapping statement of the same account has the
    // same fingerprint; two identical movements of one statement have two. See
    // BankStatement::fingerprintLines.
    QString fingerprint;

    Money signedAmount() const { return side == Side::Credit ? amount : -amount; }
    // What the line says for a person, as a movement's description: the counterparty, the text
    // and the structured reference when the text does not hold it; empty when it says nothing.
    QString description() const;
};

} // namespace ledgora
