#pragma once

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

    // Fills the database at the path; gives false, and writes nothing, when the database
    // already holds accounts or cannot be opened.
    Q_INVOKABLE bool Crear(const QString& path);
};

} // namespace ledgora
