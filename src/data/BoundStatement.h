#pragma once

#include "StatementForm.h"
#include "core/Money.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <vector>

namespace ledgora {

// A value taken out of a statement and read as its placeholder says.
struct BoundValue {
    ValueKind kind = ValueKind::Text;
    QString text;             // Text and Contains
    std::int64_t integer = 0; // Integer
    Money amount;             // Amount
    QDate date;               // Date
};

// A statement recognised as one of the module's forms, with its values ready to bind.
struct BoundStatement {
    const StatementForm* form = nullptr;
    std::vector<BoundValue> values;
};

} // namespace ledgora
