// The list grid: cell measures in twips, the current cell between view and model, its events and its look.

#include "catalog_entry.h"
#include "list_grid.h"
#include "list_grid_model.h"

#include <QHeaderView>
#include <QMimeData>
#include <QProxyStyle>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A grid as the main window has it: 625 x 369 px at 480, 960 twips, columns 133, 100, 100 and 333 px.
struct Grid {
    QWidget window;
    ListGrid& grid = *new ListGrid(&window);

    explicit Grid(int entries) {
        window.resize(700, 450);
        grid.setGeometry(32, 64, 625, 369);
        for (const auto& [col, width] : {std::pair{0, 2000}, {1, 1500}, {2, 1500}, {3, 5000}})
            grid.setColWidth(col, width);
        QList<CatalogEntry> rows(entries, CatalogEntry{u"same"_s, u"kind"_s, u"type"_s, u"C:\\app.exe"_s});
        grid.listModel().appendEntries(rows);
        window.show();
        window.activateWindow();
    }
    QPoint cell(int row, int col) const { return grid.visualRect(grid.model()->index(row - 1, col)).center(); }
};

// Notes the longest text that a cell hands to the style to draw.
struct CellTextMeter final : QProxyStyle {
    mutable qsizetype longest = 0;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (const auto* cell = qstyleoption_cast<const QStyleOptionViewItem*>(option))
            longest = std::max(longest, cell->text.size());
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

class TestListGrid : public QObject {
    Q_OBJECT

private slots:
    void cellRectangleInTwips();
    void currentCellMovesByLeftPressRightReleaseAndKeys();
    void programMovesNeitherScrollNorDrift();
    void userMovesScrollAcrossOnlyToTheCellsStart();
    void eventsInTwips();
    void dropsHandOverFilePaths();
    void currentCellIsFramed();
    void longFieldIsLaidOutOnlyAsFarAsItShows();
};

void TestListGrid::cellRectangleInTwips() {
    Grid g(30);
    QVERIFY(QTest::qWaitForWindowExposed(&g.window));
    ListGrid& grid = g.grid;
    const int frame = grid.frameWidth();
    QCOMPARE(QPoint(grid.Left(), grid.Top()), QPoint(480, 960));
    grid.setCol(1);
    QCOMPARE(QRect(grid.CellLeft(), grid.CellTop(), grid.CellWidth(), grid.CellHeight()),
             QRect((frame + 133) * 15, frame * 15, 1500, 240));
    // The location column runs past the grid's right edge; a row scrolled away measures above the top.
    grid.setRow(3);
    grid.setCol(3);
    QCOMPARE(QRect(grid.CellLeft(), grid.CellTop(), grid.CellWidth(), grid.CellHeight()),
             QRect((frame + 333) * 15, (frame + 48) * 15, 4995, 240));
    QVERIFY(grid.CellLeft() + grid.CellWidth() > grid.width() * 15);
    grid.verticalScrollBar()->setValue(5);
    QCOMPARE(grid.CellTop(), (frame + 48 - 80) * 15);
}

void TestListGrid::currentCellMovesByLeftPressRightReleaseAndKeys() {
    Grid g(5);
    QVERIFY(QTest::qWaitForWindowActive(&g.window));
    ListGrid& grid = g.grid;
    // Taking the focus leaves the header row current.
    grid.setFocus(Qt::TabFocusReason);
    QCOMPARE(grid.Row(), 0);
    QVERIFY(!grid.currentIndex().isValid());
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, g.cell(1, 0));
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(0, 1));
    QTest::mouseClick(grid.viewport(), Qt::MiddleButton, {}, g.cell(5, 2));
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(0, 1));
    // A right click makes the cell under the pointer current, and the frame goes with it; over the header row
    // or below the last row it leaves the current cell.
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, g.cell(4, 3));
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(3, 4));
    QCOMPARE(grid.currentIndex(), grid.model()->index(3, 3));
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, g.cell(5, 1) + QPoint(0, 40));
    QTest::mouseClick(grid.horizontalHeader()->viewport(), Qt::RightButton, {}, QPoint(50, 5));
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(3, 4));
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(3, 5));
}

void TestListGrid::programMovesNeitherScrollNorDrift() {
    Grid g(1000);
    QVERIFY(QTest::qWaitForWindowExposed(&g.window));
    ListGrid& grid = g.grid;
    grid.setRow(1000);
    grid.setCol(3);
    QCOMPARE(grid.currentIndex(), grid.model()->index(999, 3));
    QCOMPARE(grid.verticalScrollBar()->value(), 0);
    QCOMPARE(grid.horizontalScrollBar()->value(), 0);
    // Removing rows keeps the model's current cell, and the view with it.
    grid.RemoveItem(1000);
    grid.RemoveItem(1);
    QCOMPARE(grid.Row(), 998);
    QCOMPARE(grid.currentIndex(), grid.model()->index(997, 3));
    grid.setRows(1);
    QVERIFY(!grid.currentIndex().isValid());
}

void TestListGrid::userMovesScrollAcrossOnlyToTheCellsStart() {
    Grid g(60);
    QVERIFY(QTest::qWaitForWindowActive(&g.window));
    ListGrid& grid = g.grid;
    QScrollBar* across = grid.horizontalScrollBar();
    QVERIFY(across->maximum() > 0); // the location column runs past the right edge
    // The names stay in view whatever location cell becomes current, while rows still come into view.
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, g.cell(2, 3));
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(3, 2));
    QTest::keyClick(&grid, Qt::Key_PageDown);
    QVERIFY(grid.Row() > 20 && grid.verticalScrollBar()->value() > 0);
    QCOMPARE(across->value(), 0);
    // Scrolled across by hand, a name cell comes back whole; the list emptied for the next page starts from its
    // first column.
    across->setValue(across->maximum());
    QTest::keyClick(&grid, Qt::Key_Home);
    QCOMPARE(QPoint(grid.Col(), across->value()), QPoint(0, 0));
    across->setValue(across->maximum());
    grid.setRows(1);
    QCOMPARE(across->value(), 0);
}

void TestListGrid::eventsInTwips() {
    Grid g(100);
    QVERIFY(QTest::qWaitForWindowExposed(&g.window));
    ListGrid& grid = g.grid;
    QPoint atDblClick;
    connect(&grid, &ListGrid::DblClick, &grid, [&] { atDblClick = QPoint(grid.Col(), grid.Row()); });
    QSignalSpy dblClick(&grid, &ListGrid::DblClick);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, g.cell(2, 3));
    QCOMPARE(atDblClick, QPoint(3, 2));
    QTest::mouseDClick(grid.viewport(), Qt::RightButton, {}, g.cell(1, 0));
    QCOMPARE(dblClick.size(), 1);
    // Below the last row there is no cell whose action could run.
    Grid few(2);
    QVERIFY(QTest::qWaitForWindowExposed(&few.window));
    QSignalSpy belowRows(&few.grid, &ListGrid::DblClick);
    QTest::mouseDClick(few.grid.viewport(), Qt::LeftButton, {}, few.cell(2, 0) + QPoint(0, 3 * few.grid.rowHeight(1)));
    QCOMPARE(belowRows.size(), 0);

    QSignalSpy mouseUp(&grid, &ListGrid::MouseUp);
    QList<QPoint> atMouseUp;
    connect(&grid, &ListGrid::MouseUp, &grid, [&] { atMouseUp.append(QPoint(grid.Col(), grid.Row())); });
    QTest::mouseClick(grid.viewport(), Qt::RightButton, Qt::ShiftModifier, QPoint(10, 20));
    QTest::mouseClick(grid.horizontalHeader()->viewport(), Qt::RightButton, {}, QPoint(50, 5));
    QCOMPARE(mouseUp.size(), 2);
    const auto overCell = mouseUp.at(0).at(0).value<MouseArgs>();
    const auto overHeader = mouseUp.at(1).at(0).value<MouseArgs>();
    const QPoint viewport = grid.viewport()->pos();
    QCOMPARE(QList<int>({overCell.Button, overCell.Shift, overCell.X, overCell.Y}),
             QList<int>({2, 1, (viewport.x() + 10) * 15, (viewport.y() + 20) * 15}));
    QCOMPARE(overHeader.Y, (grid.horizontalHeader()->y() + 5) * 15);
    // The right click's cell is current by the time the release is reported; the header row moves nothing.
    QCOMPARE(atMouseUp, QList<QPoint>({QPoint(0, 2), QPoint(0, 2)}));

    QSignalSpy scroll(&grid, &ListGrid::Scroll);
    grid.verticalScrollBar()->setValue(10);
    grid.horizontalScrollBar()->setValue(20);
    QCOMPARE(scroll.size(), 2);
}

void TestListGrid::dropsHandOverFilePaths() {
    Grid g(1);
    QVERIFY(QTest::qWaitForWindowExposed(&g.window));
    QSignalSpy dropped(&g.grid, &ListGrid::OLEDragDrop);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(u"/opt/a b/setup.exe"_s), QUrl(u"https://example.org/x.exe"_s),
                  QUrl::fromLocalFile(u"/opt/readme.txt"_s)});
    QDragEnterEvent enter(QPoint(30, 30), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(g.grid.viewport(), &enter);
    QDropEvent drop(QPoint(30, 30), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(g.grid.viewport(), &drop);
    // Taken as a copy, so that the source keeps its files.
    QVERIFY(enter.isAccepted() && drop.isAccepted());
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
    QCOMPARE(dropped.size(), 1);
    QCOMPARE(dropped.at(0).at(0).toStringList(), QStringList({u"/opt/a b/setup.exe"_s, u"/opt/readme.txt"_s}));
}

void TestListGrid::currentCellIsFramed() {
    Grid g(2);
    QVERIFY(QTest::qWaitForWindowActive(&g.window));
    ListGrid& grid = g.grid;
    grid.setFocus();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, g.cell(1, 0));
    QCOMPARE(grid.Row(), 1);
    const QImage shot = grid.grab().toImage();
    const QPoint viewport = grid.viewport()->pos();
    const QRect current = grid.visualRect(grid.model()->index(0, 0)).translated(viewport);
    const QRect other = grid.visualRect(grid.model()->index(1, 0)).translated(viewport);
    // A dotted frame in the text colour marks the current cell; the other cells have none.
    const auto framePixels = [](const QImage& image, const QRect& cell) {
        int green = 0;
        for (int x = cell.left(); x <= cell.right(); ++x)
            green += image.pixel(x, cell.top()) == qRgb(0, 255, 0);
        return green;
    };
    QVERIFY(framePixels(shot, current) > current.width() / 4);
    QCOMPARE(framePixels(shot, other), 0);
    QVERIFY(!shot.copy(other).allGray()); // green text
    // The frame stays while the focus is elsewhere, as while the popup is open.
    grid.clearFocus();
    QVERIFY(framePixels(grid.grab().toImage(), current) > current.width() / 4);
    QCOMPARE(shot.pixelColor(grid.horizontalHeader()->pos() + QPoint(60, 8)), QColor(192, 255, 192));
    QCOMPARE(shot.pixelColor(viewport + QPoint(300, 200)), QColor(Qt::black));
    QCOMPARE(grid.rowHeight(0), 16);
    QCOMPARE(grid.horizontalHeader()->height(), 16);
}

void TestListGrid::longFieldIsLaidOutOnlyAsFarAsItShows() {
    Grid g(1);
    QVERIFY(QTest::qWaitForWindowExposed(&g.window));
    ListGrid& grid = g.grid;
    CellTextMeter meter;
    grid.setStyle(&meter);
    const QString location = u"C:\\"_s + QString(1'000'000, u'あ') + u".exe"_s;
    grid.listModel().setTextMatrix(1, 3, location);
    grid.grab();
    QVERIFY(meter.longest > 0 && meter.longest < 10'000);
    QCOMPARE(grid.listModel().TextMatrix(1, 3), location);
    grid.setStyle(nullptr);
}

QTEST_MAIN(TestListGrid)
#include "tst_list_grid.moc"
