#pragma once

// Small bank statement files written for the tests: Norma 43 records built from runs of fields,
// a camt.053 statement of the same movements, OFX statements and an MT940 file.

#include <QByteArray>
#include <QByteArrayList>
#include <QList>
#include <QRegularExpression>
#include <QString>
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

// An OFX transaction: DTPOSTED, TRNAMT, FITID and what else it says, as 2.x writes it.
struct OfxTransaction {
    QByteArray posted;
    QByteArray amount;
    QByteArray fitid;
    QByteArray more = {};
};

// A bank statement of account 2100-0001-0200012345 in OFX 2 (XML), its transactions one a line
// from line 8, or in OFX 1: the header, then SGML with a tag a line and no end tags for the
// leaves, a trailing blank and CR LF on every line, its first transaction from line 36.
inline QByteArray ofx(int version, const QList<OfxTransaction>& transactions,
                      const QByteArray& from = "20240101", const QByteArray& balance = "124.50") {
    QByteArray body =
        "<OFX>\n<SIGNONMSGSRSV1><SONRS><STATUS><CODE>0</CODE><SEVERITY>INFO</SEVERITY></STATUS>"
        "<DTSERVER>20240131120000[-5:EST]</DTSERVER><LANGUAGE>SPA</LANGUAGE></SONRS>"
        "</SIGNONMSGSRSV1>\n<BANKMSGSRSV1><STMTTRNRS><TRNUID>1</TRNUID><STMTRS><CURDEF>EUR</CURDEF>"
        "\n<BANKACCTFROM><BANKID>2100</BANKID><BRANCHID>0001</BRANCHID><ACCTID>0200012345</ACCTID>"
        "<ACCTTYPE>CHECKING</ACCTTYPE></BANKACCTFROM>\n<BANKTRANLIST><DTSTART>" +
        from + "</DTSTART><DTEND>20240131</DTEND>\n";
    for (const OfxTransaction& t : transactions)
        body += "<STMTTRN><TRNTYPE>" + QByteArray(t.amount.startsWith('-') ? "DEBIT" : "CREDIT") +
                "</TRNTYPE><DTPOSTED>" + t.posted + "</DTPOSTED><TRNAMT>" + t.amount +
                "</TRNAMT><FITID>" + t.fitid + "</FITID>" + t.more + "</STMTTRN>\n";
    body += "</BANKTRANLIST><LEDGERBAL><BALAMT>" + balance +
            "</BALAMT><DTASOF>20240131</DTASOF></LEDGERBAL></STMTRS></STMTTRNRS></BANKMSGSRSV1>\n"
            "</OFX>\n";
    if (version == 2)
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?OFX OFXHEADER=\"200\" "
               "VERSION=\"211\" SECURITY=\"NONE\" OLDFILEUID=\"NONE\" NEWFILEUID=\"NONE\"?>\n" +
               body;
    const QString sgml = QString::fromUtf8(body)
                             .replace(QRegularExpression(QStringLiteral("(<(\\w+)>[^<]+)</\\2>")),
                                      QStringLiteral("\\1\n"))
                             .replace(QStringLiteral("><"), QStringLiteral(">\n<"))
                             .replace(QStringLiteral("\n\n"), QStringLiteral("\n"));
    return "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nSECURITY:NONE\r\nENCODING:USASCII"
           "\r\nCHARSET:1252\r\nCOMPRESSION:NONE\r\nOLDFILEUID:NONE\r\nNEWFILEUID:NONE\r\n\r\n" +
           sgml.toUtf8().replace("\n", " \r\n");
}

// January's two OFX transactions: a credit with its payer, a debit paid by cheque on the 9th.
inline QList<OfxTransaction> ofxJanuary() {
    return {{"20240105120000.000[+1:CET]", "50.00", "A1",
             "<NAME>ACME SL</NAME><MEMO>FACTURA 12</MEMO>"},
            {"20240110", "-25,50", "A2",
             "<DTUSER>20240109</DTUSER><CHECKNUM>77</CHECKNUM><MEMO>LUZ &amp; AGUA</MEMO>"}};
}

// Two MT940 messages of account 37040044/0532013000 in their blocks, with CR LF: the first
// with three lines (the second's :86: structured, as German banks write it), the second ending
// overdrawn. Its first :61: is on line 6, its :62F: on line 14. `bare` writes them without blocks,
// one after the other behind three lines of the bank's own, with LF and trailing blanks.
inline QByteArray mt940(bool bare = false, const QByteArray& closing = "C240131EUR131,75",
                        const QByteArray& debit = "25,50") {
    const QByteArray blocks = "{1:F01BANKDEFFAXXX0000000000}{2:O9401200240131BANKDEFFAXXX}{4:\n";
    QByteArray text =
        blocks +
        ":20:STARTUMS\n:25:37040044/0532013000\n:28C:00001/001\n:60F:C231229EUR100,00\n"
        ":61:2401021229D" +
        debit +
        "NMSCKREF4711//BANKREF1\n:86:PAGO RECIBO LUZ ENERO\nCONTRATO 7\n"
        ":61:2401050105CR50,NTRFNONREF//B4A05XYZ\n"
        ":86:166?00GUTSCHRIFT?20EREF+RE-4711?21SVWZ+RECHNUNG 4711\n VOM 12.0?221.2024\n"
        "?32ACME GMBH\n:61:240110RD7,25NCHGNONREF\n:62F:" +
        closing + "\n-}\n" + blocks +
        ":20:STARTUMS\n:25:37040044/0532013000\n:28C:00002/001\n:60F:C240131EUR131,75\n"
        ":61:2402010201D200,NTRFNONREF\n:62F:D240201EUR68,25\n-}\n";
    if (!bare)
        return text.replace("\n", "\r\n");
    return "ABNANL2A\n940\nABNANL2A\n" +
           text.replace(blocks, "").replace("-}", "-").replace("\n", "  \n");
}

} // namespace ledgora::test
