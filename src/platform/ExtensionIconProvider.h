#pragma once

#include <QFileIconProvider>

namespace ledgora {

// Names and draws the files a file dialog lists by their names alone. Qt's own provider reads
// the first bytes of a file whose name does not tell its kind (a ledger's "-wal" and "-shm"),
// and that open and close of the ledger's files drops the locks the program's connection holds
// on them.
class ExtensionIconProvider final : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

} // namespace ledgora
