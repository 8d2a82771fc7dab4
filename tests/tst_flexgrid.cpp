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
    void pasteSpreadsFieldsAndLinesFromTopLeft();
    void pasteAcceptsCrLfAndLfLineEnds();
    void pasteIsClippedToTheBlock();
    void pasteLeavesCellsTheTextDoesNotReach();
    void pasteEmptyFieldsAndTrailingSeparators();
    void pasteOverEarlierTextKeepsWhatItDoesNotCover();
    void pasteReachesTheHeaderRow();

    // Current cell, selection, size
    void settingRowOrColCollapsesTheSelection();
    void outOfRangeRowsAndColsRaiseErrors();
    void shrinkingThenGrowingGivesEmptyCells();

    // Block formatting
    void formattingCoversTheWholeBlockLatestWins();
    void formattingAMillionRowBlock();
    void alignmentCodesAndGeneralAlignment();
    void formattingFollowsRowsThroughRemoveAndAdd();
    void rowByRowFormattingResolvesEveryRow();

    // Rows added and removed
    void addItemSplitsFieldsAndRemoveItemMovesRowsUp();

    // Columns and header
    void colWidthRoundTripsInTwips();
    void hiddenColumnStaysHidden();
    void headerShowsRowZeroTexts();

    // Scrolling
    void topRowAndRowIsVisibleAtTheEndOfTenThousandRows();
    void keysMoveTheWholeRowSelectionAndKeepItInView();

    // Events for the screens
    void keyHandlerSeesKeysFirstAndMaySwallowThem();
    void tabLeavesTheGrid();
    void mouseUpReportsButtonShiftAndPosition();
    void leftClickSelectsTheWholeRow();

    // What a person sees
    void selectedRowIsDrawnHighlighted();
    void renderSmallGrid();
};

void TstFlexGrid::pasteSpreadsFieldsAndLinesFromTopLeft() {
    FlexGrid grid;
    fill(grid, 5, 4);
    // Selected bottom-right to top-left: the text still starts at the block's top-left.
    select(grid, 3, 2, 2, 1);
    grid.setClip(QStringLiteral("a\tb\rc\td"));
    QCOMPARE(grid.textMatrix(2, 1), QStringLiteral("a"));
    QCOMPARE(grid.textMatrix(2, 2), QStringLiteral("b"));
    QCOMPARE(grid.textMatrix(3, 1), QStringLiteral("c"));
    QCOMPARE(grid.textMatrix(3, 2), QStringLiteral("d"));
    QCOMPARE(grid.textMatrix(2, 0), QStringLiteral("2.0"));
    QCOMPARE(grid.textMatrix(2, 3), QStringLiteral("2.3"));
    QCOMPARE(grid.textMatrix(1, 1), QStringLiteral("1.1"));
    QCOMPARE(grid.textMatrix(4, 1), QStringLiteral("4.1"));
}

void TstFlexGrid::pasteAcceptsCrLfAndLfLineEnds() {
    FlexGrid grid;
    fill(grid, 5, 2);
    select(grid, 1, 0, 4, 1);
    grid.setClip(QStringLiteral("a\tA\r\nb\tB\nc\tC\rd\tD"));
    const QStringList firsts = {"a", "b", "c", "d"};
    for (int r = 1; r <= 4; ++r) {
        QCOMPARE(grid.textMatrix(r, 0), firsts[r - 1]);
        QCOMPARE(grid.textMatrix(r, 1), firsts[r - 1].toUpper());
    }
}

void TstFlexGrid::pasteIsClippedToTheBlock() {
    FlexGrid grid;
    fill(grid, 5, 4);
    select(grid, 1, 1, 2, 2);
    grid.setClip(QStringLiteral("a\tb\tX\rc\td\tX\rX\tX\tX"));
    QCOMPARE(grid.textMatrix(1, 1), QStringLiteral("a"));
    QCOMPARE(grid.textMatrix(2, 2), QStringLiteral("d"));
    QCOMPARE(grid.textMatrix(1, 3), QStringLiteral("1.3"));
    QCOMPARE(grid.textMatrix(3, 1), QStringLiteral("3.1"));
    QCOMPARE(grid.textMatrix(3, 2), QStringLiteral("3.2"));
}

void TstFlexGrid::pasteLeavesCellsTheTextDoesNotReach() {
    FlexGrid grid;
    fill(grid, 5, 3);
    select(grid, 1, 0, 4, 2);
    grid.setClip(QStringLiteral("a\rb\tB"));
    QCOMPARE(grid.textMatrix(1, 0), QStringLiteral("a"));
    QCOMPARE(grid.textMatrix(1, 1), QStringLiteral("1.1")); // line ran out of fields
    QCOMPARE(grid.textMatrix(2, 1), QStringLiteral("B"));
    QCOMPARE(grid.textMatrix(2, 2), QStringLiteral("2.2"));
    QCOMPARE(grid.textMatrix(3, 0), QStringLiteral("3.0")); // text ran out of lines
}

void TstFlexGrid::pasteEmptyFieldsAndTrailingSeparators() {
    FlexGrid grid;
    fill(grid, 4, 3);
    select(grid, 1, 0, 3, 2);
    // An empty field clears its cell, a trailing tab is an empty last field, and a trailing
    // CR ends the last line rather than opening an empty one.
    grid.setClip(QStringLiteral("a\t\tc\rd\t\r"));
    QCOMPARE(grid.textMatrix(1, 1), QString());
    QCOMPARE(grid.textMatrix(1, 2), QStringLiteral("c"));
    QCOMPARE(grid.textMatrix(2, 0), QStringLiteral("d"));
    QCOMPARE(grid.textMatrix(2, 1), QString());
    QCOMPARE(grid.textMatrix(2, 2), QStringLiteral("2.2"));
    QCOMPARE(grid.textMatrix(3, 0), QStringLiteral("3.0"));
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
    QCOMPARE(grid.textMatrix(1, 0), QStringLiteral("a"));
    QCOMPARE(grid.textMatrix(1, 1), QStringLiteral("B"));
    QCOMPARE(grid.textMatrix(1, 2), QStringLiteral("written"));
    QCOMPARE(grid.textMatrix(2, 0), QStringLiteral("d"));
    QCOMPARE(grid.textMatrix(2, 1), QStringLiteral("E"));
    QCOMPARE(grid.textMatrix(2, 2), QStringLiteral("f"));
    // A later paste replaces a written cell.
    select(grid, 1, 2, 1, 2);
    grid.setClip(QStringLiteral("C"));
    QCOMPARE(grid.textMatrix(1, 2), QStringLiteral("C"));
    // Writing a cell empty hides pasted text underneath.
    grid.setRow(2);
    grid.setCol(0);
    grid.setText(QString());
    QCOMPARE(grid.text(), QString());
}

void TstFlexGrid::pasteReachesTheHeaderRow() {
    FlexGrid grid;
    grid.setRows(2);
    grid.setCols(2);
    select(grid, 0, 0, 1, 1);
    grid.setClip(QStringLiteral("Fecha\tImporte\r01/02/2024\t150,50"));
    QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Importe"));
    QCOMPARE(grid.textMatrix(1, 0), QStringLiteral("01/02/2024"));
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
    select(grid, 1, 0, 3, 2);
    grid.setClip(QStringLiteral("a\tb\tc\rd\te\tf\rg\th\ti"));
    grid.setTextMatrix(0, 2, QStringLiteral("Saldo"));
    grid.setRows(1);
    QCOMPARE(grid.rows(), 1);
    QCOMPARE(grid.model()->rowCount(), 0);
    QCOMPARE(grid.row(), 0);
    grid.setCols(2);
    grid.setRows(4);
    grid.setCols(3);
    for (int r = 1; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            QCOMPARE(grid.textMatrix(r, c), QString());
    QCOMPARE(grid.textMatrix(0, 2), QString());
}

void TstFlexGrid::formattingCoversTheWholeBlockLatestWins() {
    FlexGrid grid;
    grid.setRows(6);
    grid.setCols(4);
    select(grid, 2, 1, 4, 2);
    grid.setCellBackColor(Qt::green);
    select(grid, 4, 2, 5, 3);
    grid.setCellBackColor(Qt::yellow);
    QCOMPARE(background(grid, 2, 1), QColor(Qt::green));
    QCOMPARE(background(grid, 4, 1), QColor(Qt::green));
    QCOMPARE(background(grid, 4, 2), QColor(Qt::yellow));
    QCOMPARE(background(grid, 5, 3), QColor(Qt::yellow));
    QCOMPARE(background(grid, 1, 1), QColor());
    QCOMPARE(background(grid, 3, 0), QColor());
    QCOMPARE(background(grid, 3, 3), QColor());
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
    grid.setTextMatrix(1, 0, QStringLiteral("Recibo 12"));
    grid.setTextMatrix(1, 1, QStringLiteral("-1.234,50"));
    grid.setTextMatrix(1, 2, QStringLiteral("01/02/2024"));
    QCOMPARE(grid.colAlignment(1), int(FlexGrid::General));
    QCOMPARE(alignment(grid, 1, 0), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(alignment(grid, 1, 1), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(alignment(grid, 1, 2), Qt::AlignLeft | Qt::AlignVCenter);

    grid.setColAlignment(0, FlexGrid::CenterBottom);
    QCOMPARE(alignment(grid, 2, 0), Qt::AlignHCenter | Qt::AlignBottom);
    select(grid, 1, 0, 1, 2);
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
    QCOMPARE(grid.rows(), 4);
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
    for (int r : {1, 9, 10, 11, 500, 999})
        QCOMPARE(background(grid, r, 2), QColor(r < 10 ? (r % 2 ? Qt::white : Qt::lightGray)
                                                        : (r % 2 ? Qt::lightGray : Qt::white)));
    QCOMPARE(background(grid, 1, 0), QColor(Qt::white)); // back to the top after the bottom
}

void TstFlexGrid::addItemSplitsFieldsAndRemoveItemMovesRowsUp() {
    FlexGrid grid;
    grid.setCols(3);
    grid.setRows(1);
    grid.addItem(QStringLiteral("a\tb\tc\textra"));
    grid.addItem(QStringLiteral("d"));
    grid.addItem(QStringLiteral("g\th\ti"));
    QCOMPARE(grid.rows(), 4);
    QCOMPARE(grid.textMatrix(1, 2), QStringLiteral("c"));
    QCOMPARE(grid.textMatrix(2, 0), QStringLiteral("d"));
    QCOMPARE(grid.textMatrix(2, 1), QString());
    grid.setTextMatrix(3, 1, QStringLiteral("H"));
    grid.removeItem(2);
    QCOMPARE(grid.rows(), 3);
    QCOMPARE(grid.textMatrix(2, 0), QStringLiteral("g"));
    QCOMPARE(grid.textMatrix(2, 1), QStringLiteral("H"));
    grid.setCols(4);
    grid.addItem(QStringLiteral("j\tk\tl\tm"));
    QCOMPARE(grid.textMatrix(3, 3), QStringLiteral("m"));
    QCOMPARE(grid.textMatrix(2, 3), QString());
}

void TstFlexGrid::colWidthRoundTripsInTwips() {
    FlexGrid grid;
    grid.setCols(2);
    grid.setColWidth(0, 1000);
    QCOMPARE(grid.colWidth(0), 1000);
    QCOMPARE(grid.columnWidth(0), ledgora::Twips::toPixelsX(1000));
}

void TstFlexGrid::hiddenColumnStaysHidden() {
    FlexGrid grid;
    grid.setCols(3);
    grid.setColWidth(0, 1500);
    grid.setColWidth(1, 0);
    grid.setColWidth(2, 1500);
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

void TstFlexGrid::headerShowsRowZeroTexts() {
    FlexGrid grid;
    grid.setCols(2);
    grid.setTextMatrix(0, 0, QStringLiteral("Fecha"));
    grid.setTextMatrix(0, 1, QStringLiteral("Importe"));
    QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Fecha"));
    QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Importe"));
    QVERIFY(!grid.horizontalHeader()->isHidden());
    QVERIFY(grid.verticalHeader()->isHidden());
    grid.setRows(1);
    QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Importe"));
}

void TstFlexGrid::topRowAndRowIsVisibleAtTheEndOfTenThousandRows() {
    FlexGrid grid;
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.setCols(1);
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
    QVERIFY(grid.rowIsVisible(5'000));
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
    QCOMPARE(grid.row(), 6);
    QCOMPARE(grid.rowSel(), 6);
    QCOMPARE(grid.col(), 0);
    QCOMPARE(grid.colSel(), 2);
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
    QVERIFY(grid.rowIsVisible(grid.row()));
    QVERIFY(grid.row() > 5);
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

void TstFlexGrid::mouseUpReportsButtonShiftAndPosition() {
    FlexGrid grid;
    grid.setRows(5);
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.setRow(1);
    int button = 0, shift = 0;
    double x = 0, y = 0;
    grid.setMouseUpHandler([&](int b, int s, double xt, double yt) {
        button = b;
        shift = s;
        x = xt;
        y = yt;
    });
    const QPoint at(20, 30);
    QTest::mouseClick(grid.viewport(), Qt::RightButton, Qt::ShiftModifier, at);
    QCOMPARE(button, 2);
    QCOMPARE(shift, 1);
    // From the grid's corner, so the header's height counts.
    const QPoint inGrid = grid.viewport()->mapTo(&grid, at);
    QVERIFY(inGrid.y() > at.y());
    QCOMPARE(qRound(x), qRound(inGrid.x() * ledgora::Twips::perPixelX()));
    QCOMPARE(qRound(y), qRound(inGrid.y() * ledgora::Twips::perPixelY()));
    QCOMPARE(grid.row(), 1); // the right button does not move the selection
}

void TstFlexGrid::leftClickSelectsTheWholeRow() {
    FlexGrid grid;
    grid.setRows(6);
    grid.setCols(3);
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QRect cell = grid.visualRect(grid.model()->index(2, 1)); // row 3, col 1
    int button = 0;
    grid.setMouseUpHandler([&](int b, int, double, double) { button = b; });
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(button, 1);
    QCOMPARE(grid.row(), 3);
    QCOMPARE(grid.rowSel(), 3);
    QCOMPARE(grid.col(), 0);
    QCOMPARE(grid.colSel(), 2);
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
    grid.setTextMatrix(0, 0, QStringLiteral("Fecha"));
    grid.setTextMatrix(0, 1, QStringLiteral("Concepto"));
    grid.setTextMatrix(0, 2, QStringLiteral("Importe"));
    grid.setTextMatrix(0, 3, QStringLiteral("Oculta"));
    grid.setTextMatrix(0, 4, QStringLiteral("Saldo"));
    grid.addItem(QStringLiteral("01/02/2024\tSaldo anterior\t\tx\t1.000,00"));
    grid.addItem(QStringLiteral("03/02/2024\tRecibo luz\t-85,20\tx\t914,80"));
    grid.addItem(QStringLiteral("05/02/2024\tTransferencia\t150,50\tx\t1.065,30"));
    grid.addItem(QStringLiteral("09/02/2024\tComisión\t-3,00\tx\t1.062,30"));
    grid.setColWidth(0, 1200);
    grid.setColWidth(1, 2000);
    grid.setColWidth(2, 1100);
    grid.setColWidth(3, 0);
    grid.setColWidth(4, 1200);
    grid.setColAlignment(2, FlexGrid::RightCenter);
    grid.setColAlignment(4, FlexGrid::RightCenter);
    select(grid, 1, 4, 4, 4);
    grid.setCellBackColor(QColor(144, 238, 144));
    select(grid, 0, 0, 0, 4);
    grid.setCellAlignment(FlexGrid::CenterCenter);
    select(grid, 3, 0, 3, 4);
    grid.resize(520, 160);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    const QImage image = grid.grab().toImage();
    const QString path = QCoreApplication::applicationDirPath() + "/flexgrid.png";
    QVERIFY(image.save(path));
    QCOMPARE(image.pixelColor(spotIn(grid, 2, 4)), QColor(144, 238, 144));
    QCOMPARE(grid.columnViewportPosition(4), grid.columnViewportPosition(2) +
                                                 grid.columnWidth(2)); // nothing in between
}

QTEST_MAIN(TstFlexGrid)
#include "tst_flexgrid.moc"
