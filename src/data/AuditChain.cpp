#include "AuditChain.h"

#include <QCryptographicHash>

namespace ledgora {

const QStringList& AuditChain::columns() {
    static const QStringList names = {
        QStringLiteral("AUDINNRO"), QStringLiteral("AUDDTHOR"), QStringLiteral("AUDSTUSU"),
        QStringLiteral("AUDSTPRG"), QStringLiteral("AUDSTRUT"), QStringLiteral("AUDSTTAB"),
        QStringLiteral("AUDSTOPE"), QStringLiteral("AUDSTCTA"), QStringLiteral("AUDINMOV"),
        QStringLiteral("AUDSTCLA"), QStringLiteral("AUDSTANT"), QStringLiteral("AUDSTDES")};
    return names;
}

QByteArray AuditChain::link(const QByteArray& previous,
                            const std::vector<std::optional<QByteArray>>& values) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(previous);
    for (const auto& value : values) {
        if (!value) {
            hash.addData(QByteArrayView("~"));
            continue;
        }
        hash.addData(QByteArray(QByteArray::number(value->size()) + ':'));
        hash.addData(*value);
    }
    return hash.result().toHex();
}

} // namespace ledgora
