#pragma once

#include "statements/BankLine.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace ledgora {

// One account's statement for a period: a Norma 43 group of records 11 to 33, a camt.053
// <Stmt>, an OFX STMTRS or CCSTMTRS, or an MT940 message. A file may hold several.
struct BankStatement {
    enum class Format { Norma43, Camt053, Ofx, Mt940, Csv };

    Format format = Format::Norma43;
    // Norma 43 names the account by bank, branch and account number; camt by IBAN, or by
    // another identifier kept in `account`; OFX by its BANKID, BRANCHID and ACCTID; MT940 by
    // IBAN, or a bank code (BIC or national) and the account.
    QString bank;
    QString branch;
    QString account;
    QString iban;
    QString currency; // ISO alphabetic, "EUR"
    QString holder;
    QDate startDate;
    QDate endDate;
    // Signed: negative when the account is overdrawn. Norma 43 and MT940 always give both; a
    // camt statement may leave either out; OFX gives only the closing one.
    std::optional<Money> openingBalance;
    std::optional<Money> closingBalance;
    QList<BankLine> lines;

    // The account as one text: the IBAN when there is one, else "bank-branch-account".
    QString accountKey() const;
    // Whether the closing balance is the opening one plus the booked credits minus the booked
    // debits; true when a balance is missing, as there is nothing to check then.
    bool balancesAgree() const;
    // Gives every line its fingerprint: a SHA-256 (hex) of the account, both dates, the side,
    // the amount, the document number and the references (and, in a spreadsheet export, the
    // line's text), and of which occurrence the line is among the lines of this statement that
    // share all of those (1, 2, ...).
    void fingerprintLines();
    // Puts the lines in the order they happened, by operation date, then value date, then
    // their order in the file, as new movements are numbered in the order of the lines. Some
    // banks list the newest first. Only after fingerprintLines: a fingerprint counts identical
    // lines in the file's order.
    void sortLinesByDate();
};

} // namespace ledgora
