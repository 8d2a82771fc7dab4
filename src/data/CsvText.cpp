#include "CsvText.h"

namespace ledgora {

QString CsvText::line(const QStringList& fields) {
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields) {
        const bool plain = !field.contains(u',') && !field.contains(u'"') &&
                           !field.contains(u'\n') && !field.contains(u'\r');
        if (plain) {
            quoted << field;
            continue;
        }
        QString escaped = field;
        escaped.replace(u'"', QStringLiteral("\"\""));
        quoted << u'"' + escaped + u'"';
    }
    return quoted.join(u',') + QStringLiteral("\r\n");
}

QString CsvText::inertText(const QString& text) {
    QString inert = text;
    inert.remove(QChar(0));
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!inert.isEmpty() && formulaStarts.contains(inert.front()))
        inert.prepend(u'\'');
    return inert;
}

QString CsvText::amount(Money amount) {
    const QString plain = amount.toPlainText(u'.');
    const int point = int(plain.indexOf(u'.'));
    return point < 0 || plain.size() - point - 1 < 2 ? amount.toFixed(1, 2, u'.') : plain;
}

} // namespace ledgora
