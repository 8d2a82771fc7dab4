#pragma once

#include "GridSource.h"

#include <QRect>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <vector>

namespace ledgora {

// The texts of the grid's cells, row 0 included, stored compactly enough for a paste of a
// million rows:
// - a pasted block keeps the pasted string itself as its buffer (shared, not copied) and
//   only an (offset, length) pair per cell;
// - rows appended one at a time share one growing buffer laid out the same way;
// - a block pasted from a GridSource keeps only the source (shared) and asks it for a cell's
//   text when the cell is read;
// - cells written one by one afterwards go to a short per-row list that wins over the
//   buffers.
// A buffer is freed as soon as no row refers to it any more.
class GridText {
public:
    GridText();
    ~GridText();
    GridText(const GridText&) = delete;
    GridText& operator=(const GridText&) = delete;

    int rows() const { return int(rows_.size()); }
    int cols() const { return cols_; }
    // Fewer rows drops the last ones; more rows appends empty ones. At least one row.
    void setRows(int count);
    // Fewer columns drops their texts for good: growing again shows empty cells.
    void setCols(int count);

    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString& text);

    // Spreads tab-separated fields over the block's columns and CR, CR-LF or LF separated
    // lines over its rows, starting at its top-left cell. Fields and lines beyond the block
    // are ignored; cells of the block the text does not reach keep their text. The block is
    // x = column, y = row and must lie inside the grid.
    void paste(const QRect& block, const QString& text);
    // The same for the source's rows and columns, which are never split further.
    void paste(const QRect& block, std::shared_ptr<const GridSource> source);
    // Appends a row whose cells are the tab-separated fields; fields beyond the last column
    // are ignored.
    void appendRow(QStringView tabSeparated);
    void removeRow(int row);

private:
    // length -1: the text gave nothing for this cell.
    struct Span {
        std::int32_t offset;
        std::int32_t length;
    };
    struct Buffer {
        QString text;
        std::shared_ptr<const GridSource> source; // when set, it gives the texts
        int firstCol = 0;
        int width = 0;  // spans per row
        int colEnd = 0; // columns from here on were dropped by setCols
        std::vector<Span> spans;
        int liveRows = 0;
    };
    struct Written {
        int col;
        QString text;
    };
    struct Row {
        std::int32_t buffer = -1;
        std::int32_t bufferRow = 0;
        std::unique_ptr<std::vector<Written>> written;
    };

    int newBuffer();
    void release(Row& row);
    void adopt(int row, int buffer, int bufferRow);
    // Records the tab-separated fields starting at pos into spans (the first width of them,
    // offsets shifted by base) and returns where the row ends: at a line end when lines
    // count, else at the end of the text.
    static qsizetype scanRow(const char16_t* text, qsizetype size, qsizetype pos, bool lines,
                             qsizetype base, Span* spans, int width);
    static bool gives(const Buffer& buffer, int bufferRow, int col);
    static QString bufferText(const Buffer& buffer, int bufferRow, int col);
    static const Written* findWritten(const Row& row, int col);
    static void write(Row& row, int col, const QString& text);

    std::vector<Row> rows_;
    std::vector<Buffer> buffers_;
    std::vector<int> freeBuffers_;
    int appendBuffer_ = -1;
    int cols_ = 1;
};

} // namespace ledgora
