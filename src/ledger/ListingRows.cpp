#include "ListingRows.h"

#include "core/Conversions.h"
#include "core/RuntimeError.h"

#include <algorithm>
#include <limits>

namespace ledgora {

ListingRows::ListingRows(std::shared_ptr<const RecordsetData> data, long firstRow)
    : data_(std::move(data)), firstRow_(firstRow) {}

int ListingRows::rowCount() const {
    const long rows = data_->rowCount() - firstRow_;
    return int(std::clamp<long>(rows, 0, std::numeric_limits<int>::max()));
}

int ListingRows::columnCount() const {
    return data_->columnCount();
}

QString ListingRows::cellText(int row, int col) const {
    QString text = data_->text(firstRow_ + row, col);
    for (QChar& ch : text) {
        if (ch == u'\t' || ch == u'\r' || ch == u'\n')
            ch = u' ';
    }
    return text;
}

ListedMovement ListingRows::movement(int row) const {
    const long at = firstRow_ + row;
    auto amount = [&](int column) {
        const auto shown = data_->shownAmount(at, kFirstAmountColumn + column);
        if (!shown)
            throw RuntimeError::typeMismatch();
        return *shown;
    };
    const auto number = rt::toNumber(data_->value(at, kNumberColumn));
    if (!number)
        throw RuntimeError::typeMismatch();
    return {QString::number(rt::toInt32(*number)),
            cellText(row, 0),
            cellText(row, 1),
            {amount(0), amount(1), amount(2), amount(3)}};
}

} // namespace ledgora
