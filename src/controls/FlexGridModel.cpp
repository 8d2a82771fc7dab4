#include "FlexGridModel.h"

#include <QBrush>
#include <algorithm>

namespace ledgora {

namespace {

// Whether the general alignment treats the text as a number: digits with group and decimal
// marks of either kind ("1.234,56", "150.50"), a sign in front or behind. Dates and codes
// with other characters stay on the left.
bool looksNumeric(QStringView text) {
    text = text.trimmed();
    if (text.startsWith(u'-') || text.startsWith(u'+'))
        text = text.mid(1);
    else if (text.endsWith(u'-'))
        text.chop(1);
    bool digit = false;
    for (const QChar ch : text) {
        if (ch.isDigit())
            digit = true;
        else if (ch != u'.' && ch != u',')
            return false;
    }
    return digit;
}

// The colour stored for "no colour of its own"; a real colour is opaque or at least visible.
constexpr std::uint32_t kNoColor = 0;

} // namespace

Qt::Alignment FlexGridModel::alignmentFlags(int code, QStringView text) {
    switch (code) {
    case 0:
        return Qt::AlignLeft | Qt::AlignTop;
    case 1:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case 2:
        return Qt::AlignLeft | Qt::AlignBottom;
    case 3:
        return Qt::AlignHCenter | Qt::AlignTop;
    case 4:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case 5:
        return Qt::AlignHCenter | Qt::AlignBottom;
    case 6:
        return Qt::AlignRight | Qt::AlignTop;
    case 7:
        return Qt::AlignRight | Qt::AlignVCenter;
    case 8:
        return Qt::AlignRight | Qt::AlignBottom;
    default:
        return (looksNumeric(text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    }
}

FlexGridModel::FlexGridModel(QObject* parent)
    : QAbstractTableModel(parent), colAlignments_(1, kGeneral) {}

void FlexGridModel::setGridRows(int count) {
    count = std::max(1, count);
    const int old = gridRows();
    if (count < old) {
        beginRemoveRows(QModelIndex(), count - 1, old - 2);
        text_.setRows(count);
        alignments_.truncate(count, gridCols());
        backColors_.truncate(count, gridCols());
        endRemoveRows();
    } else if (count > old) {
        beginInsertRows(QModelIndex(), old - 1, count - 2);
        text_.setRows(count);
        endInsertRows();
    }
}

void FlexGridModel::setGridCols(int count) {
    count = std::max(1, count);
    const int old = gridCols();
    if (count < old) {
        beginRemoveColumns(QModelIndex(), count, old - 1);
        text_.setCols(count);
        alignments_.truncate(gridRows(), count);
        backColors_.truncate(gridRows(), count);
        colAlignments_.resize(std::size_t(count));
        endRemoveColumns();
    } else if (count > old) {
        beginInsertColumns(QModelIndex(), old, count - 1);
        text_.setCols(count);
        colAlignments_.resize(std::size_t(count), kGeneral);
        endInsertColumns();
    }
}

void FlexGridModel::setText(int row, int col, const QString& text) {
    text_.setCell(row, col, text);
    notifyChanged(QRect(col, row, 1, 1), {Qt::DisplayRole, Qt::TextAlignmentRole});
}

void FlexGridModel::paste(const QRect& block, const QString& text) {
    text_.paste(block, text);
    notifyChanged(block, {Qt::DisplayRole, Qt::TextAlignmentRole});
}

void FlexGridModel::paste(const QRect& block, std::shared_ptr<const GridSource> source) {
    text_.paste(block, std::move(source));
    notifyChanged(block, {Qt::DisplayRole, Qt::TextAlignmentRole});
}

void FlexGridModel::appendRow(const QString& tabSeparated) {
    const int row = gridRows();
    beginInsertRows(QModelIndex(), row - 1, row - 1);
    text_.appendRow(tabSeparated);
    endInsertRows();
}

void FlexGridModel::removeGridRow(int row) {
    beginRemoveRows(QModelIndex(), row - 1, row - 1);
    text_.removeRow(row);
    alignments_.removeRow(row);
    backColors_.removeRow(row);
    endRemoveRows();
}

void FlexGridModel::setAlignment(const QRect& block, int code) {
    alignments_.apply(block, std::uint32_t(code));
    notifyChanged(block, {Qt::TextAlignmentRole});
}

void FlexGridModel::setBackColor(const QRect& block, const QColor& color) {
    backColors_.apply(block, color.isValid() ? color.rgba() : kNoColor);
    notifyChanged(block, {Qt::BackgroundRole});
}

void FlexGridModel::setColAlignment(int col, int code) {
    colAlignments_[std::size_t(col)] = code;
    notifyChanged(QRect(col, 0, 1, gridRows()), {Qt::TextAlignmentRole});
}

int FlexGridModel::alignmentAt(int row, int col) const {
    if (const auto code = alignments_.valueAt(row, col))
        return int(*code);
    return colAlignments_[std::size_t(col)];
}

QColor FlexGridModel::backColorAt(int row, int col) const {
    const auto rgba = backColors_.valueAt(row, col);
    if (!rgba || *rgba == kNoColor)
        return {};
    return QColor::fromRgba(*rgba);
}

int FlexGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : gridRows() - 1;
}

int FlexGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : gridCols();
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    return cellData(index.row() + 1, index.column(), role);
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section >= 0 && section < gridCols())
        return cellData(0, section, role);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags FlexGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Selectable, or the view would not paint the routines' selection.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

QVariant FlexGridModel::cellData(int row, int col, int role) const {
    switch (role) {
    case Qt::DisplayRole:
        return text_.cell(row, col);
    case Qt::TextAlignmentRole:
        return int(alignmentFlags(alignmentAt(row, col), text_.cell(row, col)));
    case Qt::BackgroundRole: {
        const QColor color = backColorAt(row, col);
        return color.isValid() ? QVariant(QBrush(color)) : QVariant();
    }
    default:
        return {};
    }
}

void FlexGridModel::notifyChanged(const QRect& block, const QList<int>& roles) {
    if (block.top() == 0)
        emit headerDataChanged(Qt::Horizontal, block.left(), block.right());
    if (block.bottom() >= 1)
        emit dataChanged(index(std::max(block.top(), 1) - 1, block.left()),
                         index(block.bottom() - 1, block.right()), roles);
}

} // namespace ledgora
