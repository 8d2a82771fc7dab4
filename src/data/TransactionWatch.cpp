#include "TransactionWatch.h"

#include "clManejo.h"
#include "data/DataLog.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <vector>

namespace ledgora {

namespace {

// The connections of the main thread. Other threads (the backup taken at start) keep their own
// connections and never go back to an event loop holding them.
std::vector<clManejo*>& watched() {
    static auto* list = new std::vector<clManejo*>; // outlives every connection, even a global
    return *list;
}

bool onMainThread() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

} // namespace

void TransactionWatch::watch(clManejo* manejo) {
    if (!onMainThread())
        return;
    static const bool connected = [] {
        QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
        return dispatcher &&
               QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &check);
    }();
    Q_UNUSED(connected);
    auto& list = watched();
    if (std::find(list.begin(), list.end(), manejo) == list.end())
        list.push_back(manejo);
}

void TransactionWatch::unwatch(clManejo* manejo) {
    if (!onMainThread())
        return;
    auto& list = watched();
    list.erase(std::remove(list.begin(), list.end(), manejo), list.end());
}

bool TransactionWatch::strict() {
#ifndef NDEBUG
    return true;
#else
    static const bool set = qEnvironmentVariableIntValue("LEDGORA_COMPROBACIONES") == 1;
    return set;
#endif
}

void TransactionWatch::fault(const QString& what) {
    if (strict())
        qFatal("ledgora: %s", qPrintable(what));
    qCCritical(lcData).noquote() << what;
}

void TransactionWatch::check() {
    for (clManejo* manejo : watched())
        if (manejo->inTransaction())
            fault(QStringLiteral("a transaction is still open while the program waits for the "
                                 "person: every later write would wait for it"));
}

} // namespace ledgora
