#include "DR.h"

#include "controls/ReportControls.h"
#include "core/Conversions.h"
#include "domain/ModuleUtilities.h"

#include <QMarginsF>
#include <QPageSize>

namespace ledgora {

namespace {

using report::field;
using report::label;
using report::line;

// "00.00" in the user's locale; an empty field prints nothing.
QString amount(const Variant& value) {
    return value.isNull() ? QString() : rt::formatAmount(GP_NUMERO(value));
}

} // namespace

DR::DR() {
    reportHeader = {QStringLiteral("Sección4"), 0, {}};

    const bool bold = true;
    pageHeader = {QStringLiteral("Sección2"),
                  907,
                  {label("Etiqueta9", "Listado de Cuenta:", 3, 0, 1704, 225, Qt::AlignLeft, bold),
                   label("lbCuenta", "", 4, 227, 4412, 227, Qt::AlignLeft, bold),
                   label("Etiqueta10", "Fecha:", 4534, 0, 1358, 227),
                   label("Etiqueta11", "%D", 4541, 227, 2570, 240), line("Línea3", 0, 568, 9978),
                   label("Etiqueta1", "Fecha", 2, 623, 1132, 226, Qt::AlignLeft, bold),
                   label("Etiqueta2", "Concepto", 1249, 623, 3732, 227, Qt::AlignLeft, bold),
                   label("Etiqueta3", "A Acreditar", 5096, 623, 1133, 227, Qt::AlignRight, bold),
                   label("Etiqueta4", "A Debitar", 6343, 623, 1133, 227, Qt::AlignRight, bold),
                   label("Etiqueta5", "Acreditado", 7589, 623, 1132, 227, Qt::AlignRight, bold),
                   label("Etiqueta6", "Debitado", 8835, 623, 1132, 227, Qt::AlignRight, bold),
                   line("Línea1", 2, 907, 9978)}};

    detail = {QStringLiteral("Sección1"),
              228,
              {field("Texto1", "fecha", 2, 1, 1132, 226, Qt::AlignLeft),
               field("Texto2", "concepto", 1260, 1, 3731, 226, Qt::AlignLeft),
               field("Texto3", "a", 5105, 0, 1132, 227, Qt::AlignRight, amount),
               field("Texto4", "b", 6350, 0, 1134, 227, Qt::AlignRight, amount),
               field("Texto5", "c", 7597, 0, 1132, 227, Qt::AlignRight, amount),
               field("Texto6", "d", 8843, 1, 1132, 227, Qt::AlignRight, amount)}};

    pageFooter = {QStringLiteral("Sección3"),
                  227,
                  {line("Línea2", 0, 0, 9960),
                   label("Etiqueta7", "Pagina:", 27, 0, 609, 227, Qt::AlignRight),
                   label("Etiqueta13", "%p", 659, 0, 448, 227)}};

    reportFooter = {
        QStringLiteral("Sección5"),
        340,
        {line("Línea4", 0, 57, 9975),
         label("Etiqueta12", "Totales Real. Bco.", 3285, 113, 1767, 227, Qt::AlignRight),
         label("lbRealBanco", "", 5159, 113, 1077, 227, Qt::AlignRight),
         label("Etiqueta14", "Total Real Cuenta", 7255, 113, 1536, 227, Qt::AlignRight),
         label("lbRealCuenta", "", 8901, 113, 1086, 227, Qt::AlignRight)}};

    // A4 upright, the printable width of the layout (9987 twips) centred on the sheet.
    pageLayout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(16, 15, 16, 15), QPageLayout::Millimeter);
    previewCaption = QStringLiteral("Listado de Cuenta");
}

} // namespace ledgora
