#include "LedgerTests.h"
#include "StatementFiles.h"
#include "data/StatementCatalog.h"
#include "reconcile/CsvLayouts.h"
#include "statements/CsvStatementReader.h"

#include <QProcess>
#include <QStringDecoder>
#include <QtTest>

using namespace ledgora;
using namespace ledgora::test;

namespace {

constexpr FormName kMovements{"test.csv.movements"};

QByteArray windows1252(const QString& text) {
    QStringEncoder encoder("windows-1252");
    return encoder.encode(text);
}

// A Spanish bank's export: its titles, the column names, the newest movement first with the
// balance after it, thousands with points, and a closing row without a date.
QByteArray spanishBank() {
    return windows1252(u"Movimientos de la cuenta ES12 2100 0001;;;;\r\n"
                       "Periodo: 01/11/2026 - 30/11/2026;;;;\r\n"
                       "Fecha;Fecha valor;Concepto;Importe;Saldo\r\n"
                       "28/11/2026;29/11/2026;Nómina noviembre;1.500,00;2.740,50\r\n"
                       "15/11/2026;15/11/2026;\"Recibo luz; octubre\";-59,50;1.240,50\r\n"
                       "15/11/2026;15/11/2026;\"Recibo luz; octubre\";-59,50;1.300,00\r\n"
                       "Saldo final;;;;2.740,50\r\n"_s);
}

// A card issuer's export: UTF-8 with its mark, commas between quoted fields, ISO dates, a
// point for decimals and the amounts in separate debit and credit columns.
QByteArray cardIssuer() {
    return "\xEF\xBB\xBF\"Date\",\"Description\",\"Reference\",\"Debit\",\"Credit\"\n"
           "\"2026-11-02\",\"SUPERMERCADO, S.A.\",\"R1\",\"45.20\",\"\"\n"
           "\"2026-11-05\",\"Devolución\",\"R2\",\"\",\"1,045.20\"\n";
}

} // namespace

// Banks' spreadsheet exports: their layout guessed, their rows read into a statement and
// refused whole with the line when they do not hold together, and overlapping exports applied
// through the program adding nothing twice; every other format through the program too.
class TstCsv : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        LEDGORA_SKIP_WITHOUT_SERVER();
        StatementCatalog::add(kMovements,
                              u"select MOVDTALT,MOVSTCPT,MOVDLACR,MOVDLDEB from BANMOV where "
                              "CNTSTNRO = '{text}' order by MOVDTALT,MOVINNRO"_s);
    }

    void layoutsAreGuessedAndRowsRead_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("balances");
        QTest::newRow("Spanish bank")
            << spanishBank()
            << u"; , dd/MM/yyyy skip 3 W1252 date 0 value 1 text 2 amount 3 balance 4"_s
            << QStringList{"2026-11-15 -59.5 Recibo luz; octubre",
                           "2026-11-15 -59.5 Recibo luz; octubre",
                           "2026-11-28 1500 Nómina noviembre"}
            << u"1359.5 2740.5"_s;
        QTest::newRow("card issuer")
            << cardIssuer() << u", . yyyy-MM-dd skip 1 UTF8 date 0 text 1 debit 3 credit 4"_s
            << QStringList{"2026-11-02 -45.2 SUPERMERCADO, S.A.", "2026-11-05 1045.2 Devolución"}
            << QString();
        // A payment service: tabs, no column names, the currency beside the amount.
        QTest::newRow("payment service")
            << QByteArray("03.11.2026\tPago tienda online\tEUR -12,50\n"
                          "04.11.2026\tReembolso parcial\t3,00 \xE2\x82\xAC\n")
            << u"\t , dd.MM.yyyy skip 0 UTF8 date 0 text 1 amount 2"_s
            << QStringList{"2026-11-03 -12.5 Pago tienda online", "2026-11-04 3 Reembolso parcial"}
            << QString();
    }
    void layoutsAreGuessedAndRowsRead() {
        QFETCH(QByteArray, file);
        QFETCH(QString, layout);
        QFETCH(QStringList, lines);
        QFETCH(QString, balances);
        const CsvLayout guessed = CsvLayout::guess(file);
        auto column = [](const char* name, int c) {
            return c == CsvLayout::kNone ? QString()
                                         : u' ' + QLatin1String(name) + u' ' + QString::number(c);
        };
        const QString said =
            QChar::fromLatin1(guessed.separator) + u' ' + guessed.decimal + u' ' +
            guessed.dateFormat + u" skip "_s + QString::number(guessed.skipRows) +
            (guessed.encoding == CsvLayout::Encoding::Utf8 ? u" UTF8"_s : u" W1252"_s) +
            column("date", guessed.operationDate) + column("value", guessed.valueDate) +
            column("text", guessed.description) + column("amount", guessed.amount) +
            column("debit", guessed.debit) + column("credit", guessed.credit) +
            column("balance", guessed.balance);
        QCOMPARE(said, layout);
        QCOMPARE(CsvLayout::fromText(guessed.toText()), std::optional(guessed));

        const StatementFile read = CsvStatementReader::read(file, guessed, u"001"_s);
        QVERIFY2(!read.isRefused(), read.isRefused() ? qPrintable(read.refusal->message) : "");
        const BankStatement& statement = read.statements.at(0);
        QStringList got;
        for (const BankLine& line : statement.lines)
            got << line.operationDate.toString(Qt::ISODate) + u' ' +
                       line.signedAmount().toPlainText(u'.') + u' ' + line.text;
        QCOMPARE(got, lines);
        QCOMPARE(statement.openingBalance && statement.closingBalance
                     ? statement.openingBalance->toPlainText(u'.') + u' ' +
                           statement.closingBalance->toPlainText(u'.')
                     : QString(),
                 balances);
        QVERIFY(statement.lines[0].fingerprint != statement.lines[1].fingerprint);
    }

    void aFileThatDoesNotHoldTogetherIsRefusedWhole_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        const QByteArray head = "Fecha;Concepto;Importe;Saldo\n";
        QTest::newRow("balance")
            << head + "01/11/2026;A;10,00;110,00\n02/11/2026;B;5,00;116,00\n"
            << u"Línea 3: el saldo 116 no es el anterior, 110, más el importe, 5."_s;
        QTest::newRow("amount") << head + "01/11/2026;A;9e9;110,00\n"
                                << u"Línea 2: «9e9» no es un importe (columna 3)."_s;
        QTest::newRow("undated between")
            << head + "01/11/2026;A;10,00;110,00\n;;;\nx;B;1,00;111,00\n02/11/2026;C;1,00;112,00\n"
            << u"Línea 4: la fila no tiene una fecha dd/MM/yyyy en la columna 1."_s;
        QTest::newRow("no movement")
            << head
            << u"Línea 1: no hay ningún movimiento con fecha después de las 1 filas de títulos."_s;
    }
    void aFileThatDoesNotHoldTogetherIsRefusedWhole() {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        CsvLayout layout;
        layout.description = 1;
        layout.amount = 2;
        layout.balance = 3;
        const StatementFile read = CsvStatementReader::read(file, layout, u"001"_s);
        QVERIFY(read.isRefused());
        QCOMPARE(read.refusal->message, message);
    }

    void everyFormatIsAppliedOnceThroughTheProgram_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("name");
        QTest::newRow("OFX 1") << ofx(1, ofxJanuary()) << u"enero.ofx"_s;
        QTest::newRow("OFX 2") << ofx(2, ofxJanuary()) << u"enero.qfx"_s;
        QTest::newRow("MT940") << mt940(true) << u"enero.sta"_s;
    }
    void everyFormatIsAppliedOnceThroughTheProgram() {
        QFETCH(QByteArray, file);
        QFETCH(QString, name);
        LedgerFixture data;
        data.addBankAccount();
        data.addConcept(u"2"_s, u"Pagos"_s, u"D"_s);
        const QString path = data.db().folder() + u'/' + name;
        writeFile(path, file);
        QStringList said;
        QList<int> movements;
        for (int run = 0; run < 2; ++run) {
            QProcess program;
            program.start(QStringLiteral(LEDGORA_HOST_PATH),
                          {u"--statement"_s, path, data.path(), u"001"_s});
            program.waitForFinished(60000);
            said << QString::fromUtf8(program.readAllStandardOutput()).trimmed();
            QVERIFY2(program.exitCode() == 0, qPrintable(program.readAllStandardError()));
            Recordset rs;
            gManejo->CrearRs(rs, kMovements, {u"001"_s});
            movements << int(rs.RecordCount());
        }
        QVERIFY2(movements[0] > 0 && movements[1] == movements[0], qPrintable(said.join(u'\n')));
        QVERIFY2(said[1].contains(u": 0 casados, 0 nuevos, "_s), qPrintable(said[1]));
    }

    // Two exports of the same account that overlap, the second with a movement identical to
    // one of the first's: each movement is entered once, and the second applied again adds
    // nothing. Without a remembered layout the program refuses and writes nothing.
    void overlappingExportsAddNothingTwice() {
        LedgerFixture data;
        data.addBankAccount();
        data.addConcept(u"2"_s, u"Pagos"_s, u"D"_s);
        const QString head = u"Fecha;Concepto;Importe\n"_s;
        const QString first = head + u"02/11/2026;Cobro A;100,00\n03/11/2026;Tasa;-1,00\n"
                                     "03/11/2026;Tasa;-1,00\n"_s;
        const QString second = head + u"03/11/2026;Tasa;-1,00\n03/11/2026;Tasa;-1,00\n"
                                      "04/11/2026;Cobro B;50,00\n"_s;
        auto apply = [&](const QString& text) {
            const QString path = data.db().folder() + u"/export.csv"_s;
            writeFile(path, text.toUtf8());
            QProcess program;
            program.setProcessChannelMode(QProcess::MergedChannels);
            program.start(QStringLiteral(LEDGORA_HOST_PATH),
                          {u"--statement"_s, path, data.path(), u"001"_s});
            program.waitForFinished(60000);
            return std::pair{program.exitCode(), QString::fromUtf8(program.readAll())};
        };
        const auto refused = apply(first);
        QCOMPARE(refused.first, 1);
        QVERIFY2(refused.second.contains(u"no tiene un formato definido para la cuenta 001"_s),
                 qPrintable(refused.second));
        CsvLayouts::remember(*gManejo, u"001"_s, CsvLayout::guess(first.toUtf8()), first.toUtf8());
        for (const QString& file : {first, second, second}) {
            const auto done = apply(file);
            QVERIFY2(done.first == 0, qPrintable(done.second));
        }
        Recordset rs;
        QStringList stored;
        for (gManejo->CrearRs(rs, kMovements, {u"001"_s}); !rs.Eof(); rs.MoveNext())
            stored << rt::toText(rs.Fields(1)).trimmed() + u' ' +
                          (rs.valueOf<Money>(u"MOVDLACR"_s) - rs.valueOf<Money>(u"MOVDLDEB"_s))
                              .toPlainText(u'.');
        QCOMPARE(stored, QStringList({"Cobro A 100", "Tasa -1", "Tasa -1", "Cobro B 50"}));
    }
};

QTEST_MAIN(TstCsv)
#include "tst_csv.moc"
