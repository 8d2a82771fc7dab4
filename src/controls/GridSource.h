#pragma once

#include <QString>

namespace ledgora {

// Rows the grid shows without holding their text: a block pasted from a source asks it for a
// cell's text each time the cell is read or painted. The text must be a pure function of the
// row and column, and the source must not change while the grid holds it, but for what its
// owner then tells the grid (FlexGrid::sourceRowChanged); its row count never changes.
class GridSource {
public:
    virtual ~GridSource() = default;
    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    virtual QString cellText(int row, int col) const = 0;
};

} // namespace ledgora
