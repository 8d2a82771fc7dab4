#include "GridText.h"

#include "core/RuntimeError.h"

#include <algorithm>
#include <limits>

namespace ledgora {

namespace {

constexpr qsizetype kMaxOffset = std::numeric_limits<std::int32_t>::max();

bool isLineEnd(char16_t ch) {
    return ch == u'\r' || ch == u'\n';
}

// Where the line after the one ending at pos starts; CR-LF counts as one line end.
qsizetype skipLineEnd(const char16_t* text, qsizetype size, qsizetype pos) {
    if (pos >= size)
        return size;
    if (text[pos] == u'\r' && pos + 1 < size && text[pos + 1] == u'\n')
        return pos + 2;
    return pos + 1;
}

// The number of lines of the text, up to limit. A line end at the very end of the text closes
// the last line instead of opening an empty one, so "a\rb\r" is two lines, as the routines
// write them; an empty text is one empty line.
int countLines(const char16_t* text, qsizetype size, int limit) {
    int lines = 1;
    qsizetype pos = 0;
    while (lines < limit) {
        while (pos < size && !isLineEnd(text[pos]))
            ++pos;
        pos = skipLineEnd(text, size, pos);
        if (pos >= size)
            break;
        ++lines;
    }
    return lines;
}

} // namespace

GridText::GridText() : rows_(1) {}

GridText::~GridText() = default;

void GridText::setRows(int count) {
    count = std::max(1, count);
    for (std::size_t r = std::size_t(count); r < rows_.size(); ++r)
        release(rows_[r]);
    rows_.resize(std::size_t(count));
}

void GridText::setCols(int count) {
    count = std::max(1, count);
    if (count < cols_) {
        for (Buffer& buffer : buffers_)
            buffer.colEnd = std::min(buffer.colEnd, count);
        for (Row& row : rows_) {
            if (!row.written)
                continue;
            auto& cells = *row.written;
            cells.erase(std::remove_if(cells.begin(), cells.end(),
                                       [count](const Written& w) { return w.col >= count; }),
                        cells.end());
            if (cells.empty())
                row.written.reset();
        }
    }
    cols_ = count;
}

QString GridText::cell(int row, int col) const {
    const Row& slot = rows_[std::size_t(row)];
    if (const Written* written = findWritten(slot, col))
        return written->text;
    if (slot.buffer < 0)
        return {};
    return bufferText(buffers_[std::size_t(slot.buffer)], slot.bufferRow, col);
}

void GridText::setCell(int row, int col, const QString& text) {
    Row& slot = rows_[std::size_t(row)];
    const bool bufferEmpty =
        slot.buffer < 0 ||
        bufferText(buffers_[std::size_t(slot.buffer)], slot.bufferRow, col).isEmpty();
    if (text.isEmpty() && bufferEmpty) {
        // Nothing underneath to hide, so clearing a cell needs no entry: loops that blank
        // every cell of a big grid leave no trace.
        if (slot.written) {
            auto& cells = *slot.written;
            cells.erase(std::remove_if(cells.begin(), cells.end(),
                                       [col](const Written& w) { return w.col == col; }),
                        cells.end());
            if (cells.empty())
                slot.written.reset();
        }
        return;
    }
    write(slot, col, text);
}

void GridText::paste(const QRect& block, const QString& text) {
    if (text.size() > kMaxOffset)
        throw RuntimeError::overflow();
    const QStringView view(text);
    const char16_t* chars = view.utf16();
    const qsizetype size = view.size();
    const int width = block.width();
    const int lines = countLines(chars, size, block.height());

    const int index = newBuffer();
    Buffer& buffer = buffers_[std::size_t(index)];
    buffer.text = text; // shares the caller's string, no copy
    buffer.firstCol = block.left();
    buffer.width = width;
    buffer.colEnd = block.left() + width;
    buffer.spans.assign(std::size_t(lines) * std::size_t(width), Span{0, -1});

    qsizetype pos = 0;
    for (int line = 0; line < lines; ++line) {
        pos = scanRow(chars, size, pos, true, 0, buffer.spans.data() + std::size_t(line) * width,
                      width);
        pos = skipLineEnd(chars, size, pos);
    }
    for (int line = 0; line < lines; ++line)
        adopt(block.top() + line, index, line);
}

void GridText::paste(const QRect& block, std::shared_ptr<const GridSource> source) {
    const int lines = std::min(block.height(), source->rowCount());
    const int width = std::min(block.width(), source->columnCount());
    if (lines <= 0 || width <= 0)
        return;
    const int index = newBuffer();
    Buffer& buffer = buffers_[std::size_t(index)];
    buffer.source = std::move(source);
    buffer.firstCol = block.left();
    buffer.width = width;
    buffer.colEnd = block.left() + width;
    for (int line = 0; line < lines; ++line)
        adopt(block.top() + line, index, line);
}

void GridText::appendRow(QStringView tabSeparated) {
    if (tabSeparated.size() > kMaxOffset)
        throw RuntimeError::overflow();
    if (appendBuffer_ < 0 || buffers_[std::size_t(appendBuffer_)].colEnd < cols_ ||
        buffers_[std::size_t(appendBuffer_)].text.size() + tabSeparated.size() > kMaxOffset) {
        appendBuffer_ = newBuffer();
        Buffer& fresh = buffers_[std::size_t(appendBuffer_)];
        fresh.width = cols_;
        fresh.colEnd = cols_;
    }
    Buffer& buffer = buffers_[std::size_t(appendBuffer_)];
    const qsizetype base = buffer.text.size();
    buffer.text.append(tabSeparated);
    const std::size_t at = buffer.spans.size();
    buffer.spans.resize(at + std::size_t(buffer.width), Span{0, -1});
    scanRow(tabSeparated.utf16(), tabSeparated.size(), 0, false, base, buffer.spans.data() + at,
            buffer.width);

    Row row;
    row.buffer = appendBuffer_;
    row.bufferRow = std::int32_t(at / std::size_t(buffer.width));
    ++buffer.liveRows;
    rows_.push_back(std::move(row));
}

void GridText::removeRow(int row) {
    release(rows_[std::size_t(row)]);
    rows_.erase(rows_.begin() + row);
}

int GridText::newBuffer() {
    if (freeBuffers_.empty()) {
        buffers_.emplace_back();
        return int(buffers_.size() - 1);
    }
    const int index = freeBuffers_.back();
    freeBuffers_.pop_back();
    buffers_[std::size_t(index)] = Buffer{};
    return index;
}

void GridText::release(Row& row) {
    if (row.buffer < 0)
        return;
    Buffer& buffer = buffers_[std::size_t(row.buffer)];
    if (--buffer.liveRows == 0) {
        buffer = Buffer{};
        freeBuffers_.push_back(row.buffer);
        if (appendBuffer_ == row.buffer)
            appendBuffer_ = -1;
    }
    row.buffer = -1;
}

// Points row at a new buffer's row. Texts of the old buffer the new one does not replace
// (other columns, or lines that ran short of fields) move to the row's written cells, and
// written cells the new buffer does replace are dropped.
void GridText::adopt(int row, int buffer, int bufferRow) {
    Row& slot = rows_[std::size_t(row)];
    const Buffer& incoming = buffers_[std::size_t(buffer)];
    if (slot.buffer >= 0) {
        const Buffer& old = buffers_[std::size_t(slot.buffer)];
        for (int c = old.firstCol; c < old.colEnd; ++c) {
            if (gives(incoming, bufferRow, c) || findWritten(slot, c))
                continue;
            const QString text = bufferText(old, slot.bufferRow, c);
            if (!text.isEmpty())
                write(slot, c, text);
        }
        release(slot);
    }
    if (slot.written) {
        auto& cells = *slot.written;
        cells.erase(
            std::remove_if(cells.begin(), cells.end(),
                           [&](const Written& w) { return gives(incoming, bufferRow, w.col); }),
            cells.end());
        if (cells.empty())
            slot.written.reset();
    }
    slot.buffer = buffer;
    slot.bufferRow = bufferRow;
    ++buffers_[std::size_t(buffer)].liveRows;
}

qsizetype GridText::scanRow(const char16_t* text, qsizetype size, qsizetype pos, bool lines,
                            qsizetype base, Span* spans, int width) {
    int field = 0;
    qsizetype start = pos;
    for (; pos < size; ++pos) {
        const char16_t ch = text[pos];
        if (ch == u'\t') {
            if (field < width)
                spans[field] = {std::int32_t(base + start), std::int32_t(pos - start)};
            ++field;
            start = pos + 1;
        } else if (lines && isLineEnd(ch)) {
            break;
        }
    }
    if (field < width)
        spans[field] = {std::int32_t(base + start), std::int32_t(pos - start)};
    return pos;
}

bool GridText::gives(const Buffer& buffer, int bufferRow, int col) {
    if (col < buffer.firstCol || col >= buffer.colEnd)
        return false;
    if (buffer.source)
        return true;
    const std::size_t at =
        std::size_t(bufferRow) * std::size_t(buffer.width) + std::size_t(col - buffer.firstCol);
    return buffer.spans[at].length >= 0;
}

QString GridText::bufferText(const Buffer& buffer, int bufferRow, int col) {
    if (col < buffer.firstCol || col >= buffer.colEnd)
        return {};
    if (buffer.source)
        return buffer.source->cellText(bufferRow, col - buffer.firstCol);
    const std::size_t at =
        std::size_t(bufferRow) * std::size_t(buffer.width) + std::size_t(col - buffer.firstCol);
    const Span span = buffer.spans[at];
    if (span.length <= 0)
        return {};
    return QStringView(buffer.text).mid(span.offset, span.length).toString();
}

const GridText::Written* GridText::findWritten(const Row& row, int col) {
    if (!row.written)
        return nullptr;
    for (const Written& written : *row.written) {
        if (written.col == col)
            return &written;
    }
    return nullptr;
}

void GridText::write(Row& row, int col, const QString& text) {
    if (!row.written)
        row.written = std::make_unique<std::vector<Written>>();
    for (Written& written : *row.written) {
        if (written.col == col) {
            written.text = text;
            return;
        }
    }
    row.written->push_back({col, text});
}

} // namespace ledgora
