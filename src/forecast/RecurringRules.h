#pragma once

#include "RecurringRule.h"

#include <vector>

namespace ledgora {

class clManejo;

// The stored schedules: read, added, changed and deleted. A change or a deletion never
// touches the occurrences already entered: they are movements of their own by then.
class RecurringRules final {
public:
    // Every rule, or the account's when one is given, by number.
    static std::vector<RecurringRule> read(clManejo& manejo, const QString& account = {});
    // Stores a new rule under the number after the highest ever given; gives that number.
    static std::int64_t add(clManejo& manejo, RecurringRule rule);
    // Gives the number of rows changed: 0 when someone deleted the rule meanwhile.
    static long change(clManejo& manejo, const RecurringRule& rule);
    static long remove(clManejo& manejo, std::int64_t number);
    // The day of the rule's last occurrence entered; nothing when none was. Occurrences are
    // entered in order, so every one up to that day is accounted for.
    static QDate lastEntered(clManejo& manejo, const RecurringRule& rule);
};

} // namespace ledgora
