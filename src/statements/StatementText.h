#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace ledgora {

// A statement file's bytes as text. A file that is valid UTF-8 throughout is read as UTF-8;
// any other as Windows-1252, what banks' Windows exports write when they do not say UTF-8: it
// is Latin-1 but for the euro sign, the typographic quotes and a few more in 0x80 to 0x9F,
// and Latin-1 text with accents is practically never valid UTF-8. A byte order mark is left
// out.
QString statementText(const QByteArray& bytes);

// The IBAN that `text` is, its blanks taken out and in capitals, when its check digits say it
// is one; empty otherwise. A bank's export names an account by IBAN in a field that may hold
// another kind of number, and only the check tells them apart.
QString ibanIn(QStringView text);

} // namespace ledgora
