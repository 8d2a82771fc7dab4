#include "AuditEntry.h"

#include "core/Conversions.h"
#include "data/Recordset.h"
#include "data/Schema.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTimeZone>

namespace ledgora {

namespace {

QString textOf(const Recordset& rs, const char* column) {
    return rt::toText(rs.Fields(QString::fromLatin1(column)));
}

// The person's word for a column, and its value as the screens show it.
QString caption(const QString& column) {
    static const QMap<QString, const char*> captions = {
        {QStringLiteral("CNTSTNRO"), QT_TRANSLATE_NOOP("AuditEntry", "Cuenta")},
        {QStringLiteral("MOVINNRO"), QT_TRANSLATE_NOOP("AuditEntry", "Número")},
        {QStringLiteral("MOVDTALT"), QT_TRANSLATE_NOOP("AuditEntry", "Fecha")},
        {QStringLiteral("CONSTNRO"), QT_TRANSLATE_NOOP("AuditEntry", "Concepto")},
        {QStringLiteral("MOVSTCPT"), QT_TRANSLATE_NOOP("AuditEntry", "Descripción")},
        {QStringLiteral("MOVDLAAC"), QT_TRANSLATE_NOOP("AuditEntry", "A acreditar")},
        {QStringLiteral("MOVDLADE"), QT_TRANSLATE_NOOP("AuditEntry", "A debitar")},
        {QStringLiteral("MOVDLACR"), QT_TRANSLATE_NOOP("AuditEntry", "Acreditado")},
        {QStringLiteral("MOVDLDEB"), QT_TRANSLATE_NOOP("AuditEntry", "Debitado")},
        {QStringLiteral("CNTSTNOM"), QT_TRANSLATE_NOOP("AuditEntry", "Nombre")},
        {QStringLiteral("CONSTDSC"), QT_TRANSLATE_NOOP("AuditEntry", "Descripción")},
        {QStringLiteral("CONSTTIP"), QT_TRANSLATE_NOOP("AuditEntry", "Tipo")},
    };
    const auto found = captions.constFind(column);
    return found == captions.constEnd() ? column
                                        : QCoreApplication::translate("AuditEntry", *found);
}

QString shown(const QString& column, const QString& value) {
    const ColumnKind kind = Schema::columnKind(column).value_or(ColumnKind::Text);
    if (kind == ColumnKind::Amount) {
        bool whole = false;
        const qlonglong units = value.toLongLong(&whole);
        if (whole)
            return rt::formatAmount(Money::fromUnits(units));
    } else if (kind == ColumnKind::Date) {
        const QDate day = QDate::fromString(value, Qt::ISODate);
        if (day.isValid())
            return rt::formatDateSlashed(day);
    }
    return value.trimmed();
}

} // namespace

AuditEntry AuditEntry::read(const Recordset& rs) {
    AuditEntry entry;
    entry.id = rt::wholeNumber(rs.Fields(QStringLiteral("AUDINNRO")));
    entry.when = textOf(rs, "AUDDTHOR");
    entry.user = textOf(rs, "AUDSTUSU");
    entry.program = textOf(rs, "AUDSTPRG");
    entry.routine = textOf(rs, "AUDSTRUT");
    entry.table = textOf(rs, "AUDSTTAB");
    const QString operation = textOf(rs, "AUDSTOPE");
    entry.operation = operation == QLatin1String("INSERT")   ? Operation::Insert
                      : operation == QLatin1String("DELETE") ? Operation::Delete
                                                             : Operation::Update;
    entry.account = textOf(rs, "AUDSTCTA");
    if (const QString movement = textOf(rs, "AUDINMOV"); !movement.isEmpty())
        entry.movement = movement.toLongLong();
    entry.key = textOf(rs, "AUDSTCLA");
    entry.before = textOf(rs, "AUDSTANT");
    entry.after = textOf(rs, "AUDSTDES");
    return entry;
}

QMap<QString, QString> AuditEntry::values(const QString& image) {
    QMap<QString, QString> values;
    const QJsonObject object = QJsonDocument::fromJson(image.toUtf8()).object();
    for (auto it = object.begin(); it != object.end(); ++it)
        values.insert(it.key().toUpper(), it.value().toString());
    return values;
}

QDateTime AuditEntry::moment() const {
    QDateTime moment = QDateTime::fromString(when, Qt::ISODateWithMs);
    moment.setTimeZone(QTimeZone::utc());
    return moment;
}

QString AuditEntry::operationText() const {
    if (operation == Operation::Insert)
        return QCoreApplication::translate("AuditEntry", "Alta");
    if (operation == Operation::Delete)
        return QCoreApplication::translate("AuditEntry", "Baja");
    return QCoreApplication::translate("AuditEntry", "Modificación");
}

QString AuditEntry::operationName() const {
    switch (operation) {
    case Operation::Insert:
        return QStringLiteral("INSERT");
    case Operation::Delete:
        return QStringLiteral("DELETE");
    case Operation::Update:
        break;
    }
    return QStringLiteral("UPDATE");
}

QString AuditEntry::changesText(const QString& separator) const {
    const QMap<QString, QString> old = values(before);
    const QMap<QString, QString> now = values(after);
    const QMap<QString, QString>& whole = now.isEmpty() ? old : now;
    // In the table's own order of columns.
    QStringList columns;
    if (const TableDef* def = Schema::table(table))
        for (const ColumnDef& column : def->columns)
            if (whole.contains(column.name))
                columns << column.name;
    QStringList parts;
    for (const QString& column : columns) {
        // A whole movement, as the listing shows it: not its account and number, which the
        // history names already, nor the amounts it does not have.
        const bool said = column == QLatin1String("CNTSTNRO") ||
                          column == QLatin1String("MOVINNRO") ||
                          (column.startsWith(QLatin1String("MOVDL")) && whole[column] == u'0');
        if (old.isEmpty() || now.isEmpty()) {
            if (table != QLatin1String("BANMOV") || !said)
                parts << QStringLiteral("%1: %2").arg(caption(column),
                                                      shown(column, whole[column]));
        } else if (old[column].trimmed() != now[column].trimmed())
            parts << QStringLiteral("%1: %2 → %3")
                         .arg(caption(column), shown(column, old[column]),
                              shown(column, now[column]));
    }
    return parts.join(separator);
}

} // namespace ledgora
