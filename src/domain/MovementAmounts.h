#pragma once

#include "core/Money.h"

namespace ledgora {

// The four amounts of one movement: to be credited, to be debited, credited, debited.
struct MovementAmounts {
    Money MOVDLAAC;
    Money MOVDLADE;
    Money MOVDLACR;
    Money MOVDLDEB;
};

} // namespace ledgora
