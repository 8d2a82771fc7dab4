#include "WindowlessOutput.h"

#include "core/ClassRegistry.h"
#include "data/ConnectionString.h"
#include "data/clManejo.h"
#include "domain/SharedState.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ledgora::windowless {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("ledgora::windowless", text);
}

} // namespace

QString native(const QString& path) {
    return ConnectionString::masked(QDir::toNativeSeparators(path));
}

Result checkPaths(const QString& dbPath, const QString& outPath) {
    if (!ConnectionString::isServerAddress(dbPath) && !QFileInfo(dbPath).isFile())
        return {Result::Kind::NoConnection,
                tr("no hay una base de datos en %1").arg(native(dbPath))};
    const QFileInfo target(outPath);
    if (target.fileName().isEmpty() || target.isDir())
        return {Result::Kind::FileAccess,
                tr("no es un nombre de archivo: %1").arg(native(outPath))};
    // A pipe, a device or a socket is never replaced by a file of ours.
    if (target.exists() && !target.isFile())
        return {Result::Kind::FileAccess, tr("no es un archivo común: %1").arg(native(outPath))};
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir() || !folder.isWritable())
        return {Result::Kind::FileAccess,
                tr("no se puede escribir en la carpeta %1").arg(native(folder.filePath()))};
    return {};
}

Result openForReading(const QString& dbPath) {
    gManejo = CreateObject<clManejo>(QStringLiteral("Datorix.clManejo"));
    if (!gManejo)
        return {Result::Kind::Unavailable,
                tr("el componente de acceso a datos no está disponible")};
    gManejo->CadenaConexion(ConnectionString::forSource(dbPath, true));
    gManejo->Conectar();
    if (!gManejo->EstadoConexion())
        return {Result::Kind::NoConnection,
                tr("no se puede abrir la base de datos %1").arg(native(dbPath))};
    return {};
}

} // namespace ledgora::windowless
