// The list grid: cell measures, the current cell between view and model, its events and its look.

#include "catalog_entry.h"
#include "list_grid.h"
#include "list_grid_model.h"

#include <QHeaderView>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A grid as the main window has it: 625 x 369 px, columns 133, 100, 100 and 333 px.
struct Grid {
    QWidget window;
    ListGrid* grid = new ListGrid(&window);

    explicit Grid(int entries) {
        window.resize(700, 450);
        grid->setGeometry(32, 64, 625, 369);
        const int widths[] = {2000, 1500, 1500, 5000};
        for (int col = 0; col < 4; ++col)
            grid->setColWidth(col, widths[col]);
        QList<CatalogEntry> rows;
        for (int i = 1; i <= entries; ++i)
            rows.append({u"name%1"_s.arg(i), u"kind"_s, u"type"_s, u"C:\\app%1.exe"_s.arg(i)});
        grid->listModel().appendEntries(rows);
    }

    bool show() {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    // Centre of a cell in the viewport; row 1 is the first entry row.
    QPoint cellCentre(int row, int col) const { return grid->visualRect(grid->model()->index(row - 1, col)).center(); }
};

} // namespace

class TestListGrid : public QObject {
    Q_OBJECT

private slots:
    void cellRectangleInTwips();
    void leftPressMakesCellCurrentOtherButtonsDoNot();
    void programMovesFollowWithoutScrolling();
    void focusLeavesCurrentCell();
    void removedRowsKeepModelCell();
    void doubleClickOnCellOnly();
    void mouseUpInTwipsOverCellsAndHeader();
    void scrollIsReported();
    void dropsHandFilesOver_data();
    void dropsHandFilesOver();
    void currentCellLooksLikeTheOthers();
};

void TestListGrid::cellRectangleInTwips() {
    Grid g(30);
    QVERIFY(g.show());
    ListGrid& grid = *g.grid;
    const int frame = grid.frameWidth();
    QCOMPARE(grid.Left(), 480);
    QCOMPARE(grid.Top(), 960);

    grid.setRow(0);
    grid.setCol(1);
    QCOMPARE(grid.CellLeft(), (frame + 133) * 15);
    QCOMPARE(grid.CellTop(), frame * 15);
    QCOMPARE(grid.CellWidth(), 1500);
    QCOMPARE(grid.CellHeight(), 240);

    grid.setRow(3);
    grid.setCol(3);
    QCOMPARE(grid.CellLeft(), (frame + 333) * 15);
    QCOMPARE(grid.CellTop(), (frame + 16 * 3) * 15);
    QCOMPARE(grid.CellWidth(), 4995);
    QCOMPARE(grid.CellHeight(), 240);
    // The location column runs past the grid's right edge.
    QVERIFY(grid.CellLeft() + grid.CellWidth() > grid.width() * 15);

    // A row scrolled out of view above the top measures above the grid.
    grid.verticalScrollBar()->setValue(5);
    QCOMPARE(grid.CellTop(), (frame + 16 * 3 - 16 * 5) * 15);
}

void TestListGrid::leftPressMakesCellCurrentOtherButtonsDoNot() {
    Grid g(5);
    QVERIFY(g.show());
    ListGrid& grid = *g.grid;
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, g.cellCentre(2, 1));
    QCOMPARE(grid.Row(), 2);
    QCOMPARE(grid.Col(), 1);
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, g.cellCentre(4, 3));
    QTest::mouseClick(grid.viewport(), Qt::MiddleButton, {}, g.cellCentre(5, 0));
    QCOMPARE(grid.Row(), 2);
    QCOMPARE(grid.Col(), 1);
    // The keyboard moves it too.
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.Row(), 3);
    QCOMPARE(grid.Col(), 1);
}

void TestListGrid::programMovesFollowWithoutScrolling() {
    Grid g(1000);
    QVERIFY(g.show());
    ListGrid& grid = *g.grid;
    grid.setRow(1000);
    grid.setCol(3);
    QCOMPARE(grid.currentIndex(), grid.model()->index(999, 3));
    QCOMPARE(grid.verticalScrollBar()->value(), 0);
    QCOMPARE(grid.horizontalScrollBar()->value(), 0);

    grid.setRows(1);
    QCOMPARE(grid.Row(), 0);
    QVERIFY(!grid.currentIndex().isValid());
}

void TestListGrid::focusLeavesCurrentCell() {
    Grid g(5);
    QVERIFY(g.show());
    ListGrid& grid = *g.grid;
    grid.setRow(3);
    grid.setCol(2);
    grid.setRows(1);
    grid.listModel().appendEntries({{u"a"_s, {}, {}, {}}, {u"b"_s, {}, {}, {}}});
    g.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&g.window));
    grid.setFocus(Qt::TabFocusReason);
    QVERIFY(grid.hasFocus());
    QCOMPARE(grid.Row(), 0);
    QCOMPARE(grid.Col(), 2);
    QVERIFY(!grid.currentIndex().isValid());
}

void TestListGrid::removedRowsKeepModelCell() {
    Grid g(4);
    ListGrid& grid = *g.grid;
    grid.setRow(4);
    grid.setCol(2);
    grid.RemoveItem(4);
    QCOMPARE(grid.Row(), 3);
    QCOMPARE(grid.Col(), 2);
    QCOMPARE(grid.currentIndex(), grid.model()->index(2, 2));
    grid.RemoveItem(1);
    QCOMPARE(grid.Row(), 2);
    QCOMPARE(grid.currentIndex(), grid.model()->index(1, 2));
    QCOMPARE(grid.listModel().TextMatrix(1, 0), u"name2"_s);
}

void TestListGrid::doubleClickOnCellOnly() {
    Grid g(3);
    QVERIFY(g.show());
    ListGrid& grid = *g.grid;
    int rowAtEvent = -1;
    int colAtEvent = -1;
    connect(&grid, &ListGrid::DblClick, &grid, [&] {
        rowAtEvent = grid.Row();
        colAtEvent = grid.Col();
    });
    QSignalSpy dblClick(&grid, &ListGrid::DblClick);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, g.cellCentre(2, 3));
    QCOMPARE(dblClick.size(), 1);
    QCOMPARE(rowAtEvent, 2);
    QCOMPARE(colAtEvent, 3);

    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, QPoint(20, 300));
    QTest::mouseDClick(grid.viewport(), Qt::RightButton, {}, g.cellCentre(1, 0));
    QCOMPARE(dblClick.size(), 1);
    QCOMPARE(grid.Row(), 2);
}

void TestListGrid::mouseUpInTwipsOverCellsAndHeader() {
    Grid g(3);
    QVERIFY(g.show());
    ListGrid& grid = *g.grid;
    grid.setRow(1);
    grid.setCol(0);
    QSignalSpy mouseUp(&grid, &ListGrid::MouseUp);
    const QPoint origin = grid.viewport()->pos();
    QTest::mouseClick(grid.viewport(), Qt::RightButton, Qt::ShiftModifier, QPoint(10, 20));
    QCOMPARE(mouseUp.size(), 1);
    auto args = mouseUp.at(0).at(0).value<MouseArgs>();
    QCOMPARE(args.Button, 2);
    QCOMPARE(args.Shift, 1);
    QCOMPARE(args.X, (origin.x() + 10) * 15);
    QCOMPARE(args.Y, (origin.y() + 20) * 15);

    QHeaderView* header = grid.horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::RightButton, {}, QPoint(50, 5));
    QCOMPARE(mouseUp.size(), 2);
    args = mouseUp.at(1).at(0).value<MouseArgs>();
    QCOMPARE(args.Button, 2);
    QCOMPARE(args.Y, (header->y() + 5) * 15);
    // The right click moved nothing.
    QCOMPARE(grid.Row(), 1);
    QCOMPARE(grid.Col(), 0);
}

void TestListGrid::scrollIsReported() {
    Grid g(100);
    QVERIFY(g.show());
    QSignalSpy scroll(g.grid, &ListGrid::Scroll);
    g.grid->verticalScrollBar()->setValue(10);
    QCOMPARE(scroll.size(), 1);
    g.grid->horizontalScrollBar()->setValue(20);
    QCOMPARE(scroll.size(), 2);
}

void TestListGrid::dropsHandFilesOver_data() {
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("files") << QList<QUrl>{QUrl::fromLocalFile(u"/opt/a b/setup.exe"_s),
                                          QUrl::fromLocalFile(u"/opt/readme.txt"_s)}
                           << QString() << QStringList{u"/opt/a b/setup.exe"_s, u"/opt/readme.txt"_s};
    QTest::newRow("text only") << QList<QUrl>{} << u"plain text"_s << QStringList{};
    QTest::newRow("web address") << QList<QUrl>{QUrl(u"https://example.org/x.exe"_s)} << QString() << QStringList{};
}

void TestListGrid::dropsHandFilesOver() {
    QFETCH(QList<QUrl>, urls);
    QFETCH(QString, text);
    QFETCH(QStringList, files);
    Grid g(1);
    QVERIFY(g.show());
    QMimeData data;
    if (!urls.isEmpty())
        data.setUrls(urls);
    if (!text.isEmpty())
        data.setText(text);
    QSignalSpy dropped(g.grid, &ListGrid::OLEDragDrop);
    const QPoint at(30, 30);
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(g.grid->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(g.grid->viewport(), &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
    QCOMPARE(dropped.size(), 1);
    QCOMPARE(dropped.at(0).at(0).toStringList(), files);
    QCOMPARE(g.grid->Rows(), 2);
}

void TestListGrid::currentCellLooksLikeTheOthers() {
    Grid g(0);
    ListGrid& grid = *g.grid;
    grid.listModel().appendEntries({{u"same"_s, {}, {}, {}}, {u"same"_s, {}, {}, {}}});
    QVERIFY(g.show());
    g.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&g.window));
    grid.setFocus();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, g.cellCentre(1, 0));
    QCOMPARE(grid.Row(), 1);

    const QImage shot = grid.grab().toImage();
    const QPoint viewport = grid.viewport()->pos();
    const QRect first = grid.visualRect(grid.model()->index(0, 0)).translated(viewport);
    const QRect second = grid.visualRect(grid.model()->index(1, 0)).translated(viewport);
    QCOMPARE(shot.copy(first), shot.copy(second));
    QVERIFY(shot.copy(first).allGray() == false); // green text drawn
    QCOMPARE(QColor(shot.pixel(first.topLeft())), QColor(Qt::black));
    // The header row is light green, the area below the last row black.
    const QPoint header = grid.horizontalHeader()->pos() + QPoint(60, 8);
    QCOMPARE(QColor(shot.pixel(header)), QColor(192, 255, 192));
    QCOMPARE(QColor(shot.pixel(viewport + QPoint(300, 200))), QColor(Qt::black));
    QCOMPARE(grid.rowHeight(0), 16);
    QCOMPARE(grid.horizontalHeader()->height(), 16);
}

QTEST_MAIN(TestListGrid)
#include "test_list_grid.moc"
