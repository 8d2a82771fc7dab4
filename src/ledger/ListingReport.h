#pragma once

#include <functional>

namespace ledgora {

class BandedReport;
class ReportRecords;

// What becomes of the prepared listing: the preview window, or a file.
using ListingOutput = std::function<void(const BandedReport& report, ReportRecords& records)>;

// The printable account listing (Alt+P on the main screen): the account's totals recomputed
// and stored as the listing loader does, then the report DR of the interval's movements,
// narrowed by the listing filter when it is on, shown modally in a preview window from which
// it can be printed or saved as PDF.
void CARGAR_LISTADO();
// The same, handing the report to the given output instead of the preview.
void CARGAR_LISTADO(const ListingOutput& output);

} // namespace ledgora
