#pragma once

#include "controls/BandedReport.h"

namespace ledgora {

// The printed account listing: a heading with the account and the date of printing, column
// titles, one line per movement, the page number at the foot of every page and the account's
// two balances at the end. The account line (lbCuenta) and the two balances (lbRealBanco,
// lbRealCuenta) are filled when printing.
class DR final : public BandedReport {
public:
    DR();
};

} // namespace ledgora
