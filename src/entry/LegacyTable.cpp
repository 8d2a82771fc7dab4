#include "LegacyTable.h"

#include "core/Conversions.h"
#include "core/FileErrorText.h"
#include "data/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace ledgora {

namespace {

// Raised under the number of a value of the wrong kind; the description says the rest.
RuntimeError refused(const QString& description) {
    return {RuntimeError::typeMismatch().number(), description};
}

RuntimeError noMdbtools() {
    return refused(QCoreApplication::translate(
        "LegacyTable", "para leer un archivo de Access hace falta mdb-export "
                       "(paquete mdbtools de Debian)"));
}

} // namespace

void LegacyTable::requireTables(const QString& legacy, const QStringList& names) {
    QStringList missing;
    if (QFileInfo(legacy).isDir()) {
        for (const QString& name : names)
            if (QDir(legacy).entryList({name + QStringLiteral(".csv")}, QDir::Files).isEmpty())
                missing << name + QStringLiteral(".csv");
    } else {
        QProcess lister;
        lister.start(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), legacy});
        if (!lister.waitForStarted())
            throw noMdbtools();
        lister.waitForFinished(-1);
        if (lister.exitStatus() != QProcess::NormalExit || lister.exitCode() != 0)
            throw refused(
                QCoreApplication::translate("LegacyTable",
                                            "mdbtools no puede leer %1 como archivo de Access: %2")
                    .arg(legacy, QString::fromLocal8Bit(lister.readAllStandardError()).trimmed()));
        const QStringList tables =
            QString::fromUtf8(lister.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        for (const QString& name : names)
            if (!tables.contains(name, Qt::CaseInsensitive))
                missing << name;
    }
    if (!missing.isEmpty())
        throw refused(
            QStringLiteral("%1 no tiene: %2").arg(legacy, missing.join(QStringLiteral(", "))));
}

LegacyTable::LegacyTable(const QString& legacy, const QString& name, const QStringList& optional) {
    QIODevice* device = nullptr;
    if (QFileInfo(legacy).isDir()) {
        const QDir folder(legacy);
        label_ = folder.entryList({name + QStringLiteral(".csv")}, QDir::Files)
                     .value(0, name + QStringLiteral(".csv"));
        file_ = std::make_unique<QFile>(folder.filePath(label_));
        if (!file_->open(QIODevice::ReadOnly))
            throw refused(QCoreApplication::translate("LegacyTable", "no se puede leer %1: %2")
                              .arg(file_->fileName(), fileErrorText(*file_)));
        device = file_.get();
    } else {
        label_ = QStringLiteral("%1 (tabla %2)").arg(QFileInfo(legacy).fileName(), name);
        exporter_ = std::make_unique<QProcess>();
        // Dates as year-month-day, with the time of day where the column keeps one.
        exporter_->start(QStringLiteral("mdb-export"),
                         {QStringLiteral("-D"), QStringLiteral("%Y-%m-%d"), QStringLiteral("-T"),
                          QStringLiteral("%Y-%m-%d %H:%M:%S"), legacy, name});
        if (!exporter_->waitForStarted())
            throw noMdbtools();
        device = exporter_.get();
    }
    reader_ = std::make_unique<CsvReader>(*device);
    if (!read())
        throw refusal(
            QCoreApplication::translate("LegacyTable", "está vacío: falta el encabezado"));
    QStringList known;
    for (const ColumnDef& column : Schema::table(name)->columns)
        known << column.name;
    for (const QString& field : reader_->fields()) {
        const QString column = field.trimmed().toUpper();
        if (!known.contains(column))
            throw refusal(
                QCoreApplication::translate("LegacyTable", "la columna %1 no es de la tabla %2")
                    .arg(field, name));
        if (header_.contains(column))
            throw refusal(QCoreApplication::translate("LegacyTable", "la columna %1 está repetida")
                              .arg(column));
        header_ << column;
    }
    QStringList missing;
    for (const QString& column : known)
        if (!header_.contains(column) && !optional.contains(column))
            missing << column;
    if (!missing.isEmpty())
        throw refusal(
            QCoreApplication::translate("LegacyTable", "faltan columnas en el encabezado: ") +
            missing.join(QStringLiteral(", ")));
}

bool LegacyTable::read() {
    if (reader_->next())
        return true;
    if (!reader_->problem().isEmpty())
        throw refusal(reader_->problem());
    if (exporter_) {
        exporter_->waitForFinished(-1);
        if (exporter_->exitStatus() != QProcess::NormalExit || exporter_->exitCode() != 0)
            throw refused(
                QStringLiteral("%1: mdb-export no pudo leerla: %2")
                    .arg(label_,
                         QString::fromLocal8Bit(exporter_->readAllStandardError()).trimmed()));
    }
    return false;
}

bool LegacyTable::next() {
    if (!read())
        return false;
    ++rows_;
    if (reader_->fields().size() != header_.size())
        throw refusal(
            QCoreApplication::translate("LegacyTable", "tiene %1 campos y el encabezado %2")
                .arg(reader_->fields().size())
                .arg(header_.size()));
    return true;
}

RuntimeError LegacyTable::refusal(const QString& reason) const {
    return refused(QStringLiteral("%1, línea %2: %3").arg(label_).arg(reader_->line()).arg(reason));
}

RuntimeError LegacyTable::refusedValue(const char* column, const QString& why) const {
    return refusal(QStringLiteral("%1 \"%2\" %3").arg(QLatin1String(column), cell(column), why));
}

const QString& LegacyTable::cell(const char* column) const {
    static const QString none;
    const qsizetype k = header_.indexOf(QLatin1String(column));
    return k < 0 ? none : reader_->fields()[k];
}

QString LegacyTable::text(const char* column) const {
    QString value = cell(column);
    for (QChar& c : value)
        if (c.unicode() < 0x20)
            c = u' ';
    return value;
}

QString LegacyTable::key(const char* column) const {
    static const QRegularExpression digits(QStringLiteral("^[0-9]+ *$"));
    if (!digits.match(cell(column)).hasMatch())
        throw refusedValue(
            column, QCoreApplication::translate("LegacyTable", "no es un número de dígitos"));
    return cell(column);
}

int LegacyTable::whole(const char* column) const {
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
    const QString value = cell(column).trimmed();
    if (!integer.match(value).hasMatch())
        throw refusedValue(column,
                           QCoreApplication::translate("LegacyTable", "no es un número entero"));
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok)
        throw refusedValue(column,
                           QCoreApplication::translate("LegacyTable", "está fuera de rango"));
    return number;
}

Money LegacyTable::amount(const char* column) const {
    static const QRegularExpression number(
        QStringLiteral(R"(^[+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)([eE][+-]?[0-9]+)?$)"));
    const QString value = cell(column).trimmed();
    if (value.isEmpty())
        return {};
    if (!number.match(value).hasMatch())
        throw refusedValue(column, QCoreApplication::translate("LegacyTable", "no es un importe"));
    bool rounded = false;
    const auto amount = Money::parse(value, value.contains(u',') ? u',' : u'.', &rounded);
    if (!amount)
        throw refusedValue(column,
                           QCoreApplication::translate("LegacyTable", "está fuera de rango"));
    // The ledger keeps whole ten-thousandths: a fifth decimal would be lost, not stored.
    if (rounded)
        throw refusedValue(
            column, QCoreApplication::translate("LegacyTable", "tiene más de cuatro decimales"));
    return *amount;
}

QDate LegacyTable::date(const char* column, QDate ifEmpty) const {
    static const QRegularExpression dayAndTime(
        QStringLiteral(R"(^(\S+?)([ T]+([01]?[0-9]|2[0-3]):[0-5][0-9](:[0-5][0-9])?)?$)"));
    const QString value = cell(column).trimmed();
    if (value.isEmpty()) {
        if (ifEmpty.isValid())
            return ifEmpty;
        throw refusal(QCoreApplication::translate("LegacyTable", "falta la fecha %1")
                          .arg(QLatin1String(column)));
    }
    const auto match = dayAndTime.match(value);
    const auto day = match.hasMatch() ? rt::readDate(match.captured(1)) : std::nullopt;
    if (!day)
        throw refusedValue(column, QCoreApplication::translate("LegacyTable", "no es una fecha"));
    return *day;
}

} // namespace ledgora
