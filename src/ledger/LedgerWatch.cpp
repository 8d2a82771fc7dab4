#include "LedgerWatch.h"

#include "core/Conversions.h"
#include "data/Recordset.h"
#include "data/clManejo.h"
#include "domain/LedgerStatements.h"
#include "domain/ModuleUtilities.h"
#include "domain/SharedState.h"
#include "platform/ScreenLog.h"

namespace ledgora {

namespace {
// On a file, often enough that another person's movement shows within a second, rarely enough
// that the check costs nothing worth measuring. On a server the socket wakes the watch; the
// timer then only retries what waited for a screen to close, and notices a lost connection.
constexpr int kIntervalMs = 250;
constexpr int kToldIntervalMs = 1000;
} // namespace

LedgerWatch::LedgerWatch(QObject* parent) : QObject(parent) {
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &LedgerWatch::check);
}

void LedgerWatch::start() {
    if (!gManejo || timer_.isActive())
        return;
    try {
        mark_ = gManejo->changeMark();
        seen_ = gManejo->scalar(forms::ledgerNewestChange, {}).value_or(0);
    } catch (const RuntimeError& error) {
        qCInfo(lcScreens) << "not watching:" << error.description();
        return;
    }
    followSocket();
    timer_.setInterval(told_ ? kToldIntervalMs : kIntervalMs);
    timer_.start();
}

void LedgerWatch::followSocket() {
    const int socket = gManejo ? gManejo->changeSocket() : -1;
    if (told_ && told_->socket() == socket)
        return;
    told_.reset();
    if (socket < 0)
        return;
    told_ = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
    connect(told_.get(), &QSocketNotifier::activated, this, &LedgerWatch::check);
}

void LedgerWatch::stop() {
    timer_.stop();
    told_.reset();
}

void LedgerWatch::check() {
    Q_EMIT looked();
    if (!gManejo)
        return;
    if (gManejo->replaced()) {
        stop();
        Q_EMIT ledgerReplaced();
        return;
    }
    const std::optional<std::int64_t> mark = gManejo->changeMark();
    if (!mark) {
        // Asked again by the timer; meanwhile the socket, left unread, would wake the watch
        // again and again.
        if (told_)
            told_->setEnabled(false);
        return;
    }
    if (mark == mark_) {
        if (told_)
            told_->setEnabled(true);
        return;
    }
    // A new session (after the server came back) listens on a new socket.
    told_.reset();
    if (timer_.isActive())
        followSocket();
    QSet<QString> accounts;
    bool accountList = false, conceptList = false;
    try {
        Recordset rs;
        gManejo->RsDesconectado(true);
        gManejo->CrearRs(rs, forms::ledgerChangesSince, {QString::number(seen_)});
        for (; !rs.Eof(); rs.MoveNext()) {
            seen_ = std::max(seen_, rt::wholeNumber(rs.Fields(0)));
            const QString table = GP_TEXTO(rs.Fields(1));
            if (table == u"BANCON")
                conceptList = true;
            else if (table == u"BANCNT")
                accountList = true;
            if (table == u"BANMOV" || table == u"BANCNT")
                accounts.insert(GP_TEXTO(rs.Fields(2)));
        }
        rs.Close();
    } catch (const RuntimeError& error) {
        // Looked at again when the next change comes; the screens stay as they are meanwhile.
        qCInfo(lcScreens) << "changes not read:" << error.description();
        return;
    }
    mark_ = mark;
    if (!accounts.isEmpty())
        Q_EMIT accountsChanged(accounts);
    if (accountList)
        Q_EMIT accountListChanged();
    if (conceptList)
        Q_EMIT conceptListChanged();
}

} // namespace ledgora
