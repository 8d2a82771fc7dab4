#include "RecordsetData.h"

#include "platform/Conversions.h"

#include <algorithm>
#include <cstring>

namespace ledgora {

RecordsetData::RecordsetData(std::vector<QString> columnNames) : names_(std::move(columnNames)) {}

int RecordsetData::columnIndex(const QString& name) const {
    for (int k = 0; k < columnCount(); ++k)
        if (names_[k].compare(name, Qt::CaseInsensitive) == 0)
            return k;
    return -1;
}

void RecordsetData::push(const Cell& cell) {
    if (cellCount_ % kCellsPerBlock == 0)
        cellBlocks_.push_back(std::make_unique<Cell[]>(kCellsPerBlock));
    cellBlocks_.back()[cellCount_ % kCellsPerBlock] = cell;
    ++cellCount_;
}

void RecordsetData::appendDouble(double v) {
    std::int64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    push({bits, 0, CellType::Double});
}

void RecordsetData::appendText(const char* utf8, std::size_t size) {
    if (textBlocks_.empty() || textBlocks_.back().size() + size > textBlocks_.back().capacity()) {
        textBlocks_.emplace_back();
        textBlocks_.back().reserve(std::max(kTextBlockBytes, size));
    }
    std::string& block = textBlocks_.back();
    const auto where = std::int64_t(textBlocks_.size() - 1) << 32 | std::int64_t(block.size());
    push({where, std::uint32_t(size), CellType::Text});
    block.append(utf8, size);
    textBytes_ += size;
}

void RecordsetData::appendFormattedAmount(std::int64_t units, const std::string& separator) {
    // Whole cents, halves away from zero, as the display format rounds.
    std::int64_t cents = units / 100;
    const std::int64_t rest = units % 100;
    if (rest >= 50)
        ++cents;
    else if (rest <= -50)
        --cents;
    const bool negative = cents < 0;
    std::uint64_t magnitude = negative ? std::uint64_t(0) - std::uint64_t(cents) : cents;
    char buffer[32];
    char* end = buffer + sizeof buffer;
    char* p = end;
    const unsigned fraction = unsigned(magnitude % 100);
    magnitude /= 100;
    *--p = char('0' + fraction % 10);
    *--p = char('0' + fraction / 10);
    p -= separator.size();
    std::memcpy(p, separator.data(), separator.size());
    int digits = 0;
    do {
        *--p = char('0' + magnitude % 10);
        magnitude /= 10;
        ++digits;
    } while (magnitude > 0);
    if (digits < 2)
        *--p = '0';
    if (negative)
        *--p = '-';
    appendText(p, std::size_t(end - p));
}

void RecordsetData::appendFormattedDate(const char* iso, std::size_t size) {
    if (size < 10 || iso[4] != '-' || iso[7] != '-') {
        appendText(iso, size);
        return;
    }
    const char out[10] = {iso[8], iso[9], '/', iso[5], iso[6], '/', iso[0], iso[1], iso[2], iso[3]};
    appendText(out, sizeof out);
}

Variant RecordsetData::value(long row, int column) const {
    const Cell& cell = cellAt(std::size_t(row) * names_.size() + std::size_t(column));
    switch (cell.type) {
    case CellType::Null:
        return {};
    case CellType::Integer:
        return Variant(cell.value);
    case CellType::Double: {
        double v;
        std::memcpy(&v, &cell.value, sizeof v);
        return Variant(v);
    }
    case CellType::Text:
        return Variant(QString::fromUtf8(textOf(cell), cell.size));
    case CellType::Amount:
        return Variant(Money::fromUnits(cell.value));
    case CellType::Date:
        return Variant(QDate::fromJulianDay(cell.value));
    }
    return {};
}

QString RecordsetData::toDelimitedText(long fromRow, const QString& columnSeparator,
                                       const QString& rowSeparator, const QString& nullText) const {
    const std::string colSep = columnSeparator.toStdString();
    const std::string rowSep = rowSeparator.toStdString();
    const std::string null = nullText.toStdString();
    const std::size_t columns = names_.size();
    // Converted a slice of rows at a time, so that the whole text is never held twice.
    constexpr std::size_t kSlice = 1 << 20;
    QString result;
    std::string out;
    out.reserve(kSlice + 4096);
    const long rows = rowCount();
    if (fromRow < rows)
        result.reserve(qsizetype(textBytes_ + std::size_t(rows - fromRow) * columns));
    for (long r = fromRow; r < rows; ++r) {
        for (std::size_t c = 0; c < columns; ++c) {
            const Cell* cell = &cellAt(std::size_t(r) * columns + c);
            if (c)
                out += colSep;
            switch (cell->type) {
            case CellType::Null:
                out += null;
                break;
            case CellType::Text:
                out.append(textOf(*cell), cell->size);
                break;
            case CellType::Integer:
                out += std::to_string(cell->value);
                break;
            default:
                out += rt::toText(value(r, int(c))).toStdString();
                break;
            }
        }
        out += rowSep;
        if (out.size() >= kSlice || r + 1 == rows) {
            result += QString::fromUtf8(out.data(), qsizetype(out.size()));
            out.clear();
        }
    }
    return result;
}

} // namespace ledgora
