#include "ExtensionIconProvider.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMimeDatabase>

namespace ledgora {

QIcon ExtensionIconProvider::icon(const QFileInfo& info) const {
    if (info.isDir())
        return QFileIconProvider::icon(Folder);
    const QMimeType kind = QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    const QIcon themed = QIcon::fromTheme(kind.iconName());
    return themed.isNull() ? QFileIconProvider::icon(File) : themed;
}

QString ExtensionIconProvider::type(const QFileInfo& info) const {
    if (info.isDir())
        return QFileIconProvider::type(info); // "Folder": nothing is read for a folder
    const QMimeType kind = QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    return kind.isDefault() ? QCoreApplication::translate("ExtensionIconProvider", "Archivo")
                            : kind.comment();
}

} // namespace ledgora
