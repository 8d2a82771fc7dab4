#pragma once

// Small bank statement files written for the tests: Norma 43 records built from runs of fields,
// and a camt.053 statement of the same movements.

#include <QByteArray>
#include <QByteArrayList>
#include <QList>
#include <initializer_list>
#include <utility>

namespace ledgora::test {

// A Norma 43 record: its type, then each field's text at its position counted from 1.
inline QByteArray record(const char* type,
                         std::initializer_list<std::pair<int, QByteArray>> fields) {
    QByteArray text = QByteArray(type).leftJustified(80, ' ');
    for (const auto& [at, field] : fields)
        text.replace(at - 1, field.size(), field);
    return text;
}

inline QByteArray digits(qint64 value, int width = 14) {
    return QByteArray::number(value).rightJustified(width, '0');
}

struct Movement {
    QByteArray date;
    char sign; // '1' debit, '2' credit
    qint64 cents;
    QByteArray document = {};
    QByteArray text = {}; // a 23 record's first text when given
};

// A balance as Norma 43 writes it: the sign (1 debit, 2 credit), then 14 digits of cents.
inline QByteArray balance(qint64 cents) {
    return (cents < 0 ? "1" : "2") + digits(qAbs(cents));
}

// One account's records, 11 to 33, the 33's counts, totals and closing balance worked out.
// Fields that follow each other are written as one text from the first one's position.
inline QByteArrayList account(const QByteArray& from, const QByteArray& to, qint64 opening,
                              const QList<Movement>& movements) {
    const QByteArray bankAccount = "210000010200012345"; // bank, branch, account number
    QByteArrayList records{record(
        "11", {{3, bankAccount + from + to + balance(opening) + "9783ALMACENES GARCIA SL"}})};
    qint64 count[2] = {};
    qint64 sum[2] = {};
    for (const Movement& m : movements) {
        records << record("22", {{7, "0001" + m.date + m.date + "02001" + m.sign + digits(m.cents)},
                                 {43, m.document},
                                 {53, "REF1"}});
        if (!m.text.isEmpty())
            records << record("23", {{3, "01" + m.text}});
        const int side = m.sign == '2';
        ++count[side];
        sum[side] += m.cents;
    }
    records << record(
        "33", {{3, bankAccount + digits(count[0], 5) + digits(sum[0]) + digits(count[1], 5) +
                       digits(sum[1]) + balance(opening + sum[1] - sum[0]) + "978"}});
    return records;
}

// The same records in another currency, by its ISO number ("756": Swiss francs).
inline QByteArrayList inCurrency(QByteArrayList records, const QByteArray& code) {
    records.first().replace(47, 3, code);
    records.last().replace(73, 3, code);
    return records;
}
// The same records of another bank account: bank, branch and account number.
inline QByteArrayList ofBankAccount(QByteArrayList records, const QByteArray& bankAccount) {
    for (QByteArray& record : records)
        record.replace("210000010200012345", bankAccount);
    return records;
}

// The movements of January that the camt.053 pair below describes too.
inline QByteArrayList january() {
    return account("240101", "240131", 10000, {{"240105", '2', 5000}, {"240110", '1', 2550}});
}

// A whole file: the records, then the 88 that counts them (off by `countOff`).
inline QByteArray norma43(QByteArrayList records, const QByteArray& end = "\n", int countOff = 0) {
    records << record("88", {{3, QByteArray(18, '9')}, {21, digits(records.size() + countOff, 6)}});
    return records.join(end) + end;
}

// January's account as a camt.053 statement, one entry a line from line 3, and a pending
// entry at the end that the balances leave out. Version 08 gives the status as Sts/Cd and the
// booking date as a date and time.
inline QByteArray camt(const QByteArray& version, const QByteArray& closing = "124.50",
                       const QByteArray& firstAmount = "<Amt Ccy=\"EUR\">50.00</Amt>") {
    auto entry = [&](const QByteArray& amount, const char* side, const QByteArray& day,
                     const char* status) {
        const bool v08 = version == "08";
        return "<Ntry>" + amount + "<CdtDbtInd>" + side + "</CdtDbtInd><Sts>" +
               (v08 ? "<Cd>" + QByteArray(status) + "</Cd>" : QByteArray(status)) +
               "</Sts><BookgDt>" +
               (v08 ? "<DtTm>" + day + "T09:30:00+01:00</DtTm>" : "<Dt>" + day + "</Dt>") +
               "</BookgDt><ValDt><Dt>" + day + "</Dt></ValDt></Ntry>\n";
    };
    auto balance = [](const char* type, const QByteArray& amount) {
        return "<Bal><Tp><CdOrPrtry><Cd>" + QByteArray(type) +
               "</Cd></CdOrPrtry></Tp><Amt Ccy=\"EUR\">" + amount +
               "</Amt><CdtDbtInd>CRDT</CdtDbtInd><Dt><Dt>2024-01-31</Dt></Dt></Bal>";
    };
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Document "
           "xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001." +
           version + "\"><BkToCstmrStmt><Stmt><Acct><Id><IBAN>ES9121000001020200012345</IBAN>" +
           "</Id><Ccy>EUR</Ccy></Acct>" + balance("OPBD", "100.00") + balance("CLBD", closing) +
           "\n" + entry(firstAmount, "CRDT", "2024-01-05", "BOOK") +
           entry("<Amt Ccy=\"EUR\">25.50</Amt>", "DBIT", "2024-01-10", "BOOK") +
           entry("<Amt Ccy=\"EUR\">7.00</Amt>", "DBIT", "2024-01-31", "PDNG") +
           "</Stmt></BkToCstmrStmt></Document>\n";
}

} // namespace ledgora::test
