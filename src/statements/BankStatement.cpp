#include "BankStatement.h"

#include <QCryptographicHash>
#include <QHash>
#include <QStringList>

namespace ledgora {

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
    QHash<QString, int> occurrences;
    for (BankLine& line : lines) {
        const QString identity =
            QStringList{account,
                        line.operationDate.toString(Qt::ISODate),
                        line.valueDate.toString(Qt::ISODate),
                        line.side == BankLine::Side::Credit ? QStringLiteral("C")
                                                            : QStringLiteral("D"),
                        line.amount.toPlainText(u'.'),
                        line.documentNumber,
                        line.reference1,
                        line.reference2,
                        line.servicerReference,
                        line.endToEndId}
                .join(u'\x1F');
        const int occurrence = ++occurrences[identity];
        const QString text = identity + u'\x1F' + QString::number(occurrence);
        line.fingerprint = QString::fromLatin1(
            QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex());
    }
}

} // namespace ledgora
