#pragma once

#include "core/Result.h"

#include <QObject>
#include <QString>

namespace ledgora {

// "Ledgora.clHistorial": the audit trail without a window. Checks its seal chain, or writes
// the history of an account (or of the whole ledger) as CSV. Only reads the ledger.
class clHistorial final : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE clHistorial();

    // Done when the chain is whole (Resumen then says so), otherwise where it breaks and why,
    // or why it could not be read.
    Q_INVOKABLE ledgora::Result Verificar(const QString& dbPath);
    // Done when the CSV was written, otherwise why not; no file is left then.
    Q_INVOKABLE ledgora::Result GuardarCsv(const QString& dbPath, const QString& account,
                                           const QString& csvPath);
    Q_INVOKABLE QString Resumen() const { return summary_; }

private:
    QString summary_;
};

} // namespace ledgora
