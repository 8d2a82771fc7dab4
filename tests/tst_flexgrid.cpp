#include "ScreenTests.h"
#include "controls/FlexGrid.h"
#include "controls/GridSource.h"
#include "platform/Twips.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QtTest>

using ledgora::FlexGrid;
using namespace Qt::StringLiterals;

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
            grid.setTextMatrix(r, c, u"%1.%2"_s.arg(r).arg(c));
}

// Rows of "s<row>.<col>" made on demand, counting how often a cell is asked for.
class CountingSource final : public ledgora::GridSource {
public:
    CountingSource(int rows, int cols) : rows_(rows), cols_(cols) {}
    int rowCount() const override { return rows_; }
    int columnCount() const override { return cols_; }
    QString cellText(int row, int col) const override {
        ++asked;
        return u"s%1.%2"_s.arg(row).arg(col);
    }
    mutable int asked = 0;

private:
    int rows_;
    int cols_;
};

bool showOnScreen(QWidget& widget, int width = 300, int height = 200) {
    widget.resize(width, height);
    widget.show();
    return QTest::qWaitForWindowExposed(&widget);
}

// The texts of rows 1.., each row's cells joined by '|', to compare a whole grid at a glance.
QStringList dataRows(const FlexGrid& grid) {
    QStringList rows;
    for (int r = 1; r < grid.rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.cols(); ++c)
            cells << grid.textMatrix(r, c);
        rows << cells.join(u'|');
    }
    return rows;
}

QVariant shown(const FlexGrid& grid, int row, int col, int role) {
    return grid.model()->data(grid.model()->index(row - 1, col), role);
}

// Invalid where the cell shows the grid's own background.
QColor background(const FlexGrid& grid, int row, int col) {
    const QVariant brush = shown(grid, row, col, Qt::BackgroundRole);
    return brush.isValid() ? brush.value<QBrush>().color() : QColor();
}

Qt::Alignment alignment(const FlexGrid& grid, int row, int col) {
    return Qt::Alignment(shown(grid, row, col, Qt::TextAlignmentRole).toInt());
}

} // namespace

class TstFlexGrid : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Paste into the selected block, from its top-left cell; what falls outside stays.
    void pasteFillsTheBlockFromItsTopLeftOnly_data() {
        QTest::addColumn<QList<int>>("selection"); // row, col, rowSel, colSel on a grid of 5x4
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QStringList>("rows");
        // Selected bottom-right to top-left; lines end in CR-LF, LF and CR; the third fields
        // and the fourth line fall outside the block.
        QTest::newRow("reversed block")
            << QList<int>{4, 2, 2, 1} << u"a\tb\tX\r\nc\td\nX\tX\tX\re"_s
            << QStringList({"1.0|1.1|1.2|1.3", "2.0|a|b|2.3", "3.0|c|d|3.3", "4.0|X|X|4.3",
                            "5.0|5.1|5.2|5.3"});
        // A short line leaves the cells after its last field; an empty field, a trailing tab
        // included, clears its cell; a trailing CR closes the last line without opening another.
        QTest::newRow("short lines") << QList<int>{1, 0, 4, 2} << u"a\rb\t\tc\rd\t\r"_s
                                     << QStringList({"a|1.1|1.2|1.3", "b||c|2.3", "d||3.2|3.3",
                                                     "4.0|4.1|4.2|4.3", "5.0|5.1|5.2|5.3"});
        QTest::newRow("one cell") << QList<int>{3, 3, 3, 3} << u"z\tX\rX"_s
                                  << QStringList({"1.0|1.1|1.2|1.3", "2.0|2.1|2.2|2.3",
                                                  "3.0|3.1|3.2|z", "4.0|4.1|4.2|4.3",
                                                  "5.0|5.1|5.2|5.3"});
    }
    void pasteFillsTheBlockFromItsTopLeftOnly() {
        QFETCH(QList<int>, selection);
        QFETCH(QString, clip);
        QFETCH(QStringList, rows);
        FlexGrid grid;
        fill(grid, 6, 4);
        select(grid, selection[0], selection[1], selection[2], selection[3]);
        grid.setClip(clip);
        QCOMPARE(dataRows(grid), rows);
    }

    // A paste from a source behaves as the paste of its text, without ever splitting a value.
    void pasteFromASourceActsAsItsText() {
        FlexGrid grid;
        fill(grid, 6, 4);
        select(grid, 2, 1, 4, 3);
        // Two columns and two rows for a block of three by three: the rest keeps its text.
        auto source = std::make_shared<CountingSource>(2, 2);
        grid.setClip(source);
        QCOMPARE(source->asked, 0); // nothing is read until it is shown
        QCOMPARE(dataRows(grid),
                 QStringList({"1.0|1.1|1.2|1.3", "2.0|s0.0|s0.1|2.3", "3.0|s1.0|s1.1|3.3",
                              "4.0|4.1|4.2|4.3", "5.0|5.1|5.2|5.3"}));
        // Written cells win, rows move up on removal, appended rows follow, and a later text
        // paste over a sourced cell replaces it while the neighbours stay sourced.
        grid.setTextMatrix(2, 2, u"written"_s);
        grid.removeItem(1);
        grid.addItem(u"g\th"_s);
        select(grid, 2, 1, 2, 1);
        grid.setClip(u"P"_s);
        QCOMPARE(dataRows(grid), QStringList({"2.0|s0.0|written|2.3", "3.0|P|s1.1|3.3",
                                              "4.0|4.1|4.2|4.3", "5.0|5.1|5.2|5.3", "g|h||"}));
        // Dropping columns drops their sourced texts for good.
        grid.setCols(2);
        grid.setCols(3);
        QCOMPARE(grid.textMatrix(1, 1), u"s0.0"_s);
        QCOMPARE(grid.textMatrix(2, 2), QString());
        // The grid lets go of the source with its last row.
        grid.setRows(1);
        QCOMPARE(source.use_count(), 1);
    }

    // Block formatting
    void formattingCoversTheWholeBlockLatestWins() {
        FlexGrid grid;
        grid.setCols(4);
        grid.setRows(1'000'001);
        // The routines format whole grids of this size at once.
        select(grid, 1'000'000, 2, 1, 0);
        grid.setCellBackColor(Qt::cyan);
        grid.setCellAlignment(FlexGrid::RightTop);
        select(grid, 2, 1, 4, 2);
        grid.setCellBackColor(Qt::green);
        select(grid, 5, 3, 4, 2);
        grid.setCellBackColor(Qt::yellow);
        QCOMPARE(background(grid, 4, 1), QColor(Qt::green));
        QCOMPARE(background(grid, 4, 2), QColor(Qt::yellow));
        QCOMPARE(background(grid, 5, 3), QColor(Qt::yellow));
        QCOMPARE(background(grid, 3, 3), QColor());
        QCOMPARE(background(grid, 1'000'000, 2), QColor(Qt::cyan));
        // An invalid colour gives the grid's own background back, not the colour underneath.
        select(grid, 4, 0, 4, 3);
        grid.setCellBackColor(QColor());
        QCOMPARE(background(grid, 4, 1), QColor());
        QCOMPARE(background(grid, 5, 3), QColor(Qt::yellow));

        // Cells without an alignment of their own take their column's, by default text on the
        // left and numbers on the right.
        select(grid, 1, 3, 3, 3);
        grid.setClip(u"Recibo 12\r-1.234,50\r01/02/2024"_s);
        QCOMPARE(alignment(grid, 1, 3), Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(alignment(grid, 2, 3), Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(alignment(grid, 3, 3), Qt::AlignLeft | Qt::AlignVCenter);
        grid.setColAlignment(0, FlexGrid::CenterBottom);
        grid.setColAlignment(3, FlexGrid::CenterBottom);
        QCOMPARE(alignment(grid, 2, 3), Qt::AlignHCenter | Qt::AlignBottom);
        QCOMPARE(alignment(grid, 999'999, 0), Qt::AlignRight | Qt::AlignTop);
    }

    void formattingFollowsRowsThroughRemoveAndAdd() {
        FlexGrid grid;
        fill(grid, 1001, 2);
        select(grid, 1, 0, 1000, 1);
        grid.setCellBackColor(Qt::cyan);
        // Every other row on top: many more blocks than a lookup walks one by one.
        for (int r = 2; r <= 1000; r += 2) {
            select(grid, r, 0, r, 1);
            grid.setCellBackColor(Qt::yellow);
        }
        grid.removeItem(10);
        grid.removeItem(999); // the last row, a block of its own and the end of the cyan one
        grid.addItem(u"new\trow"_s);
        QCOMPARE(grid.textMatrix(10, 0), u"11.0"_s);
        QCOMPARE(background(grid, 999, 0), QColor());
        const auto expected = [](int r) {
            return QColor((r < 10 ? r : r + 1) % 2 ? Qt::cyan : Qt::yellow);
        };
        // Down and back up, as scrolling asks, so that every band of rows is entered both ways.
        for (int r = 1; r <= 998; ++r)
            QCOMPARE(background(grid, r, 1), expected(r));
        for (int r = 998; r >= 1; --r)
            QCOMPARE(background(grid, r, 0), expected(r));
    }

    // Keys and mouse
    void keysGoToTheHandlerFirstThenMoveTheWholeRowSelection() {
        QWidget window;
        auto* grid = new FlexGrid;
        auto* next = new QLineEdit;
        auto* layout = new QHBoxLayout(&window);
        layout->addWidget(grid);
        layout->addWidget(next);
        fill(*grid, 101, 3);
        QVERIFY(showOnScreen(window));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        grid->setFocus();
        select(*grid, 5, 2, 5, 2);
        QList<QPair<int, int>> seen;
        grid->setKeyDownHandler([&](int& keyCode, int shift) {
            seen.append({keyCode, shift});
            if (keyCode == 40) // Down
                keyCode = 0;
        });
        QTest::keyClick(grid, Qt::Key_F12, Qt::ShiftModifier);
        QTest::keyClick(grid, Qt::Key_Delete);
        QTest::keyClick(grid, Qt::Key_Insert, Qt::ControlModifier);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(seen, (QList<QPair<int, int>>{{123, 1}, {46, 0}, {45, 2}, {40, 0}}));
        QCOMPARE(grid->row(), 5);

        grid->setKeyDownHandler({});
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(QList<int>({grid->row(), grid->col(), grid->rowSel(), grid->colSel()}),
                 QList<int>({6, 0, 6, 2}));
        QTest::keyClick(grid, Qt::Key_End);
        QVERIFY(grid->rowIsVisible(100));
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(grid->row(), 100);
        QTest::keyClick(grid, Qt::Key_Home);
        QTest::keyClick(grid, Qt::Key_Up);
        QCOMPARE(grid->row(), 1);
        QTest::keyClick(grid, Qt::Key_PageDown);
        QVERIFY(grid->row() > 5 && grid->rowIsVisible(grid->row()));
        const int row = grid->row();
        QTest::keyClick(grid, Qt::Key_Tab); // Tab belongs to the window
        QVERIFY(next->hasFocus());
        QCOMPARE(grid->row(), row);
    }

    // A hidden column stays hidden when a person drags its border.
    void aHiddenColumnStaysHidden() {
        FlexGrid grid;
        fill(grid, 2, 5);
        const int widths[] = {1200, 2000, 1100, 0, 1200};
        for (int c = 0; c < 5; ++c)
            grid.setColWidth(c, widths[c]);
        QVERIFY(showOnScreen(grid, 520, 160));
        // Drag the border where the hidden column sits, as a user trying to pull it open would.
        QHeaderView* header = grid.horizontalHeader();
        const QPoint border(header->sectionViewportPosition(4), header->height() / 2);
        const QPoint pulled = border + QPoint(40, 0);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, border);
        QTest::mouseMove(header->viewport(), pulled);
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, pulled);
        QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, pulled);
        QCOMPARE(grid.colWidth(3), 0);
        QVERIFY(grid.isColumnHidden(3));
        QVERIFY(grid.colWidth(2) != 1100); // the drag did reach the column before it
        QCOMPARE(grid.columnViewportPosition(4),
                 grid.columnViewportPosition(2) + grid.columnWidth(2));
        grid.setColWidth(3, 800);
        QCOMPARE(grid.columnWidth(3), ledgora::Twips::toPixelsX(800));
    }
};

LEDGORA_TEST_MAIN(TstFlexGrid)
#include "tst_flexgrid.moc"
