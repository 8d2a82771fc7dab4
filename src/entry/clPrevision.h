#pragma once

#include "core/Result.h"

#include <QObject>
#include <QString>

namespace ledgora {

// "Ledgora.clPrevision": the treasury forecast without a window. The balance of one account,
// or of every account together when none is given, day by day for the days ahead, written as
// the screen prints it (a PDF, chart first) or as comma-separated text, by the output's
// extension. The ledger is only read.
class clPrevision final : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE clPrevision();

    // Done when the file is written, otherwise one line saying why not; then no file is left
    // behind.
    Q_INVOKABLE ledgora::Result Guardar(const QString& dbPath, const QString& account,
                                        const QString& days, const QString& outPath);
};

} // namespace ledgora
