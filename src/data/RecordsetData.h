#pragma once

#include "platform/Variant.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ledgora {

// The rows of a query's result, kept compactly: one small cell per value and the text of
// all cells in one buffer, so that a listing of a million movements costs little more than
// its text.
class RecordsetData {
public:
    enum class CellType : std::uint8_t { Null, Integer, Double, Text, Amount, Date };

    explicit RecordsetData(std::vector<QString> columnNames);

    int columnCount() const { return int(names_.size()); }
    long rowCount() const { return columnCount() ? long(cellCount_ / names_.size()) : 0; }
    const QString& columnName(int column) const { return names_[column]; }
    // The column of a name, ignoring case; -1 when there is none.
    int columnIndex(const QString& name) const;

    void appendNull() { push({0, 0, CellType::Null}); }
    void appendInteger(std::int64_t v) { push({v, 0, CellType::Integer}); }
    void appendDouble(double v);
    void appendAmount(std::int64_t units) { push({units, 0, CellType::Amount}); }
    void appendDate(std::int64_t julianDay) { push({julianDay, 0, CellType::Date}); }
    void appendText(const char* utf8, std::size_t size);
    // An amount's "00.00" text with the given separator, written straight into the buffer.
    void appendFormattedAmount(std::int64_t units, const std::string& separator);
    // A stored yyyy-mm-dd date as dd/mm/yyyy.
    void appendFormattedDate(const char* iso, std::size_t size);

    Variant value(long row, int column) const;
    // Rows from `fromRow` on, as text: fields joined by the column separator, each row
    // followed by the row separator, nulls as the given text.
    QString toDelimitedText(long fromRow, const QString& columnSeparator,
                            const QString& rowSeparator, const QString& nullText) const;

private:
    struct Cell {
        std::int64_t value; // the number, or where the text is: block << 32 | offset
        std::uint32_t size; // the text's length in bytes
        CellType type;
    };
    // Cells and texts are kept in blocks of a fixed size: growing never copies what is
    // there, and at most one block is partly spare.
    static constexpr std::size_t kCellsPerBlock = std::size_t(1) << 16;
    static constexpr std::size_t kTextBlockBytes = std::size_t(1) << 22;

    void push(const Cell& cell);
    const Cell& cellAt(std::size_t index) const {
        return cellBlocks_[index / kCellsPerBlock][index % kCellsPerBlock];
    }
    const char* textOf(const Cell& cell) const {
        return textBlocks_[std::size_t(cell.value >> 32)].data() + (cell.value & 0xffffffff);
    }
    std::vector<QString> names_;
    std::vector<std::unique_ptr<Cell[]>> cellBlocks_;
    std::size_t cellCount_ = 0;
    std::vector<std::string> textBlocks_;
    std::size_t textBytes_ = 0;
};

} // namespace ledgora
