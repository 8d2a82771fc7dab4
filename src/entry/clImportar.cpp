#include "clImportar.h"

#include "data/ConnectionString.h"
#include "data/CsvText.h"
#include "data/WriteBatch.h"
#include "data/clManejo.h"
#include "platform/Conversions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <map>
#include <optional>

namespace ledgora {

namespace {

// One table as the legacy export gives it: a header row naming the columns, then the rows.
class LegacyTable {
public:
    explicit LegacyTable(std::vector<QStringList> records) : records_(std::move(records)) {
        if (records_.empty())
            return;
        for (int k = 0; k < records_.front().size(); ++k)
            columns_.insert(records_.front()[k].trimmed().toUpper(), k);
    }
    int rows() const { return records_.empty() ? 0 : int(records_.size()) - 1; }
    bool has(const char* column) const { return columns_.contains(QString::fromLatin1(column)); }
    // The cell, with control characters (which would split a grid's row) turned to blanks.
    QString at(int row, const char* column) const {
        const int k = columns_.value(QString::fromLatin1(column), -1);
        const QStringList& record = records_[std::size_t(row) + 1];
        QString value = k >= 0 && k < record.size() ? record[k] : QString();
        for (QChar& c : value)
            if (c.unicode() < 0x20)
                c = u' ';
        return value;
    }

private:
    std::vector<QStringList> records_;
    QHash<QString, int> columns_;
};

// Reads a table from a folder of CSV files or, for an Access file, through mdb-export.
std::optional<LegacyTable> readTable(const QString& legacy, const QString& name, QString& failure) {
    QByteArray bytes;
    if (QFileInfo(legacy).isDir()) {
        const QDir folder(legacy);
        const QStringList found =
            folder.entryList({name + QStringLiteral(".csv")}, QDir::Files | QDir::Readable);
        QFile file(folder.filePath(found.value(0, name + QStringLiteral(".csv"))));
        if (!file.open(QIODevice::ReadOnly)) {
            failure = QStringLiteral("no %1.csv in %2").arg(name, legacy);
            return std::nullopt;
        }
        bytes = file.readAll();
    } else {
        QProcess exporter;
        exporter.start(QStringLiteral("mdb-export"),
                       {QStringLiteral("-D"), QStringLiteral("%Y-%m-%d"), legacy, name});
        if (!exporter.waitForStarted()) {
            failure = QStringLiteral("mdb-export is not installed (Debian's package mdbtools)");
            return std::nullopt;
        }
        exporter.waitForFinished(-1);
        if (exporter.exitStatus() != QProcess::NormalExit || exporter.exitCode() != 0) {
            failure = QStringLiteral("mdb-export cannot read %1 from %2: %3")
                          .arg(name, legacy,
                               QString::fromLocal8Bit(exporter.readAllStandardError()).trimmed());
            return std::nullopt;
        }
        bytes = exporter.readAllStandardOutput();
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    return LegacyTable(CsvText::parse(QString::fromUtf8(bytes)));
}

// A stored date as the old system or mdb-export writes it: yyyy-mm-dd (a time of day after
// it is dropped) or day/month/year.
std::optional<QDate> legacyDate(const QString& text) {
    const QString trimmed = text.trimmed();
    const QDate iso = QDate::fromString(trimmed.left(10), Qt::ISODate);
    if (iso.isValid())
        return iso;
    return rt::readDate(trimmed.section(u' ', 0, 0));
}

// An amount read exactly, with a point or a comma as the decimal separator.
std::optional<Money> legacyAmount(const QString& text) {
    QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return Money();
    const QChar separator = trimmed.contains(u'.') || !trimmed.contains(u',') ? u'.' : u',';
    return Money::parse(trimmed, separator);
}

QString dayText(QDate date) {
    return rt::formatDateSlashed(date);
}

} // namespace

clImportar::clImportar() = default;

QString clImportar::Importar(const QString& legacy, const QString& dbPath) {
    summary_.clear();
    if (!QFileInfo::exists(legacy))
        return QStringLiteral("nothing to import at ") + legacy;
    QString failure;
    const auto accounts = readTable(legacy, QStringLiteral("BANCNT"), failure);
    const auto concepts =
        accounts ? readTable(legacy, QStringLiteral("BANCON"), failure) : std::nullopt;
    const auto movements =
        concepts ? readTable(legacy, QStringLiteral("BANMOV"), failure) : std::nullopt;
    if (!movements)
        return failure;
    if (!accounts->has("CNTSTNRO") || !concepts->has("CONSTNRO") || !movements->has("CNTSTNRO") ||
        !movements->has("MOVINNRO"))
        return QStringLiteral("the legacy tables lack their key columns");

    clManejo manejo;
    manejo.CadenaConexion(ConnectionString::forSource(dbPath));
    manejo.Conectar();
    if (!manejo.EstadoConexion())
        return QStringLiteral("cannot open the database ") + ConnectionString::masked(dbPath);
    Recordset existing;
    manejo.Sql(QStringLiteral("select * from BANCNT order by VAL(CNTSTNRO)"), "accounts.list");
    manejo.RsDesconectado(true);
    manejo.CrearRs(existing);
    if (existing.RecordCount() > 0)
        return QStringLiteral("the database already has accounts: nothing was imported");

    int row = 0;
    const char* table = "BANCNT";
    try {
        WriteBatch batch(manejo);
        // Each account's totals, summed exactly from its movements as they come in.
        std::map<QString, Money[4]> totals;
        const char* amountColumns[] = {"MOVDLAAC", "MOVDLADE", "MOVDLACR", "MOVDLDEB"};
        for (row = 0; row < accounts->rows(); ++row) {
            const QString number = accounts->at(row, "CNTSTNRO");
            // An account registered without a date takes today's, as a new one would.
            const QDate since =
                legacyDate(accounts->at(row, "CNTDTALT")).value_or(QDate::currentDate());
            manejo.Ejecutar("accounts.insert",
                            {number, dayText(since), accounts->at(row, "CNTSTNOM"),
                             accounts->at(row, "CNTSTBNK"), accounts->at(row, "CNTSTTEL"),
                             accounts->at(row, "CNTSTBKC")});
            totals[number.trimmed()];
        }
        table = "BANCON";
        for (row = 0; row < concepts->rows(); ++row)
            manejo.Ejecutar("concepts.insert",
                            {concepts->at(row, "CONSTNRO"), concepts->at(row, "CONSTDSC"),
                             concepts->at(row, "CONSTTIP")});
        table = "BANMOV";
        for (row = 0; row < movements->rows(); ++row) {
            const QString account = movements->at(row, "CNTSTNRO");
            const auto date = legacyDate(movements->at(row, "MOVDTALT"));
            QStringList values = {account, movements->at(row, "MOVINNRO").trimmed(),
                                  date ? dayText(*date) : QString(), movements->at(row, "CONSTNRO"),
                                  movements->at(row, "MOVSTCPT")};
            Money* sums = totals[account.trimmed()];
            for (int k = 0; k < 4; ++k) {
                const auto amount = legacyAmount(movements->at(row, amountColumns[k]));
                if (!amount)
                    throw RuntimeError::typeMismatch();
                sums[k] += *amount;
                values << rt::generalNumberText(*amount);
            }
            manejo.Ejecutar("entry.insertMovement", values);
        }
        table = "BANCNT";
        row = 0;
        for (const auto& [account, sums] : totals) {
            manejo.Ejecutar("ledger.accountTotals",
                            {rt::generalNumberText(sums[0]), rt::generalNumberText(sums[1]),
                             rt::generalNumberText(sums[2]), rt::generalNumberText(sums[3]),
                             account});
            ++row;
        }
        batch.commit();
    } catch (const RuntimeError& error) {
        return QStringLiteral("%1, row %2: %3; nothing was imported")
            .arg(QString::fromLatin1(table))
            .arg(row + 1)
            .arg(error.description());
    }
    summary_ = QStringLiteral("imported %1 accounts, %2 concepts and %3 movements")
                   .arg(accounts->rows())
                   .arg(concepts->rows())
                   .arg(movements->rows());
    return {};
}

} // namespace ledgora
