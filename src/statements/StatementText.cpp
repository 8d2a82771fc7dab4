#include "StatementText.h"

#include <QByteArrayView>

namespace ledgora {

namespace {

// Windows-1252 from 0x80 to 0x9F; the five codes it leaves undefined keep their Latin-1 value.
constexpr char16_t kWindows1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString statementText(const QByteArray& bytes) {
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    if (view.isValidUtf8())
        return QString::fromUtf8(view);
    QString text = QString::fromLatin1(view);
    for (QChar& c : text) {
        if (c.unicode() >= 0x80 && c.unicode() < 0xA0)
            c = QChar(kWindows1252[c.unicode() - 0x80]);
    }
    return text;
}

QString ibanIn(QStringView text) {
    QString iban;
    for (const QChar c : text) {
        if (c != u' ')
            iban += c.toUpper();
    }
    if (iban.size() < 15 || iban.size() > 34 || !iban[0].isUpper() || !iban[1].isUpper() ||
        !iban[2].isDigit() || !iban[3].isDigit())
        return {};
    // ISO 13616: the country and check digits moved to the end, letters as 10 to 35, the whole
    // number modulo 97 is 1.
    int remainder = 0;
    for (qsizetype k = 0; k < iban.size(); ++k) {
        const QChar c = iban[(k + 4) % iban.size()];
        if (c >= u'0' && c <= u'9')
            remainder = (remainder * 10 + (c.unicode() - u'0')) % 97;
        else if (c >= u'A' && c <= u'Z')
            remainder = (remainder * 100 + (c.unicode() - u'A' + 10)) % 97;
        else
            return {};
    }
    return remainder == 1 ? iban : QString();
}

} // namespace ledgora
