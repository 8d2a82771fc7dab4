#include "SqliteReason.h"

#include <QCoreApplication>
#include <sqlite3.h>

namespace ledgora {

QString sqliteReason(int resultCode) {
    const char* reason = nullptr;
    switch (resultCode & 0xff) {
    case SQLITE_CANTOPEN:
        reason = QT_TRANSLATE_NOOP("SqliteReason", "no se puede abrir el archivo");
        break;
    case SQLITE_NOTADB:
        reason = QT_TRANSLATE_NOOP("SqliteReason", "no es una base de datos");
        break;
    case SQLITE_CORRUPT:
        reason = QT_TRANSLATE_NOOP("SqliteReason", "la base de datos tiene daños");
        break;
    case SQLITE_FULL:
        reason = QT_TRANSLATE_NOOP("SqliteReason", "no queda espacio en el disco");
        break;
    case SQLITE_IOERR:
        reason = QT_TRANSLATE_NOOP("SqliteReason", "falló la lectura o la escritura en el disco");
        break;
    case SQLITE_READONLY:
        reason = QT_TRANSLATE_NOOP("SqliteReason", "es de sólo lectura");
        break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        reason = QT_TRANSLATE_NOOP("SqliteReason", "está ocupada por otro programa");
        break;
    case SQLITE_PERM:
    case SQLITE_AUTH:
        reason = QT_TRANSLATE_NOOP("SqliteReason", "no hay permiso");
        break;
    case SQLITE_NOMEM:
        reason = QT_TRANSLATE_NOOP("SqliteReason", "no queda memoria");
        break;
    case SQLITE_CONSTRAINT:
        reason = QT_TRANSLATE_NOOP("SqliteReason", "los datos no cumplen una regla de la tabla");
        break;
    default:
        // Rare codes keep SQLite's own words beside their number, for whoever supports it.
        return QCoreApplication::translate("SqliteReason", "error %1 de SQLite (%2)")
            .arg(resultCode)
            .arg(QString::fromUtf8(sqlite3_errstr(resultCode)));
    }
    return QCoreApplication::translate("SqliteReason", reason);
}

} // namespace ledgora
