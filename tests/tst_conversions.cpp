#include "ScreenTests.h"
#include "core/Conversions.h"
#include "core/RuntimeError.h"

#include <QtTest>

using namespace ledgora;
using namespace Qt::StringLiterals;
using ledgora::test::LocaleScope;

// The runtime's conversions, checked in a locale that writes decimals with a point and in
// one that writes them with a comma.
class TstConversions : public QObject {
    Q_OBJECT
private:
    static void addLocales() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("sep");
        QTest::newRow("point") << test::pointLocale() << u"."_s;
        QTest::newRow("comma") << test::commaLocale() << u","_s;
    }
    static QString withSep(QString text, const QString& sep) { return text.replace(u'.', sep); }

private Q_SLOTS:
    void amountsShowTwoIntegerDigitsAndTwoDecimals_data() { addLocales(); }
    void amountsShowTwoIntegerDigitsAndTwoDecimals() {
        QFETCH(QLocale, locale);
        QFETCH(QString, sep);
        LocaleScope scope(locale);
        QCOMPARE(rt::formatAmount(Money::fromUnits(55000)), withSep("05.50", sep));
        QCOMPARE(rt::formatAmount(1234.0), withSep("1234.00", sep));
        QCOMPARE(rt::formatAmount(-3.2), withSep("-03.20", sep));
        QCOMPARE(rt::formatAmount(Money()), withSep("00.00", sep));
        // Halves go away from zero; what rounds to nothing shows no sign.
        QCOMPARE(rt::formatAmount(Money::fromUnits(50)), withSep("00.01", sep));
        QCOMPARE(rt::formatAmount(Money::fromUnits(-50)), withSep("-00.01", sep));
        QCOMPARE(rt::formatAmount(Money::fromUnits(-40)), withSep("00.00", sep));
    }

    void generalNumberTextDropsTrailingZeros_data() { addLocales(); }
    void generalNumberTextDropsTrailingZeros() {
        QFETCH(QLocale, locale);
        QFETCH(QString, sep);
        LocaleScope scope(locale);
        QCOMPARE(rt::generalNumberText(150.5), withSep("150.5", sep));
        QCOMPARE(rt::generalNumberText(100.0), u"100"_s);
        QCOMPARE(rt::generalNumberText(-0.25), withSep("-0.25", sep));
        QCOMPARE(rt::generalNumberText(1.0 / 3), withSep("0.333333333333333", sep));
        QCOMPARE(rt::generalNumberText(1e15), u"1E+15"_s);
        QCOMPARE(rt::generalNumberText(0.00001), u"1E-05"_s);
        QCOMPARE(rt::generalNumberText(0.0001), withSep("0.0001", sep));
        QCOMPARE(rt::generalNumberText(Money::fromUnits(1505000)), withSep("150.5", sep));
        QCOMPARE(rt::generalNumberText(Money::fromUnits(-10000)), u"-1"_s);
    }

    void numbersAreReadByTheLocale_data() { addLocales(); }
    void numbersAreReadByTheLocale() {
        QFETCH(QLocale, locale);
        QFETCH(QString, sep);
        LocaleScope scope(locale);
        QCOMPARE(rt::readNumber(withSep("  12.5 ", sep)).value_or(-1), 12.5);
        QVERIFY(!rt::readsAsNumber(u"A1"));
        QVERIFY(!rt::readsAsNumber(u""));
        QVERIFY(!rt::readsAsNumber(u"   "));
        QVERIFY(!rt::readsAsNumber(u"12abc"));
        QCOMPARE(rt::readAmount(withSep("-150.05", sep)), Money::fromUnits(-1500500));
        // The other locale's way of writing the same number is not this locale's number.
        const QString foreign = sep == u"." ? u"150,5"_s : u"150.5"_s;
        QVERIFY(rt::readAmount(foreign) != Money::fromUnits(1505000));
    }

    void amountsReadExactly() {
        LocaleScope scope(test::commaLocale());
        QCOMPARE(rt::readAmount(u"12.345,56"), Money::fromUnits(123455600));
        QCOMPARE(rt::readAmount(u"0,1"), Money::fromUnits(1000));
        Money sum;
        for (int k = 0; k < 10; ++k)
            sum += *rt::readAmount(u"0,1");
        QCOMPARE(sum, Money::fromUnits(10000));
        QCOMPARE(Money::parse(u"1E-05", u'.'), Money());
        QCOMPARE(Money::parse(u"1.5E+2", u'.'), Money::fromUnits(1500000));
        QCOMPARE(Money::parse(u"0.00005", u'.'), Money::fromUnits(1));
        QVERIFY(!Money::parse(u"99999999999999999999", u'.'));
        QCOMPARE(Money::fromUnits(1505000).roundedToCents(), Money::fromUnits(1505000));
        QCOMPARE(Money::fromUnits(12345).roundedToCents(), Money::fromUnits(12300));
        QCOMPARE(Money::fromUnits(-12350).roundedToCents(), Money::fromUnits(-12400));
    }

    void datesReadDayBeforeMonth() {
        QCOMPARE(rt::readDate(u"15/02/2024"), QDate(2024, 2, 15));
        QCOMPARE(rt::readDate(u" 1-2-24 "), QDate(2024, 2, 1));
        QCOMPARE(rt::readDate(u"1.2.95"), QDate(1995, 2, 1));
        QCOMPARE(rt::readDate(u"2024-02-15"), QDate(2024, 2, 15));
        QVERIFY(!rt::readsAsDate(u"31/02/2024"));
        QVERIFY(!rt::readsAsDate(u"15/02"));
        QVERIFY(!rt::readsAsDate(u"hoy"));
        QCOMPARE(rt::formatDateSlashed(QDate(2026, 12, 1)), u"01/12/2026"_s);
        QCOMPARE(rt::formatDateDashed(QDate(2026, 12, 1)), u"01-12-2026"_s);
    }

    void leadingNumberAndIntegerConversion() {
        QCOMPARE(rt::leadingNumber(u"12abc"), 12.0);
        QCOMPARE(rt::leadingNumber(u" 1 2 3"), 123.0);
        QCOMPARE(rt::leadingNumber(u"1.5e2x"), 150.0);
        QCOMPARE(rt::leadingNumber(u"abc"), 0.0);
        QCOMPARE(rt::leadingNumber(u""), 0.0);
        QCOMPARE(rt::toInt32(2.5), 2);
        QCOMPARE(rt::toInt32(3.5), 4);
        QCOMPARE(rt::toInt32(-2.5), -2);
        QCOMPARE(rt::toInt32(7.49), 7);
        QCOMPARE(test::errorNumberOf([] { rt::toInt32(3e9); }), 6L);
    }

    void valuesConvertToText_data() { addLocales(); }
    void valuesConvertToText() {
        QFETCH(QLocale, locale);
        QFETCH(QString, sep);
        LocaleScope scope(locale);
        QCOMPARE(rt::toText(Variant()), QString());
        QCOMPARE(rt::trimBlanks(u"\t two words "), u"\t two words"_s);
        QCOMPARE(rt::toText(Variant(std::int64_t(42))), u"42"_s);
        QCOMPARE(rt::toText(Variant(2.5)), withSep("2.5", sep));
        QCOMPARE(rt::toText(Variant(QDate(2024, 3, 9))), u"09/03/2024"_s);
        QCOMPARE(rt::toAmount(Variant(withSep("7.25", sep))), Money::fromUnits(72500));
        QVERIFY(!rt::toAmount(Variant(u"siete"_s)));
        QVERIFY(!rt::toNumber(Variant()));
    }
};

LEDGORA_TEST_GUILESS_MAIN(TstConversions)
#include "tst_conversions.moc"
