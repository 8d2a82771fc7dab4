#pragma once

#include "core/Result.h"

#include <QObject>
#include <QString>

namespace ledgora {

// "Ledgora.clExtracto": applies a bank statement file (Norma 43 or camt.053) to a ledger without
// a window. Each account's statement goes to the ledger account its bank account is linked to;
// a bank account not linked yet goes to the account given, and is linked to it. The unique
// matches and the new movements are applied, all the file's statements in one transaction.
class clExtracto final : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE clExtracto();

    // Done when the file was applied; otherwise why not, and nothing is written.
    Q_INVOKABLE ledgora::Result Aplicar(const QString& statementFile, const QString& dbPath,
                                        const QString& account);
    // The same reading against the ledger, which is opened only to read: Resumen says what
    // Aplicar would do.
    Q_INVOKABLE ledgora::Result Simular(const QString& statementFile, const QString& dbPath,
                                        const QString& account);
    // What the last Aplicar did, a line for each account's statement.
    Q_INVOKABLE QString Resumen() const { return summary_; }

private:
    enum class Run { Apply, DryRun };
    Result run(const QString& statementFile, const QString& dbPath, const QString& account,
               Run mode);

    QString summary_;
};

} // namespace ledgora
