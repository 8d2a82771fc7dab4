#include "ScreenTests.h"
#include "StatementFiles.h"
#include "domain/LedgerStatements.h"
#include "fuzz/GatewayChecks.h"
#include "fuzz/StatementChecks.h"
#include "screens/ScreenStatements.h"
#include "statements/CsvStatementReader.h"

#include <QRandomGenerator>
#include <QSet>
#include <QtTest>
#include <limits>

using namespace ledgora;
using namespace ledgora::fuzz;
using namespace ledgora::test;

namespace {

constexpr quint32 kSeed = 1010;

// Pieces a person or a damaged file might put anywhere, written apart by '|'; a NUL and a lone
// surrogate stand in as "<0>" and "<D800>".
const QStringList kPieces = [] {
    QStringList pieces =
        QString::fromUtf8("'|''|\"|\\|--|;|%|_|<0>|\t|\n|\r| |,|.|/|-|e|E+|0|9|12|9e9|nan|NaN|"
                          "-inf|inf|1,000|05/03/2024|31/02/24|2024-03-05|99999999999999999999|ñ|"
                          "😀|<D800>| and MOVSTCPT like '%zz%|' or '1'='1|x|{text}|(|)")
            .split(u'|');
    pieces[pieces.indexOf(u"<0>"_s)] = QString(QChar(0));
    pieces[pieces.indexOf(u"<D800>"_s)] = QString(QChar(0xD800));
    return pieces;
}();

// Plain values for the form's placeholders, by kind.
std::vector<QString> sampleValues(const StatementForm& form) {
    std::vector<QString> values;
    for (ValueKind kind : form.parameters())
        values.push_back(kind == ValueKind::Text       ? u"001"_s
                         : kind == ValueKind::Contains ? u"zz"_s
                         : kind == ValueKind::Date     ? u"05/03/2024"_s
                         : kind == ValueKind::Amount   ? u"150.5"_s
                                                       : u"15"_s);
    return values;
}

QString randomText(QRandomGenerator& random, int pieces) {
    QString text;
    for (int k = 0; k < pieces; ++k)
        text += kPieces[random.bounded(int(kPieces.size()))];
    return text;
}

// A statement of the form with its values changed, then its text changed a little.
QString mutated(const StatementForm& form, QRandomGenerator& random) {
    std::vector<QString> values = sampleValues(form);
    if (!values.empty()) {
        const int steps = random.bounded(3);
        for (int s = 0; s < steps; ++s) {
            auto& value = values[random.bounded(int(values.size()))];
            if (random.bounded(2) == 0)
                value = randomText(random, random.bounded(1, 4));
            else
                std::swap(value, values[random.bounded(int(values.size()))]);
        }
    }
    QString text = render(form, values);
    const int edits = random.bounded(4);
    for (int e = 0; e < edits && !text.isEmpty(); ++e) {
        const int at = random.bounded(int(text.size()));
        switch (random.bounded(4)) {
        case 0:
            text.insert(at, kPieces[random.bounded(int(kPieces.size()))]);
            break;
        case 1:
            text.remove(at, random.bounded(1, 4));
            break;
        case 2:
            text[at] = QChar(char16_t(random.bounded(0x80)));
            break;
        default:
            text.insert(at, text.mid(random.bounded(int(text.size())), random.bounded(1, 12)));
            break;
        }
    }
    return text;
}

// What a damaged statement file might have anywhere: its formats' marks, separators, signs,
// amounts too large to sum, a day that is none, line ends, and bytes that are not text.
const QByteArrayList kStatementPieces =
    QByteArray("<|>|</|<STMTTRN>|</STMTTRN>|<TRNAMT>-|<FITID>A1|&amp;|&#0;|:61:|:86:|:62F:|?20|"
               "//|{4:|-}|-|,|.|D|C|RC|900000000000000,|9000000000000000|20240230|240230|0|\r\n|"
               "\n|\x1A|\xC3|\xEF\xBB\xBF")
        .split('|');

// The seed with a few of its bytes changed, pieces put in, runs taken out or copied elsewhere
// (a line read twice).
QByteArray mutated(QByteArray bytes, QRandomGenerator& random) {
    for (int e = random.bounded(1, 4); e > 0 && !bytes.isEmpty(); --e) {
        const int at = random.bounded(int(bytes.size()));
        switch (random.bounded(4)) {
        case 0:
            bytes.insert(at, kStatementPieces[random.bounded(int(kStatementPieces.size()))]);
            break;
        case 1:
            bytes.remove(at, random.bounded(1, 8));
            break;
        case 2:
            bytes[at] = char(random.bounded(2) ? '0' + random.bounded(10) : random.bounded(0x80));
            break;
        default:
            bytes.insert(at, bytes.mid(random.bounded(int(bytes.size())), random.bounded(1, 120)));
            break;
        }
    }
    return bytes;
}

} // namespace

// The statement gateway and the runtime conversions fed random and mutated input from a fixed
// seed: statements are refused or bound as exactly their one form; conversions never crash,
// never wrap and never turn an amount too large into another one.
class TstFuzz : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        registerLedgerStatements();
        registerScreenStatements();
        QVERIFY(StatementCatalog::all().size() > 10);
    }

    void everyFormBindsItselfAndItsMutationsBindOnceOrAreRefused() {
        QRandomGenerator random(kSeed);
        int cases = 0, bound = 0, ambiguous = 0;
        QSet<QString> ambiguousForms;
        for (const StatementForm* form : StatementCatalog::all()) {
            const QString instance = render(*form, sampleValues(*form));
            QCOMPARE(StatementCatalog::bind(instance).form, form);
            for (int k = 0; k < 400; ++k, ++cases) {
                const QString statement = mutated(*form, random);
                QStringList shapes;
                const QString broken = checkStatement(statement, &shapes);
                if (!shapes.isEmpty()) {
                    ++ambiguous;
                    ambiguousForms.insert(shapes.join(u'+'));
                }
                QVERIFY2(broken.isEmpty(), qPrintable(form->name() + u": "_s + broken + u"\n"_s +
                                                      statement.toHtmlEscaped()));
                try {
                    StatementCatalog::bind(statement);
                    ++bound;
                } catch (const RuntimeError&) {
                }
            }
        }
        for (int k = 0; k < 3000; ++k, ++cases)
            QVERIFY(checkStatement(randomText(random, random.bounded(1, 20))).isEmpty());
        // Bound by shape alone these could be read as another form than the routine meant.
        qInfo("statements with the shape of two forms: %d (%s)", ambiguous,
              qPrintable(QStringList(ambiguousForms.values()).join(u' ')));
    }

    void conversionsOfRandomTexts_data() { inEitherLocale(); }
    void conversionsOfRandomTexts() {
        QFETCH(QLocale, locale);
        LocaleScope scope(locale);
        QRandomGenerator random(kSeed);
        int cases = 0;
        for (; cases < 20000; ++cases) {
            QString text = randomText(random, random.bounded(1, 6));
            if (random.bounded(3) == 0) // digits-heavy texts reach the edges of an amount
                text = QString::number(random.generate64()) + text +
                       QString::number(random.bounded(100000));
            const QString broken = checkConversions(text);
            QVERIFY2(broken.isEmpty(), qPrintable(broken + u": "_s + text.toHtmlEscaped()));
        }
    }

    // Every statement reader, fed a file of each format mutated from a fixed seed, refuses it
    // or reads it into lines with an amount, dates and a fingerprint, and balances that agree.
    void statementReadersKeepTheirProperty_data() {
        QTest::addColumn<QByteArray>("seed");
        QTest::newRow("Norma 43") << norma43(january());
        QTest::newRow("camt.053") << camt("08");
        QTest::newRow("OFX 1") << ofx(1, ofxJanuary());
        QTest::newRow("OFX 2") << ofx(2, ofxJanuary());
        QTest::newRow("MT940") << mt940();
        QTest::newRow("CSV") << QByteArray("Fecha;Concepto;Importe;Saldo\n01/11/2026;Cobro \"A\";"
                                           "10,00;110,00\n02/11/2026;Tasa;-1,50;108,50\n");
    }
    void statementReadersKeepTheirProperty() {
        QFETCH(QByteArray, seed);
        // A spreadsheet export is told by its name, not its content: it is read by its layout.
        const bool csv = QByteArray(QTest::currentDataTag()) == "CSV";
        auto read = [csv](const QByteArray& bytes) {
            return csv ? CsvStatementReader::read(bytes, CsvLayout::guess(bytes), u"001"_s)
                       : StatementReader::read(bytes);
        };
        QVERIFY(!read(seed).isRefused());
        QRandomGenerator random(kSeed);
        int readable = 0;
        for (int k = 0; k < 400; ++k) {
            const QByteArray bytes = mutated(seed, random);
            const QString broken = checkStatementReaders(bytes);
            QVERIFY2(broken.isEmpty(), qPrintable(broken + u"\n"_s + QString::fromLatin1(bytes)));
            readable += !read(bytes).isRefused();
        }
        // Enough mutations are read for the property to be checked on statements too.
        qInfo("%d of 400 mutations read", readable);
        QVERIFY(readable > 10);
    }

    void amountsBeyondWhatMoneyHoldsAreRefused() {
        for (const char* text : {"99999999999999999999", "9223372036854775807", "1e20",
                                 "-92233720368547.76", "1E+300"}) {
            QCOMPARE(Money::parse(QString::fromLatin1(text), u'.'), std::nullopt);
            QCOMPARE(rt::readAmount(QString::fromLatin1(text)), std::nullopt);
        }
        QVERIFY_THROWS_EXCEPTION(RuntimeError, Money::fromDouble(1e300));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, Money::fromDouble(std::nan("")));
        // Movements of 90,000,000,000,000 summed past what a total holds do not wrap it round
        // to a negative.
        Money total;
        const Money large = *rt::readAmount(u"90000000000000"_s);
        try {
            for (int k = 0; k < 11; ++k)
                total += large;
            QFAIL("the sum wrapped");
        } catch (const RuntimeError& error) {
            QCOMPARE(error.number(), 6L);
        }
        QRandomGenerator random(kSeed);
        constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
        constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
        const std::int64_t edges[] = {0, 1, -1, kMax, kMin, kMax - 1, kMin + 1, kMax / 2, kMin / 2};
        int cases = 0;
        for (std::int64_t a : edges)
            for (std::int64_t b : edges) {
                ++cases;
                QVERIFY(checkArithmetic(a, b).isEmpty());
            }
        for (; cases < 200000; ++cases) {
            const auto a = std::int64_t(random.generate64()) >> random.bounded(64);
            const auto b = std::int64_t(random.generate64()) >> random.bounded(64);
            const QString broken = checkArithmetic(a, b);
            QVERIFY2(broken.isEmpty(), qPrintable(broken));
        }
        qInfo("amount arithmetic: %d pairs", cases);
    }
};

LEDGORA_TEST_MAIN(TstFuzz)
#include "tst_fuzz.moc"
