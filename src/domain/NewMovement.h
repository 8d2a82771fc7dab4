#pragma once

#include "MovementAmounts.h"

#include <QDate>
#include <QString>
#include <cstdint>

namespace ledgora {

// A movement about to be stored, with its values as the entry screen writes them.
struct NewMovement {
    QString account;
    std::int64_t number = 0;
    QDate date;
    QString concept;
    QString description;
    MovementAmounts amounts;
};

} // namespace ledgora
