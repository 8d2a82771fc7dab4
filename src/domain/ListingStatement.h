#pragma once

#include <QString>

namespace ledgora {

// The grid shows display texts, the printed report formats numbers, the exported file takes
// the stored values as they are.
enum class ListingFor { Grid, Report, Export };

// The start of the listing for a target, up to the quote that opens the account's number.
QString listingBase(ListingFor target);

// The listing of the current account's movements within the interval, narrowed by the
// listing filter when it is on: display texts for the grid, numbers for the printed report.
// Concept and text are spliced as they stand.
QString listingStatement(ListingFor target);
// The name of the form listingStatement gives under the current filter: the target's prefix
// ("ledger.listing", "ledger.report", "ledger.export"), then ".concept" or ".conceptText".
const char* listingForm(ListingFor target);

// One bank account's row, by its number spliced as it stands.
QString accountStatement(const QString& number);

} // namespace ledgora
