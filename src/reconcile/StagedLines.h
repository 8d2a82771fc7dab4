#pragma once

#include "core/Money.h"
#include "data/BoundStatement.h"
#include "statements/BankLine.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace ledgora {

class clManejo;

// A plan's lines to apply, staged on the connection (see "reconcile.stageTable") so that a
// few statements apply them all: kStagedAtOnce in a statement, the last few one by one.
class StagedLines {
public:
    // The table is made when the connection has none. It is empty: what a failed write staged
    // went with its rollback, and each plan applied clears what it staged.
    explicit StagedLines(clManejo& manejo);

    // A line of the plan, numbered from 1: its kind (C, D, c, d or N), the movement it
    // realises or enters, and for a match the side's amounts as proposed; for a new
    // movement its concept and description.
    void add(int line, const char* kind, std::int32_t movement, const BankLine& bank, Money pending,
             Money realised, const QString& concept = {}, const QString& description = {});
    // Stages the lines still held.
    void finish();

private:
    static constexpr std::size_t kColumns = 11;
    clManejo& manejo_;
    std::vector<BoundValue> values_;
};

} // namespace ledgora
