#pragma once

#include <QDate>
#include <QString>

namespace ledgora {

class clManejo;

// Enters the schedules' occurrences as pending movements of their accounts, each exactly once.
class OccurrenceEntry final {
public:
    // How many days ahead occurrences are entered when nobody has said otherwise.
    static constexpr int kDefaultHorizonDays = 30;
    // The days ahead the person chose in the settings (kDefaultHorizonDays otherwise).
    static int horizonDays();
    static void setHorizonDays(int days);

    // Every occurrence up to `through` not yet entered, of every rule or of the account's,
    // entered in one write: under the next movement numbers of its account, in date order.
    // Gives how many were entered; nothing is written when none is due.
    static int enterDue(clManejo& manejo, QDate through, const QString& account = {});
};

} // namespace ledgora
