#include "RecordsetData.h"

#include "core/Conversions.h"

#include <algorithm>
#include <cstring>

namespace ledgora {

namespace {

// Zig-zag variable-length integers: small numbers of either sign take a byte or three.
void putNumber(std::string& out, std::int64_t v) {
    std::uint64_t u = (std::uint64_t(v) << 1) ^ std::uint64_t(v >> 63);
    while (u >= 0x80) {
        out.push_back(char(u | 0x80));
        u >>= 7;
    }
    out.push_back(char(u));
}

std::int64_t takeNumber(const char*& p) {
    std::uint64_t u = 0;
    int shift = 0;
    std::uint8_t byte;
    do {
        byte = std::uint8_t(*p++);
        u |= std::uint64_t(byte & 0x7f) << shift;
        shift += 7;
    } while (byte & 0x80);
    return std::int64_t(u >> 1) ^ -std::int64_t(u & 1);
}

// Writes the digits of magnitude ending at end, at least minDigits of them; returns the start.
char* digitsBefore(char* end, std::uint64_t magnitude, int minDigits) {
    int digits = 0;
    do {
        *--end = char('0' + magnitude % 10);
        magnitude /= 10;
        ++digits;
    } while (magnitude > 0 || digits < minDigits);
    return end;
}

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

constexpr std::size_t kFormattedMax = 48;

// Whole cents, halves away from zero, as the display format rounds.
std::int64_t shownCents(std::int64_t units) {
    std::int64_t cents = units / 100;
    const std::int64_t rest = units % 100;
    if (rest >= 50)
        ++cents;
    else if (rest <= -50)
        --cents;
    return cents;
}

} // namespace

RecordsetData::RecordsetData(std::vector<QString> columnNames, QString separator)
    : names_(std::move(columnNames)), separator_(separator.toStdString()) {}

int RecordsetData::columnIndex(const QString& name) const {
    for (int k = 0; k < columnCount(); ++k)
        if (names_[k].compare(name, Qt::CaseInsensitive) == 0)
            return k;
    return -1;
}

void RecordsetData::number(CellType type, std::int64_t v) {
    pending_.push_back(char(type));
    putNumber(pending_, v);
    endCell();
}

void RecordsetData::appendDouble(double v) {
    pending_.push_back(char(CellType::Double));
    char bytes[sizeof v];
    std::memcpy(bytes, &v, sizeof v);
    pending_.append(bytes, sizeof bytes);
    endCell();
}

void RecordsetData::appendText(const char* utf8, std::size_t size) {
    pending_.push_back(char(CellType::Text));
    putNumber(pending_, std::int64_t(size));
    pending_.append(utf8, size);
    endCell();
}

void RecordsetData::appendFormattedDate(const char* iso, std::size_t size) {
    if (size < 10 || iso[4] != '-' || iso[7] != '-') {
        appendText(iso, size);
        return;
    }
    const char out[10] = {iso[8], iso[9], '/', iso[5], iso[6], '/', iso[0], iso[1], iso[2], iso[3]};
    for (const char ch : out) {
        if (ch != '/' && !isDigit(ch)) {
            appendText(out, sizeof out);
            return;
        }
    }
    // yyyymmdd as one number: the text is given back digit for digit.
    std::int64_t packed = 0;
    for (const int k : {0, 1, 2, 3, 5, 6, 8, 9})
        packed = packed * 10 + (iso[k] - '0');
    number(CellType::FormattedDate, packed);
}

void RecordsetData::endCell() {
    if (++pendingCells_ < columnCount())
        return;
    if (blocks_.empty() || blocks_.back().size() + pending_.size() > blocks_.back().capacity()) {
        blocks_.emplace_back();
        blocks_.back().reserve(std::max(kBlockBytes, pending_.size()));
    }
    std::string& block = blocks_.back();
    rowStarts_.push_back(std::uint64_t(blocks_.size() - 1) << 32 | std::uint64_t(block.size()));
    block.append(pending_);
    pending_.clear();
    pendingCells_ = 0;
}

RecordsetData::Cell RecordsetData::cellAt(long row, int column) const {
    const std::uint64_t start = rowStarts_[std::size_t(row)];
    const char* p = blocks_[std::size_t(start >> 32)].data() + (start & 0xffffffff);
    for (int c = 0;; ++c) {
        Cell cell;
        cell.type = CellType(std::uint8_t(*p++));
        switch (cell.type) {
        case CellType::Null:
            break;
        case CellType::Double:
            cell.text = p;
            p += sizeof(double);
            break;
        case CellType::Text:
            cell.size = std::size_t(takeNumber(p));
            cell.text = p;
            p += cell.size;
            break;
        default:
            cell.number = takeNumber(p);
            break;
        }
        if (c == column)
            return cell;
    }
}

std::size_t RecordsetData::formatted(const Cell& cell, char* out) const {
    char* end = out + kFormattedMax;
    char* p = end;
    switch (cell.type) {
    case CellType::Integer: {
        const bool negative = cell.number < 0;
        p = digitsBefore(p,
                         negative ? std::uint64_t(0) - std::uint64_t(cell.number)
                                  : std::uint64_t(cell.number),
                         1);
        if (negative)
            *--p = '-';
        break;
    }
    case CellType::FormattedAmount: {
        const std::int64_t cents = shownCents(cell.number);
        const bool negative = cents < 0;
        const std::uint64_t magnitude =
            negative ? std::uint64_t(0) - std::uint64_t(cents) : std::uint64_t(cents);
        p = digitsBefore(p, magnitude % 100, 2);
        p -= separator_.size();
        std::memcpy(p, separator_.data(), separator_.size());
        p = digitsBefore(p, magnitude / 100, 2);
        if (negative)
            *--p = '-';
        break;
    }
    case CellType::FormattedDate: {
        const std::uint64_t packed = std::uint64_t(cell.number);
        p = digitsBefore(p, packed / 10000, 4);
        *--p = '/';
        p = digitsBefore(p, packed / 100 % 100, 2);
        *--p = '/';
        p = digitsBefore(p, packed % 100, 2);
        break;
    }
    default:
        break;
    }
    const std::size_t size = std::size_t(end - p);
    std::memmove(out, p, size);
    return size;
}

Variant RecordsetData::value(long row, int column) const {
    const Cell cell = cellAt(row, column);
    switch (cell.type) {
    case CellType::Null:
        return {};
    case CellType::Integer:
        return Variant(cell.number);
    case CellType::Double: {
        double v;
        std::memcpy(&v, cell.text, sizeof v);
        return Variant(v);
    }
    case CellType::Text:
        return Variant(QString::fromUtf8(cell.text, qsizetype(cell.size)));
    case CellType::Amount:
        return Variant(Money::fromUnits(cell.number));
    case CellType::Date:
        return Variant(QDate::fromJulianDay(cell.number));
    case CellType::FormattedAmount:
    case CellType::FormattedDate:
        return Variant(text(row, column));
    }
    return {};
}

std::optional<Money> RecordsetData::shownAmount(long row, int column) const {
    const Cell cell = cellAt(row, column);
    if (cell.type != CellType::FormattedAmount)
        return std::nullopt;
    return Money::fromUnits(shownCents(cell.number) * 100);
}

QString RecordsetData::text(long row, int column, const QString& nullText) const {
    const Cell cell = cellAt(row, column);
    switch (cell.type) {
    case CellType::Null:
        return nullText;
    case CellType::Text:
        return QString::fromUtf8(cell.text, qsizetype(cell.size));
    case CellType::Integer:
    case CellType::FormattedAmount:
    case CellType::FormattedDate: {
        char out[kFormattedMax];
        return QString::fromUtf8(out, qsizetype(formatted(cell, out)));
    }
    default:
        return rt::toText(value(row, column));
    }
}

QString RecordsetData::toDelimitedText(long fromRow, const QString& columnSeparator,
                                       const QString& rowSeparator, const QString& nullText) const {
    const std::string colSep = columnSeparator.toStdString();
    const std::string rowSep = rowSeparator.toStdString();
    const std::string null = nullText.toStdString();
    const int columns = columnCount();
    // Converted a slice of rows at a time, so that the whole text is never held twice.
    constexpr std::size_t kSlice = 1 << 20;
    QString result;
    std::string out;
    out.reserve(kSlice + 4096);
    const long rows = rowCount();
    char buffer[kFormattedMax];
    for (long r = fromRow; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const Cell cell = cellAt(r, c);
            if (c)
                out += colSep;
            switch (cell.type) {
            case CellType::Null:
                out += null;
                break;
            case CellType::Text:
                out.append(cell.text, cell.size);
                break;
            case CellType::Integer:
            case CellType::FormattedAmount:
            case CellType::FormattedDate:
                out.append(buffer, formatted(cell, buffer));
                break;
            default:
                out += rt::toText(value(r, c)).toStdString();
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
