#pragma once

#include "controls/GridSource.h"
#include "domain/ConceptRecord.h"
#include "reconcile/ReconciliationPlan.h"

#include <memory>
#include <vector>

namespace ledgora {

// A statement's lines as the review grid shows them, one row each, kept typed: a cell's text
// is made from its line's proposal when the grid reads it, by the screen's own function. The
// screen changes a proposal in the plan it shares, then tells the grid which row changed.
class StatementLineRows final : public GridSource {
public:
    using CellText = QString (*)(const ReconciliationPlan& plan,
                                 const std::vector<ConceptRecord>& concepts, int line, int column);

    StatementLineRows(std::shared_ptr<const ReconciliationPlan> plan,
                      std::vector<ConceptRecord> concepts, int columns, CellText cell)
        : plan_(std::move(plan)), concepts_(std::move(concepts)), columns_(columns), cell_(cell) {}

    int rowCount() const override { return int(plan_->lines.size()); }
    int columnCount() const override { return columns_; }
    QString cellText(int row, int col) const override { return cell_(*plan_, concepts_, row, col); }

private:
    std::shared_ptr<const ReconciliationPlan> plan_;
    std::vector<ConceptRecord> concepts_;
    int columns_;
    CellText cell_;
};

} // namespace ledgora
