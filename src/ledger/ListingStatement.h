#pragma once

#include <QString>

namespace ledgora {

enum class ListingFor { Grid, Report };

// The listing of the current account's movements within the interval, narrowed by the
// listing filter when it is on: display texts for the grid, numbers for the printed report.
// Concept and text are spliced as they stand.
QString listingStatement(ListingFor target);
// The name of the form listingStatement gives under the current filter.
const char* listingForm(ListingFor target);

// One bank account's row, by its number spliced as it stands.
QString accountStatement(const QString& number);

} // namespace ledgora
