#include "ListedRows.h"

#include "ListingRows.h"
#include "controls/FlexGrid.h"
#include "core/RuntimeError.h"

#include <numeric>

namespace ledgora {

ListedRows::ListedRows(QObject* parent) : QObject(parent) {}

ListedRows& ListedRows::of(FlexGrid& grid) {
    if (auto* rows = grid.findChild<ListedRows*>(QString(), Qt::FindDirectChildrenOnly))
        return *rows;
    return *new ListedRows(&grid);
}

void ListedRows::load(std::shared_ptr<const ListingRows> listing) {
    clear();
    listing_ = std::move(listing);
    entries_ = listing_ ? listing_->rowCount() : 0;
}

void ListedRows::clear() {
    listing_.reset();
    entries_ = 0;
    order_.clear();
    reordered_ = false;
    held_.clear();
}

int ListedRows::count() const {
    return reordered_ ? int(order_.size()) : entries_;
}

std::int32_t ListedRows::entryAt(int gridRow) const {
    const int row = gridRow - 1;
    if (row < 0 || row >= count())
        throw RuntimeError::typeMismatch();
    return reordered_ ? order_[std::size_t(row)] : row;
}

ListedMovement ListedRows::at(int gridRow) const {
    const std::int32_t entry = entryAt(gridRow);
    if (const auto held = held_.find(entry); held != held_.end())
        return held->second;
    return listing_->movement(entry);
}

void ListedRows::replace(int gridRow, ListedMovement movement) {
    held_[entryAt(gridRow)] = std::move(movement);
}

void ListedRows::append(ListedMovement movement) {
    const std::int32_t entry = entries_++;
    held_[entry] = std::move(movement);
    if (reordered_)
        order_.push_back(entry);
}

void ListedRows::remove(int gridRow) {
    const std::int32_t entry = entryAt(gridRow);
    if (!reordered_) {
        order_.resize(std::size_t(entries_));
        std::iota(order_.begin(), order_.end(), 0);
        reordered_ = true;
    }
    order_.erase(order_.begin() + (gridRow - 1));
    held_.erase(entry);
}

} // namespace ledgora
