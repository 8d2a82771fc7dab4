#pragma once

#include "core/RuntimeError.h"

#include <QCoreApplication>
#include <QString>

namespace ledgora {

// The run-time errors an engine raises when the database refuses a statement, worded the
// same whichever engine serves the module.
namespace EngineErrors {

constexpr long kNumber = -2147467259;

inline RuntimeError duplicateKey() {
    return {kNumber,
            QStringLiteral("No se realizaron los cambios solicitados en la tabla "
                           "porque crearían valores duplicados en el índice o "
                           "la clave principal."),
            RuntimeError::Kind::DuplicateKey};
}

inline RuntimeError busy() {
    return {kNumber,
            QStringLiteral("La base de datos está bloqueada por otro usuario; pruebe de nuevo."),
            RuntimeError::Kind::Busy};
}

inline RuntimeError readOnly() {
    return {kNumber, QStringLiteral("La base de datos es de sólo lectura."),
            RuntimeError::Kind::ReadOnly};
}

// A ledger whose layout a newer Ledgora wrote: it lists, and refuses every write.
inline RuntimeError newerLayout() {
    return {kNumber,
            QStringLiteral("Esta base de datos fue escrita por una versión más nueva de "
                           "Ledgora: puede consultarse, pero no modificarse con esta "
                           "versión."),
            RuntimeError::Kind::NewerLayout};
}

// A ledger opened only to read keeps its earlier layout, without the tables later features
// keep (bank statements): it lists, and those features wait until it is opened for work.
inline RuntimeError olderLayout() {
    return {kNumber,
            QCoreApplication::translate("EngineErrors",
                                        "Este libro es de una versión anterior de Ledgora: ábralo "
                                        "una vez para trabajar con él, y se actualizará."),
            RuntimeError::Kind::OlderLayout};
}

inline RuntimeError database(const QString& reason) {
    return {kNumber, QStringLiteral("Error de la base de datos: ") + reason};
}

} // namespace EngineErrors

} // namespace ledgora
