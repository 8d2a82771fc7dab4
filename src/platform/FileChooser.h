#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace ledgora {

// The file dialogs of the program: Qt's own (the same keys on every desktop, and in Spanish),
// which never read the files they list (see ExtensionIconProvider). Empty when the person
// cancels.
namespace FileChooser {

QString openFile(QWidget* parent, const QString& title, const QStringList& filters);
QString saveFile(QWidget* parent, const QString& title, const QStringList& filters);

} // namespace FileChooser

} // namespace ledgora
