#include "Conversions.h"

#include "RuntimeError.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace ledgora::rt {

QChar decimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

QString formatAmount(Money amount) {
    return amount.toFixed(2, 2, decimalSeparator());
}

QString formatAmount(double amount) {
    return formatAmount(Money::fromDouble(amount));
}

QString formatThreeDigits(std::int64_t number) {
    QString digits = QString::number(number < 0 ? -number : number);
    if (digits.size() < 3)
        digits.prepend(QString(3 - digits.size(), u'0'));
    return number < 0 ? QStringLiteral("-") + digits : digits;
}

QString formatDateSlashed(QDate date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QString formatDateDashed(QDate date) {
    return date.toString(QStringLiteral("dd-MM-yyyy"));
}

QString dateText(QDate date) {
    return formatDateSlashed(date);
}

QString generalNumberText(double number) {
    if (number == 0)
        return QStringLiteral("0");
    const int exponent = int(std::floor(std::log10(std::fabs(number))));
    QString text;
    if (exponent >= 15 || exponent < -4) {
        // Mantissa with up to 15 significant digits, then E+nn / E-nn as the runtime writes it.
        QString mantissa = QString::number(number, 'e', 14);
        const qsizetype e = mantissa.indexOf(u'e');
        QString digits = mantissa.left(e);
        int exp = mantissa.mid(e + 1).toInt();
        if (digits.contains(u'.')) {
            while (digits.endsWith(u'0'))
                digits.chop(1);
            if (digits.endsWith(u'.'))
                digits.chop(1);
        }
        text = digits + (exp < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) +
               QString::number(std::abs(exp)).rightJustified(2, u'0');
    } else {
        text = QString::number(number, 'g', 15);
        if (text.contains(u'e')) // 'g' may still choose an exponent near the edges
            text = QString::number(number, 'f', std::max(0, 14 - exponent));
        if (text.contains(u'.')) {
            while (text.endsWith(u'0'))
                text.chop(1);
            if (text.endsWith(u'.'))
                text.chop(1);
        }
    }
    return text.replace(u'.', decimalSeparator());
}

QString generalNumberText(Money amount) {
    return amount.toPlainText(decimalSeparator());
}

namespace {

// The text with blanks around it removed, when what remains has the shape of a number in
// the user's locale; the thousands separators are removed too.
std::optional<QString> numberShape(QStringView text) {
    const QLocale locale;
    const QString trimmed = text.trimmed().toString();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    if (!std::isfinite(locale.toDouble(trimmed, &ok)) || !ok)
        return std::nullopt;
    QString plain = trimmed;
    const QString group = locale.groupSeparator();
    if (!group.isEmpty() && group != locale.decimalPoint())
        plain.remove(group);
    return plain;
}

} // namespace

std::optional<double> readNumber(QStringView text) {
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    // "nan" and "inf" read as doubles but are no numbers to the runtime.
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool readsAsNumber(QStringView text) {
    return readNumber(text).has_value();
}

std::optional<Money> readAmount(QStringView text) {
    const auto plain = numberShape(text);
    if (!plain)
        return std::nullopt;
    return Money::parse(*plain, decimalSeparator());
}

std::optional<QDate> readDate(QStringView text) {
    static const QRegularExpression dayFirst(
        QStringLiteral(R"(^\s*(\d{1,2})([/.-])(\d{1,2})\2(\d{4}|\d{2})\s*$)"));
    static const QRegularExpression iso(QStringLiteral(R"(^\s*(\d{4})-(\d{1,2})-(\d{1,2})\s*$)"));
    const QString s = text.toString();
    if (auto m = dayFirst.match(s); m.hasMatch()) {
        int year = m.captured(4).toInt();
        if (m.captured(4).size() == 2)
            year += year < 30 ? 2000 : 1900;
        const QDate date(year, m.captured(3).toInt(), m.captured(1).toInt());
        if (date.isValid())
            return date;
        return std::nullopt;
    }
    if (auto m = iso.match(s); m.hasMatch()) {
        const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        if (date.isValid())
            return date;
    }
    return std::nullopt;
}

bool readsAsDate(QStringView text) {
    return readDate(text).has_value();
}

std::int64_t wholeNumber(const Variant& value) {
    if (const std::int64_t* whole = value.get<std::int64_t>())
        return *whole;
    if (const double* number = value.get<double>())
        return std::int64_t(*number);
    if (const QString* text = value.get<QString>())
        return std::int64_t(leadingNumber(*text));
    return 0;
}

double leadingNumber(QStringView text) {
    QString compact;
    for (QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
            compact.append(c);
    static const QRegularExpression leading(
        QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eEdD][+-]?\d+)?)"));
    const auto m = leading.match(compact);
    if (!m.hasMatch())
        return 0;
    QString number = m.captured(0);
    number.replace(u'd', u'e').replace(u'D', u'e');
    return number.toDouble();
}

std::int32_t toInt32(double number) {
    const double rounded = std::nearbyint(number); // the default rounding mode: halves to even
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        throw RuntimeError::overflow();
    return static_cast<std::int32_t>(rounded);
}

QString trimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin).toString();
}

QString toText(const Variant& value) {
    struct Visitor {
        QString operator()(std::monostate) const { return {}; }
        QString operator()(const QString& s) const { return s; }
        QString operator()(std::int64_t n) const { return QString::number(n); }
        QString operator()(double d) const { return generalNumberText(d); }
        QString operator()(Money m) const { return generalNumberText(m); }
        QString operator()(QDate d) const { return dateText(d); }
        QString operator()(bool b) const {
            return b ? QStringLiteral("Verdadero") : QStringLiteral("Falso");
        }
    };
    return std::visit(Visitor{}, value.storage());
}

std::optional<double> toNumber(const Variant& value) {
    if (auto s = value.get<QString>())
        return readNumber(*s);
    if (auto n = value.get<std::int64_t>())
        return double(*n);
    if (auto d = value.get<double>())
        return *d;
    if (auto m = value.get<Money>())
        return m->toDouble();
    if (auto b = value.get<bool>())
        return *b ? -1.0 : 0.0;
    return std::nullopt;
}

std::optional<Money> toAmount(const Variant& value) {
    if (auto s = value.get<QString>())
        return readAmount(*s);
    if (auto m = value.get<Money>())
        return *m;
    if (auto n = value.get<std::int64_t>())
        return Money::fromUnits(*n * Money::kScale);
    if (auto number = toNumber(value))
        return Money::fromDouble(*number);
    return std::nullopt;
}

} // namespace ledgora::rt
