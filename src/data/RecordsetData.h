#pragma once

#include "core/Variant.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ledgora {

// The rows of a query's result, kept compactly: each row is a short run of bytes, a type tag
// per value followed by the value itself (numbers as variable-length integers, texts as their
// UTF-8 bytes). Formatted amounts and dates are kept as their numbers and turned into text
// when read, so that a listing of a million movements costs less than its text would.
class RecordsetData {
public:
    enum class CellType : std::uint8_t {
        Null,
        Integer,
        Double,
        Text,
        Amount,
        Date,
        FormattedAmount,
        FormattedDate
    };

    // separator: the decimal separator of formatted amounts, fixed for the record set's life
    // so that its texts read the same whatever the locale does afterwards.
    explicit RecordsetData(std::vector<QString> columnNames, QString separator = QString(u'.'));

    int columnCount() const { return int(names_.size()); }
    long rowCount() const { return long(rowStarts_.size()); }
    const QString& columnName(int column) const { return names_[column]; }
    // The column of a name, ignoring case; -1 when there is none.
    int columnIndex(const QString& name) const;

    // Values go in row by row, one per column.
    void appendNull() { cell(CellType::Null); }
    void appendInteger(std::int64_t v) { number(CellType::Integer, v); }
    void appendDouble(double v);
    void appendAmount(std::int64_t units) { number(CellType::Amount, units); }
    void appendDate(std::int64_t julianDay) { number(CellType::Date, julianDay); }
    void appendText(const char* utf8, std::size_t size);
    // An amount shown as "00.00" with the record set's separator.
    void appendFormattedAmount(std::int64_t units) { number(CellType::FormattedAmount, units); }
    // A stored yyyy-mm-dd date shown as dd/mm/yyyy.
    void appendFormattedDate(const char* iso, std::size_t size);

    Variant value(long row, int column) const;
    // The amount a formatted amount shows, to the cent its text shows; none for another value.
    std::optional<Money> shownAmount(long row, int column) const;
    // The value as the delimited text gives it, nulls as nullText.
    QString text(long row, int column, const QString& nullText = QString()) const;
    // Rows from `fromRow` on, as text: fields joined by the column separator, each row
    // followed by the row separator, nulls as the given text.
    QString toDelimitedText(long fromRow, const QString& columnSeparator,
                            const QString& rowSeparator, const QString& nullText) const;

private:
    struct Cell {
        CellType type = CellType::Null;
        std::int64_t number = 0;
        const char* text = nullptr;
        std::size_t size = 0;
    };
    // Rows are kept in blocks of a fixed size (a longer row gets a block of its own):
    // growing never copies what is there.
    static constexpr std::size_t kBlockBytes = std::size_t(1) << 22;

    void cell(CellType type) {
        pending_.push_back(char(type));
        endCell();
    }
    void number(CellType type, std::int64_t v);
    void endCell();
    Cell cellAt(long row, int column) const;
    // The text of a formatted amount or date, or of an integer, in a buffer of the caller's.
    std::size_t formatted(const Cell& cell, char* out) const;

    std::vector<QString> names_;
    std::string separator_;
    std::vector<std::string> blocks_;
    std::vector<std::uint64_t> rowStarts_; // block << 32 | offset
    std::string pending_;                  // the row being appended
    int pendingCells_ = 0;
};

} // namespace ledgora
