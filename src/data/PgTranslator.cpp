#include "PgTranslator.h"

#include "SqliteTranslator.h"

#include <QRegularExpression>

namespace ledgora {

namespace {
const QString kRecompute = QStringLiteral("SELECT ldg_recompute_totals(");
const QString kCount = QStringLiteral("SELECT count(*) FROM BANCNT ");
} // namespace

QString PgTranslator::translate(const StatementForm& form, bool reading) {
    const QString sql = SqliteTranslator::translate(form, u'$');
    static const QRegularExpression totalsUpdate(
        QStringLiteral(R"(^\s*UPDATE\s+BANCNT\s+SET\s+(.*?)\s+(WHERE\s.*)$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    // One movement read by its whole key is read to be checked before it is changed, in the
    // same write: its row is locked, so nobody's change can come in between.
    if (!reading && form.isQuery() &&
        form.fromTable().compare(u"BANMOV", Qt::CaseInsensitive) == 0 &&
        sql.contains(QStringLiteral("MOVINNRO = $")))
        return sql + QStringLiteral(" FOR UPDATE");
    const auto m = totalsUpdate.match(sql);
    if (!m.hasMatch() || !m.captured(1).contains(QStringLiteral("TOMDL"), Qt::CaseInsensitive))
        return sql;
    // Only reading, the totals the server keeps are left as they are; the account is counted,
    // so that a listing still finds it.
    if (reading)
        return kCount + m.captured(2);
    return kRecompute + QStringLiteral("ARRAY(SELECT CNTSTNRO FROM BANCNT ") + m.captured(2) +
           QStringLiteral("))");
}

bool PgTranslator::isRecompute(const QString& translated) {
    return translated.startsWith(kRecompute) || translated.startsWith(kCount);
}

} // namespace ledgora
