#pragma once

#include "core/Result.h"

#include <QObject>
#include <QString>

namespace ledgora {

// "Ledgora.clListado": the printed account listing without a window. Writes the report of
// one account's movements between two dates (dd/mm/yyyy), narrowed to a concept and a text
// when they are given, to a PDF file, preparing it as the main screen's Alt+P does (the
// account's running totals up to the end date are stored on the way).
class clListado final : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE clListado();

    // Done when the PDF is written, otherwise one line saying why not; then no file is left
    // behind.
    Q_INVOKABLE ledgora::Result GuardarPdf(const QString& dbPath, const QString& account,
                                           const QString& from, const QString& to,
                                           const QString& pdfPath, const QString& concept,
                                           const QString& text);
    // The same movements as comma-separated text (RFC 4180, UTF-8, a header row), dates as
    // yyyy-mm-dd and amounts with a point and their exact decimals, for any spreadsheet.
    Q_INVOKABLE ledgora::Result GuardarCsv(const QString& dbPath, const QString& account,
                                           const QString& from, const QString& to,
                                           const QString& csvPath, const QString& concept,
                                           const QString& text);
};

} // namespace ledgora
