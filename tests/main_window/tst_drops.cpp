// Program files dropped on the list.

#include "main_window_fixture.h"

#include "browser_pane.h"
#include "list_grid.h"
#include "list_grid_model.h"

#include <QComboBox>
#include <QDropEvent>
#include <QFrame>
#include <QLineEdit>
#include <QMimeData>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Drags data over target and drops it there; true when the target took the drop.
bool drop(QWidget* target, const QMimeData& data) {
    const QPoint at(30, 30);
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &dropped);
    return dropped.isAccepted() && dropped.dropAction() == Qt::CopyAction;
}

// Drags data onto the window at `at` and drops it there, as the window system does: the control under the
// pointer takes it, or the nearest of its parents that takes drops. The action the source is told of.
Qt::DropAction dropOnWindow(QWidget* window, QPoint at, const QMimeData& data) {
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(window->windowHandle(), &enter);
    if (!enter.isAccepted())
        return Qt::IgnoreAction;
    QDropEvent dropped(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(window->windowHandle(), &dropped);
    return dropped.isAccepted() ? dropped.dropAction() : Qt::IgnoreAction;
}

QPoint centreIn(const QWidget* window, const QWidget* control) {
    return control->mapTo(window, control->rect().center());
}

QMimeData* filesData(const QStringList& paths) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data->setUrls(urls);
    return data;
}

CatalogEntry program(const QString& name, const QString& path) {
    return {name, QString(), u"フリーウェア"_s, path};
}

} // namespace

class TestDrops : public QObject {
    Q_OBJECT

private slots:
    void programsBecomeEntriesInDropOrder();
    void dropsThatAddNothingStillCount();
    void dropThatAddsRowsHidesTheEditors();
    void onlyTheListTakesDropsAsACopy();
    void onlyTheShownListTakesDrops();
};

void TestDrops::programsBecomeEntriesInDropOrder() {
    MainWindowFixture f;
    f.write(u"CSV/game.csv"_s, fileOf(sampleEntries(1)));
    QVERIFY(f.show());
    frmMain& w = *f.w;
    w.SelectCategory(3);
    const QString odd = u"/home/user/Program Files/#1 100% ゲーム.exe"_s;
    const std::unique_ptr<QMimeData> data(filesData({
        u"/setup.exe"_s,
        u"/opt/readme.txt"_s,
        odd,
        u"/opt/a.EXE"_s,
        u"/opt/b.Exe"_s,
        u"/opt/c.eXe"_s,
        u"/opt/d.exE"_s,
        u"/opt/x.exe.txt"_s,
        u"/opt/tools.exe"_s,
        u"/opt/bad\nname.exe"_s,
        u"/setup.exe"_s,
    }));
    QVERIFY(drop(w.msgList->viewport(), *data));

    QList<CatalogEntry> expected = sampleEntries(1);
    expected += {program(u"setup.exe"_s, u"/setup.exe"_s),     program(u"#1 100% ゲーム.exe"_s, odd),
                 program(u"a.EXE"_s, u"/opt/a.EXE"_s),         program(u"b.Exe"_s, u"/opt/b.Exe"_s),
                 program(u"tools.exe"_s, u"/opt/tools.exe"_s), program(u"setup.exe"_s, u"/setup.exe"_s)};
    QCOMPARE(w.msgList->listModel().entries(), expected);
    QCOMPARE(QPoint(w.msgList->Col(), w.msgList->Row()), QPoint(2, 7));
    QVERIFY(f.state.ListDirty);

    // At the next page switch the category file holds them, in code page 932.
    w.SelectCategory(0);
    QCOMPARE(f.read(u"CSV/game.csv"_s), fileOf(expected));
}

void TestDrops::dropsThatAddNothingStillCount() {
    MainWindowFixture f;
    QVERIFY(f.show());
    frmMain& w = *f.w;
    w.SelectCategory(0); // no file: the list holds its header row alone
    w.msgList->setCol(1);
    QMimeData text;
    text.setText(u"/opt/app.exe"_s);
    QVERIFY(drop(w.msgList->viewport(), text));
    QVERIFY(f.state.ListDirty);
    QCOMPARE(w.msgList->Rows(), 1);
    QCOMPARE(QPoint(w.msgList->Col(), w.msgList->Row()), QPoint(1, 0));

    const std::unique_ptr<QMimeData> programs(filesData({u"/opt/app.exe"_s}));
    QVERIFY(drop(w.msgList->viewport(), *programs));
    QCOMPARE(w.msgList->listModel().entries(), QList<CatalogEntry>{program(u"app.exe"_s, u"/opt/app.exe"_s)});
}

void TestDrops::dropThatAddsRowsHidesTheEditors() {
    MainWindowFixture f;
    f.write(u"CSV/document.csv"_s, fileOf(sampleEntries(2)));
    QVERIFY(f.showActive(0));
    frmMain& w = *f.w;
    w.msgList->setRow(1);
    w.msgList->setCol(0);
    w.ShowCellEditor(w.txtEdit);
    const QRect place = w.txtEdit->geometry();
    QTRY_VERIFY(w.txtEdit->hasFocus());

    // A drop that adds nothing leaves the editor where it was.
    const std::unique_ptr<QMimeData> none(filesData({u"/a/readme.txt"_s}));
    QVERIFY(drop(w.msgList->viewport(), *none));
    QVERIFY(w.txtEdit->isVisible());
    QCOMPARE(w.txtEdit->geometry(), place);

    // New rows hide it first, so that nothing typed next lands in them.
    const std::unique_ptr<QMimeData> data(filesData({u"/a/b/first.exe"_s, u"/c/second.exe"_s}));
    QVERIFY(drop(w.msgList->viewport(), *data));
    QVERIFY(w.txtEdit->isHidden());
    QCOMPARE(w.txtEdit->text(), u"second.exe"_s);
    QCOMPARE(w.msgList->listModel().TextMatrix(1, 0), u"名前1"_s);
    QCOMPARE(w.msgList->listModel().TextMatrix(4, 0), u"second.exe"_s);
    w.msgList->setCol(1);
    w.ShowCellEditor(w.cboEdit);
    QVERIFY(drop(w.msgList->viewport(), *data));
    QVERIFY(w.cboEdit->isHidden());
}

void TestDrops::onlyTheListTakesDropsAsACopy() {
    MainWindowFixture f;
    f.write(u"CSV/document.csv"_s, fileOf(sampleEntries(1)));
    QVERIFY(f.show());
    frmMain& w = *f.w;
    const std::unique_ptr<QMimeData> data(filesData({u"/opt/a.exe"_s}));
    data->setText(u"file:///opt/a.exe"_s);
    w.SelectCategory(0);
    for (QWidget* editor :
         {static_cast<QWidget*>(w.txtEdit), static_cast<QWidget*>(w.cboEdit), static_cast<QWidget*>(w.cboType)}) {
        w.msgList->setCol(editor == w.cboType ? 2 : 1);
        w.ShowCellEditor(editor);
        QCOMPARE(dropOnWindow(&w, centreIn(&w, editor), *data), Qt::IgnoreAction);
    }
    QCOMPARE(w.msgList->listModel().entries(), sampleEntries(1));
    QCOMPARE(dropOnWindow(&w, centreIn(&w, w.msgList->viewport()), *data), Qt::CopyAction);
    QCOMPARE(w.msgList->Rows(), 3);

    w.SelectCategory(6);
    const RegisterPanel& p = *w.fraRegister;
    const QList<QWidget*> boxes = {p.txtSoftName, p.txtSoftLocation, p.cboItamize, p.cboREdit, p.cboRType};
    for (QWidget* box : boxes)
        QCOMPARE(dropOnWindow(&w, centreIn(&w, box), *data), Qt::IgnoreAction);
    QVERIFY(p.txtSoftName->text().isEmpty() && p.txtSoftLocation->text().isEmpty());
    QVERIFY(p.cboREdit->currentText().isEmpty());
    QCOMPARE(p.cboRType->currentText(), u"フリーウェア"_s);
}

void TestDrops::onlyTheShownListTakesDrops() {
    MainWindowFixture f;
    QVERIFY(f.show());
    frmMain& w = *f.w;
    const std::unique_ptr<QMimeData> data(filesData({u"/opt/app.exe"_s}));
    data->setText(u"/opt/app.exe"_s);

    w.SelectCategory(13); // the help page lies over the list
    QVERIFY(!drop(w.Browser->viewport(), *data));
    w.SelectCategory(6); // the registration panel lies over the list
    QVERIFY(!drop(w.fraRegister, *data));
    QCOMPARE(w.msgList->Rows(), 1);
    QVERIFY(!f.state.ListDirty);
    QVERIFY(!w.Browser->toPlainText().contains(u"app.exe"_s));
}

QTEST_MAIN(TestDrops)
#include "tst_drops.moc"
