// The category bar: its buttons, the hover look, which presses switch, and what a switch writes, reads and
// leaves behind.

#include "main_window_fixture.h"

#include "bar_controls.h"
#include "browser_pane.h"
#include "category_table.h"
#include "list_grid.h"
#include "list_grid_model.h"
#include "skin_label.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// A point of the top band between the two rows of buttons, clear of every control.
constexpr QPoint Background(300, 30);
const QString Document = u"CSV/document.csv"_s;

struct Bar : MainWindowFixture {
    Bar() {
        write(Document, fileOf(sampleEntries(3)));
        write(u"CSV/internet.csv"_s, fileOf(sampleEntries(2)));
        write(u"CSV/game.csv"_s, fileOf(sampleEntries(1)));
    }

    // A point of button i's pictures that its caption does not cover.
    QPoint picture(int i) const { return w->imgButtonOFF[i]->geometry().topLeft() + QPoint(1, 10); }
    QPoint caption(int i) const { return w->lblCaption[i]->geometry().center(); }
    void moveTo(QPoint at) const { QTest::mouseMove(window(), at); }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) const {
        QTest::mouseClick(window(), button, {}, at);
    }

    // The looks of the fourteen buttons: n normal, h hover, s selected.
    QString looks() const {
        QString all;
        for (int i = 0; i < frmMain::ButtonCount; ++i)
            all += w->imgButtonOFF[i]->isVisible() ? u'n' : w->imgButtonOver[i]->isVisible() ? u'h' : u's';
        return all;
    }
    static QString looksWith(std::initializer_list<std::pair<int, char>> others) {
        QString all(frmMain::ButtonCount, u'n');
        for (const auto& [i, look] : others)
            all[i] = QLatin1Char(look);
        return all;
    }

    QStringList kinds() const {
        QStringList items;
        for (int i = 0; i < w->cboEdit->count(); ++i)
            items.append(w->cboEdit->itemText(i));
        return items;
    }

    void changeFirstName() {
        w->msgList->listModel().setTextMatrix(1, 0, u"changed"_s);
        state.ListDirty = true;
    }
    QList<CatalogEntry> changedEntries() const {
        QList<CatalogEntry> entries = sampleEntries(3);
        entries[0].EntryName = u"changed"_s;
        return entries;
    }
};

} // namespace

class TestCategoryBar : public QObject {
    Q_OBJECT

private slots:
    void buttonsAsDesigned();
    void hoverLook();
    void pressesThatDoNothing();
    void everyMouseButtonSwitches_data();
    void everyMouseButtonSwitches();
    void switchWritesOldPageThenReadsNew();
    void nothingWrittenWithoutChangeOrEntries_data();
    void nothingWrittenWithoutChangeOrEntries();
    void pagesOnlyViewedKeepTheirFiles();
    void registrationAndHelpPages_data();
    void registrationAndHelpPages();
    void registrationPanelOverShownCategory();
    void unreadableCategoryFile();
    void failedWriteBackKeepsThePage();
    void largeListLeftAndShownAgain();
};

void TestCategoryBar::buttonsAsDesigned() {
    Bar b;
    QVERIFY(b.show());
    frmMain& w = *b.w;
    const QObjectList stack = w.children();
    for (int i = 0; i < frmMain::ButtonCount; ++i) {
        const QRect button(8 + 96 * (i % 7), i < 7 ? 8 : 32, 88, 21);
        QCOMPARE(w.imgButtonON[i]->geometry(), button);
        const QPoint offCentre = w.lblCaption[i]->geometry().center() - button.center();
        QVERIFY2(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 2, qPrintable(w.lblCaption[i]->text()));
        QVERIFY(stack.indexOf(w.lblCaption[i]) > stack.indexOf(w.imgButtonOFF[i]));
        QVERIFY(stack.indexOf(w.imgButtonOFF[i]) > stack.indexOf(w.imgButtonOver[i]));
        QVERIFY(stack.indexOf(w.imgButtonOver[i]) > stack.indexOf(w.imgButtonON[i]));
    }
    // The selected picture sits 1 px in, its frame along the button's outer edge.
    const QImage selected = w.imgButtonON[0]->grab().toImage();
    for (const QPoint frame : {QPoint(0, 0), QPoint(87, 0), QPoint(0, 20)})
        QCOMPARE(selected.pixelColor(frame), QColor(0, 128, 128));
    for (const QPoint frame : {QPoint(87, 20), QPoint(1, 20), QPoint(87, 1)})
        QCOMPARE(selected.pixelColor(frame), QColor(Qt::white));
    for (const QPoint picture : {QPoint(1, 1), QPoint(86, 19)})
        QCOMPARE(selected.pixelColor(picture), QColor(236, 129, 48));
}

void TestCategoryBar::hoverLook() {
    Bar b;
    QVERIFY(b.show());
    b.w->SelectCategory(2);
    const QString selected = Bar::looksWith({{2, 's'}});
    // Entering over a caption keeps the normal look; the uncovered picture turns it to hover.
    b.moveTo(b.caption(4));
    QCOMPARE(b.looks(), selected);
    b.moveTo(b.picture(4));
    QCOMPARE(b.looks(), Bar::looksWith({{2, 's'}, {4, 'h'}}));
    // Over the hover picture, the caption, the selected picture and a windowed control the look stays.
    for (const QPoint at : {b.picture(4) + QPoint(2, 0), b.caption(4), b.picture(2), QPoint(300, 200)}) {
        b.moveTo(at);
        QCOMPARE(b.looks(), Bar::looksWith({{2, 's'}, {4, 'h'}}));
    }
    // Straight onto another normal picture, then over the background.
    b.moveTo(b.picture(11));
    QCOMPARE(b.looks(), Bar::looksWith({{2, 's'}, {11, 'h'}}));
    b.moveTo(Background);
    QCOMPARE(b.looks(), selected);
}

void TestCategoryBar::pressesThatDoNothing() {
    Bar b;
    QVERIFY(b.show());
    frmMain& w = *b.w;
    const QPoint windowAt = w.pos();
    const auto pressDoesNothing = [&](QPoint at) {
        w.txtEdit->show();
        QTest::mousePress(b.window(), Qt::LeftButton, {}, at);
        QTest::mouseMove(b.window(), at + QPoint(1, 1));
        QTest::mouseRelease(b.window(), Qt::LeftButton, {}, at + QPoint(1, 1));
        return w.txtEdit->isVisible() && w.pos() == windowAt;
    };
    // A normal picture the pointer rests on, its hover look reset by a move elsewhere.
    b.moveTo(b.picture(5));
    w.ResetButtonLooks();
    QVERIFY(pressDoesNothing(b.picture(5)));
    QVERIFY(!w.Browser->isHidden());

    w.SelectCategory(2);
    b.changeFirstName();
    QVERIFY(pressDoesNothing(b.picture(2)));
    QCOMPARE(w.msgList->listModel().TextMatrix(1, 0), u"changed"_s);
    w.SelectCategory(CategoryTable::RegistrationPage);
    QVERIFY(pressDoesNothing(w.fraRegister->geometry().center()));
}

void TestCategoryBar::everyMouseButtonSwitches_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("onCaption");
    for (const auto& [name, button] : {std::pair{"left", Qt::LeftButton}, std::pair{"right", Qt::RightButton},
                                       std::pair{"middle", Qt::MiddleButton}}) {
        QTest::addRow("%s on the caption", name) << button << true;
        QTest::addRow("%s on the hover picture", name) << button << false;
    }
}

void TestCategoryBar::everyMouseButtonSwitches() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, onCaption);
    Bar b;
    QVERIFY(b.show());
    frmMain& w = *b.w;
    QCOMPARE(b.looks(), Bar::looksWith({}));
    QVERIFY(b.kinds().isEmpty());
    w.Timer->start();
    w.cboType->show();
    // Button 0 at start-up: CurrentCategory 0 already, yet no button carries the mark.
    const QPoint at = onCaption ? b.caption(0) : b.picture(0);
    b.moveTo(at);
    b.click(at, button);
    QCOMPARE(b.looks(), Bar::looksWith({{0, 's'}}));
    QCOMPARE(w.imgButtonON[0]->SelectedMark(), 1);
    QCOMPARE(w.msgList->listModel().entries(), sampleEntries(3));
    QCOMPARE(b.state.CurrentCsvFile, u"document.csv"_s);
    QCOMPARE(b.kinds(), CategoryTable::byIndex(0).kinds);
    QVERIFY(w.Browser->isHidden() && w.fraRegister->isHidden() && w.cboType->isHidden());
    QVERIFY(!w.Timer->isActive());
}

void TestCategoryBar::switchWritesOldPageThenReadsNew() {
    Bar b;
    QVERIFY(b.show());
    frmMain& w = *b.w;
    b.click(b.caption(0));
    b.changeFirstName();
    b.click(b.caption(2));
    QCOMPARE(b.read(Document), fileOf(b.changedEntries()));
    QCOMPARE(w.msgList->listModel().entries(), sampleEntries(2));
    QCOMPARE(b.kinds(), CategoryTable::byIndex(2).kinds);
    QCOMPARE(b.state.CurrentCategory, 2);
    // The button left shows its hover look until the pointer crosses the background.
    QCOMPARE(b.looks(), Bar::looksWith({{0, 'h'}, {2, 's'}}));
    b.moveTo(Background);
    QCOMPARE(b.looks(), Bar::looksWith({{2, 's'}}));

    // The selected caption again: the change is written, then read back as the file now holds it.
    w.msgList->listModel().setTextMatrix(2, 3, u"two\nlines"_s);
    b.click(b.caption(2));
    QList<CatalogEntry> expected = sampleEntries(2);
    expected[1].EntryLocation = u"two lines"_s;
    QCOMPARE(w.msgList->listModel().entries(), expected);
    QCOMPARE(b.read(u"CSV/internet.csv"_s), fileOf(expected));
    QCOMPARE(b.looks(), Bar::looksWith({{2, 's'}}));
}

void TestCategoryBar::nothingWrittenWithoutChangeOrEntries_data() {
    QTest::addColumn<bool>("dirty");
    QTest::addColumn<bool>("emptied");
    QTest::newRow("unchanged") << false << false;
    QTest::newRow("no entry row left") << true << true;
}

void TestCategoryBar::nothingWrittenWithoutChangeOrEntries() {
    QFETCH(bool, dirty);
    QFETCH(bool, emptied);
    Bar b;
    // Line ends the writer never produces would show any rewrite.
    const QByteArray stored = "\"a\",\"b\",\"c\",\"d\"\n\"e\",\"f\",\"g\",\"h\"\n";
    b.write(Document, stored);
    QVERIFY(b.show());
    b.w->SelectCategory(0);
    b.state.ListDirty = dirty;
    if (emptied)
        b.w->msgList->setRows(1);
    b.w->SelectCategory(3);
    QCOMPARE(b.read(Document), stored);
    QCOMPARE(b.state.CurrentCsvFile, u"game.csv"_s);
}

// The file's inode, which a rewrite would change.
static ino_t inodeOf(const QString& path) {
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

void TestCategoryBar::pagesOnlyViewedKeepTheirFiles() {
    // Files as other programs leave them, each of which a rewrite would change: LF line ends, UTF-8 without the
    // mark, and a code of the NEC row that code page 932 also has elsewhere.
    const QMap<QString, QByteArray> viewed{
        {u"CSV/internet.csv"_s, "\"a\",\"b\",\"c\",\"d\"\n\"e\",\"f\",\"g\",\"h\"\n"},
        {u"CSV/game.csv"_s, u"\"メモ帳\",\"\",\"\",\"/x/a.exe\"\r\n"_s.toUtf8()},
        {u"CSV/other.csv"_s, "\"\x87\x9A\",\"\",\"\",\"\"\r\n"},
    };
    Bar b;
    QMap<QString, ino_t> inodes;
    for (auto file = viewed.begin(); file != viewed.end(); ++file) {
        b.write(file.key(), file.value());
        inodes[file.key()] = inodeOf(b.dir.filePath(file.key()));
    }
    QVERIFY(b.show());
    frmMain& w = *b.w;
    w.SelectCategory(0);
    b.changeFirstName();
    for (const int page : {2, 3, 12})
        w.SelectCategory(page);
    QVERIFY(w.close());
    QCOMPARE(b.read(Document), fileOf(b.changedEntries()));
    for (auto file = viewed.begin(); file != viewed.end(); ++file) {
        QCOMPARE(b.read(file.key()), file.value());
        QCOMPARE(inodeOf(b.dir.filePath(file.key())), inodes[file.key()]);
    }
    QVERIFY(b.messages.shown.isEmpty());
}

void TestCategoryBar::registrationAndHelpPages_data() {
    QTest::addColumn<int>("page");
    QTest::newRow("registration") << int(CategoryTable::RegistrationPage);
    QTest::newRow("help") << int(CategoryTable::HelpPage);
}

void TestCategoryBar::registrationAndHelpPages() {
    QFETCH(int, page);
    Bar b;
    QVERIFY(b.show());
    frmMain& w = *b.w;
    w.SelectCategory(0);
    b.changeFirstName();
    w.SelectCategory(page);
    QCOMPARE(b.read(Document), fileOf(b.changedEntries()));
    QCOMPARE(w.msgList->Rows(), 1);
    QCOMPARE(b.state.CurrentCsvFile, u"document.csv"_s);
    QCOMPARE(b.kinds(), CategoryTable::byIndex(0).kinds);
    QCOMPARE(b.state.CurrentCategory, page);
    if (page == CategoryTable::HelpPage) {
        QVERIFY(w.Browser->isVisible());
        QCOMPARE(w.Browser->source(), QUrl::fromLocalFile(b.dir.filePath(u"ヘルプ.html"_s)));
    } else {
        QVERIFY(w.fraRegister->isVisible() && w.Browser->isHidden());
        // The confirmation waits beyond the panel's right edge: 480 + 9375 twips from the panel's left.
        QCOMPARE(w.fraRegister->lblRegister->x(), 657);
    }
    // Leaving the page writes nothing, ListDirty set as it is.
    b.write(Document, "sentinel");
    w.SelectCategory(3);
    QCOMPARE(b.read(Document), QByteArray("sentinel"));
}

void TestCategoryBar::registrationPanelOverShownCategory() {
    Bar b;
    QVERIFY(b.show());
    frmMain& w = *b.w;
    w.SelectCategory(0);
    b.changeFirstName();
    w.Timer->start();
    w.ShowRegistrationPanel();
    QCOMPARE(w.msgList->listModel().entries(), b.changedEntries());
    QVERIFY(w.fraRegister->isVisible() && w.Timer->isActive());
    QCOMPARE(b.looks(), Bar::looksWith({{0, 'h'}, {6, 's'}}));
    QCOMPARE(b.state.CurrentCategory, 0);
    QCOMPARE(b.read(Document), fileOf(sampleEntries(3)));

    // A registration to category 3 keeps the page; the next press leaves button 6 marked, in its hover look.
    b.state.CurrentCategory = 3;
    w.SelectCategory(5);
    b.moveTo(Background);
    QCOMPARE(b.looks(), Bar::looksWith({{5, 's'}, {6, 'h'}}));
    QCOMPARE(w.imgButtonON[6]->SelectedMark(), 1);
}

void TestCategoryBar::unreadableCategoryFile() {
    Bar b;
    QVERIFY(b.replaceWithFolder(u"CSV/game.csv"_s));
    QVERIFY(b.show());
    frmMain& w = *b.w;
    w.SelectCategory(0);
    b.changeFirstName();
    w.SelectCategory(3);
    QVERIFY(b.reported(u"game.csv"_s));
    QCOMPARE(b.read(Document), fileOf(b.changedEntries()));
    QCOMPARE(w.msgList->Rows(), 1);
    QVERIFY(b.state.CurrentCsvFile.isEmpty());
    QCOMPARE(b.state.CurrentCategory, 3);
    QCOMPARE(b.looks(), Bar::looksWith({{0, 'h'}, {3, 's'}}));
    // Rows added to that empty list have no file to go to: nothing is touched, the user is told, and the switch
    // goes on.
    w.msgList->AddItem(u"new"_s);
    w.SelectCategory(2);
    QCOMPARE(b.messages.shown.size(), 2);
    QVERIFY(b.messages.shown.constLast().contains(u"game.csv"_s));
    QVERIFY(b.messages.shown.constLast().contains(u"保存されませんでした"_s));
    QCOMPARE(b.state.CurrentCategory, 2);
    QCOMPARE(w.msgList->listModel().entries(), sampleEntries(2));
    QVERIFY(QFileInfo(b.dir.filePath(u"CSV/game.csv"_s)).isDir());
    QCOMPARE(b.read(u"CSV/internet.csv"_s), fileOf(sampleEntries(2)));
}

void TestCategoryBar::failedWriteBackKeepsThePage() {
    Bar b;
    QVERIFY(b.show());
    frmMain& w = *b.w;
    // After a registration to category 0 the panel is shown over that category's changed list.
    w.SelectCategory(0);
    b.changeFirstName();
    w.ShowRegistrationPanel();
    w.Timer->start();
    w.txtEdit->show();
    QVERIFY(b.replaceWithFolder(Document));
    const QString looks = b.looks();
    w.SelectCategory(2);
    QVERIFY(b.reported(u"document.csv"_s));
    QCOMPARE(w.msgList->listModel().entries(), b.changedEntries());
    QCOMPARE(b.state.CurrentCategory, 0);
    QCOMPARE(b.looks(), looks);
    QCOMPARE(w.imgButtonON[6]->SelectedMark(), 1);
    QVERIFY(w.fraRegister->isVisible() && w.Browser->isHidden() && w.Timer->isActive() && w.txtEdit->isVisible());
}

QTEST_MAIN(TestCategoryBar)
void TestCategoryBar::largeListLeftAndShownAgain() {
    // Large enough that leaving the page hands the memory of its rows back to the system.
    Bar b;
    const QList<CatalogEntry> entries = sampleEntries(1500);
    b.write(Document, fileOf(entries));
    QVERIFY(b.show());
    frmMain& w = *b.w;
    w.SelectCategory(0);
    QCOMPARE(w.msgList->Rows(), 1501);
    w.SelectCategory(CategoryTable::HelpPage);
    QCOMPARE(w.msgList->Rows(), 1);
    QVERIFY(w.Browser->isVisible());
    w.SelectCategory(0);
    QCOMPARE(w.msgList->listModel().entries(), entries);
    QCOMPARE(b.read(Document), fileOf(entries));
}

#include "tst_category_bar.moc"
