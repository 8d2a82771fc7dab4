#include "FlexGrid.h"

#include "FlexGridModel.h"
#include "core/RuntimeError.h"
#include "platform/Twips.h"
#include "platform/VirtualKeys.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

namespace ledgora {

namespace {

// About the width the routines' grids gave a column they never sized.
constexpr int kDefaultColTwips = 960;

} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent), model_(new FlexGridModel(this)) {
    setModel(model_);
    setEditTriggers(NoEditTriggers);
    // Tab belongs to the window's tab order, not to moving between cells.
    setTabKeyNavigation(false);
    // The selected block is ours: the mouse and keys go through our handlers and the view
    // only paints what syncSelection() hands it.
    setSelectionMode(NoSelection);
    // Moving the current cell from code must not scroll; the routines scroll with TopRow.
    setAutoScroll(false);
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerPixel);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);

    QHeaderView* rowsHeader = verticalHeader();
    rowsHeader->hide();
    rowsHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowsHeader->setMinimumSectionSize(1);
    rowsHeader->setDefaultSectionSize(fontMetrics().height() + 4);

    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(1);
    header->setDefaultSectionSize(Twips::toPixelsX(kDefaultColTwips));

    // The selection stays highlighted when the grid loses focus, so the row the user picked
    // still shows while a button acts on it.
    QPalette colors = palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        colors.setBrush(QPalette::Inactive, role, colors.brush(QPalette::Active, role));
    setPalette(colors);

    setRows(2);
    setCols(2);
}

FlexGrid::~FlexGrid() = default;

int FlexGrid::rows() const {
    return model_->gridRows();
}

void FlexGrid::setRows(int count) {
    model_->setGridRows(count);
    const int last = rows() - 1;
    row_ = std::min(row_, last);
    rowSel_ = std::min(rowSel_, last);
    blockChanged();
}

int FlexGrid::cols() const {
    return model_->gridCols();
}

void FlexGrid::setCols(int count) {
    model_->setGridCols(count);
    const int last = cols() - 1;
    colTwips_.resize(std::size_t(cols()), -1);
    col_ = std::min(col_, last);
    colSel_ = std::min(colSel_, last);
    blockChanged();
}

void FlexGrid::setRow(int row) {
    checkRow(row);
    row_ = rowSel_ = row;
    colSel_ = col_;
    blockChanged();
}

void FlexGrid::setCol(int col) {
    checkCol(col);
    col_ = colSel_ = col;
    rowSel_ = row_;
    blockChanged();
}

void FlexGrid::setRowSel(int row) {
    checkRow(row);
    rowSel_ = row;
    blockChanged();
}

void FlexGrid::setColSel(int col) {
    checkCol(col);
    colSel_ = col;
    blockChanged();
}

void FlexGrid::setClip(const QString& text) {
    model_->paste(selectedBlock(), text);
}

void FlexGrid::setClip(std::shared_ptr<const GridSource> source) {
    model_->paste(selectedBlock(), std::move(source));
}

void FlexGrid::sourceRowChanged(int row) {
    checkRow(row);
    model_->sourceChanged(QRect(0, row, model_->gridCols(), 1));
}

QString FlexGrid::textMatrix(int row, int col) const {
    checkRow(row);
    checkCol(col);
    return model_->text(row, col);
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text) {
    checkRow(row);
    checkCol(col);
    model_->setText(row, col, text);
}

QString FlexGrid::text() const {
    return model_->text(row_, col_);
}

void FlexGrid::setText(const QString& text) {
    model_->setText(row_, col_, text);
}

void FlexGrid::setCellAlignment(int code) {
    if (!FlexGridModel::isAlignment(code))
        throw RuntimeError(380, QStringLiteral("El valor de la propiedad no es válido"));
    model_->setAlignment(selectedBlock(), code);
}

void FlexGrid::setCellBackColor(const QColor& color) {
    model_->setBackColor(selectedBlock(), color);
}

int FlexGrid::colAlignment(int col) const {
    checkCol(col);
    return model_->colAlignment(col);
}

void FlexGrid::setColAlignment(int col, int code) {
    checkCol(col);
    if (!FlexGridModel::isAlignment(code))
        throw RuntimeError(380, QStringLiteral("El valor de la propiedad no es válido"));
    model_->setColAlignment(col, code);
}

void FlexGrid::addItem(const QString& tabSeparatedText) {
    model_->appendRow(tabSeparatedText);
}

void FlexGrid::removeItem(int row) {
    // The header row is not an item.
    if (row < 1)
        checkRow(-1);
    checkRow(row);
    model_->removeGridRow(row);
    const int last = rows() - 1;
    row_ = std::min(row_, last);
    rowSel_ = std::min(rowSel_, last);
    blockChanged();
}

int FlexGrid::colWidth(int col) const {
    checkCol(col);
    if (isColumnHidden(col))
        return 0;
    const int pixels = columnWidth(col);
    const int twips = colTwips_[std::size_t(col)];
    // Unless the user has dragged the column since, give back the twips that were set.
    if (twips > 0 && Twips::toPixelsX(twips) == pixels)
        return twips;
    return Twips::fromPixelsX(pixels);
}

void FlexGrid::setColWidth(int col, int twips) {
    checkCol(col);
    if (twips == 0) {
        // Hidden, not zero-sized: the header offers no handle to drag a hidden column open.
        colTwips_[std::size_t(col)] = 0;
        setColumnHidden(col, true);
        return;
    }
    setColumnHidden(col, false);
    if (twips < 0) {
        colTwips_[std::size_t(col)] = -1;
        setColumnWidth(col, horizontalHeader()->defaultSectionSize());
        return;
    }
    colTwips_[std::size_t(col)] = twips;
    setColumnWidth(col, std::max(1, Twips::toPixelsX(twips)));
}

bool FlexGrid::rowIsVisible(int row) const {
    checkRow(row);
    if (row == 0)
        return true;
    const int top = rowViewportPosition(row - 1);
    return top + rowHeight(row - 1) > 0 && top < viewport()->height();
}

int FlexGrid::topRow() const {
    const int first = rowAt(0);
    return first < 0 ? 1 : first + 1;
}

void FlexGrid::setTopRow(int row) {
    // The scroll range follows the row count only once the view lays itself out again;
    // routines set TopRow right after filling the grid.
    updateGeometries();
    verticalScrollBar()->setValue(std::clamp(row, 1, std::max(rows() - 1, 1)) - 1);
}

void FlexGrid::setKeyDownHandler(KeyDownHandler handler) {
    keyDown_ = std::move(handler);
}

void FlexGrid::setMouseUpHandler(MouseUpHandler handler) {
    mouseUp_ = std::move(handler);
}

void FlexGrid::keyPressEvent(QKeyEvent* event) {
    const KeyInfo info = keyInfoOf(*event);
    if (keyDown_ && info.keyCode != 0) {
        int keyCode = info.keyCode;
        const QPointer<FlexGrid> alive(this);
        keyDown_(keyCode, info.shift);
        if (!alive)
            return;
        if (keyCode == 0) {
            event->accept();
            return;
        }
    }
    if (moveByKey(event->key())) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        horizontalScrollBar()->triggerAction(event->key() == Qt::Key_Left
                                                 ? QAbstractSlider::SliderSingleStepSub
                                                 : QAbstractSlider::SliderSingleStepAdd);
        event->accept();
        return;
    }
    // Anything else is the window's: default buttons, Escape, shortcuts.
    event->ignore();
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid()) {
            selectWholeRow(index.row() + 1);
            ensureRowVisible(index.row() + 1);
        }
    }
    event->accept();
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* event) {
    const int button = mouseButtonsOf(event->button());
    if (mouseUp_ && button != 0) {
        const QPoint at = viewport()->mapTo(this, event->position().toPoint());
        mouseUp_(button, shiftStateOf(event->modifiers()), at.x() * Twips::perPixelX(),
                 at.y() * Twips::perPixelY());
    }
    event->accept();
}

void FlexGrid::focusInEvent(QFocusEvent* event) {
    // The view moves its current index onto the first cell when it gets focus without one.
    QTableView::focusInEvent(event);
    blockChanged();
}

void FlexGrid::paintEvent(QPaintEvent* event) {
    syncSelection();
    QTableView::paintEvent(event);
}

void FlexGrid::checkRow(int row) const {
    if (row < 0 || row >= rows())
        throw RuntimeError(30009, QStringLiteral("Valor de Row no válido"));
}

void FlexGrid::checkCol(int col) const {
    if (col < 0 || col >= cols())
        throw RuntimeError(30010, QStringLiteral("Valor de Col no válido"));
}

QRect FlexGrid::selectedBlock() const {
    return QRect(QPoint(std::min(col_, colSel_), std::min(row_, rowSel_)),
                 QPoint(std::max(col_, colSel_), std::max(row_, rowSel_)));
}

void FlexGrid::selectWholeRow(int row) {
    row_ = rowSel_ = row;
    col_ = 0;
    colSel_ = cols() - 1;
    blockChanged();
}

void FlexGrid::goToRow(int row) {
    checkRow(row);
    selectWholeRow(row);
    ensureRowVisible(row);
}

void FlexGrid::ensureRowVisible(int row) {
    const int top = topRow();
    if (row < top) {
        setTopRow(row);
        return;
    }
    const int page = rowsPerPage();
    if (row > top + page - 1)
        setTopRow(row - page + 1);
}

// Rows that fit whole in the viewport, at least one.
int FlexGrid::rowsPerPage() const {
    const int height = std::max(1, verticalHeader()->defaultSectionSize());
    return std::max(1, viewport()->height() / height);
}

bool FlexGrid::moveByKey(int key) {
    const int last = rows() - 1;
    const int from = std::max(row_, 0);
    int target = 0;
    switch (key) {
    case Qt::Key_Up:
        target = from - 1;
        break;
    case Qt::Key_Down:
        target = from + 1;
        break;
    case Qt::Key_PageUp:
        target = from - rowsPerPage();
        break;
    case Qt::Key_PageDown:
        target = from + rowsPerPage();
        break;
    case Qt::Key_Home:
        target = 1;
        break;
    case Qt::Key_End:
        target = last;
        break;
    default:
        return false;
    }
    if (last < 1)
        return true; // only the header: nothing to move to
    target = std::clamp(target, 1, last);
    selectWholeRow(target);
    ensureRowVisible(target);
    return true;
}

void FlexGrid::blockChanged() {
    selectionDirty_ = true;
    viewport()->update();
    if (row_ != announcedRow_) {
        announcedRow_ = row_;
        Q_EMIT currentRowChanged(row_);
    }
}

// Hands our block and current cell to the view's selection model. Its signals are blocked:
// they would only ask for the repaint that is already under way, blockChanged() having
// invalidated the whole viewport.
void FlexGrid::syncSelection() {
    if (!selectionDirty_)
        return;
    selectionDirty_ = false;
    QItemSelectionModel* selection = selectionModel();
    const QSignalBlocker blocker(selection);
    const QRect block = selectedBlock();
    QItemSelection cells;
    if (block.bottom() >= 1) {
        cells.select(model_->index(std::max(block.top(), 1) - 1, block.left()),
                     model_->index(block.bottom() - 1, block.right()));
    }
    selection->select(cells, QItemSelectionModel::ClearAndSelect);
    selection->setCurrentIndex(row_ >= 1 ? model_->index(row_ - 1, col_) : QModelIndex(),
                               QItemSelectionModel::NoUpdate);
}

} // namespace ledgora
