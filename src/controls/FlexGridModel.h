#pragma once

#include "CellFormats.h"
#include "GridText.h"

#include <QAbstractTableModel>
#include <QColor>
#include <vector>

namespace ledgora {

// The grid's contents as the view sees them. The grid counts rows as the routines do, with
// row 0 being the header: grid row r is model row r - 1, and row 0 answers headerData().
// Blocks are QRects with x = column and y = grid row. Callers pass valid rows and columns.
class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Alignment codes of the routines: 0..8 are left/centre/right by top/centre/bottom,
    // 9 puts text on the left and numbers on the right, both centred vertically.
    static constexpr int kGeneral = 9;
    static bool isAlignment(int code) { return code >= 0 && code <= kGeneral; }
    static Qt::Alignment alignmentFlags(int code, QStringView text);

    explicit FlexGridModel(QObject* parent = nullptr);

    int gridRows() const { return text_.rows(); }
    int gridCols() const { return text_.cols(); }
    void setGridRows(int count);
    void setGridCols(int count);

    QString text(int row, int col) const { return text_.cell(row, col); }
    void setText(int row, int col, const QString& text);
    void paste(const QRect& block, const QString& text);
    void paste(const QRect& block, std::shared_ptr<const GridSource> source);
    // The cells of the block show their source's texts afresh.
    void sourceChanged(const QRect& block) { notifyChanged(block, {Qt::DisplayRole}); }
    void appendRow(const QString& tabSeparated);
    void removeGridRow(int row);

    void setAlignment(const QRect& block, int code);
    void setBackColor(const QRect& block, const QColor& color);
    int colAlignment(int col) const { return colAlignments_[std::size_t(col)]; }
    void setColAlignment(int col, int code);
    // The code that applies to a cell: its own, else its column's.
    int alignmentAt(int row, int col) const;
    // Invalid when the cell shows the grid's own background.
    QColor backColorAt(int row, int col) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QVariant cellData(int row, int col, int role) const;
    void notifyChanged(const QRect& block, const QList<int>& roles);

    GridText text_;
    CellFormats alignments_;
    CellFormats backColors_;
    std::vector<int> colAlignments_;
};

} // namespace ledgora
