#pragma once

#include <QDate>
#include <QString>

namespace ledgora {

// An account about to be stored, with its values as the account screen writes them; its
// running totals start at zero.
struct NewAccount {
    QString number;
    QDate since;
    QString name;
    QString bank;
    QString phone;
    QString contact;
};

} // namespace ledgora
