#include "clRespaldo.h"

#include "data/BackupSet.h"
#include "data/ConnectionString.h"
#include "data/DataLog.h"
#include "data/DatabaseCopy.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <cstdio>

namespace ledgora {

clRespaldo::clRespaldo() = default;

clRespaldo::~clRespaldo() {
    if (pending_.valid())
        pending_.wait();
}

namespace {

// A shared ledger's copies are made by its server; the module copies files.
QString serverRefusal() {
    return QCoreApplication::translate(
        "clRespaldo", "un libro compartido en un servidor se respalda con las herramientas "
                      "del servidor (pg_dump)");
}

// Tells the person, without stopping the work, that the start's backup was not taken: on the
// terminal, in the log and, where there is a desktop, in a window that waits beside the
// ledger's own.
void tellNotTaken(const QString& reason) {
    qCWarning(lcBackup) << reason;
    std::fprintf(stderr, "ledgora: %s\n", qPrintable(reason));
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app || QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    QMetaObject::invokeMethod(
        app,
        [reason] {
            auto* box = new QMessageBox(
                QMessageBox::Warning, QStringLiteral("Ledgora"),
                QCoreApplication::translate("clRespaldo", "Copia de seguridad: ") + reason);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->setModal(false);
            box->show();
        },
        Qt::QueuedConnection);
}

} // namespace

void clRespaldo::Respaldar(const QString& dbPath) {
    Esperar();
    if (ConnectionString::isServerAddress(dbPath))
        return;
    // Its own connection, on its own thread: the ledger's screens go on meanwhile.
    pending_ = std::async(std::launch::async, [dbPath] {
        QString reason;
        try {
            const BackupSet::Outcome outcome = BackupSet(dbPath).take();
            if (outcome.kind == BackupSet::Outcome::Taken)
                qCInfo(lcBackup) << "copy taken:" << outcome.path;
            else if (outcome.kind == BackupSet::Outcome::Unchanged)
                qCInfo(lcBackup) << "unchanged since" << outcome.path;
            reason = outcome.reason;
        } catch (const std::exception& error) {
            reason = QString::fromLocal8Bit(error.what());
        }
        if (!reason.isEmpty())
            tellNotTaken(reason);
        return reason;
    });
}

Result clRespaldo::Esperar() {
    const QString reason = pending_.valid() ? pending_.get() : QString();
    if (reason.isEmpty())
        return {};
    return {Result::Kind::FileAccess, reason};
}

Result clRespaldo::Restaurar(const QString& backupPath, const QString& dbPath) {
    Esperar();
    if (ConnectionString::isServerAddress(backupPath) || ConnectionString::isServerAddress(dbPath))
        return {Result::Kind::Refused, serverRefusal()};
    if (const QString why = DatabaseCopy::restore(backupPath, dbPath); !why.isEmpty())
        return {Result::Kind::FileAccess, why};
    return {};
}

} // namespace ledgora
