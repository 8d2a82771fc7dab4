#include "BankStatement.h"

#include <QCryptographicHash>
#include <QHash>
#include <QStringBuilder>
#include <QStringList>
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <utility>

namespace ledgora {

namespace {

// The date as QDate::toString(Qt::ISODate) writes it (empty when it is none, or its year is
// not of four digits), without the general formatting a line's two dates would pay for.
QString isoDate(QDate date) {
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    if (!date.isValid() || year < 0 || year > 9999)
        return {};
    QString text(10, u'-');
    QChar* digit = text.data();
    for (const auto& [value, width] : {std::pair{year, 4}, {month, 2}, {day, 2}}) {
        for (int k = width - 1, rest = value; k >= 0; --k, rest /= 10)
            digit[k] = QChar(u'0' + rest % 10);
        digit += width + 1;
    }
    return text;
}

// The bytes in lowercase hexadecimal, as QByteArray::toHex writes them.
QString hexText(QByteArrayView bytes) {
    static constexpr char16_t digits[] = u"0123456789abcdef";
    QString text(bytes.size() * 2, Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        *out++ = QChar(digits[std::uint8_t(byte) >> 4]);
        *out++ = QChar(digits[std::uint8_t(byte) & 0xF]);
    }
    return text;
}

} // namespace

QString BankStatement::accountKey() const {
    if (!iban.isEmpty())
        return iban;
    QStringList parts{bank, branch, account};
    parts.removeAll(QString());
    return parts.join(u'-');
}

bool BankStatement::balancesAgree() const {
    if (!openingBalance || !closingBalance)
        return true;
    Money balance = *openingBalance;
    for (const BankLine& line : lines) {
        if (line.status == BankLine::Status::Booked)
            balance += line.signedAmount();
    }
    return balance == *closingBalance;
}

void BankStatement::fingerprintLines() {
    // The fields are joined with a unit separator, which no field of either format holds, so
    // two different lines never join into the same text.
    const QString account = accountKey();
    const QChar separator = u'\x1F';
    QHash<QString, int> occurrences;
    occurrences.reserve(lines.size());
    QCryptographicHash sha(QCryptographicHash::Sha256);
    for (BankLine& line : lines) {
        const QString identity = account % separator % isoDate(line.operationDate) % separator %
                                 isoDate(line.valueDate) % separator %
                                 (line.side == BankLine::Side::Credit ? u'C' : u'D') % separator %
                                 line.amount.toPlainText(u'.') % separator % line.documentNumber %
                                 separator % line.reference1 % separator % line.reference2 %
                                 separator % line.servicerReference % separator % line.endToEndId %
                                 // A spreadsheet export has no references of the bank's own: its
                                 // words are what tell two movements of a day apart.
                                 (format == Format::Csv ? separator % line.text : QString());
        const int occurrence = ++occurrences[identity];
        char tail[16] = {'\x1F'};
        const char* end = std::to_chars(tail + 1, tail + sizeof tail, occurrence).ptr;
        sha.reset();
        sha.addData(identity.toUtf8());
        sha.addData(QByteArrayView(tail, end - tail));
        line.fingerprint = hexText(sha.resultView());
    }
}

void BankStatement::sortLinesByDate() {
    std::stable_sort(lines.begin(), lines.end(), [](const BankLine& a, const BankLine& b) {
        return std::pair{a.operationDate, a.valueDate} < std::pair{b.operationDate, b.valueDate};
    });
}

} // namespace ledgora
