#include "FileErrorText.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <cerrno>

namespace ledgora {

namespace {

QString said(const char* text) {
    return QCoreApplication::translate("FileErrorText", text);
}

// The causes a person can act on; empty for the rest.
QString knownCause(int errorNumber) {
    switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
        return said(QT_TRANSLATE_NOOP("FileErrorText", "no queda espacio en el disco"));
    case EACCES:
    case EPERM:
        return said(QT_TRANSLATE_NOOP("FileErrorText", "no hay permiso"));
    case EROFS:
        return said(QT_TRANSLATE_NOOP("FileErrorText", "el disco es de sólo lectura"));
    case ENOENT:
        return said(QT_TRANSLATE_NOOP("FileErrorText", "la carpeta o el archivo no existe"));
    case EISDIR:
        return said(QT_TRANSLATE_NOOP("FileErrorText", "es una carpeta"));
    default:
        return {};
    }
}

} // namespace

QString systemErrorText(int errorNumber) {
    const QString cause = knownCause(errorNumber);
    return cause.isEmpty()
               ? said(QT_TRANSLATE_NOOP("FileErrorText", "error %1 del sistema")).arg(errorNumber)
               : cause;
}

QString fileErrorText(const QFileDevice& file) {
    // The failed call's own cause says most; the device's kind of error is the fallback.
    if (const QString cause = knownCause(errno); !cause.isEmpty())
        return cause;
    switch (file.error()) {
    case QFileDevice::ReadError:
        return said(QT_TRANSLATE_NOOP("FileErrorText", "no se pudo leer"));
    case QFileDevice::OpenError:
        return said(QT_TRANSLATE_NOOP("FileErrorText", "no se pudo abrir"));
    case QFileDevice::PermissionsError:
        return said(QT_TRANSLATE_NOOP("FileErrorText", "no hay permiso"));
    case QFileDevice::ResourceError:
        return said(QT_TRANSLATE_NOOP("FileErrorText", "no queda espacio en el disco"));
    default:
        return said(QT_TRANSLATE_NOOP("FileErrorText", "no se pudo escribir"));
    }
}

} // namespace ledgora
