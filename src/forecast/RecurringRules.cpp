#include "RecurringRules.h"

#include "ForecastStatements.h"
#include "core/Conversions.h"
#include "data/Recordset.h"
#include "data/WriteBatch.h"
#include "data/clManejo.h"

#include <QStringList>

namespace ledgora {

namespace {

// The rule's values in the order the insert and the update take them (the number apart).
QStringList valuesOf(const RecurringRule& rule) {
    QStringList values = {rule.account,
                          rule.concept,
                          rule.description,
                          rt::generalNumberText(rule.amount),
                          RecurringRule::sideLetter(rule.side),
                          RecurringRule::frequencyLetter(rule.frequency),
                          QString::number(rule.every),
                          QString::number(rule.day),
                          rt::formatDateSlashed(rule.first)};
    if (rule.last)
        values << rt::formatDateSlashed(*rule.last);
    values << QString::number(rule.count.value_or(0));
    return values;
}

} // namespace

std::vector<RecurringRule> RecurringRules::read(clManejo& manejo, const QString& account) {
    std::vector<RecurringRule> rules;
    Recordset rs;
    manejo.RsDesconectado(true);
    if (account.isEmpty())
        manejo.CrearRs(rs, forms::recurringAll, {});
    else
        manejo.CrearRs(rs, forms::recurringOfAccount, {account});
    for (; !rs.Eof(); rs.MoveNext()) {
        RecurringRule rule;
        rule.number = rs.valueOf<std::int64_t>(QStringLiteral("PERINNRO"));
        rule.account = rs.valueOf<QString>(QStringLiteral("CNTSTNRO")).trimmed();
        rule.concept = rs.valueOf<QString>(QStringLiteral("CONSTNRO")).trimmed();
        rule.description = rs.valueOf<QString>(QStringLiteral("PERSTDSC"));
        rule.amount = rs.valueOf<Money>(QStringLiteral("PERDLIMP"));
        rule.side = RecurringRule::sideOf(rs.valueOf<QString>(QStringLiteral("PERSTLAD")))
                        .value_or(RecurringRule::Side::Debit);
        rule.frequency = RecurringRule::frequencyOf(rs.valueOf<QString>(QStringLiteral("PERSTFRE")))
                             .value_or(RecurringRule::Frequency::Monthly);
        rule.every = int(rs.valueOf<std::int64_t>(QStringLiteral("PERINCAD")));
        rule.day = int(rs.valueOf<std::int64_t>(QStringLiteral("PERINDIA")));
        rule.first = rs.valueOf<QDate>(QStringLiteral("PERDTINI"));
        if (const QDate last = rs.valueOf<QDate>(QStringLiteral("PERDTFIN")); last.isValid())
            rule.last = last;
        if (const auto count = rs.valueOf<std::int64_t>(QStringLiteral("PERINVEC")); count > 0)
            rule.count = int(count);
        rules.push_back(rule);
    }
    rs.Close();
    return rules;
}

std::int64_t RecurringRules::add(clManejo& manejo, RecurringRule rule) {
    // Two people adding a rule at the same instant on a server may read the same highest
    // number; the second is refused as a duplicate key and takes the next one.
    for (int attempt = 1;; ++attempt) {
        WriteBatch batch(manejo);
        rule.number = manejo.scalar(forms::recurringHighest, {}).value_or(0) + 1;
        QStringList values = valuesOf(rule);
        values.prepend(QString::number(rule.number));
        try {
            manejo.Ejecutar(rule.last ? forms::recurringInsert : forms::recurringInsertOpen,
                            values);
        } catch (const RuntimeError& error) {
            if (error.kind() != RuntimeError::Kind::DuplicateKey || attempt == 3)
                throw;
            batch.rollback();
            continue;
        }
        batch.commit();
        return rule.number;
    }
}

long RecurringRules::change(clManejo& manejo, const RecurringRule& rule) {
    QStringList values = valuesOf(rule);
    values << QString::number(rule.number);
    return manejo.Ejecutar(rule.last ? forms::recurringUpdate : forms::recurringUpdateOpen, values);
}

QDate RecurringRules::lastEntered(clManejo& manejo, const RecurringRule& rule) {
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, forms::recurringLastEntered, {QString::number(rule.number)});
    return rs.Eof() ? QDate() : rs.valueOf<QDate>(QStringLiteral("OCUDTFEC"));
}

long RecurringRules::remove(clManejo& manejo, std::int64_t number) {
    return manejo.Ejecutar(forms::recurringDelete, {QString::number(number)});
}

} // namespace ledgora
