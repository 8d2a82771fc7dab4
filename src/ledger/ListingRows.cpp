#include "ListingRows.h"

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

} // namespace ledgora
