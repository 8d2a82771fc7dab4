#pragma once

#include "audit/AuditEntry.h"
#include "controls/GridSource.h"

#include <vector>

namespace ledgora {

// The audit entries a list screen shows, one grid row each, kept typed: a cell's text is made
// from its entry when the grid shows it, by the screen's own function of entry and column.
class AuditRows final : public GridSource {
public:
    using CellText = QString (*)(const AuditEntry& entry, int column);

    AuditRows(std::vector<AuditEntry> entries, int columns, CellText cell)
        : entries_(std::move(entries)), columns_(columns), cell_(cell) {}

    const std::vector<AuditEntry>& entries() const { return entries_; }
    int rowCount() const override { return int(entries_.size()); }
    int columnCount() const override { return columns_; }
    QString cellText(int row, int col) const override {
        return cell_(entries_[std::size_t(row)], col);
    }

private:
    std::vector<AuditEntry> entries_;
    int columns_;
    CellText cell_;
};

} // namespace ledgora
