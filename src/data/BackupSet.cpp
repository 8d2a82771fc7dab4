#include "BackupSet.h"

#include "DatabaseCopy.h"
#include "data/DataLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>
#include <algorithm>
#include <map>

namespace ledgora {

namespace {

const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");

bool sameContent(const QString& a, const QString& b) {
    QFile left(a);
    QFile right(b);
    if (left.size() != right.size() || !left.open(QIODevice::ReadOnly) ||
        !right.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 kChunk = 1 << 20;
    while (!left.atEnd())
        if (left.read(kChunk) != right.read(kChunk))
            return false;
    return true;
}

} // namespace

BackupSet::BackupSet(const QString& database)
    : database_(QFileInfo(database).absoluteFilePath()),
      folder_(QFileInfo(database).absolutePath() + QStringLiteral("/backups")),
      prefix_(QFileInfo(database).fileName() + QStringLiteral(".copia-")) {}

QDateTime BackupSet::momentOf(const QString& path) const {
    const QString name = QFileInfo(path).fileName();
    static const QRegularExpression stamp(QStringLiteral("^(\\d{8}-\\d{6}-\\d{3})Z\\.db$"));
    if (!name.startsWith(prefix_))
        return {};
    const auto match = stamp.match(QStringView(name).mid(prefix_.size()));
    if (!match.hasMatch())
        return {};
    QDateTime moment = QDateTime::fromString(match.captured(1), kStampFormat);
    moment.setTimeSpec(Qt::UTC);
    return moment;
}

QStringList BackupSet::paths() const {
    // Listed by hand, not by a name filter: a ledger's name may hold '[', '*' or '?'.
    QStringList mine;
    for (const QString& name : QDir(folder_).entryList(QDir::Files, QDir::Name))
        if (momentOf(name).isValid())
            mine << folder_ + u'/' + name;
    std::sort(mine.begin(), mine.end(),
              [this](const QString& a, const QString& b) { return momentOf(a) < momentOf(b); });
    return mine;
}

std::vector<bool> BackupSet::retained(const std::vector<QDateTime>& moments, const QDateTime& now) {
    const std::size_t count = moments.size();
    std::vector<bool> keep(count, false);
    std::map<qint64, std::size_t> newestOfWeek;
    for (std::size_t k = 0; k < count; ++k) {
        if (k + kRecent >= count) {
            keep[k] = true;
            continue;
        }
        const qint64 week = moments[k].toUTC().date().daysTo(now.toUTC().date()) / 7;
        if (week >= 0 && week < kWeeks)
            newestOfWeek[week] = k; // oldest first: the last one seen is the newest
    }
    for (const auto& [week, k] : newestOfWeek)
        keep[k] = true;
    return keep;
}

void BackupSet::prune(const QDateTime& now) const {
    const QStringList all = paths();
    std::vector<QDateTime> moments;
    for (const QString& path : all)
        moments.push_back(momentOf(path));
    const std::vector<bool> keep = retained(moments, now);
    for (int k = 0; k < all.size(); ++k)
        if (!keep[std::size_t(k)] && !QFile::remove(all[k]))
            qCWarning(lcBackup) << "cannot remove the old copy" << all[k];
}

BackupSet::Outcome BackupSet::take(const QDateTime& now) const {
    if (!QDir().mkpath(folder_))
        return {Outcome::Failed,
                {},
                QCoreApplication::translate("BackupSet", "no se pudo crear la carpeta ") + folder_};
    // What an interrupted copy left behind is of no use to anybody.
    for (const QString& name : QDir(folder_).entryList(QDir::Files))
        if (name.startsWith(prefix_) && name.endsWith(QLatin1String(".parcial")))
            QFile::remove(folder_ + u'/' + name);

    // A ledger not laid out yet has nothing to keep; one that fails its check is never
    // copied over the good copies.
    if (QFileInfo(database_).size() == 0 && paths().isEmpty())
        return {Outcome::Unchanged, {}, {}};
    if (const QString problem = DatabaseCopy::ledgerProblem(database_, false); !problem.isEmpty())
        return {Outcome::Refused,
                {},
                QCoreApplication::translate(
                    "BackupSet", "el libro %1 %2: no se tomó una copia, y las anteriores se "
                                 "conservan")
                    .arg(database_, problem)};
    const qint64 size =
        QFileInfo(database_).size() + QFileInfo(database_ + QStringLiteral("-wal")).size();
    const QStorageInfo disk(folder_);
    if (disk.bytesAvailable() < 2 * size)
        return {Outcome::Refused,
                {},
                QCoreApplication::translate(
                    "BackupSet", "queda poco espacio en el disco (%1 MB libres para un libro de "
                                 "%2 MB): no se tomó una copia")
                    .arg(disk.bytesAvailable() >> 20)
                    .arg(size >> 20)};

    const QString target =
        folder_ + u'/' + prefix_ + now.toUTC().toString(kStampFormat) + QStringLiteral("Z.db");
    const QStringList before = paths();
    if (const QString failure = DatabaseCopy::copy(database_, target); !failure.isEmpty())
        return {Outcome::Failed,
                {},
                QCoreApplication::translate("BackupSet", "no se pudo tomar la copia: ") + failure};
    if (!before.isEmpty() && sameContent(before.last(), target)) {
        QFile::remove(target);
        return {Outcome::Unchanged, before.last(), {}};
    }
    prune(now);
    return {Outcome::Taken, target, {}};
}

} // namespace ledgora
