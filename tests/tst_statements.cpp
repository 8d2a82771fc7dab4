#include "GuardedTest.h"
#include "StatementFiles.h"
#include "statements/Norma43Reader.h"
#include "statements/StatementReader.h"

#include <QtTest>

using namespace ledgora;
using namespace Qt::StringLiterals;
using namespace ledgora::test;

namespace {

QString problem(const StatementFile& file) {
    return file.refusal ? file.refusal->message : QString();
}

// What a statement or a line says, as one text: the account, currency, period and balances; the
// dates, signed amount and description.
QString said(const BankStatement& s) {
    auto balance = [](const std::optional<Money>& b) { return b ? b->toPlainText(u'.') : u"-"_s; };
    return QStringList{s.accountKey(),
                       s.currency,
                       s.startDate.toString(Qt::ISODate),
                       s.endDate.toString(Qt::ISODate),
                       balance(s.openingBalance),
                       balance(s.closingBalance)}
        .join(u' ')
        .trimmed();
}
QString said(const BankLine& line) {
    return QStringList{line.operationDate.toString(Qt::ISODate),
                       line.valueDate.toString(Qt::ISODate), line.signedAmount().toPlainText(u'.'),
                       line.description()}
        .join(u' ')
        .trimmed();
}

} // namespace

class TstStatements : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every quirk real Norma 43 files have reads, each row one quirk on January's account.
    void norma43Reads_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QDate>("firstDate");
        QTest::addColumn<QString>("holder");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("equivalent");
        QByteArrayList second =
            account("240101", "240131", -500, {{"240120", '2', 500}, {"240121", '1', 1}});
        for (QByteArray* line : {&second.first(), &second.last()})
            line->replace(10, 10, "0200067890");
        QTest::newRow("two accounts")
            << norma43(january() + second) << 4 << QDate(2024, 1, 5) << "ALMACENES GARCIA SL"
            << "REF1"
            << "";
        QByteArrayList cut = january();
        for (QByteArray& line : cut)
            line = line.trimmed();
        QTest::newRow("trailing blanks cut")
            << norma43(cut) << 2 << QDate(2024, 1, 5) << "ALMACENES GARCIA SL"
            << "REF1"
            << "";
        QByteArrayList zero = account("240101", "240131", 0, {});
        zero[1][58] = '0';
        QTest::newRow("sign 0 of a zero balance")
            << norma43(zero) << 0 << QDate() << "ALMACENES GARCIA SL"
            << "REF1"
            << "";
        // UTF-8 counts the 80 positions in characters: the Ñ takes two bytes of an 81-byte line.
        for (const QByteArray holder : {"MU\xD1OZ E HIJOS", "MU\xC3\x91OZ E HIJOS"}) {
            QByteArrayList records = january();
            records[0].replace(51, 26, holder.leftJustified(26 + holder.count('\xC3')));
            QTest::newRow(holder.contains('\xC3') ? "UTF-8" : "Latin-1, CR LF and Ctrl-Z")
                << norma43(records, "\r\n") + "\x1A" << 2 << QDate(2024, 1, 5) << "MUÑOZ E HIJOS"
                << "REF1"
                << "";
        }
        QTest::newRow("DDMMYY") << norma43(account("010124", "310124", 10000,
                                                   {{"050124", '2', 5000}, {"100124", '1', 2550}}))
                                << 2 << QDate(2024, 1, 5) << "ALMACENES GARCIA SL"
                                << "REF1"
                                << "";
        QTest::newRow("88 one off")
            << norma43(january(), "\n", 1) << 2 << QDate(2024, 1, 5) << "ALMACENES GARCIA SL"
            << "REF1"
            << "";
        QByteArrayList extras = january();
        extras.insert(2, record("23", {{3, "01"}, {5, "RECIBO"}, {43, "LUZ ENERO"}}));
        extras.insert(3, record("23", {{3, "02"}, {5, "CONTRATO 7"}}));
        extras.insert(4, record("24", {{3, "01"}, {5, "840"}, {8, digits(5400)}}));
        QTest::newRow("23 and 24")
            << norma43(extras) << 2 << QDate(2024, 1, 5) << "ALMACENES GARCIA SL"
            << "RECIBO LUZ ENERO CONTRATO 7"
            << "USD 54";
        // The bank cuts its text every 38 characters, within a word too.
        QByteArrayList cutWords = january();
        cutWords.insert(2, record("23", {{3, "01COMPRA TARJETA 5540XXXXXXXX1234 SHOP TO BUY "
                                             "ONLINE REF 0001 PAGO A DNH*MICHA"}}));
        cutWords.insert(3, record("23", {{3, "02EL SCOTT"}}));
        QTest::newRow("23 words cut")
            << norma43(cutWords) << 2 << QDate(2024, 1, 5) << "ALMACENES GARCIA SL"
            << "COMPRA TARJETA 5540XXXXXXXX1234 SHOP TO BUY ONLINE REF 0001 PAGO A DNH*MICHAEL "
               "SCOTT"
            << "";
        for (const auto& [references, text] :
             {std::pair{"ABONO COMP. TRU 30/1/2017", "ABONO COMP. TRU 30/1/2017"},
              {"PROV22      0000000000000000", "PROV22"}}) {
            QByteArrayList records = january();
            records[1].replace(52, 28, QByteArray(references).leftJustified(28));
            QTest::newRow(text) << norma43(records) << 2 << QDate(2024, 1, 5)
                                << "ALMACENES GARCIA SL" << text << "";
        }
        QTest::newRow("zero amount")
            << norma43(account("240101", "240131", 10000,
                               {{"240105", '2', 5000}, {"240107", '1', 0}, {"240110", '1', 2550}}))
            << 3 << QDate(2024, 1, 5) << "ALMACENES GARCIA SL"
            << "REF1"
            << "";
    }
    void norma43Reads() {
        QFETCH(QByteArray, file);
        QFETCH(int, lines);
        QFETCH(QDate, firstDate);
        const StatementFile read = StatementReader::read(file);
        QCOMPARE(problem(read), QString());
        qsizetype total = 0;
        for (const BankStatement& statement : read.statements)
            total += statement.lines.size();
        QCOMPARE(total, lines);
        const BankStatement& first = read.statements.at(0);
        QCOMPARE(first.accountKey(), QStringLiteral("2100-0001-0200012345"));
        QCOMPARE(first.currency, QStringLiteral("EUR"));
        QTEST(first.holder, "holder");
        if (first.lines.isEmpty())
            return;
        const BankLine& line = first.lines.at(0);
        QCOMPARE(line.operationDate, firstDate);
        QCOMPARE(line.amount, Money::fromUnits(500000));
        QCOMPARE(line.side, BankLine::Side::Credit);
        QTEST(line.text, "text");
        QTEST(line.equivalentCurrency.isEmpty()
                  ? QString()
                  : line.equivalentCurrency + u' ' + line.equivalentAmount.toPlainText(u'.'),
              "equivalent");
        QCOMPARE(Norma43Reader::conceptName(line.commonConcept),
                 QStringLiteral("Abonarés/Entregas/Ingresos"));
        QCOMPARE(first.closingBalance, Money::fromUnits(1245000));
    }

    // A file that fails its own checks is refused whole, naming the line and the reason.
    void refusals_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        auto patched = [](int line, int at, const QByteArray& text) {
            QByteArrayList records = january();
            records[line - 1].replace(at - 1, text.size(), text);
            return norma43(records);
        };
        QTest::newRow("total") << patched(4, 45, digits(5001))
                               << "Línea 4: los totales de cargos y abonos del registro 33 no "
                                  "son la suma de sus movimientos.";
        QTest::newRow("closing") << patched(4, 60, digits(12451))
                                 << "Línea 4: el saldo final no cuadra con el inicial más los "
                                    "abonos menos los cargos.";
        QTest::newRow("count") << patched(4, 21, digits(2, 5))
                               << "Línea 4: el registro 33 cuenta 2 cargos y 1 abonos, y la "
                                  "cuenta tiene 1 y 1.";
        QTest::newRow("amount") << patched(2, 29, "00000000005O00")
                                << "Línea 2: el importe no es un número.";
        // A mistaken date in a YYMMDD file, though DDMMYY would read it, is refused.
        QTest::newRow("date") << patched(2, 11, "240230")
                              << "Línea 2: la fecha de operación no es una fecha (240230).";
        QTest::newRow("unknown record")
            << patched(2, 1, "42") << "Línea 2: el tipo de registro «42» no es de Norma 43.";
        QTest::newRow("22 outside a group")
            << norma43(january() << january().at(1))
            << "Línea 5: un movimiento (registro 22) fuera de una cuenta (registros 11 a 33).";
        QTest::newRow("no account") << record("00", {}) + '\n'
                                    << "Línea 1: falta el registro 88 de final de archivo.";
        QTest::newRow("88 two off") << norma43(january(), "\n", 2)
                                    << "Línea 5: el registro 88 cuenta 6 registros y el archivo "
                                       "tiene 4.";
        QTest::newRow("camt closing") << camt("02", "124.51")
                                      << "Elemento Stmt 1 (línea 2): el saldo final no cuadra con "
                                         "el inicial más los abonos menos los cargos apuntados.";
        QTest::newRow("camt amount")
            << camt("08", "124.50", "") << "Elemento Ntry 1 (línea 3): falta el importe (Amt).";
        QTest::newRow("camt without dates")
            << camt("02")
                   .replace("<Dt>2024-01-05</Dt>", "")
                   .replace("<Dt><Dt>2024-01-31</Dt></Dt>", "")
            << "Elemento Ntry 1 (línea 3): falta la fecha (BookgDt o ValDt).";
        QTest::newRow("camt broken")
            << camt("02").replace("</Stmt>", "") << "Línea 6, columna 16: el XML está mal formado.";
        QTest::newRow("OFX amount") << ofx(2, {{"20240105", "5O.00", "A1"}})
                                    << "Línea 8: el importe no es un número (5O.00).";
        QByteArray unclosed = ofx(1, ofxJanuary());
        unclosed.remove(unclosed.indexOf("</STMTTRN>"), 10);
        QTest::newRow("OFX nesting") << unclosed
                                     << "Línea 53: </BANKTRANLIST> llega antes del cierre de "
                                        "<STMTTRN>, abierto en la línea 36.";
        QTest::newRow("MT940 amount") << mt940(false, "C240131EUR131,75", "25,5O")
                                      << "Línea 6: el importe no es un número (25,5O).";
        QTest::newRow("MT940 closing") << mt940(false, "C240131EUR131,76")
                                       << "Línea 14: el saldo final no cuadra con el inicial más "
                                          "los abonos menos los cargos.";
        QTest::newRow("neither")
            << QByteArray("hola\n")
            << "El archivo no es un extracto Norma 43, camt.053, OFX ni MT940.";
    }
    void refusals() {
        QFETCH(QByteArray, file);
        const StatementFile read = StatementReader::read(file);
        QTEST(problem(read), "message");
        QVERIFY(read.statements.isEmpty());
    }

    // Files as real banks write them read as the plain file of the same movements does: the
    // same balances, and the same lines in date order with the same fingerprints.
    void quirksReadAsPlain_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("plain");
        QByteArrayList second =
            account("240101", "240131", -500, {{"240120", '2', 500}, {"240121", '1', 1}});
        for (QByteArray* line : {&second.first(), &second.last()})
            line->replace(10, 10, "0200067890");
        QByteArrayList unsigned_ = january() + second;
        for (const int k : {0, 3, 4, 7})
            unsigned_[k][k % 4 ? 58 : 32] = k < 4 ? '0' : ' ';
        QTest::newRow("balances without sign") << norma43(unsigned_) << norma43(january() + second);
        QTest::newRow("88 counting 00 and itself")
            << norma43(QByteArrayList{record("00", {})} + january(), "\n", 1) << norma43(january());
        QTest::newRow("no 88") << january().join('\n') << norma43(january());
        const QList<Movement> twins{{"240110", '1', 2550, "77"}, {"240110", '1', 2550, "77"}};
        QTest::newRow("newest first")
            << norma43(account("240101", "240131", 10000,
                               twins + QList<Movement>{{"240105", '2', 5000}}))
            << norma43(account("240101", "240131", 10000,
                               QList<Movement>{{"240105", '2', 5000}} + twins));
        QTest::newRow("camt PRCD") << camt("02").replace("OPBD", "PRCD") << camt("02");
        QByteArrayList entries = camt("08").split('\n');
        std::swap(entries[2], entries[4]);
        QTest::newRow("camt newest first") << entries.join('\n') << camt("08");
    }
    void quirksReadAsPlain() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, plain);
        const StatementFile read = StatementReader::read(file);
        const StatementFile expected = StatementReader::read(plain);
        QCOMPARE(problem(read), QString());
        QCOMPARE(read.statements.size(), expected.statements.size());
        for (qsizetype s = 0; s < read.statements.size(); ++s) {
            const BankStatement& statement = read.statements.at(s);
            QCOMPARE(statement.openingBalance, expected.statements.at(s).openingBalance);
            QCOMPARE(statement.closingBalance, expected.statements.at(s).closingBalance);
            QCOMPARE(statement.lines.size(), expected.statements.at(s).lines.size());
            for (qsizetype k = 0; k < statement.lines.size(); ++k) {
                const BankLine& line = statement.lines.at(k);
                const BankLine& same = expected.statements.at(s).lines.at(k);
                QCOMPARE(line.operationDate, same.operationDate);
                QCOMPARE(line.signedAmount(), same.signedAmount());
                QCOMPARE(line.status, same.status);
                QCOMPARE(line.fingerprint, same.fingerprint);
            }
        }
    }

    // Both camt.053 versions read January's movements as the Norma 43 file does; the pending
    // entry is read as such and left out of the balances.
    void camtReadsAsNorma43() {
        const BankStatement norma = StatementReader::read(norma43(january())).statements.at(0);
        for (const QByteArray version : {"02", "08"}) {
            const StatementFile read = StatementReader::read(camt(version));
            QCOMPARE(problem(read), QString());
            const BankStatement& statement = read.statements.at(0);
            QCOMPARE(statement.accountKey(), QStringLiteral("ES9121000001020200012345"));
            QCOMPARE(statement.openingBalance, norma.openingBalance);
            QCOMPARE(statement.closingBalance, norma.closingBalance);
            QCOMPARE(statement.lines.size(), 3);
            QCOMPARE(statement.lines.at(2).status, BankLine::Status::Pending);
            for (int k = 0; k < 2; ++k) {
                const BankLine& line = statement.lines.at(k);
                QCOMPARE(line.side, norma.lines.at(k).side);
                QCOMPARE(line.amount, norma.lines.at(k).amount);
                QCOMPARE(line.operationDate, norma.lines.at(k).operationDate);
                QCOMPARE(line.valueDate, norma.lines.at(k).valueDate);
                QCOMPARE(line.status, BankLine::Status::Booked);
            }
        }
    }

    // What the first entry of January's camt.053 says about itself: the description it gives a
    // new movement, its date, and whether the date was assumed and the entry is a reversal.
    void camtEntries_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("assumed");
        QTest::addColumn<bool>("reversal");
        auto first = [](const QByteArray& version, const QByteArray& details) {
            return camt(version, "124.50", "<Amt Ccy=\"EUR\">50.00</Amt>" + details);
        };
        QTest::newRow("counterparty for NOTPROVIDED")
            << first("02", "<NtryDtls><TxDtls><RltdPties><Dbtr><Nm>ACME NV</Nm></Dbtr><Cdtr><Nm>"
                           "ALMACENES GARCIA SL</Nm></Cdtr></RltdPties><RmtInf><Ustrd>NOTPROVIDED"
                           "</Ustrd><Strd><CdtrRefInf><Ref>+++090/9337/55493+++</Ref></CdtrRefInf>"
                           "</Strd></RmtInf></TxDtls></NtryDtls>")
            << "ACME NV +++090/9337/55493+++" << QDate(2024, 1, 5) << false << false;
        QTest::newRow("placeholders among texts")
            << first("08", "<NtryDtls><TxDtls><RltdPties><Dbtr><Pty><Nm>ACME NV</Nm></Pty></Dbtr>"
                           "</RltdPties><RmtInf><Ustrd>FACTURA 12</Ustrd><Ustrd>n/a</Ustrd><Ustrd>"
                           "ENERO</Ustrd></RmtInf></TxDtls></NtryDtls><AddtlNtryInf>-"
                           "</AddtlNtryInf>")
            << "ACME NV FACTURA 12 ENERO" << QDate(2024, 1, 5) << false << false;
        QTest::newRow("reversal of a payment")
            << first("02", "<RvslInd>true</RvslInd><NtryDtls><TxDtls><RltdPties><Dbtr><Nm>ALMACENES"
                           "</Nm></Dbtr><Cdtr><Nm>ACME NV</Nm></Cdtr></RltdPties></TxDtls>"
                           "</NtryDtls><AddtlNtryInf>DEVOLUCION</AddtlNtryInf>")
            << "ACME NV DEVOLUCION" << QDate(2024, 1, 5) << false << true;
        const QByteArray dates =
            "<BookgDt><Dt>2024-01-05</Dt></BookgDt><ValDt><Dt>2024-01-05</Dt></ValDt>";
        QTest::newRow("no dates")
            << first("02", "<AddtlNtryInf>NOT PROVIDED</AddtlNtryInf>")
                   .replace(dates, "")
                   .replace("<Stmt>", "<Stmt><FrToDt><ToDtTm>2024-01-30T23:59:59</ToDtTm></FrToDt>")
            << "" << QDate(2024, 1, 30) << true << false;
        QTest::newRow("value date only")
            << camt("02").replace(dates, dates.mid(dates.indexOf("<ValDt>"))) << ""
            << QDate(2024, 1, 5) << false << false;
    }
    void camtEntries() {
        QFETCH(QByteArray, file);
        const StatementFile read = StatementReader::read(file);
        QCOMPARE(problem(read), QString());
        const QList<BankLine>& lines = read.statements.at(0).lines;
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [](const BankLine& line) { return line.sourceLine == 3; });
        QVERIFY(line != lines.end());
        QTEST(line->description(), "description");
        QTEST(line->operationDate, "date");
        QTEST(line->dateAssumed, "assumed");
        QTEST(line->reversal, "reversal");
    }

    // OFX 1 (SGML without the leaves' end tags, CR LF, trailing blanks) and 2 (XML) read alike:
    // the FITIDs as fingerprints, the ledger balance as the closing one and no opening balance.
    void ofxReads_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        const QString bank = u"2100-0001-0200012345"_s;
        QTest::newRow("1.x") << ofx(1, ofxJanuary()) << bank;
        QTest::newRow("2.x") << ofx(2, ofxJanuary()) << bank;
        QList<OfxTransaction> newestFirst{ofxJanuary().at(1), ofxJanuary().at(0)};
        newestFirst[0].more.prepend("<SIC>");
        QTest::newRow("1.x newest first, an empty leaf, BOM")
            << "\xEF\xBB\xBF\r\n" + ofx(1, newestFirst) << bank;
        QTest::newRow("card") << ofx(2, ofxJanuary())
                                     .replace("BANKMSGSRSV1>", "CREDITCARDMSGSRSV1>")
                                     .replace("STMTTRNRS>", "CCSTMTTRNRS>")
                                     .replace("STMTRS>", "CCSTMTRS>")
                                     .replace("<BANKID>2100</BANKID><BRANCHID>0001</BRANCHID>", "")
                                     .replace("BANKACCTFROM>", "CCACCTFROM>")
                              << u"0200012345"_s;
    }
    void ofxReads() {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        const StatementFile read = StatementReader::read(file);
        QCOMPARE(problem(read), QString());
        QCOMPARE(read.statements.size(), 1);
        const BankStatement& statement = read.statements.at(0);
        QCOMPARE(statement.format, BankStatement::Format::Ofx);
        QCOMPARE(said(statement), key + u" EUR 2024-01-01 2024-01-31 - 124.5"_s);
        QCOMPARE(statement.lines.size(), 2);
        QCOMPARE(said(statement.lines.at(0)), u"2024-01-05 2024-01-05 50 ACME SL FACTURA 12"_s);
        QCOMPARE(said(statement.lines.at(1)), u"2024-01-10 2024-01-09 -25.5 LUZ & AGUA"_s);
        QCOMPARE(statement.lines.at(1).documentNumber, u"77"_s);
        QCOMPARE(statement.lines.at(0).fingerprint + u' ' + statement.lines.at(1).fingerprint,
                 u"OFX:%1:A1 OFX:%1:A2"_s.arg(key));
    }

    // Two OFX downloads of one account overlap on the 10th: the transaction they share has its
    // FITID's fingerprint in both, whichever version wrote them; a FITID the bank repeats in one
    // statement still gives its two lines two fingerprints.
    void ofxFingerprintsSurviveAnOverlap() {
        auto lines = [](const QByteArray& file) {
            return StatementReader::read(file).statements.at(0).lines;
        };
        const QList<BankLine> earlier = lines(ofx(1, ofxJanuary()));
        const QList<BankLine> later =
            lines(ofx(2, {ofxJanuary().at(1), {"20240115", "1.00", "A3"}}, "20240110", "125.50"));
        QCOMPARE(later.at(0).fingerprint, earlier.at(1).fingerprint);
        QVERIFY(later.at(1).fingerprint != earlier.at(0).fingerprint);
        const QList<BankLine> twice = lines(ofx(2, {ofxJanuary().at(1), ofxJanuary().at(1)}));
        QVERIFY(twice.at(0).fingerprint != twice.at(1).fingerprint);
    }

    // Both forms of an MT940 file read as its two statements, the second overdrawn: the lines
    // in date order, an entry date in the year before its value date, a :86: on two lines and a
    // structured one, a reversal of a debit.
    void mt940Reads_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::newRow("blocks, CR LF") << mt940() << u"37040044-0532013000"_s;
        QTest::newRow("bare, bank's lines, trailing blanks")
            << mt940(true) << u"37040044-0532013000"_s;
        QTest::newRow("IBAN and currency")
            << mt940().replace("37040044/0532013000", "DE89370400440532013000EUR")
            << u"DE89370400440532013000"_s;
    }
    void mt940Reads() {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        const StatementFile read = StatementReader::read(file);
        QCOMPARE(problem(read), QString());
        QCOMPARE(read.statements.size(), 2);
        const BankStatement& first = read.statements.at(0);
        QCOMPARE(first.format, BankStatement::Format::Mt940);
        QCOMPARE(said(first), key + u" EUR 2023-12-29 2024-01-31 100 131.75"_s);
        QCOMPARE(said(read.statements.at(1)), key + u" EUR 2024-01-31 2024-02-01 131.75 -68.25"_s);
        QCOMPARE(first.lines.size(), 3);
        const BankLine& debit = first.lines.at(0);
        QCOMPARE(said(debit), u"2023-12-29 2024-01-02 -25.5 PAGO RECIBO LUZ ENERO CONTRATO 7"_s);
        QCOMPARE(debit.reference1 + u' ' + debit.servicerReference, u"KREF4711 BANKREF1"_s);
        QCOMPARE(said(first.lines.at(1)),
                 u"2024-01-05 2024-01-05 50 ACME GMBH EREF+RE-4711 SVWZ+RECHNUNG 4711 VOM "
                 u"12.01.2024"_s);
        QCOMPARE(said(first.lines.at(2)), u"2024-01-10 2024-01-10 7.25"_s);
        QVERIFY(first.lines.at(2).reversal);
    }

    // A fingerprint is stored for every line applied: one byte changed in how it is made
    // would apply every line of a ledger's statements again.
    void fingerprintsAreWhatTheyWere_data() {
        QTest::addColumn<BankStatement>("statement");
        QTest::addColumn<QString>("last");
        BankLine line;
        line.operationDate = QDate(2024, 1, 10);
        line.valueDate = QDate(2024, 1, 11);
        line.side = BankLine::Side::Debit;
        line.amount = Money::fromUnits(255000);
        line.documentNumber = u"0000000077"_s;
        line.reference1 = u"FAC-129"_s;
        BankStatement norma43{};
        norma43.bank = u"2100"_s;
        norma43.branch = u"0418"_s;
        norma43.account = u"0200051332"_s;
        norma43.lines = {line};
        QTest::newRow("a Norma 43 debit")
            << norma43 << u"f0e6d8af9df9bab359d6bca8fb2faaf6444a7af5b86f7de26e4b7fafbdf670cc"_s;
        norma43.lines = {line, line};
        QTest::newRow("the second of two alike")
            << norma43 << u"4a0535e6821c9e7347ceff3947154e831b8acd68427e57981382704259992569"_s;
        BankStatement camt{};
        camt.iban = u"ES9121000418450200051332"_s;
        line.side = BankLine::Side::Credit;
        line.servicerReference = u"Ref-ñ€"_s;
        line.endToEndId = u"E2E/7"_s;
        camt.lines = {line};
        QTest::newRow("a camt credit, multibyte")
            << camt << u"b94ad1e2d698550d0a655135a91277f3126a6c683fd188c883e6dc0845e4617c"_s;
    }
    void fingerprintsAreWhatTheyWere() {
        QFETCH(BankStatement, statement);
        statement.fingerprintLines();
        QTEST(statement.lines.back().fingerprint, "last");
    }

    // Two statements of one account overlap on the 10th, when two identical debits were made:
    // read from either, each keeps its fingerprint, and they stay two.
    void fingerprintsSurviveAnOverlap() {
        const QList<Movement> twins{{"240110", '1', 2550, "77"}, {"240110", '1', 2550, "77"}};
        const StatementFile first = StatementReader::read(norma43(
            account("240101", "240110", 10000, QList<Movement>{{"240105", '2', 5000}} + twins)));
        const StatementFile second = StatementReader::read(norma43(
            account("240110", "240120", 9900, twins + QList<Movement>{{"240115", '2', 100}})));
        const QList<BankLine>& earlier = first.statements.at(0).lines;
        const QList<BankLine>& later = second.statements.at(0).lines;
        QCOMPARE(later.at(0).fingerprint, earlier.at(1).fingerprint);
        QCOMPARE(later.at(1).fingerprint, earlier.at(2).fingerprint);
        QVERIFY(earlier.at(1).fingerprint != earlier.at(2).fingerprint);
        QVERIFY(earlier.at(0).fingerprint != later.at(2).fingerprint);
    }
};

LEDGORA_TEST_GUILESS_MAIN(TstStatements)
#include "tst_statements.moc"
