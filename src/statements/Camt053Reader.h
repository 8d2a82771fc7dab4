#pragma once

#include "statements/StatementFile.h"

#include <QIODevice>

namespace ledgora {

// Reads an ISO 20022 camt.053 bank-to-customer statement (versions .001.02 to .001.08 and
// those after, which keep the same elements): one BankStatement for each <Stmt>. Elements are
// known by their local names, whatever the namespace's version; what is not read here is
// passed over.
//
// - The account is Acct/Id/IBAN, or Acct/Id/Othr/Id kept in `account`; its currency Acct/Ccy,
//   "EUR" when it says none; the holder Acct/Ownr/Nm.
// - The opening balance is the Bal of type OPBD, or PRCD (the day before's closing) when
//   there is no OPBD; the closing one CLBD. CdtDbtInd DBIT makes a balance negative.
// - The period is FrToDt; without it, the dates of the opening and closing balances.
// - Each Ntry gives a line: Amt (its Ccy the line's currency), CdtDbtInd, RvslInd, Sts (a
//   text, or Sts/Cd from .001.08), BookgDt and ValDt (Dt, or the date part of DtTm as
//   written; either stands for the other when only one is given, and an entry with neither is
//   taken on the period's last day and marked `dateAssumed`), AcctSvcrRef, BkTxCd/Prtry/Cd,
//   the first NtryDtls/TxDtls/Refs/EndToEndId, every RmtInf/Ustrd joined, or AddtlNtryInf
//   when there is none, RmtInf/Strd/CdtrRefInf/Ref, and the counterparty: RltdPties/Cdtr for
//   a debit, Dbtr for a credit (the other way round for a reversal), its Nm or Pty/Nm.
// - Texts and names that stand for none ("NOTPROVIDED", "N/A", "NONREF", "/", "-"), as some
//   banks write in every entry, are read as absent.
// - The lines are given in date order (BankStatement::sortLinesByDate), as some banks list
//   the newest entry first.
// - A reversal (RvslInd true) counts on the side its CdtDbtInd gives: ISO 20022 has the bank
//   give a reversal the side opposite to the entry it undoes, so CdtDbtInd already says how it
//   moves the balance.
//
// Checked: the closing balance is the opening one plus the booked credits minus the booked
// debits, when the statement gives both. Refused, naming the element (Stmt, Bal or Ntry,
// counted from 1 in the file) and its line: XML that is not well formed, a root other than a
// camt.053 Document, a statement without an account, a taken balance or an entry without
// amount or CdtDbtInd, an entry without a date in a statement without an end, an amount
// that is not a plain decimal or has more than four decimals, a date that is not one, and
// balances that do not agree.
class Camt053Reader {
public:
    static StatementFile read(QIODevice& device);
};

} // namespace ledgora
