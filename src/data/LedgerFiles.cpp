#include "LedgerFiles.h"

#include <QFile>
#include <sys/stat.h>

namespace ledgora {

LedgerFiles::LedgerFiles(const QString& path)
    : paths_{path, path + QStringLiteral("-wal"), path + QStringLiteral("-shm")} {}

LedgerFiles::Identity LedgerFiles::identityOf(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return std::pair{static_cast<unsigned long long>(info.st_dev),
                     static_cast<unsigned long long>(info.st_ino)};
}

void LedgerFiles::record() {
    for (std::size_t k = 0; k < paths_.size(); ++k)
        recorded_[k] = identityOf(paths_[k]);
}

LedgerFiles::State LedgerFiles::state() const {
    if (!recorded_[0])
        return State::Held; // nothing was recorded: nothing to compare
    if (identityOf(paths_[0]) != recorded_[0])
        return State::Replaced;
    for (std::size_t k = 1; k < paths_.size(); ++k)
        if (recorded_[k] && identityOf(paths_[k]) != recorded_[k])
            return State::CompanionsGone;
    return State::Held;
}

} // namespace ledgora
