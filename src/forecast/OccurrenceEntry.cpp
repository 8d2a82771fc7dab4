#include "OccurrenceEntry.h"

#include "ForecastStatements.h"
#include "RecurringRules.h"
#include "core/Conversions.h"
#include "core/SettingsStore.h"
#include "data/Recordset.h"
#include "data/WriteBatch.h"
#include "data/clManejo.h"
#include "domain/LedgerStatements.h"

#include <QStringList>
#include <algorithm>
#include <limits>
#include <map>

namespace ledgora {

namespace {

const QString kApplication = QStringLiteral("VENTALIA");
const QString kSection = QStringLiteral("BANCOS");
const QString kHorizonKey = QStringLiteral("PERIODICOS_DIAS");

struct Due {
    QDate date;
    const RecurringRule* rule;
};

std::vector<Due> dueOf(clManejo& manejo, const std::vector<const RecurringRule*>& rules,
                       QDate through) {
    std::vector<Due> due;
    for (const RecurringRule* rule : rules)
        for (const QDate& date :
             rule->occurrencesAfter(RecurringRules::lastEntered(manejo, *rule), through))
            due.push_back({date, rule});
    std::stable_sort(due.begin(), due.end(), [](const Due& a, const Due& b) {
        return a.date != b.date ? a.date < b.date : a.rule->number < b.rule->number;
    });
    return due;
}

} // namespace

int OccurrenceEntry::horizonDays() {
    bool ok = false;
    const int days =
        SettingsStore::GetSetting(kApplication, kSection, kHorizonKey, QString()).toInt(&ok);
    return ok && days >= 0 && days <= 3660 ? days : kDefaultHorizonDays;
}

void OccurrenceEntry::setHorizonDays(int days) {
    SettingsStore::SaveSetting(kApplication, kSection, kHorizonKey, QString::number(days));
}

int OccurrenceEntry::enterDue(clManejo& manejo, QDate through, const QString& account) {
    const std::vector<RecurringRule> rules = RecurringRules::read(manejo, account);
    // Accounts in one order, so that two copies entering at once hold their rows in the same
    // order and never wait on each other in a circle.
    std::map<QString, std::vector<const RecurringRule*>> byAccount;
    for (const RecurringRule& rule : rules)
        byAccount[rule.account].push_back(&rule);
    // A first look without writing: most of the time nothing is due, and a read-only ledger
    // or a busy one is then never asked to write.
    for (auto it = byAccount.begin(); it != byAccount.end();)
        it = dueOf(manejo, it->second, through).empty() ? byAccount.erase(it) : std::next(it);
    if (byAccount.empty())
        return 0;

    WriteBatch batch(manejo);
    int entered = 0;
    Recordset rs;
    for (const auto& [number, accountRules] : byAccount) {
        // Whoever enters the account's occurrences holds its row first; what they entered
        // meanwhile is then seen here, and not entered again.
        manejo.Ejecutar(forms::ledgerHoldAccount, {number});
        std::int64_t next = highestMovementNumber(manejo, rs, number).value_or(0);
        for (const Due& due : dueOf(manejo, accountRules, through)) {
            if (next >= std::numeric_limits<std::int32_t>::max())
                throw RuntimeError::overflow();
            ++next;
            const RecurringRule& rule = *due.rule;
            const QString date = rt::formatDateSlashed(due.date);
            manejo.Ejecutar(forms::recurringEnter,
                            {number, QString::number(next), date, rule.concept, rule.description,
                             rt::generalNumberText(rule.toCredit()),
                             rt::generalNumberText(rule.toDebit())});
            manejo.Ejecutar(forms::recurringRecordOccurrence,
                            {QString::number(rule.number), date, number, QString::number(next)});
            ++entered;
        }
    }
    batch.commit();
    return entered;
}

} // namespace ledgora
