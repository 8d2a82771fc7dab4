#pragma once

#include "reconcile/ReconciliationPlan.h"
#include "statements/BankStatement.h"

#include <QString>
#include <optional>
#include <vector>

namespace ledgora {

class clManejo;

// The date a bank line is matched by, and how far a movement's date may stray from it.
struct MatchSettings {
    enum class DateBasis { ValueDate, OperationDate };
    DateBasis basis = DateBasis::ValueDate;
    int windowDays = 4;
    static MatchSettings fromSettings(); // the stored setting, these defaults when none
    void save() const;                   // stores it for the next statements
};

// Reads a statement against the ledger and applies what the person accepted.
class Reconciler {
public:
    // The Ledgora account a bank account (BankStatement::accountKey()) was linked to.
    static std::optional<QString> linkedAccount(clManejo& manejo, const QString& bankKey);
    // Links a bank account to a Ledgora account, replacing an earlier link.
    static void link(clManejo& manejo, const QString& bankKey, const QString& account);
    // Mends a wrong link: the plan's bank account linked to `account` instead, in one write.
    // Refused while lines of that bank account are applied to another ledger account (a
    // statement of it applied there, or one of the plan's lines recorded there): nothing is
    // linked, and that account's number (CNTSTNRO) is returned.
    static std::optional<QString> relink(clManejo& manejo, const ReconciliationPlan& plan,
                                         const QString& account);

    // The currency the ledger's accounts keep their amounts in (the account table has none).
    static QString ledgerCurrency();
    // Why a statement cannot be applied to a ledger account whole, in a clause to end as the
    // caller says it ("el extracto … está en CHF y la cuenta 001, en EUR"): its currency is not
    // the account's. Empty when it is, or when the statement names none.
    static QString currencyRefusal(const BankStatement& statement, const QString& account);

    // Proposes an action for every line of the statement against the account's pending
    // movements and the lines already recorded. Reads only.
    static ReconciliationPlan propose(clManejo& manejo, const BankStatement& statement,
                                      const QString& account, const MatchSettings& settings);

    // Moves a Review or Match line to its next candidate (wrapping), making it a Match.
    static void cycleCandidate(LineProposal& line);

    // Applies the accepted lines in one transaction: a match realises its movement as F12
    // does, a new line enters a realised movement, every applied line's fingerprint is
    // recorded with the movement it realised, and the statement's closing balance is kept
    // for the account. A line recorded meanwhile by someone else is counted as already
    // imported and skipped. Throws RuntimeError (nothing written) on failure.
    // Dry, nothing is read or written: what applying the plan as it stands would do. The bank
    // account is linked to the plan's account on the way.
    static ApplyOutcome apply(clManejo& manejo, const ReconciliationPlan& plan,
                              bool dryRun = false);
    // The same for several statements (a file of several accounts), all in one transaction:
    // one outcome per plan, in order.
    static std::vector<ApplyOutcome>
    applyAll(clManejo& manejo, const std::vector<ReconciliationPlan>& plans, bool dryRun = false);

    // The ledger concept (CONSTNRO) a new movement of a bank line with this Norma 43 common
    // concept ("02") is entered under: the one the person chose for it when it is of the
    // line's side, otherwise the concept of that side whose description shares most words
    // with the common concept's name, otherwise the first of that side by description. Empty
    // when the ledger has no concept of that side.
    static QString conceptFor(clManejo& manejo, const QString& commonConcept, BankLine::Side side);
    // Remembers the person's choice of a ledger concept for a common concept.
    static void mapConcept(clManejo& manejo, const QString& commonConcept, const QString& concept);

    // The bank's last closing balance kept for an account, and its date.
    static std::optional<std::pair<Money, QDate>> bankBalance(clManejo& manejo,
                                                              const QString& account);

private:
    // The plans applied in one transaction, without copying them.
    static std::vector<ApplyOutcome>
    applyEach(clManejo& manejo, const std::vector<const ReconciliationPlan*>& plans, bool dryRun);
};

} // namespace ledgora
