#include "controls/FlexGrid.h"
#include "platform/RuntimeError.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QtTest>

using ledgora::FlexGrid;
using ledgora::RuntimeError;

namespace {

void select(FlexGrid& grid, int row, int col, int rowSel, int colSel) {
    grid.setRow(row);
    grid.setCol(col);
    grid.setRowSel(rowSel);
    grid.setColSel(colSel);
}

// Every cell of rows 1.. gets "r.c", so that untouched cells are recognisable.
void fill(FlexGrid& grid, int rows, int cols) {
    grid.setRows(rows);
    grid.setCols(cols);
    for (int r = 1; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            grid.setTextMatrix(r, c, QStringLiteral("%1.%2").arg(r).arg(c));
}

QVariant shown(const FlexGrid& grid, int row, int col, int role) {
    return grid.model()->data(grid.model()->index(row - 1, col), role);
}

QColor background(const FlexGrid& grid, int row, int col) {
    const QVariant brush = shown(grid, row, col, Qt::BackgroundRole);
    return brush.isValid() ? brush.value<QBrush>().color() : QColor();
}

Qt::Alignment alignment(const FlexGrid& grid, int row, int col) {
    return Qt::Alignment(shown(grid, row, col, Qt::TextAlignmentRole).toInt());
}

// A spot inside the cell's painted area, clear of its text and of the grid lines.
QPoint spotIn(const FlexGrid& grid, int row, int col) {
    const QRect cell = grid.visualRect(grid.model()->index(row - 1, col));
    return grid.viewport()->mapTo(&grid, QPoint(cell.right() - 3, cell.top() + 2));
}

// The style may shade the highlight a little; it stays far from any cell colour.
bool looksLike(const QColor& seen, const QColor& expected) {
    return std::abs(seen.red() - expected.red()) < 16 &&
           std::abs(seen.green() - expected.green()) < 16 &&
           std::abs(seen.blue() - expected.blue()) < 16;
}

// The texts of a whole row, to compare at a glance.
QStringList rowTexts(const FlexGrid& grid, int row) {
    QStringList texts;
    for (int c = 0; c < grid.cols(); ++c)
        texts << grid.textMatrix(row, c);
    return texts;
}

long errorNumber(const std::function<void()>& step) {
    try {
        step();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

} // namespace

class TstFlexGrid : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Paste into the selected block
    void pasteFillsTheBlockFromItsTopLeft();
    void pasteLeavesUnreachedCellsAndClearsEmptyFields();
    void pasteOverEarlierTextKeepsWhatItDoesNotCover();
    void headerShowsRowZeroTexts();

    // Current cell, selection, size
    void settingRowOrColCollapsesTheSelection();
    void outOfRangeRowsAndColsRaiseErrors();
    void shrinkingThenGrowingGivesEmptyCells();
    void addItemSplitsFieldsAndRemoveItemMovesRowsUp();

    // Block formatting
    void formattingCoversTheWholeBlockLatestWins();
    void formattingAMillionRowBlock();
    void alignmentCodesAndGeneralAlignment();
    void formattingFollowsRowsThroughRemoveAndAdd();
    void rowByRowFormattingResolvesEveryRow();

    // Columns and scrolling
    void columnWidthsInTwipsAndHiddenColumnsStayHidden();
    void topRowAndRowIsVisibleAtTheEndOfTenThousandRows();
    void keysMoveTheWholeRowSelectionAndKeepItInView();

    // Events for the screens
    void keyHandlerSeesKeysFirstAndMaySwallowThem();
    void tabLeavesTheGrid();
    void mouseClicksSelectRowsAndReportButtons();

    // What a person sees
    void selectedRowIsDrawnHighlighted();
    void renderSmallGrid();
};

void TstFlexGrid::pasteFillsTheBlockFromItsTopLeft() {
    FlexGrid grid;
    fill(grid, 6, 4);
    // Selected bottom-right to top-left; lines end in CR, CR-LF and LF; the third line and
    // third fields fall outside the block.
    select(grid, 4, 2, 2, 1);
    grid.setClip(QStringLiteral("a\tb\tX\r\nc\td\nX\tX\tX\re"));
    QCOMPARE(rowTexts(grid, 1), QStringList({"1.0", "1.1", "1.2", "1.3"}));
    QCOMPARE(rowTexts(grid, 2), QStringList({"2.0", "a", "b", "2.3"}));
    QCOMPARE(rowTexts(grid, 3), QStringList({"3.0", "c", "d", "3.3"}));
    QCOMPARE(rowTexts(grid, 4), QStringList({"4.0", "X", "X", "4.3"}));
    QCOMPARE(rowTexts(grid, 5), QStringList({"5.0", "5.1", "5.2", "5.3"}));
}

void TstFlexGrid::pasteLeavesUnreachedCellsAndClearsEmptyFields() {
    FlexGrid grid;
    fill(grid, 5, 3);
    select(grid, 1, 0, 4, 2);
    // A short line leaves the cells after its last field; an empty field, a trailing tab
    // included, clears its cell; a trailing CR closes the last line without opening another.
    grid.setClip(QStringLiteral("a\rb\t\tc\rd\t\r"));
    QCOMPARE(rowTexts(grid, 1), QStringList({"a", "1.1", "1.2"}));
    QCOMPARE(rowTexts(grid, 2), QStringList({"b", "", "c"}));
    QCOMPARE(rowTexts(grid, 3), QStringList({"d", "", "3.2"}));
    QCOMPARE(rowTexts(grid, 4), QStringList({"4.0", "4.1", "4.2"}));
}

void TstFlexGrid::pasteOverEarlierTextKeepsWhatItDoesNotCover() {
    FlexGrid grid;
    grid.setRows(3);
    grid.setCols(3);
    select(grid, 1, 0, 2, 2);
    grid.setClip(QStringLiteral("a\tb\tc\rd\te\tf\r"));
    grid.setTextMatrix(1, 2, QStringLiteral("written"));
    select(grid, 1, 1, 2, 1);
    grid.setClip(QStringLiteral("B\rE"));
    QCOMPARE(rowTexts(grid, 1), QStringList({"a", "B", "written"}));
    QCOMPARE(rowTexts(grid, 2), QStringList({"d", "E", "f"}));
    select(grid, 1, 2, 1, 2);
    grid.setClip(QStringLiteral("C")); // a later paste replaces a written cell
    QCOMPARE(grid.textMatrix(1, 2), QStringLiteral("C"));
    grid.setRow(2);
    grid.setCol(0);
    grid.setText(QString()); // writing a cell empty hides the pasted text underneath
    QCOMPARE(rowTexts(grid, 2), QStringList({"", "E", "f"}));
}

void TstFlexGrid::headerShowsRowZeroTexts() {
    FlexGrid grid;
    grid.setCols(3);
    select(grid, 0, 0, 1, 1);
    grid.setClip(QStringLiteral("Fecha\tImporte\r01/02/2024\t150,50"));
    grid.setTextMatrix(0, 2, QStringLiteral("Saldo"));
    const QAbstractItemModel* model = grid.model();
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Importe"));
    QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Saldo"));
    QCOMPARE(rowTexts(grid, 1), QStringList({"01/02/2024", "150,50", ""}));
    QVERIFY(!grid.horizontalHeader()->isHidden());
    QVERIFY(grid.verticalHeader()->isHidden());
    grid.setRows(1);
    QCOMPARE(model->rowCount(), 0);
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Fecha"));
}

void TstFlexGrid::settingRowOrColCollapsesTheSelection() {
    FlexGrid grid;
    grid.setRows(6);
    grid.setCols(4);
    select(grid, 2, 1, 4, 3);
    QCOMPARE(grid.rowSel(), 4);
    QCOMPARE(grid.colSel(), 3);
    grid.setRow(3);
    QCOMPARE(grid.rowSel(), 3);
    QCOMPARE(grid.colSel(), 1);
    grid.setRowSel(5);
    grid.setColSel(0);
    grid.setCol(2);
    QCOMPARE(grid.rowSel(), 3);
    QCOMPARE(grid.colSel(), 2);
    grid.setTextMatrix(3, 2, QStringLiteral("here"));
    QCOMPARE(grid.text(), QStringLiteral("here"));
}

void TstFlexGrid::outOfRangeRowsAndColsRaiseErrors() {
    FlexGrid grid;
    grid.setRows(3);
    grid.setCols(2);
    QCOMPARE(errorNumber([&] { grid.setRow(3); }), 30009L);
    QCOMPARE(errorNumber([&] { grid.setRowSel(-1); }), 30009L);
    QCOMPARE(errorNumber([&] { grid.setCol(2); }), 30010L);
    QCOMPARE(errorNumber([&] { grid.textMatrix(1, 5); }), 30010L);
    QCOMPARE(errorNumber([&] { grid.removeItem(0); }), 30009L);
    QCOMPARE(errorNumber([&] { grid.setCellAlignment(10); }), 380L);
    QCOMPARE(errorNumber([&] { grid.setRow(2); }), 0L);
}

void TstFlexGrid::shrinkingThenGrowingGivesEmptyCells() {
    FlexGrid grid;
    fill(grid, 4, 3);
    select(grid, 0, 0, 3, 2);
    grid.setClip(QStringLiteral("F\tI\tS\ra\tb\tc\rd\te\tf\rg\th\ti"));
    grid.setRows(1);
    QCOMPARE(grid.row(), 0);
    grid.setCols(2);
    grid.setRows(4);
    grid.setCols(3);
    QCOMPARE(rowTexts(grid, 0), QStringList({"F", "I", ""}));
    for (int r = 1; r < 4; ++r)
        QCOMPARE(rowTexts(grid, r), QStringList({"", "", ""}));
}

void TstFlexGrid::addItemSplitsFieldsAndRemoveItemMovesRowsUp() {
    FlexGrid grid;
    grid.setCols(3);
    grid.setRows(1);
    grid.addItem(QStringLiteral("a\tb\tc\textra"));
    grid.addItem(QStringLiteral("d"));
    grid.addItem(QStringLiteral("g\th\ti"));
    QCOMPARE(grid.rows(), 4);
    QCOMPARE(rowTexts(grid, 1), QStringList({"a", "b", "c"}));
    QCOMPARE(rowTexts(grid, 2), QStringList({"d", "", ""}));
    grid.setTextMatrix(3, 1, QStringLiteral("H"));
    grid.removeItem(2);
    QCOMPARE(grid.rows(), 3);
    QCOMPARE(rowTexts(grid, 2), QStringList({"g", "H", "i"}));
    grid.setCols(4);
    grid.addItem(QStringLiteral("j\tk\tl\tm"));
    QCOMPARE(rowTexts(grid, 3), QStringList({"j", "k", "l", "m"}));
    QCOMPARE(rowTexts(grid, 2), QStringList({"g", "H", "i", ""}));
}

void TstFlexGrid::formattingCoversTheWholeBlockLatestWins() {
    FlexGrid grid;
    grid.setRows(6);
    grid.setCols(4);
    select(grid, 2, 1, 4, 2);
    grid.setCellBackColor(Qt::green);
    select(grid, 5, 3, 4, 2);
    grid.setCellBackColor(Qt::yellow);
    QCOMPARE(background(grid, 2, 1), QColor(Qt::green));
    QCOMPARE(background(grid, 4, 1), QColor(Qt::green));
    QCOMPARE(background(grid, 4, 2), QColor(Qt::yellow));
    QCOMPARE(background(grid, 5, 3), QColor(Qt::yellow));
    for (const QPoint cell : {QPoint(1, 1), QPoint(0, 3), QPoint(3, 3), QPoint(0, 5)})
        QCOMPARE(background(grid, cell.y(), cell.x()), QColor());
    // An invalid colour gives the grid's own background back.
    select(grid, 4, 0, 4, 3);
    grid.setCellBackColor(QColor());
    QCOMPARE(background(grid, 4, 1), QColor());
    QCOMPARE(background(grid, 5, 3), QColor(Qt::yellow));
}

void TstFlexGrid::formattingAMillionRowBlock() {
    FlexGrid grid;
    grid.setCols(7);
    grid.setRows(1'000'001);
    select(grid, 1, 0, 1'000'000, 6);
    grid.setCellBackColor(Qt::cyan);
    grid.setCellAlignment(FlexGrid::RightCenter);
    select(grid, 500'000, 3, 500'000, 3);
    grid.setCellBackColor(Qt::red);
    QCOMPARE(background(grid, 999'999, 6), QColor(Qt::cyan));
    QCOMPARE(background(grid, 500'000, 3), QColor(Qt::red));
    QCOMPARE(background(grid, 500'000, 4), QColor(Qt::cyan));
    QCOMPARE(alignment(grid, 1'000'000, 0), Qt::AlignRight | Qt::AlignVCenter);
}

void TstFlexGrid::alignmentCodesAndGeneralAlignment() {
    FlexGrid grid;
    grid.setRows(3);
    grid.setCols(3);
    select(grid, 1, 0, 1, 2);
    grid.setClip(QStringLiteral("Recibo 12\t-1.234,50\t01/02/2024"));
    QCOMPARE(grid.colAlignment(1), int(FlexGrid::General));
    QCOMPARE(alignment(grid, 1, 0), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(alignment(grid, 1, 1), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(alignment(grid, 1, 2), Qt::AlignLeft | Qt::AlignVCenter);

    grid.setColAlignment(0, FlexGrid::CenterBottom);
    grid.setCellAlignment(FlexGrid::RightTop);
    QCOMPARE(alignment(grid, 1, 0), Qt::AlignRight | Qt::AlignTop); // the cell's own wins
    QCOMPARE(alignment(grid, 2, 0), Qt::AlignHCenter | Qt::AlignBottom);
    select(grid, 2, 1, 2, 1);
    grid.setCellAlignment(FlexGrid::LeftCenter);
    QCOMPARE(alignment(grid, 2, 1), Qt::AlignLeft | Qt::AlignVCenter);
    grid.setCellAlignment(FlexGrid::CenterCenter);
    QCOMPARE(alignment(grid, 2, 1), Qt::AlignCenter);
}

void TstFlexGrid::formattingFollowsRowsThroughRemoveAndAdd() {
    FlexGrid grid;
    fill(grid, 6, 2);
    select(grid, 3, 0, 5, 1);
    grid.setCellBackColor(Qt::green);
    select(grid, 5, 0, 5, 1);
    grid.setCellBackColor(Qt::yellow);
    grid.removeItem(1);
    QCOMPARE(grid.textMatrix(2, 0), QStringLiteral("3.0"));
    QCOMPARE(background(grid, 1, 0), QColor());
    QCOMPARE(background(grid, 2, 0), QColor(Qt::green));
    QCOMPARE(background(grid, 3, 1), QColor(Qt::green));
    QCOMPARE(background(grid, 4, 1), QColor(Qt::yellow));
    grid.removeItem(4); // the yellow row itself
    grid.addItem(QStringLiteral("new\trow"));
    QCOMPARE(background(grid, 4, 0), QColor());
    QCOMPARE(background(grid, 3, 0), QColor(Qt::green));
    grid.removeItem(2);
    grid.removeItem(2);
    QCOMPARE(grid.textMatrix(2, 0), QStringLiteral("new"));
    QCOMPARE(background(grid, 2, 0), QColor());
}

void TstFlexGrid::rowByRowFormattingResolvesEveryRow() {
    // Alternating colours set row by row leave one block per row, many more than a lookup
    // walks one by one.
    FlexGrid grid;
    grid.setRows(1001);
    grid.setCols(3);
    for (int r = 1; r <= 1000; ++r) {
        select(grid, r, 0, r, 2);
        grid.setCellBackColor(r % 2 ? Qt::white : Qt::lightGray);
    }
    grid.removeItem(10);
    const auto expected = [](int r) {
        const bool odd = (r < 10 ? r : r + 1) % 2;
        return QColor(odd ? Qt::white : Qt::lightGray);
    };
    // Down and back up, as scrolling asks, so that every band of rows is entered both ways.
    for (int r = 1; r <= 999; ++r)
        QCOMPARE(background(grid, r, 2), expected(r));
    for (int r = 999; r >= 1; --r)
        QCOMPARE(background(grid, r, 0), expected(r));
}

void TstFlexGrid::columnWidthsInTwipsAndHiddenColumnsStayHidden() {
    FlexGrid grid;
    grid.setCols(3);
    grid.setColWidth(0, 1500);
    grid.setColWidth(1, 0);
    grid.setColWidth(2, 1000);
    QCOMPARE(grid.colWidth(2), 1000);
    QCOMPARE(grid.columnWidth(2), ledgora::Twips::toPixelsX(1000));
    grid.resize(400, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCOMPARE(grid.colWidth(1), 0);
    QVERIFY(grid.isColumnHidden(1));

    // Drag the border where the hidden column sits, as a user trying to pull it open would.
    QHeaderView* header = grid.horizontalHeader();
    const int border = header->sectionViewportPosition(2);
    const int y = header->height() / 2;
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(border, y));
    QTest::mouseMove(header->viewport(), QPoint(border + 40, y));
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(border + 40, y));
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, QPoint(border + 40, y));
    QCOMPARE(grid.colWidth(1), 0);
    QVERIFY(grid.isColumnHidden(1));
    QVERIFY(grid.colWidth(0) != 1500); // the drag did reach the column before it

    grid.setColWidth(1, 800);
    QCOMPARE(grid.colWidth(1), 800);
}

void TstFlexGrid::topRowAndRowIsVisibleAtTheEndOfTenThousandRows() {
    FlexGrid grid;
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.setRows(10'001);
    QCOMPARE(grid.topRow(), 1);
    QVERIFY(grid.rowIsVisible(1));
    QVERIFY(!grid.rowIsVisible(10'000));

    grid.setRow(10'000);
    QCOMPARE(grid.topRow(), 1); // moving the current row from code does not scroll
    grid.setTopRow(10'000);
    QVERIFY(grid.rowIsVisible(10'000));
    QVERIFY(!grid.rowIsVisible(1));
    const int top = grid.topRow();
    QVERIFY(top > 9'980 && top < 10'000); // as far as the rows below allow
    QVERIFY(grid.rowIsVisible(top));
    QVERIFY(!grid.rowIsVisible(top - 1));
    QVERIFY(grid.rowIsVisible(0));

    grid.setTopRow(5'000);
    QCOMPARE(grid.topRow(), 5'000);
    QVERIFY(!grid.rowIsVisible(4'999));
}

void TstFlexGrid::keysMoveTheWholeRowSelectionAndKeepItInView() {
    FlexGrid grid;
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.setCols(3);
    grid.setRows(101);
    grid.setRow(5);
    grid.setCol(2);
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(QList<int>({grid.row(), grid.col(), grid.rowSel(), grid.colSel()}),
             QList<int>({6, 0, 6, 2}));
    QTest::keyClick(&grid, Qt::Key_End);
    QCOMPARE(grid.row(), 100);
    QVERIFY(grid.rowIsVisible(100));
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.row(), 100);
    QTest::keyClick(&grid, Qt::Key_PageUp);
    QVERIFY(grid.row() < 100 && grid.row() > 80);
    QTest::keyClick(&grid, Qt::Key_Home);
    QCOMPARE(grid.row(), 1);
    QCOMPARE(grid.topRow(), 1);
    QTest::keyClick(&grid, Qt::Key_Up);
    QCOMPARE(grid.row(), 1);
    QTest::keyClick(&grid, Qt::Key_PageDown);
    QVERIFY(grid.row() > 5);
    QVERIFY(grid.rowIsVisible(grid.row()));
}

void TstFlexGrid::keyHandlerSeesKeysFirstAndMaySwallowThem() {
    FlexGrid grid;
    grid.setRows(10);
    grid.setRow(3);
    QList<QPair<int, int>> seen;
    grid.setKeyDownHandler([&](int& keyCode, int shift) {
        seen.append({keyCode, shift});
        if (keyCode == 40) // Down
            keyCode = 0;
    });
    QTest::keyClick(&grid, Qt::Key_F12, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Delete);
    QTest::keyClick(&grid, Qt::Key_Insert, Qt::ControlModifier);
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(seen, (QList<QPair<int, int>>{{123, 1}, {46, 0}, {45, 2}, {40, 0}}));
    QCOMPARE(grid.row(), 3);
    QTest::keyClick(&grid, Qt::Key_Up);
    QCOMPARE(grid.row(), 2);
}

void TstFlexGrid::tabLeavesTheGrid() {
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* grid = new FlexGrid;
    auto* next = new QLineEdit;
    layout->addWidget(grid);
    layout->addWidget(next);
    grid->setRows(5);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    grid->setFocus();
    grid->setRow(2);
    QVERIFY(grid->hasFocus());
    QTest::keyClick(grid, Qt::Key_Tab);
    QVERIFY(next->hasFocus());
    QCOMPARE(grid->row(), 2);
}

void TstFlexGrid::mouseClicksSelectRowsAndReportButtons() {
    FlexGrid grid;
    grid.setRows(6);
    grid.setCols(3);
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QList<int> buttons;
    QPointF position;
    int shift = -1;
    grid.setMouseUpHandler([&](int button, int shiftBits, double x, double y) {
        buttons << button;
        shift = shiftBits;
        position = {x, y};
    });
    const QPoint cell = grid.visualRect(grid.model()->index(2, 1)).center(); // row 3, col 1
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell);
    QCOMPARE(QList<int>({grid.row(), grid.col(), grid.rowSel(), grid.colSel()}),
             QList<int>({3, 0, 3, 2}));

    const QPoint other = grid.visualRect(grid.model()->index(0, 0)).center(); // row 1
    QTest::mouseClick(grid.viewport(), Qt::RightButton, Qt::ShiftModifier, other);
    QCOMPARE(buttons, QList<int>({1, 2}));
    QCOMPARE(shift, 1);
    QCOMPARE(grid.row(), 3); // the right button leaves the selection alone
    // Measured from the grid's corner, so the header's height counts.
    const QPoint inGrid = grid.viewport()->mapTo(&grid, other);
    QVERIFY(inGrid.y() > other.y());
    QCOMPARE(qRound(position.x()), qRound(inGrid.x() * ledgora::Twips::perPixelX()));
    QCOMPARE(qRound(position.y()), qRound(inGrid.y() * ledgora::Twips::perPixelY()));
}

void TstFlexGrid::selectedRowIsDrawnHighlighted() {
    FlexGrid grid;
    grid.setRows(5);
    grid.setCols(3);
    select(grid, 1, 0, 4, 2);
    grid.setCellBackColor(Qt::green);
    select(grid, 2, 0, 2, 2);
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QColor highlight = grid.palette().color(QPalette::Active, QPalette::Highlight);

    QImage image = grid.grab().toImage();
    for (int c = 0; c < 3; ++c)
        QVERIFY(looksLike(image.pixelColor(spotIn(grid, 2, c)), highlight));
    QCOMPARE(image.pixelColor(spotIn(grid, 3, 1)), QColor(Qt::green));

    // Moving the selection by code moves the highlight.
    select(grid, 4, 0, 4, 2);
    image = grid.grab().toImage();
    QCOMPARE(image.pixelColor(spotIn(grid, 2, 1)), QColor(Qt::green));
    QVERIFY(looksLike(image.pixelColor(spotIn(grid, 4, 1)), highlight));
}

void TstFlexGrid::renderSmallGrid() {
    FlexGrid grid;
    grid.setCols(5);
    grid.setRows(1);
    select(grid, 0, 0, 0, 4);
    grid.setClip(QStringLiteral("Fecha\tConcepto\tImporte\tOculta\tSaldo"));
    grid.setCellAlignment(FlexGrid::CenterCenter);
    grid.addItem(QStringLiteral("01/02/2024\tSaldo anterior\t\tx\t1.000,00"));
    grid.addItem(QStringLiteral("03/02/2024\tRecibo luz\t-85,20\tx\t914,80"));
    grid.addItem(QStringLiteral("05/02/2024\tTransferencia\t150,50\tx\t1.065,30"));
    grid.addItem(QStringLiteral("09/02/2024\tComisión\t-3,00\tx\t1.062,30"));
    const int widths[] = {1200, 2000, 1100, 0, 1200};
    for (int c = 0; c < 5; ++c)
        grid.setColWidth(c, widths[c]);
    grid.setColAlignment(2, FlexGrid::RightCenter);
    grid.setColAlignment(4, FlexGrid::RightCenter);
    select(grid, 1, 4, 4, 4);
    grid.setCellBackColor(QColor(144, 238, 144));
    select(grid, 3, 0, 3, 4);
    grid.resize(520, 160);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    const QImage image = grid.grab().toImage();
    QVERIFY(image.save(QCoreApplication::applicationDirPath() + "/flexgrid.png"));
    QCOMPARE(image.pixelColor(spotIn(grid, 2, 4)), QColor(144, 238, 144));
    // Nothing shows between the amounts and the balance.
    QCOMPARE(grid.columnViewportPosition(4), grid.columnViewportPosition(2) + grid.columnWidth(2));
}

QTEST_MAIN(TstFlexGrid)
#include "tst_flexgrid.moc"
