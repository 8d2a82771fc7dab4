#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>
#include <vector>

namespace ledgora {

// The audit trail's seal: each row's hash covers its content and the hash of the row before
// it, so that a row changed, removed or slipped in afterwards breaks every seal that follows.
class AuditChain {
public:
    // The audit columns a seal covers, in the order it reads them.
    static const QStringList& columns();
    // A row's seal from the previous row's seal (empty for the first row) and the row's values
    // as the database gives them back as text, in the order of columns(); nullopt for a null.
    // SHA-256 in lowercase hex over the previous seal, then each value as its length in bytes,
    // a colon and its UTF-8 bytes, a null as "~".
    static QByteArray link(const QByteArray& previous,
                           const std::vector<std::optional<QByteArray>>& values);
};

} // namespace ledgora
