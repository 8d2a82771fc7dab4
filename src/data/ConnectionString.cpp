#include "ConnectionString.h"

#include <QStringList>

namespace ledgora {

ConnectionString::ConnectionString(const QString& text) {
    static const QString sourceKey = QStringLiteral("Data Source=");
    QString settings = text;
    const qsizetype source = text.indexOf(sourceKey, 0, Qt::CaseInsensitive);
    if (source >= 0) {
        dataSource_ = text.mid(source + sourceKey.size());
        settings = text.left(source);
    }
    for (const QString& pair : settings.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype eq = pair.indexOf(u'=');
        if (eq > 0 && pair.left(eq).trimmed().compare(u"Provider", Qt::CaseInsensitive) == 0)
            provider_ = pair.mid(eq + 1).trimmed();
    }
}

} // namespace ledgora
