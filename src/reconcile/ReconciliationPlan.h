#pragma once

#include "domain/MovementAmounts.h"
#include "reconcile/MatchEvidence.h"
#include "statements/BankLine.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace ledgora {

// A pending movement of the ledger a bank line may realise.
struct MatchCandidate {
    std::int32_t number = 0; // MOVINNRO
    QDate date;
    QString description;
    MovementAmounts amounts;
    int dayDistance = 0;    // days between the line's chosen date and the movement's
    MatchEvidence evidence; // what the line's texts and the movement's description share
};

// What is proposed for one bank line of a statement.
struct LineProposal {
    enum class Action {
        Match,           // realise an existing pending movement (candidates[chosen])
        NewMovement,     // enter a new realised movement (ACREDITADO or DEBITADO)
        AlreadyImported, // the line's fingerprint is already recorded: nothing to do
        Review,          // no candidate clearly best, or only doubtful ones: the person chooses
        Foreign,         // another currency than the account's, or not booked: shown only
    };

    BankLine line;
    Action action = Action::NewMovement;
    // Best first: by evidence, then the nearer date. A movement another line of the plan
    // realises is not offered; one the line's text contradicts comes last.
    std::vector<MatchCandidate> candidates;
    int chosen = -1;       // index into candidates when matching
    bool accepted = false; // applied by apply(); unique matches and new movements start true
    // For a new movement: the concept (CPTINCOD) and description it will be entered with.
    QString concept;
    QString description;
};

// A statement of one bank account read against one Ledgora account, line by line.
struct ReconciliationPlan {
    QString account;                     // CNTSTNRO
    QString bankKey;                     // BankStatement::accountKey()
    QString currency;                    // the account's currency, "EUR" unless it says otherwise
    QString statementCurrency;           // the statement's own, empty when it names none
    std::optional<Money> closingBalance; // the bank's closing balance from the statement
    QDate closingDate;
    std::vector<LineProposal> lines;
};

// What applying a plan did (or, dry, would do).
struct ApplyOutcome {
    int matched = 0;
    int added = 0;
    int alreadyImported = 0; // including lines another person applied meanwhile
    int leftForReview = 0;   // not accepted, under review, or foreign
};

} // namespace ledgora
