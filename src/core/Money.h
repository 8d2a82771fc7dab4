#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace ledgora {

// An amount of money held exactly as a whole number of ten-thousandths, the way a currency
// type does. Sums and differences never drift; converting from text is exact.
class Money {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(std::int64_t units) { return Money(units); }
    // Nearest ten-thousandth, halves away from zero. Throws overflow beyond the range.
    static Money fromDouble(double value);
    // Exact reading of a decimal text with the given separator: optional blanks and sign,
    // digits, optional decimals and exponent. More than four decimals round half away from zero;
    // `rounded`, when given, tells whether a digit that is not zero was rounded off.
    static std::optional<Money> parse(QStringView text, QChar decimalSeparator,
                                      bool* rounded = nullptr);

    constexpr std::int64_t units() const { return units_; }
    double toDouble() const { return static_cast<double>(units_) / kScale; }
    bool isZero() const { return units_ == 0; }

    // The value rounded to whole cents, halves away from zero.
    Money roundedToCents() const;
    // At least `minIntegerDigits` integer digits, exactly `decimals` decimals, rounding halves
    // away from zero; a value that rounds to zero shows no sign.
    QString toFixed(int minIntegerDigits, int decimals, QChar decimalSeparator) const;
    // The shortest exact text: no trailing zeros, no thousands separator.
    QString toPlainText(QChar decimalSeparator) const;

    // Sums and differences beyond what an amount holds raise the overflow error instead of
    // wrapping round.
    friend Money operator+(Money a, Money b) { return Money(checkedAdd(a.units_, b.units_)); }
    friend Money operator-(Money a, Money b) { return Money(checkedSub(a.units_, b.units_)); }
    friend Money operator-(Money a) { return Money(checkedSub(0, a.units_)); }
    Money& operator+=(Money o) { return *this = *this + o; }
    Money& operator-=(Money o) { return *this = *this - o; }
    friend constexpr bool operator==(Money a, Money b) { return a.units_ == b.units_; }
    friend constexpr bool operator!=(Money a, Money b) { return a.units_ != b.units_; }
    friend constexpr bool operator<(Money a, Money b) { return a.units_ < b.units_; }
    friend constexpr bool operator>(Money a, Money b) { return a.units_ > b.units_; }
    friend constexpr bool operator<=(Money a, Money b) { return a.units_ <= b.units_; }
    friend constexpr bool operator>=(Money a, Money b) { return a.units_ >= b.units_; }

private:
    constexpr explicit Money(std::int64_t units) : units_(units) {}
    static std::int64_t checkedAdd(std::int64_t a, std::int64_t b);
    static std::int64_t checkedSub(std::int64_t a, std::int64_t b);
    std::int64_t units_ = 0;
};

} // namespace ledgora
