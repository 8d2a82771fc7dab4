#pragma once

#include "core/Money.h"
#include "data/BoundStatement.h"
#include "statements/BankLine.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace ledgora {

class clManejo;

// A plan's lines to apply, staged on the connection (see forms::reconcileStageTable) so that a
// few statements apply them all: kStagedAtOnce in a statement, the last few one by one.
class StagedLines {
public:
    // What the apply does with a staged line, kept as one letter in the staged table: a match
    // of the credit or debit side (in lower case when an earlier line chose the same side of
    // the same movement), or a new movement.
    enum class Kind : char {
        Credit = 'C',
        CreditAgain = 'c',
        Debit = 'D',
        DebitAgain = 'd',
        New = 'N'
    };

    // The table is made when the connection has none. It is empty: what a failed write staged
    // went with its rollback, and each plan applied clears what it staged.
    explicit StagedLines(clManejo& manejo);

    // A line of the plan, numbered from 1: its kind, the movement it
    // realises or enters, and for a match the side's amounts as proposed; for a new
    // movement its concept and description.
    void add(int line, Kind kind, std::int32_t movement, const BankLine& bank, Money pending,
             Money realised, const QString& concept = {}, const QString& description = {});
    // Stages the lines still held.
    void finish();

private:
    clManejo& manejo_;
    std::size_t columns_ = 0; // of a staged row, as add makes it
    std::vector<BoundValue> values_;
};

} // namespace ledgora
