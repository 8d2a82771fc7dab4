#pragma once

#include "ListedMovement.h"
#include "controls/GridSource.h"
#include "data/RecordsetData.h"

#include <memory>

namespace ledgora {

// A listing's record set as the grid's rows, from the record set's position on: the grid
// keeps the rows as the query left them and each cell's text is made when it is shown.
// A tab, carriage return or line feed inside a stored value (a file written by another
// program may hold one) shows as a blank, so a value always stays in its own cell.
class ListingRows final : public GridSource {
public:
    // The grid listing's columns: date, description, the four amounts in their order, number.
    static constexpr int kFirstAmountColumn = 2;
    static constexpr int kNumberColumn = 6;

    ListingRows(std::shared_ptr<const RecordsetData> data, long firstRow);

    // The movement a row shows, its amounts to the cent as their cells show them. Raises the
    // type-mismatch error when a value is not what its column holds, and the overflow error
    // for a number beyond a 32-bit whole number.
    ListedMovement movement(int row) const;

    int rowCount() const override;
    int columnCount() const override;
    QString cellText(int row, int col) const override;

private:
    std::shared_ptr<const RecordsetData> data_;
    long firstRow_;
};

} // namespace ledgora
