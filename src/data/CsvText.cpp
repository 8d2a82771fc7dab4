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

std::vector<QStringList> CsvText::parse(const QString& text) {
    std::vector<QStringList> records;
    QStringList record;
    QString field;
    bool inQuotes = false;
    bool fieldStarted = false;
    auto endRecord = [&] {
        if (fieldStarted || !record.isEmpty() || !field.isEmpty()) {
            record << field;
            records.push_back(record);
        }
        record.clear();
        field.clear();
        fieldStarted = false;
    };
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text[k];
        if (inQuotes) {
            if (c == u'"' && k + 1 < text.size() && text[k + 1] == u'"') {
                field += u'"';
                ++k;
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            inQuotes = true;
            fieldStarted = true;
        } else if (c == u',') {
            record << field;
            field.clear();
            fieldStarted = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && k + 1 < text.size() && text[k + 1] == u'\n')
                ++k;
            endRecord();
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    endRecord();
    return records;
}

} // namespace ledgora
