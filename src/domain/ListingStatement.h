#pragma once

#include "data/FormName.h"

#include <QString>

namespace ledgora {

// The listing for each target, without filter, by concept, and by concept and text.
namespace forms {
inline constexpr FormName ledgerListing{"ledger.listing"};
inline constexpr FormName ledgerListingConcept{"ledger.listing.concept"};
inline constexpr FormName ledgerListingConceptText{"ledger.listing.conceptText"};
inline constexpr FormName ledgerReport{"ledger.report"};
inline constexpr FormName ledgerReportConcept{"ledger.report.concept"};
inline constexpr FormName ledgerReportConceptText{"ledger.report.conceptText"};
inline constexpr FormName ledgerExport{"ledger.export"};
inline constexpr FormName ledgerExportConcept{"ledger.export.concept"};
inline constexpr FormName ledgerExportConceptText{"ledger.export.conceptText"};
} // namespace forms

// The grid shows display texts, the printed report formats numbers, the exported file takes
// the stored values as they are.
enum class ListingFor { Grid, Report, Export };

// The start of the listing for a target, up to the quote that opens the account's number.
QString listingBase(ListingFor target);

// The listing of the current account's movements within the interval, narrowed by the
// listing filter when it is on: display texts for the grid, numbers for the printed report.
// Concept and text are spliced as they stand.
QString listingStatement(ListingFor target);
// How the listing is narrowed: not at all, to a concept, to a concept and a text.
enum class ListingFilter { None, Concept, ConceptAndText };

// The form of the listing for a target and a filter.
FormName listingForm(ListingFor target, ListingFilter filter);
// The form listingStatement gives under the current filter.
FormName listingForm(ListingFor target);

// One bank account's row, by its number spliced as it stands.
QString accountStatement(const QString& number);

} // namespace ledgora
