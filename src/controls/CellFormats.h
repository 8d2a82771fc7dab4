#pragma once

#include <QRect>
#include <cstdint>
#include <optional>
#include <vector>

namespace ledgora {

// One cell property (an alignment, a colour) set on blocks of cells. Each block is kept as a
// rectangle, applied in order with the latest winning, so formatting a million rows at once
// costs one entry. Rectangles are x = column, y = row.
class CellFormats {
public:
    void apply(const QRect& block, std::uint32_t value);
    std::optional<std::uint32_t> valueAt(int row, int col) const;
    bool isEmpty() const { return entries_.empty(); }

    // The row goes away: blocks below move up with their rows, blocks over it shrink.
    void removeRow(int row);
    // Drops what lies beyond the grid's new size, so that growing it again shows unformatted
    // cells.
    void truncate(int rows, int cols);
    void clear();

private:
    struct Entry {
        QRect block;
        std::uint32_t value;
    };

    void invalidate() const { windowTop_ = -1; }
    void fillWindow(int row) const;

    std::vector<Entry> entries_;
    // With many entries, lookups are answered from the resolved values of a band of rows
    // around the last row asked about, as painting asks about neighbouring cells.
    mutable int windowTop_ = -1;
    mutable int windowCols_ = 0;
    mutable std::vector<std::optional<std::uint32_t>> window_;
};

} // namespace ledgora
