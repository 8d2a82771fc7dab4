#pragma once

#include "Money.h"
#include "Variant.h"

#include <QDate>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// The conversions of the desktop runtime the module was written against, with its rules:
// every one of them follows the user's locale (QLocale's default) for the decimal separator.
namespace ledgora::rt {

// The decimal separator of the user's locale, as one character.
QChar decimalSeparator();

// "00.00": at least two integer digits, exactly two decimals; 5.5 gives 05.50.
QString formatAmount(Money amount);
QString formatAmount(double amount);
// "000": at least three digits; 7 gives 007, 1234 gives 1234.
QString formatThreeDigits(std::int64_t number);
// "dd/mm/yyyy" and "dd-mm-yyyy".
QString formatDateSlashed(QDate date);
QString formatDateDashed(QDate date);
// The short date text a stored date takes when spliced into a statement or kept in the
// settings: day/month/year with four-digit years.
QString dateText(QDate date);

// The general text of a number: at most 15 significant digits, no trailing zeros, no
// thousands separator, exponent form (1E+15, 1E-05) only for very large or small magnitudes.
QString generalNumberText(double number);
// The same text for an exact amount (no exponent is ever needed at four decimals).
QString generalNumberText(Money amount);

// "Reads as a number" under the locale: blanks around, sign, thousands groups, decimals, exponent.
std::optional<double> readNumber(QStringView text);
bool readsAsNumber(QStringView text);
// An amount read exactly from the same texts.
std::optional<Money> readAmount(QStringView text);
// "Reads as a date", day before month: d/m/yyyy, d-m-yyyy, d.m.yyyy (two-digit years 00-29
// are 2000s, 30-99 1900s) and the ISO form yyyy-mm-dd.
std::optional<QDate> readDate(QStringView text);
bool readsAsDate(QStringView text);

// The value of the number a text begins with, blanks skipped anywhere, '.' as the point
// whatever the locale; 0 when there is none.
double leadingNumber(QStringView text);
// To a 32-bit integer: nearest whole number, halves to even; overflow raises error 6.
std::int32_t toInt32(double number);
// Blanks (code 32 only) removed at both ends.
QString trimBlanks(QStringView text);

// The standard conversion of a value to text: numbers in general form, dates as date text,
// null as empty text.
QString toText(const Variant& value);
// A count, a key or a row number as the database gives it back: a whole number as it is, a
// number-like text by the number it begins with, anything else 0.
std::int64_t wholeNumber(const Variant& value);
// A value as a number when it reads as one (numbers, numeric text), otherwise nothing.
std::optional<double> toNumber(const Variant& value);
std::optional<Money> toAmount(const Variant& value);

} // namespace ledgora::rt
