#pragma once

#include "data/FormName.h"

namespace ledgora {

// The forms the schedules and the treasury forecast issue.
namespace forms {
inline constexpr FormName recurringAll{"recurring.all"};
inline constexpr FormName recurringOfAccount{"recurring.ofAccount"};
inline constexpr FormName recurringHighest{"recurring.highest"};
inline constexpr FormName recurringInsert{"recurring.insert"};
inline constexpr FormName recurringInsertOpen{"recurring.insertOpen"};
inline constexpr FormName recurringUpdate{"recurring.update"};
inline constexpr FormName recurringUpdateOpen{"recurring.updateOpen"};
inline constexpr FormName recurringDelete{"recurring.delete"};
inline constexpr FormName recurringLastEntered{"recurring.lastEntered"};
inline constexpr FormName recurringRecordOccurrence{"recurring.recordOccurrence"};
inline constexpr FormName recurringEnter{"recurring.enter"};
inline constexpr FormName forecastPending{"forecast.pending"};
inline constexpr FormName forecastPendingAll{"forecast.pendingAll"};
inline constexpr FormName forecastRealisedAll{"forecast.realisedAll"};
inline constexpr FormName forecastRealisedDays{"forecast.realisedDays"};
} // namespace forms

// Registers the forms above, once at start with every other library's.
void registerForecastStatements();

} // namespace ledgora
