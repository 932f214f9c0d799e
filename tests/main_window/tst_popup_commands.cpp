// The popup's commands on the main window's current entry.

#include "main_window_fixture.h"

#include "frm_pop_up.h"
#include "list_grid.h"
#include "list_grid_model.h"
#include "picture_box.h"
#include "popup_instance.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

using Command = SkinLabel* const frmPopUp::*;
const Command Boot = &frmPopUp::lblBoot;
const Command Edit = &frmPopUp::lblEdit;
const Command Delete = &frmPopUp::lblDelete;
const Command Open = &frmPopUp::lblOpen;
const Command Register = &frmPopUp::lblRegister;

struct PopupWindow : MainWindowFixture {
    // Shows category `index`, its file holding `entries`.
    bool showCategory(int index, const QString& fileName, const QList<CatalogEntry>& entries) {
        write(u"CSV/"_s + fileName, fileOf(entries));
        if (!show())
            return false;
        w->SelectCategory(index);
        return true;
    }
    ListGridModel& list() const { return w->msgList->listModel(); }

    // Opens the popup with a right click on the list (by default below its rows) and clicks the command; true
    // when the popup then closed and went, once.
    bool run(Command command, QPoint at = QPoint(200, 150)) const {
        QWidget* viewport = w->msgList->viewport();
        QTest::mouseClick(viewport, Qt::RightButton, {}, at);
        QPointer<frmPopUp> popup = w->PopUp().Form();
        if (!popup)
            return false;
        QSignalSpy gone(popup.data(), &QObject::destroyed);
        QTest::mouseClick(popup->*command, Qt::LeftButton);
        return QTest::qWaitFor([&] { return popup.isNull(); }) && gone.size() == 1 && !w->PopUp().Form();
    }
};

} // namespace

class TestPopupCommands : public QObject {
    Q_OBJECT

private slots:
    void headerRowOnly();
    void removeActsOnTheCurrentRow();
    void openFolder_data();
    void openFolder();
    void editOpensTheTextEditorInAnyColumn();
    void registerWritesTheListBeforeThePanelShows();
    void registerAfterAFailedWriteKeepsTheListShown();
};

void TestPopupCommands::headerRowOnly() {
    PopupWindow f;
    QVERIFY(f.show());
    f.w->SelectCategory(1); // no file: the list holds its header row alone
    for (Command command : {Boot, Edit, Open}) {
        QVERIFY(f.run(command));
        QVERIFY(f.shell.opened.isEmpty() && f.messages.shown.isEmpty());
        QVERIFY(f.w->txtEdit->isHidden());
        QVERIFY(!f.state.ListDirty);
    }
    QVERIFY(f.run(Delete));
    QCOMPARE(f.list().Rows(), 1);
    QVERIFY(f.state.ListDirty);
    QVERIFY(f.run(Register));
    QVERIFY(f.w->fraRegister->isVisible());
    QCOMPARE(f.state.CurrentCategory, 6);
    QVERIFY(!QFile::exists(f.dir.filePath(u"CSV/sound.csv"_s)));
}

void TestPopupCommands::removeActsOnTheCurrentRow() {
    const QList<CatalogEntry> three = sampleEntries(3);
    {
        // Right after a load the last entry is current.
        PopupWindow f;
        QVERIFY(f.showCategory(0, u"document.csv"_s, three));
        QVERIFY(f.run(Delete));
        QCOMPARE(f.list().entries(), three.mid(0, 2));
    }
    {
        // The second of three: the others keep their order, and reach the file at the next page switch.
        PopupWindow f;
        QVERIFY(f.showCategory(0, u"document.csv"_s, three));
        f.list().setRow(2);
        QVERIFY(f.run(Delete));
        const QList<CatalogEntry> kept = {three[0], three[2]};
        QCOMPARE(f.list().entries(), kept);
        f.w->SelectCategory(13);
        QCOMPARE(f.read(u"CSV/document.csv"_s), fileOf(kept));
    }
    {
        // The third of four under the pointer, the fourth current: the right click picks the third, and the power
        // switch writes its loss.
        PopupWindow f;
        const QList<CatalogEntry> four = sampleEntries(4);
        QVERIFY(f.showCategory(0, u"document.csv"_s, four));
        const QTableView& view = *f.w->msgList;
        QVERIFY(f.run(Delete, view.visualRect(view.model()->index(2, 0)).center()));
        QTest::mouseClick(f.w->picSwitch, Qt::LeftButton);
        QCOMPARE(f.read(u"CSV/document.csv"_s), fileOf({four[0], four[1], four[3]}));
    }
    {
        PopupWindow f;
        QVERIFY(f.showCategory(0, u"document.csv"_s, three.mid(0, 1)));
        QVERIFY(f.run(Delete));
        QCOMPARE(f.list().Rows(), 1);
        QVERIFY(f.state.ListDirty);
        // The removal of the last entry reaches the file: it is emptied, not left as it was.
        f.w->SelectCategory(13);
        QCOMPARE(f.read(u"CSV/document.csv"_s), QByteArray());
    }
}

void TestPopupCommands::openFolder_data() {
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("folder");
    QTest::newRow("in a folder") << u"/opt/my tools/#1 100%.exe"_s << u"/opt/my tools/"_s;
    QTest::newRow("in the root") << u"/tool.exe"_s << u"/"_s;
    QTest::newRow("a folder") << u"/opt/tools/"_s << u"/opt/tools/"_s;
    QTest::newRow("no folder") << u"tool.exe"_s << QString();
    const QString deep = u"/"_s + QString(40'000, u'深') + u"/"_s;
    QTest::newRow("deeper than 32,767 characters") << deep + u"tool.exe"_s << deep;
}

void TestPopupCommands::openFolder() {
    QFETCH(QString, location);
    QFETCH(QString, folder);
    PopupWindow f;
    QList<CatalogEntry> entries = sampleEntries(2);
    entries[0].EntryLocation = location;
    entries[1].EntryLocation.clear();
    QVERIFY(f.showCategory(0, u"document.csv"_s, entries));

    f.list().setRow(1);
    f.list().setCol(0);
    QVERIFY(f.run(Open));
    QCOMPARE(f.shell.opened.size(), 1);
    QCOMPARE(f.shell.opened[0].path, folder);
    QCOMPARE(f.shell.opened[0].owner, f.w.get());
    QCOMPARE(f.list().Col(), 3);

    // An empty location: the message, and no shell.
    f.list().setRow(2);
    f.list().setCol(1);
    QVERIFY(f.run(Open));
    QCOMPARE(f.shell.opened.size(), 1);
    QCOMPARE(f.messages.shown, QStringList{u"場所が入力されていないので\r\nフォルダを開くことができません。"_s});
    QCOMPARE(f.list().Col(), 3);
    QVERIFY(!f.state.ListDirty);
}

void TestPopupCommands::editOpensTheTextEditorInAnyColumn() {
    PopupWindow f;
    QVERIFY(f.showCategory(0, u"document.csv"_s, sampleEntries(2)));
    f.w->activateWindow();
    f.list().setRow(1);
    f.list().setCol(1);
    QVERIFY(f.run(Edit));
    frmMain& w = *f.w;
    QVERIFY(w.txtEdit->isVisible() && w.cboEdit->isHidden());
    QCOMPARE(w.txtEdit->text(), u"種類1"_s);
    QCOMPARE(w.txtEdit->height(), w.msgList->CellHeight() / 15);
    QCOMPARE(w.txtEdit->pos(), w.msgList->pos() + QPoint(w.msgList->CellLeft(), w.msgList->CellTop()) / 15);
    QTRY_VERIFY(w.txtEdit->hasFocus());
    QVERIFY(f.state.ListDirty);
    QCOMPARE(QPoint(f.list().Col(), f.list().Row()), QPoint(1, 1));
}

void TestPopupCommands::registerWritesTheListBeforeThePanelShows() {
    PopupWindow f;
    QVERIFY(f.showCategory(3, u"game.csv"_s, sampleEntries(2)));
    f.list().setTextMatrix(1, 1, u"パズル"_s);
    f.state.ListDirty = true;
    QVERIFY(f.run(Register));
    QCOMPARE(f.read(u"CSV/game.csv"_s), fileOf(f.list().entries()));
    QCOMPARE(f.list().TextMatrix(1, 1), u"パズル"_s);
    QVERIFY(f.w->fraRegister->isVisible());
    QCOMPARE(f.state.CurrentCategory, 6);

    // The next page switch leaves the hidden list's file alone.
    f.write(u"CSV/game.csv"_s, "changed elsewhere\r\n");
    f.w->SelectCategory(0);
    QCOMPARE(f.read(u"CSV/game.csv"_s), QByteArray("changed elsewhere\r\n"));
}

void TestPopupCommands::registerAfterAFailedWriteKeepsTheListShown() {
    PopupWindow f;
    QVERIFY(f.showCategory(3, u"game.csv"_s, sampleEntries(2)));
    f.list().setTextMatrix(1, 1, u"パズル"_s);
    f.state.ListDirty = true;
    QVERIFY(f.replaceWithFolder(u"CSV/game.csv"_s));
    QVERIFY(f.run(Register));
    QVERIFY(f.reported(u"game.csv"_s));
    // Behind the panel, with the registration page current, no later save point would write the edit.
    QVERIFY(f.w->fraRegister->isHidden());
    QCOMPARE(f.state.CurrentCategory, 3);
    QCOMPARE(f.list().TextMatrix(1, 1), u"パズル"_s);
}

QTEST_MAIN(TestPopupCommands)
#include "tst_popup_commands.moc"
