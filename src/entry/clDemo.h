#pragma once

#include "core/Result.h"

#include <QObject>
#include <QString>

namespace ledgora {

// "Ledgora.clDemo": fills a new database with an example ledger (accounts, concepts of both
// kinds and a year of pending and realised movements up to today), written through the
// module's own statements, so a newcomer sees a working ledger at once.
class clDemo final : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE clDemo();

    // Fills the database at the path. Done, or why not (the database holds accounts already,
    // cannot be opened or written); nothing is then written.
    Q_INVOKABLE ledgora::Result Crear(const QString& path);

private:
    Result fill(const QString& path);
};

} // namespace ledgora
