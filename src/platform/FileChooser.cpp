#include "FileChooser.h"

#include "ExtensionIconProvider.h"

#include <QFileDialog>

namespace ledgora {

namespace {

QString chosen(QWidget* parent, const QString& title, const QStringList& filters, bool saving) {
    ExtensionIconProvider names;
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&names);
    dialog.setWindowTitle(title);
    dialog.setNameFilters(filters);
    if (saving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString FileChooser::openFile(QWidget* parent, const QString& title, const QStringList& filters) {
    return chosen(parent, title, filters, false);
}

QString FileChooser::saveFile(QWidget* parent, const QString& title, const QStringList& filters) {
    return chosen(parent, title, filters, true);
}

} // namespace ledgora
