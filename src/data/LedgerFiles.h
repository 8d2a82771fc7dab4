#pragma once

#include <QString>
#include <array>
#include <optional>
#include <utility>

namespace ledgora {

// A ledger file and the log and index SQLite keeps beside it, each known by its device and
// inode. While a connection holds the file, SQLite never removes or replaces those two: the
// connection's locks keep every other program from doing so. When they are gone or are other
// files all the same, the locks were lost (the operating system drops a process's locks on a
// file when any part of the process closes it) or the file was replaced (a backup restored
// over it), and the connection is writing where nobody else reads.
class LedgerFiles {
public:
    enum class State { Held, CompanionsGone, Replaced };

    LedgerFiles() = default;
    explicit LedgerFiles(const QString& path);

    // Takes the files as they are now.
    void record();
    State state() const;

private:
    using Identity = std::optional<std::pair<unsigned long long, unsigned long long>>;
    static Identity identityOf(const QString& path);

    std::array<QString, 3> paths_; // the file, its log, its index
    std::array<Identity, 3> recorded_;
};

} // namespace ledgora
