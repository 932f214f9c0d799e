// The list's cell actions, its in-place editors and the right click that opens the popup.

#include "main_window_fixture.h"

#include "frm_pop_up.h"
#include "list_grid.h"
#include "list_grid_model.h"
#include "open_file_dialog.h"
#include "popup_instance.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A window showing the document category with three entries, the second at a location a shell would split.
struct ListWindow : MainWindowFixture {
    const QString oddLocation = u"/opt/my tools/#1 100% ツール.exe"_s;

    ListWindow() {
        QList<CatalogEntry> entries = sampleEntries(3);
        entries[1].EntryLocation = oddLocation;
        write(u"CSV/document.csv"_s, fileOf(entries));
    }
    bool showCategory() { return showActive(0); }
    ListGrid& list() const { return *w->msgList; }
    QPoint cell(int row, int col) const { return list().visualRect(list().model()->index(row - 1, col)).center(); }
    void doubleClick(int row, int col) const {
        QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, cell(row, col));
    }
    // The editor's rectangle in the window, as the list's own cell rectangle gives it.
    QRect cellInWindow() const {
        return QRect(list().pos() + QPoint(list().CellLeft(), list().CellTop()) / 15,
                     QSize(list().CellWidth(), list().CellHeight()) / 15);
    }
    QList<frmPopUp*> openPopups() const {
        QList<frmPopUp*> open;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* popup = qobject_cast<frmPopUp*>(top); popup && popup->isVisible())
                open.append(popup);
        return open;
    }
};

// Types text as the keyboard would, one character a key press; Qt Test's own key clicks take ASCII only.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace

class TestCellActions : public QObject {
    Q_OBJECT

private slots:
    void doubleClickRunsTheColumnsAction();
    void locationFromTheFileDialog();
    void comboEditorsWriteEveryChange();
    void comboEditorOpensItsWholeListOnTheFirstClick();
    void editorsTakeFieldsOfAnyLength();
    void editorsHideOnEnterFocusLossAndScroll();
    void txtEditWritesTheCellEvenWhileHidden();
    void editorCoversTheWholeCell();
    void rightClickOpensOnePopupAtThePointer();
};

void TestCellActions::doubleClickRunsTheColumnsAction() {
    ListWindow f;
    QVERIFY(f.showCategory());
    frmMain& w = *f.w;

    // Name: the location goes to the shell unchanged, the location cell becomes current, nothing is dirty.
    f.doubleClick(2, 0);
    QCOMPARE(f.shell.opened.size(), 1);
    QCOMPARE(f.shell.opened[0].path, f.oddLocation);
    QCOMPARE(f.shell.opened[0].owner, &w);
    QCOMPARE(QPoint(f.list().Col(), f.list().Row()), QPoint(3, 2));
    QVERIFY(!f.state.ListDirty);
    QVERIFY(w.cboEdit->isHidden() && w.cboType->isHidden() && w.txtEdit->isHidden());

    // Kind and type: their combo box over the cell, holding its text and the focus; opening it is a change.
    f.doubleClick(1, 1);
    QVERIFY(w.cboEdit->isVisible());
    QCOMPARE(w.cboEdit->currentText(), u"種類1"_s);
    QCOMPARE(w.cboEdit->pos(), f.cellInWindow().topLeft());
    QCOMPARE(w.cboEdit->height(), 20);
    QTRY_VERIFY(w.cboEdit->hasFocus());
    QVERIFY(f.state.ListDirty);
    f.doubleClick(3, 2);
    QVERIFY(w.cboEdit->isHidden());
    QVERIFY(w.cboType->isVisible());
    QCOMPARE(w.cboType->currentText(), u"フリーウェア"_s);
    QVERIFY(w.txtEdit->isHidden());
    QCOMPARE(f.shell.opened.size(), 1);

    // The header row has no action.
    const QPoint header(f.list().horizontalHeader()->sectionViewportPosition(0) + 5, 5);
    QTest::mouseDClick(f.list().horizontalHeader()->viewport(), Qt::LeftButton, {}, header);
    QCOMPARE(f.shell.opened.size(), 1);
    QVERIFY(f.dialog.requests.isEmpty());
}

void TestCellActions::locationFromTheFileDialog() {
    ListWindow f;
    QVERIFY(f.showCategory());
    frmMain& w = *f.w;
    w.Dialog->FileName = u"/earlier/choice.exe"_s;

    // A cancel leaves the cell, the remembered name and the flag as they were.
    f.doubleClick(1, 3);
    QCOMPARE(f.dialog.requests.size(), 1);
    QCOMPARE(f.dialog.requests[0].initialFileName, u"C:\\Program Files\\app1.exe"_s);
    QCOMPARE(f.list().Text(), u"C:\\Program Files\\app1.exe"_s);
    QCOMPARE(w.Dialog->FileName, u"/earlier/choice.exe"_s);
    QVERIFY(!f.state.ListDirty);

    f.dialog.answers.append(u"/usr/local/bin/new tool.exe"_s);
    f.doubleClick(1, 3);
    QCOMPARE(f.list().Text(), u"/usr/local/bin/new tool.exe"_s);
    QCOMPARE(w.Dialog->FileName, u"/usr/local/bin/new tool.exe"_s);
    QVERIFY(f.state.ListDirty);
}

void TestCellActions::comboEditorsWriteEveryChange() {
    ListWindow f;
    QVERIFY(f.showCategory());
    frmMain& w = *f.w;
    const ListGridModel& model = f.list().listModel();
    // A page switch refills the kinds without touching a cell.
    QCOMPARE(model.entries(), CategoryFile::parse(f.read(u"CSV/document.csv"_s)));

    f.doubleClick(2, 1);
    QTRY_VERIFY(w.cboEdit->hasFocus());
    w.cboEdit->lineEdit()->selectAll();
    QTest::keyClick(w.cboEdit, Qt::Key_Backspace);
    QCOMPARE(model.TextMatrix(2, 1), QString());
    typeText(w.cboEdit, u"ワ"_s);
    // Typed text is taken as it stands: no completion to "ワープロ", no new item.
    QCOMPARE(model.TextMatrix(2, 1), u"ワ"_s);
    typeText(w.cboEdit, u"ーズ"_s);
    QCOMPARE(model.TextMatrix(2, 1), u"ワーズ"_s);
    QTest::keyClick(w.cboEdit, Qt::Key_Return);
    QVERIFY(w.cboEdit->isVisible());
    QCOMPARE(model.TextMatrix(2, 1), u"ワーズ"_s);
    QVERIFY(w.cboEdit->findText(u"ワーズ"_s) < 0);

    // Picking an item with the arrow keys puts the item in the cell.
    f.doubleClick(2, 2);
    QTRY_VERIFY(w.cboType->hasFocus());
    QTest::keyClick(w.cboType, Qt::Key_Down);
    QCOMPARE(model.TextMatrix(2, 2), u"シェアウェア"_s);
    QCOMPARE(model.TextMatrix(2, 1), u"ワーズ"_s);
}

void TestCellActions::comboEditorOpensItsWholeListOnTheFirstClick() {
    MainWindowFixture f;
    f.write(u"CSV/sound.csv"_s, fileOf(sampleEntries(1)));
    QVERIFY(f.showActive(1)); // its kinds include "マルチメディア関係", wider than the kind column
    frmMain& w = *f.w;
    for (QComboBox* editor : {w.cboEdit, w.cboType}) {
        w.msgList->setCol(editor == w.cboEdit ? 1 : 2);
        w.ShowCellEditor(editor);
        QTRY_VERIFY(editor->hasFocus());
        QTest::mouseClick(editor, Qt::LeftButton, {}, QPoint(editor->width() - 5, editor->height() / 2));
        QAbstractItemView* list = editor->view();
        // Its list takes the focus from it, which is no loss of the focus: the editor stays.
        QTRY_VERIFY(list->isVisible());
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->width(), w.msgList->CellWidth() / 15);
        QVERIFY(list->width() >= list->sizeHintForColumn(0));
        QTest::keyClick(list, Qt::Key_Escape);
        QTRY_VERIFY(!list->isVisible());
        QVERIFY(editor->isVisible());
    }
}

void TestCellActions::editorsTakeFieldsOfAnyLength() {
    MainWindowFixture f;
    const QString longText(40'000, u'長');
    QList<CatalogEntry> entries = sampleEntries(2);
    entries[0] = {longText + u"名"_s, longText + u"種"_s, longText + u"別"_s, longText + u"所"_s};
    const QByteArray bytes = fileOf(entries);
    f.write(u"CSV/document.csv"_s, bytes);
    QVERIFY(f.showActive(0));
    frmMain& w = *f.w;
    // Opened on each field of the first entry and left without typing.
    const std::pair<int, QWidget*> editors[] = {{0, w.txtEdit}, {1, w.cboEdit}, {2, w.cboType}, {3, w.txtEdit}};
    for (const auto& [col, editor] : editors) {
        w.msgList->setRow(1);
        w.msgList->setCol(col);
        w.ShowCellEditor(editor);
        QTRY_VERIFY(editor->hasFocus());
        QTest::mouseClick(w.msgList->viewport(), Qt::LeftButton, {}, QPoint(40, 200));
        QTRY_VERIFY(editor->isHidden());
    }
    QCOMPARE(w.msgList->listModel().entries(), entries);
    w.SelectCategory(1);
    QCOMPARE(f.read(u"CSV/document.csv"_s), bytes);

    // The registration panel's boxes too.
    RegisterPanel& p = *w.fraRegister;
    for (QLineEdit* box : {p.txtSoftName, p.txtSoftLocation, p.cboREdit->lineEdit(), p.cboRType->lineEdit()}) {
        box->setText(longText);
        QCOMPARE(box->text(), longText);
    }
}

void TestCellActions::editorsHideOnEnterFocusLossAndScroll() {
    ListWindow f;
    QVERIFY(f.showCategory());
    frmMain& w = *f.w;

    for (Qt::KeyboardModifiers keys : {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier),
                                       Qt::KeyboardModifiers(Qt::ControlModifier)}) {
        w.ShowCellEditor(w.txtEdit);
        QTRY_VERIFY(w.txtEdit->hasFocus());
        QTest::keyClick(w.txtEdit, Qt::Key_Escape);
        QVERIFY(w.txtEdit->isVisible());
        QTest::keyClick(w.txtEdit, Qt::Key_Return, keys);
        QVERIFY(w.txtEdit->isHidden());
    }

    // Clicking elsewhere in the list keeps the last text in the cell.
    f.doubleClick(1, 2);
    QTRY_VERIFY(w.cboType->hasFocus());
    w.cboType->setEditText(u"カンパ"_s);
    QTest::mouseClick(f.list().viewport(), Qt::LeftButton, {}, f.cell(3, 0));
    QTRY_VERIFY(w.cboType->isHidden());
    QCOMPARE(f.list().listModel().TextMatrix(1, 2), u"カンパ"_s);

    f.doubleClick(1, 1);
    QVERIFY(w.cboEdit->isVisible());
    f.list().horizontalScrollBar()->setValue(30);
    QVERIFY(w.cboEdit->isHidden());
}

void TestCellActions::txtEditWritesTheCellEvenWhileHidden() {
    ListWindow f;
    QVERIFY(f.showCategory());
    frmMain& w = *f.w;
    f.list().setRow(2);
    f.list().setCol(0);
    w.txtEdit->setText(u"書き換え"_s);
    QVERIFY(w.txtEdit->isHidden());
    QCOMPARE(f.list().listModel().TextMatrix(2, 0), u"書き換え"_s);
    QVERIFY(f.state.ListDirty);
}

void TestCellActions::editorCoversTheWholeCell() {
    MainWindowFixture f;
    f.write(u"CSV/document.csv"_s, fileOf(sampleEntries(60)));
    QVERIFY(f.show());
    frmMain& w = *f.w;
    w.SelectCategory(0);
    // The location column runs past the list's right edge, and row 60 lies below its visible part.
    w.msgList->setRow(60);
    w.msgList->setCol(3);
    w.ShowCellEditor(w.txtEdit);
    const QRect cell(w.msgList->pos() + QPoint(w.msgList->CellLeft(), w.msgList->CellTop()) / 15,
                     QSize(w.msgList->CellWidth(), w.msgList->CellHeight()) / 15);
    QCOMPARE(w.txtEdit->geometry(), cell);
    QVERIFY(!w.msgList->geometry().contains(cell));
    QCOMPARE(cell.size(), QSize(333, 16));
}

void TestCellActions::rightClickOpensOnePopupAtThePointer() {
    MainWindowFixture f;
    QVERIFY(f.show());
    frmMain& w = *f.w;
    w.SelectCategory(1); // an empty category: the list holds its header row alone
    ListGrid& list = *w.msgList;
    QWidget* header = list.horizontalHeader()->viewport();

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(40, 40));
    QVERIFY(w.PopUp().Form() == nullptr);
    QTest::mouseClick(header, Qt::RightButton, {}, QPoint(50, 5));
    QVERIFY(w.PopUp().Form() != nullptr);
    QCOMPARE(w.PopUp().Form()->pos(), header->mapToGlobal(QPoint(50, 5)));

    // A second right click, however quick, leaves one popup, at the new point; the current cell stays.
    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, QPoint(300, 200));
    frmPopUp* second = w.PopUp().Form();
    QCOMPARE(second->pos(), list.viewport()->mapToGlobal(QPoint(300, 200)));
    QTRY_COMPARE(ListWindow().openPopups(), QList<frmPopUp*>{second});
    QCOMPARE(QPoint(list.Col(), list.Row()), QPoint(3, 0));
}

QTEST_MAIN(TestCellActions)
#include "tst_cell_actions.moc"
