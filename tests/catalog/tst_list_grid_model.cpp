#include "list_grid_model.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestListGridModel : public QObject {
    Q_OBJECT

private slots:
    void headerRowSurvivesEmptying();
    void addAndRemoveRows();
    void currentCellStaysInsideTheTable();
    void alignments();
};

// The list as start-up leaves it: four header texts, the header cells of columns 0 and 3 centred one by one,
// columns 1 and 2 centred as a whole.
static void setUpHeader(ListGridModel& list) {
    const QStringList texts{u"ソフト名"_s, u"種　　類"_s, u"種　　別"_s, u"場　　所"_s};
    list.setRow(0);
    for (int col = 0; col < 4; ++col) {
        list.setCol(col);
        list.setText(texts[col]);
        if (col == 1 || col == 2)
            list.setColAlignment(col, ListGridModel::AlignCenterCenter);
        else
            list.setCellAlignment(ListGridModel::AlignCenterCenter);
    }
}

void TestListGridModel::headerRowSurvivesEmptying() {
    ListGridModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    setUpHeader(list);
    list.appendEntries({CatalogEntry{u"a"_s, u"b"_s, u"c"_s, u"d"_s}, CatalogEntry{u"e"_s, {}, {}, {}}});
    list.setRow(2);
    list.setRows(1);

    QCOMPARE(list.Rows(), 1);
    QCOMPARE(list.rowCount(), 0);
    QCOMPARE(list.Row(), 0);
    QCOMPARE(list.Col(), 3);
    QCOMPARE(list.headerData(1, Qt::Horizontal).toString(), u"種　　類"_s);
    QCOMPARE(list.headerData(3, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    QCOMPARE(list.Text(), u"場　　所"_s);
    // The emptied list keeps no storage for the rows it held.
    QCOMPARE(list.entries().capacity(), 0);
    list.AddItem(u"f"_s);
    QCOMPARE(list.TextMatrix(1, 0), u"f"_s);
}

void TestListGridModel::addAndRemoveRows() {
    ListGridModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.setCol(2);
    list.AddItem(u"one"_s);
    list.AddItem(u"two"_s);
    list.AddItem(u"three"_s);
    QCOMPARE(list.Rows(), 4);
    QCOMPARE(list.Row(), 0); // adding keeps the current cell
    QCOMPARE(list.TextMatrix(3, 0), u"three"_s);
    QCOMPARE(list.TextMatrix(3, 1), QString());

    list.setRow(2);
    list.setText(u"kind of two"_s);
    list.RemoveItem(1);
    QCOMPARE(list.Rows(), 3);
    QCOMPARE(list.TextMatrix(1, 0), u"two"_s);
    QCOMPARE(list.TextMatrix(1, 2), u"kind of two"_s);
    QCOMPARE(list.data(list.index(1, 0)).toString(), u"three"_s);

    QVERIFY(list.setData(list.index(0, 3), u"/opt/two"_s));
    QCOMPARE(list.TextMatrix(1, 3), u"/opt/two"_s);
}

void TestListGridModel::currentCellStaysInsideTheTable() {
    ListGridModel list;
    QSignalSpy moved(&list, &ListGridModel::currentCellChanged);
    list.setRow(1); // no entry row yet
    list.setCol(4);
    QCOMPARE(list.Row(), 0);
    QCOMPARE(list.Col(), 0);
    QCOMPARE(moved.count(), 0);

    list.appendEntries({CatalogEntry{u"a"_s, {}, {}, {}}, CatalogEntry{u"b"_s, {}, {}, {}}});
    list.setRow(2);
    list.setCol(1);
    QCOMPARE(moved.count(), 2);
    list.RemoveItem(2);
    QCOMPARE(list.Row(), 1);
    list.RemoveItem(0); // the header row is not an entry
    list.RemoveItem(5);
    QCOMPARE(list.Rows(), 2);
    list.setText(u"kind"_s);
    QCOMPARE(list.entry(1).EntryKind, u"kind"_s);
}

void TestListGridModel::alignments() {
    ListGridModel list;
    setUpHeader(list);
    list.AddItem(u"name"_s);
    auto alignment = [&](int row, int col) {
        return list.data(list.index(row - 1, col), Qt::TextAlignmentRole).value<Qt::Alignment>();
    };
    for (int col = 0; col < 4; ++col)
        QCOMPARE(list.headerData(col, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    QCOMPARE(alignment(1, 0), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(alignment(1, 1), Qt::AlignCenter);
    QCOMPARE(alignment(1, 2), Qt::AlignCenter);
    QCOMPARE(alignment(1, 3), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(toQtAlignment(8), Qt::AlignRight | Qt::AlignBottom);
}

QTEST_GUILESS_MAIN(TestListGridModel)
#include "tst_list_grid_model.moc"
