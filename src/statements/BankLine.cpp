#include "BankLine.h"

namespace ledgora {

QString BankLine::description() const {
    QString said;
    for (const QString& part : {counterparty, text, creditorReference}) {
        const QString words = part.simplified();
        if (words.isEmpty() || said.contains(words))
            continue;
        said += (said.isEmpty() ? QString() : QStringLiteral(" ")) + words;
    }
    return said;
}

} // namespace ledgora
