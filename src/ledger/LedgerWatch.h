#pragma once

#include <QObject>
#include <QSet>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>

namespace ledgora {

// Follows what other people change in the ledger this copy shows. On a file it asks the
// connection a few times a second whether another one has committed since (a check that reads
// nothing); on a server it is woken by the connection's socket when the server tells a change.
// Only then it reads the audit rows written since the last it saw, which say whose movements,
// and whether the account or concept lists, changed. Nothing is read while nothing changes,
// and nothing is asked while this copy's own write is open.
class LedgerWatch final : public QObject {
    Q_OBJECT
public:
    explicit LedgerWatch(QObject* parent = nullptr);

    // From the newest change stored now on; what came before is already shown. Once started,
    // starting again changes nothing.
    void start();
    void stop();
    // Looks at once, as the timer does.
    void check();

Q_SIGNALS:
    // Each look, whether anything changed or not: what waits for a screen to close tries again.
    void looked();
    // Movements or totals of these accounts changed.
    void accountsChanged(const QSet<QString>& accounts);
    // An account was added, changed or removed (the account list).
    void accountListChanged();
    void conceptListChanged();
    // Another file now stands where the ledger's stood (a restored copy). The watch stops:
    // whoever opens the ledger again starts it again.
    void ledgerReplaced();

private:
    // Wakes the watch when the server tells a change, on the connection's socket as it is now
    // (a new one after a reconnection).
    void followSocket();

    QTimer timer_;
    std::unique_ptr<QSocketNotifier> told_;
    std::optional<std::int64_t> mark_;
    std::int64_t seen_ = 0;
};

} // namespace ledgora
