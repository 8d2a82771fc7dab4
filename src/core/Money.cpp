#include "Money.h"

#include "RuntimeError.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ledgora {

namespace {

constexpr std::int64_t kMaxUnits = std::numeric_limits<std::int64_t>::max() / 10;

// Divides rounding halves away from zero.
std::int64_t divideRounded(std::int64_t value, std::int64_t divisor) {
    const std::int64_t q = value / divisor;
    const std::int64_t r = value % divisor;
    if (2 * (r < 0 ? -r : r) >= divisor)
        return q + (value < 0 ? -1 : 1);
    return q;
}

} // namespace

Money Money::fromDouble(double value) {
    const double scaled = std::round(value * kScale);
    if (!std::isfinite(scaled) || std::fabs(scaled) >= static_cast<double>(kMaxUnits))
        throw RuntimeError::overflow();
    return Money(static_cast<std::int64_t>(scaled));
}

std::optional<Money> Money::parse(QStringView text, QChar decimalSeparator, bool* rounded) {
    if (rounded)
        *rounded = false;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && text[i].isSpace())
            ++i;
    };
    skipBlanks();
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';

    // Gather the significant digits and where the decimal point falls among them.
    QString digits;
    int pointPosition = -1;
    bool anyDigit = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            digits.append(c);
            anyDigit = true;
        } else if (c == decimalSeparator && pointPosition < 0) {
            pointPosition = int(digits.size());
        } else {
            break;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (pointPosition < 0)
        pointPosition = int(digits.size());

    int exponent = 0;
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        bool negExp = false;
        if (i < n && (text[i] == u'-' || text[i] == u'+'))
            negExp = text[i++] == u'-';
        qsizetype start = i;
        // However long the exponent, it is read whole; beyond 99999 it only says "huge".
        while (i < n && text[i].isDigit() && text[i].unicode() < 128)
            exponent = std::min(exponent * 10 + text[i++].digitValue(), 99999);
        if (i == start)
            return std::nullopt;
        if (negExp)
            exponent = -exponent;
    }
    skipBlanks();
    if (i != n)
        return std::nullopt;
    // Zero stays zero whatever its exponent.
    if (std::all_of(digits.begin(), digits.end(), [](QChar d) { return d == u'0'; }))
        return Money();

    // Units are the digits scaled by four decimal places; anything beyond is rounded.
    const int unitsPoint = pointPosition + exponent + 4;
    std::int64_t units = 0;
    for (int k = 0; k < unitsPoint; ++k) {
        const int d = k < digits.size() ? digits[k].digitValue() : 0;
        if (units > (kMaxUnits - d) / 10)
            return std::nullopt;
        units = units * 10 + d;
    }
    if (rounded)
        *rounded = std::any_of(digits.begin() + std::clamp<qsizetype>(unitsPoint, 0, digits.size()),
                               digits.end(), [](QChar d) { return d != u'0'; });
    if (unitsPoint >= 0 && unitsPoint < digits.size() && digits[unitsPoint].digitValue() >= 5)
        ++units;
    return Money(negative ? -units : units);
}

Money Money::roundedToCents() const {
    return Money(divideRounded(units_, 100) * 100);
}

QString Money::toFixed(int minIntegerDigits, int decimals, QChar decimalSeparator) const {
    std::int64_t divisor = 1;
    for (int k = decimals; k < 4; ++k)
        divisor *= 10;
    const std::int64_t rounded = divideRounded(units_, divisor);
    std::int64_t scale = 1;
    for (int k = 0; k < decimals; ++k)
        scale *= 10;
    const std::uint64_t magnitude =
        rounded < 0 ? std::uint64_t(0) - std::uint64_t(rounded) : std::uint64_t(rounded);
    QString integerPart = QString::number(magnitude / std::uint64_t(scale));
    if (integerPart.size() < minIntegerDigits)
        integerPart.prepend(QString(minIntegerDigits - integerPart.size(), u'0'));
    QString result = rounded < 0 ? QStringLiteral("-") + integerPart : integerPart;
    if (decimals > 0) {
        QString frac = QString::number(magnitude % std::uint64_t(scale));
        frac.prepend(QString(decimals - frac.size(), u'0'));
        result += decimalSeparator + frac;
    }
    return result;
}

QString Money::toPlainText(QChar decimalSeparator) const {
    QString text = toFixed(1, 4, decimalSeparator);
    while (text.endsWith(u'0') && text.contains(decimalSeparator))
        text.chop(1);
    if (text.endsWith(decimalSeparator))
        text.chop(1);
    return text;
}

std::int64_t Money::checkedAdd(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        throw RuntimeError::overflow();
    return sum;
}

std::int64_t Money::checkedSub(std::int64_t a, std::int64_t b) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference))
        throw RuntimeError::overflow();
    return difference;
}

} // namespace ledgora
