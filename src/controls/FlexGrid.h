#pragma once

#include <QColor>
#include <QString>
#include <QTableView>
#include <functional>
#include <memory>
#include <vector>

namespace ledgora {

class FlexGridModel;
class GridSource;

// The grid the routines drive step by step: set the current cell and the far corner of the
// selected block, then read or write texts, paste a block of text, or format the block.
//
// Rows are counted with row 0 being the header, shown as the fixed horizontal header whose
// texts are row 0's cells; rows 1.. are the data rows. There is no fixed column.
// The selected block spans from (row, col) to (rowSel, colSel), either way round, and is drawn
// highlighted; setting row or col collapses it onto the current cell.
// The user picks rows with the mouse and the Up/Down/PageUp/PageDown/Home/End keys, which
// make the picked row current and select all of it. Tab leaves the grid.
//
// Rows and columns out of range raise RuntimeError 30009 / 30010, as the grid the routines
// were written against did; row and column counts below one are taken as one.
class FlexGrid : public QTableView {
    Q_OBJECT
public:
    // Alignment codes of setCellAlignment() and setColAlignment().
    enum Alignment {
        LeftTop = 0,
        LeftCenter = 1,
        LeftBottom = 2,
        CenterTop = 3,
        CenterCenter = 4,
        CenterBottom = 5,
        RightTop = 6,
        RightCenter = 7,
        RightBottom = 8,
        General = 9, // text on the left, numbers on the right
    };

    using KeyDownHandler = std::function<void(int& keyCode, int shift)>;
    using MouseUpHandler = std::function<void(int button, int shift, double xTwips, double yTwips)>;

    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    // Row count including the header row. Fewer rows drops the last ones, more rows appends
    // empty ones; 1 leaves only the header.
    int rows() const;
    void setRows(int count);
    int cols() const;
    void setCols(int count);

    // The current cell.
    int row() const { return row_; }
    void setRow(int row);
    int col() const { return col_; }
    void setCol(int col);
    // The far corner of the selected block.
    int rowSel() const { return rowSel_; }
    void setRowSel(int row);
    int colSel() const { return colSel_; }
    void setColSel(int col);

    // Pastes the text into the selected block from its top-left cell: fields separated by
    // tabs, rows by CR, CR-LF or LF. Text beyond the block is ignored; cells of the block the
    // text does not reach keep their text.
    void setClip(const QString& text);
    // The same paste from rows that are read when shown rather than copied: the grid keeps
    // the source, and each of its values stays in one cell whatever characters it holds.
    void setClip(std::shared_ptr<const GridSource> source);
    // A row pasted from a source shows its cells afresh, after the source's owner changed
    // what that row reads from.
    void sourceRowChanged(int row);

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    // The current cell's text.
    QString text() const;
    void setText(const QString& text);

    // Both apply to every cell of the selected block. An invalid colour gives the cells back
    // the grid's own background.
    void setCellAlignment(int code);
    void setCellBackColor(const QColor& color);
    // A column's alignment, for its cells without one of their own.
    int colAlignment(int col) const;
    void setColAlignment(int col, int code);

    // Appends a row whose cells are the tab-separated fields.
    void addItem(const QString& tabSeparatedText);
    // Removes a data row; the rows below, with their formatting, move up.
    void removeItem(int row);

    // Widths in twips. Width 0 hides the column for good (the user cannot drag it open).
    int colWidth(int col) const;
    void setColWidth(int col, int twips);

    // Makes a data row current and selects all of it, scrolled into view, as the arrow keys do.
    void goToRow(int row);

    // Whether the row shows, if only in part. The header row always does.
    bool rowIsVisible(int row) const;
    // The first data row shown; setting it scrolls that row to the top as far as the rows
    // below allow (a row beyond the grid scrolls as far as it goes, without an error).
    int topRow() const;
    void setTopRow(int row);

    // Called on every key press while the grid has focus, before the grid moves; setting
    // keyCode to 0 swallows the key.
    void setKeyDownHandler(KeyDownHandler handler);
    // Called when a mouse button is released over the cells. Buttons: 1 left, 2 right,
    // 4 middle; shift bits: 1 Shift, 2 Ctrl, 4 Alt; the position is from the grid's top-left
    // corner, header included.
    void setMouseUpHandler(MouseUpHandler handler);

Q_SIGNALS:
    // The current row became another, by a key, the mouse or a routine.
    void currentRowChanged(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void checkRow(int row) const;
    void checkCol(int col) const;
    QRect selectedBlock() const;
    void selectWholeRow(int row);
    void ensureRowVisible(int row);
    int rowsPerPage() const;
    bool moveByKey(int key);
    void blockChanged();
    void syncSelection();

    FlexGridModel* model_;
    int row_ = 1;
    int col_ = 0;
    int rowSel_ = 1;
    int colSel_ = 0;
    // Widths as set, so that reading one back gives the same twips despite the rounding to
    // pixels; -1 until set.
    std::vector<int> colTwips_;
    // The view's own selection follows ours lazily, just before painting, so that routines
    // moving the current cell in long loops pay nothing for the display.
    bool selectionDirty_ = true;
    int announcedRow_ = 1; // the current row last told by currentRowChanged()
    KeyDownHandler keyDown_;
    MouseUpHandler mouseUp_;
};

} // namespace ledgora
