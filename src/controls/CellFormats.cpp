#include "CellFormats.h"

#include <algorithm>

namespace ledgora {

namespace {
// Up to this many entries a lookup just walks them, newest first.
constexpr std::size_t kScanLimit = 24;
// Rows resolved at once, starting a little above the row asked about so that scrolling up
// by a few rows stays inside the band.
constexpr int kWindowRows = 256;
constexpr int kWindowLead = 32;
} // namespace

void CellFormats::apply(const QRect& block, std::uint32_t value) {
    invalidate();
    // Entries the new block covers entirely can no longer be seen.
    while (!entries_.empty() && block.contains(entries_.back().block))
        entries_.pop_back();
    // Routines often format row after row with the same value: grow the last block instead
    // of piling up one entry per row.
    if (!entries_.empty()) {
        Entry& last = entries_.back();
        const bool sameColumns =
            last.block.left() == block.left() && last.block.right() == block.right();
        const bool touching =
            block.top() <= last.block.bottom() + 1 && block.bottom() + 1 >= last.block.top();
        if (last.value == value && sameColumns && touching) {
            last.block = last.block.united(block);
            return;
        }
    }
    entries_.push_back({block, value});
}

std::optional<std::uint32_t> CellFormats::valueAt(int row, int col) const {
    if (entries_.size() <= kScanLimit) {
        const QPoint cell(col, row);
        for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
            if (it->block.contains(cell))
                return it->value;
        }
        return std::nullopt;
    }
    if (windowTop_ < 0 || row < windowTop_ || row >= windowTop_ + kWindowRows)
        fillWindow(row);
    if (col < 0 || col >= windowCols_)
        return std::nullopt;
    return window_[std::size_t(row - windowTop_) * std::size_t(windowCols_) + std::size_t(col)];
}

void CellFormats::removeRow(int row) {
    invalidate();
    for (Entry& entry : entries_) {
        QRect& block = entry.block;
        if (block.top() > row)
            block.translate(0, -1);
        else if (block.bottom() >= row)
            block.setBottom(block.bottom() - 1); // empty when it was that row alone
    }
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [](const Entry& e) { return e.block.isEmpty(); }),
                   entries_.end());
}

void CellFormats::truncate(int rows, int cols) {
    invalidate();
    for (Entry& entry : entries_) {
        QRect& block = entry.block;
        block.setBottom(std::min(block.bottom(), rows - 1));
        block.setRight(std::min(block.right(), cols - 1));
    }
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [](const Entry& e) { return e.block.isEmpty(); }),
                   entries_.end());
}

void CellFormats::clear() {
    invalidate();
    entries_.clear();
}

// Resolves every cell of a band of rows in one pass over the entries, oldest first so that
// later ones overwrite: one pass per band instead of one per cell.
void CellFormats::fillWindow(int row) const {
    windowTop_ = std::max(0, row - kWindowLead);
    const int windowBottom = windowTop_ + kWindowRows - 1;
    windowCols_ = 0;
    for (const Entry& entry : entries_)
        windowCols_ = std::max(windowCols_, entry.block.right() + 1);
    window_.assign(std::size_t(kWindowRows) * std::size_t(windowCols_), std::nullopt);
    for (const Entry& entry : entries_) {
        const int top = std::max(windowTop_, entry.block.top());
        const int bottom = std::min(windowBottom, entry.block.bottom());
        for (int r = top; r <= bottom; ++r) {
            auto* line = window_.data() + std::size_t(r - windowTop_) * std::size_t(windowCols_);
            for (int c = std::max(0, entry.block.left()); c <= entry.block.right(); ++c)
                line[c] = entry.value;
        }
    }
}

} // namespace ledgora
