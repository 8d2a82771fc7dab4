#pragma once

#include <QString>

namespace ledgora {

// Why a statement file was refused whole: the line of the file it names (0 when it names
// none) and the message for the person, in Spanish, which names the line (or element) too,
// e.g. "Línea 7: el importe no es un número.".
struct StatementRefusal {
    qint64 line = 0;
    QString message;
};

} // namespace ledgora
