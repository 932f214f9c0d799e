// The category bar: its buttons, the hover look, and what a page switch writes, reads and leaves behind.

#include "main_window_fixture.h"

#include "bar_controls.h"
#include "browser_pane.h"
#include "category_table.h"
#include "list_grid.h"
#include "list_grid_model.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWindow>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A point of the top band between the two rows of buttons, clear of every control.
constexpr QPoint Background(300, 30);

struct Bar : MainWindowFixture {
    frmMain* w = nullptr;

    Bar() {
        writeCategory(u"document.csv"_s, sampleEntries(3));
        writeCategory(u"internet.csv"_s, sampleEntries(2));
        writeCategory(u"game.csv"_s, sampleEntries(1));
    }

    bool show() {
        w = &open();
        w->show();
        return QTest::qWaitForWindowExposed(w);
    }

    QWindow* window() const { return w->windowHandle(); }

    // A point of button i's pictures that its caption does not cover.
    QPoint pictureOnly(int i) const { return w->imgButtonOFF[i]->geometry().topLeft() + QPoint(1, 10); }
    QPoint caption(int i) const { return w->lblCaption[i]->geometry().center(); }

    void moveTo(QPoint at) const { QTest::mouseMove(window(), at); }
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) const {
        QTest::mousePress(window(), button, {}, at);
        QTest::mouseRelease(window(), button, {}, at);
    }

    // The look button i shows.
    QString look(int i) const {
        if (w->imgButtonOFF[i]->isVisible())
            return u"normal"_s;
        return w->imgButtonOver[i]->isVisible() ? u"hover"_s : u"selected"_s;
    }
    QString looks() const {
        QStringList all;
        for (int i = 0; i < frmMain::ButtonCount; ++i)
            all.append(look(i));
        return all.join(u' ');
    }
    // Every button normal but those named.
    static QString looksWith(std::initializer_list<std::pair<int, QString>> others) {
        QStringList all(frmMain::ButtonCount, u"normal"_s);
        for (const auto& [i, look] : others)
            all[i] = look;
        return all.join(u' ');
    }

    QStringList kinds() const {
        QStringList items;
        for (int i = 0; i < w->cboEdit->count(); ++i)
            items.append(w->cboEdit->itemText(i));
        return items;
    }

    void changeFirstName(const QString& name) {
        w->msgList->listModel().setTextMatrix(1, 0, name);
        state.ListDirty = true;
    }
};

} // namespace

class TestCategoryBar : public QObject {
    Q_OBJECT

private slots:
    void buttonsAsDesigned();
    void selectedPictureInsideItsFrame();
    void hoverOnlyOverUncoveredNormalPicture();
    void hoverMovesStraightFromButtonToButton();
    void hoverStaysUntilBackgroundMove();
    void pressesOnNormalAndSelectedPicturesDoNothing();
    void pressOnRegistrationPanelStaysThere();
    void everyButtonOfTheMouseSwitches_data();
    void everyButtonOfTheMouseSwitches();
    void startUpSelectsNothingUntilFirstPress();
    void switchWritesOldPageBeforeReadingNew();
    void pressingSelectedCaptionRewritesThenRereads();
    void nothingWrittenWithoutChangeOrEntries_data();
    void nothingWrittenWithoutChangeOrEntries();
    void registrationPageThenCategoryWritesNothing();
    void helpPageEmptiesListAndKeepsTheRest();
    void switchStopsTimerAndHidesEditors();
    void registrationPanelOverShownCategory();
    void registrationKeepsButtonSixMarked();
    void unreadableCategoryFile();
    void failedWriteBackKeepsThePage();
};

void TestCategoryBar::buttonsAsDesigned() {
    Bar b;
    QVERIFY(b.show());
    frmMain& w = *b.w;
    for (int i = 0; i < frmMain::ButtonCount; ++i) {
        const QRect button(8 + 96 * (i % 7), i < 7 ? 8 : 32, 88, 21);
        QCOMPARE(w.imgButtonOFF[i]->geometry(), button);
        QCOMPARE(w.imgButtonOver[i]->geometry(), button);
        QCOMPARE(w.imgButtonON[i]->geometry(), button);
        QCOMPARE(w.findChild<BarCaption*>(u"lblCaption_%1"_s.arg(i)), w.lblCaption[i]);
        QCOMPARE(w.lblCaption[i]->text(), CategoryTable::byIndex(i).caption);
        const QPoint offCentre = w.lblCaption[i]->geometry().center() - button.center();
        QVERIFY2(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 2, qPrintable(w.lblCaption[i]->text()));
        QCOMPARE(w.lblCaption[i]->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(!w.lblCaption[i]->autoFillBackground());

        // Caption above normal above hover above selected.
        const QObjectList stack = w.children();
        QVERIFY(stack.indexOf(w.lblCaption[i]) > stack.indexOf(w.imgButtonOFF[i]));
        QVERIFY(stack.indexOf(w.imgButtonOFF[i]) > stack.indexOf(w.imgButtonOver[i]));
        QVERIFY(stack.indexOf(w.imgButtonOver[i]) > stack.indexOf(w.imgButtonON[i]));

        for (QWidget* pointed : {static_cast<QWidget*>(w.lblCaption[i]), static_cast<QWidget*>(w.imgButtonOFF[i]),
                                 static_cast<QWidget*>(w.imgButtonOver[i])}) {
            QCOMPARE(pointed->cursor().shape(), Qt::BitmapCursor);
            QCOMPARE(pointed->cursor().hotSpot(), QPoint(13, 5));
        }
        QVERIFY(!w.imgButtonON[i]->testAttribute(Qt::WA_SetCursor));
        QCOMPARE(w.imgButtonON[i]->SelectedMark(), 0);
    }
    QCOMPARE(b.looks(), Bar::looksWith({}));
}

void TestCategoryBar::selectedPictureInsideItsFrame() {
    Bar b;
    QVERIFY(b.show());
    const QImage look = b.w->imgButtonON[0]->grab().toImage();
    QCOMPARE(look.size(), QSize(88, 21));
    const QColor frameTopLeft(0, 128, 128);
    const QColor frameBottomRight(255, 255, 255);
    const QColor pictureEdge(236, 129, 48);
    QCOMPARE(look.pixelColor(0, 0), frameTopLeft);
    QCOMPARE(look.pixelColor(87, 0), frameTopLeft);
    QCOMPARE(look.pixelColor(0, 20), frameTopLeft);
    QCOMPARE(look.pixelColor(87, 20), frameBottomRight);
    QCOMPARE(look.pixelColor(1, 20), frameBottomRight);
    QCOMPARE(look.pixelColor(87, 1), frameBottomRight);
    QCOMPARE(look.pixelColor(1, 1), pictureEdge);
    QCOMPARE(look.pixelColor(86, 19), pictureEdge);
}

void TestCategoryBar::hoverOnlyOverUncoveredNormalPicture() {
    Bar b;
    QVERIFY(b.show());
    b.w->SelectCategory(2);
    b.moveTo(b.caption(4));
    QCOMPARE(b.looks(), Bar::looksWith({{2, u"selected"_s}}));
    b.moveTo(b.pictureOnly(4));
    QCOMPARE(b.looks(), Bar::looksWith({{2, u"selected"_s}, {4, u"hover"_s}}));
    // Over the hover picture and back onto the caption the hover look stays.
    b.moveTo(b.pictureOnly(4) + QPoint(1, 1));
    b.moveTo(b.caption(4));
    QCOMPARE(b.looks(), Bar::looksWith({{2, u"selected"_s}, {4, u"hover"_s}}));
    // The selected picture handles no movement.
    b.moveTo(b.pictureOnly(2));
    QCOMPARE(b.looks(), Bar::looksWith({{2, u"selected"_s}, {4, u"hover"_s}}));
}

void TestCategoryBar::hoverMovesStraightFromButtonToButton() {
    Bar b;
    QVERIFY(b.show());
    // One movement from one normal picture onto another, with no move over the background between.
    b.moveTo(b.pictureOnly(0));
    QCOMPARE(b.looks(), Bar::looksWith({{0, u"hover"_s}}));
    b.moveTo(b.pictureOnly(8));
    QCOMPARE(b.looks(), Bar::looksWith({{8, u"hover"_s}}));
}

void TestCategoryBar::hoverStaysUntilBackgroundMove() {
    Bar b;
    QVERIFY(b.show());
    frmMain& w = *b.w;
    // Onto a control that is a window of its own, on each page: the look stays.
    for (const int page : {-1, 0, int(CategoryTable::RegistrationPage)}) {
        if (page >= 0)
            w.SelectCategory(page);
        b.moveTo(b.pictureOnly(5));
        b.moveTo(w.msgList->geometry().center());
        QCOMPARE(b.look(5), u"hover"_s);
        b.moveTo(Background);
        QCOMPARE(b.look(5), u"normal"_s);
    }
}

void TestCategoryBar::pressOnRegistrationPanelStaysThere() {
    Bar b;
    QVERIFY(b.show());
    frmMain& w = *b.w;
    w.SelectCategory(CategoryTable::RegistrationPage);
    const QPoint windowAt = w.pos();
    w.txtEdit->show();
    QTest::mousePress(b.window(), Qt::LeftButton, {}, w.fraRegister->geometry().center());
    QTest::mouseMove(b.window(), w.fraRegister->geometry().center() + QPoint(30, 30));
    QTest::mouseRelease(b.window(), Qt::LeftButton, {}, w.fraRegister->geometry().center() + QPoint(30, 30));
    QVERIFY(w.txtEdit->isVisible());
    QCOMPARE(w.pos(), windowAt);
}

void TestCategoryBar::pressesOnNormalAndSelectedPicturesDoNothing() {
    Bar b;
    QVERIFY(b.show());
    frmMain& w = *b.w;
    const QPoint windowAt = w.pos();
    // The pointer rests on button 5's normal picture: a move over the background elsewhere reset the look.
    b.moveTo(b.pictureOnly(5));
    w.ResetButtonLooks();
    w.txtEdit->show();
    b.press(b.pictureOnly(5));
    QVERIFY(!w.Browser->isHidden());
    QVERIFY(w.txtEdit->isVisible());
    QCOMPARE(w.pos(), windowAt);
    QCOMPARE(b.look(5), u"normal"_s);

    // The selected picture of button 2, beside its caption.
    b.press(b.caption(2));
    QCOMPARE(w.msgList->Rows(), 3);
    b.changeFirstName(u"changed"_s);
    w.txtEdit->show();
    b.press(b.pictureOnly(2), Qt::RightButton);
    b.press(b.pictureOnly(2));
    QVERIFY(w.txtEdit->isVisible());
    QCOMPARE(w.pos(), windowAt);
    QCOMPARE(w.msgList->listModel().TextMatrix(1, 0), u"changed"_s);
    QCOMPARE(b.readBytes(u"internet.csv"_s), CategoryFile::format(sampleEntries(2)));
}

void TestCategoryBar::everyButtonOfTheMouseSwitches_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("onCaption");
    for (const auto& [name, button] : {std::pair{"left", Qt::LeftButton}, std::pair{"right", Qt::RightButton},
                                       std::pair{"middle", Qt::MiddleButton}}) {
        QTest::addRow("%s on the caption", name) << button << true;
        QTest::addRow("%s on the hover picture", name) << button << false;
    }
}

void TestCategoryBar::everyButtonOfTheMouseSwitches() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, onCaption);
    Bar b;
    QVERIFY(b.show());
    const QPoint at = onCaption ? b.caption(3) : b.pictureOnly(3);
    b.moveTo(at);
    b.press(at, button);
    QCOMPARE(b.state.CurrentCategory, 3);
    QCOMPARE(b.state.CurrentCsvFile, u"game.csv"_s);
    QCOMPARE(b.w->msgList->Rows(), 2);
    QCOMPARE(b.kinds(), CategoryTable::byIndex(3).kinds);
    QVERIFY(b.w->Browser->isHidden());
    QCOMPARE(b.looks(), Bar::looksWith({{3, u"selected"_s}}));
}

void TestCategoryBar::startUpSelectsNothingUntilFirstPress() {
    Bar b;
    QVERIFY(b.show());
    QCOMPARE(b.state.CurrentCategory, 0);
    QCOMPARE(b.looks(), Bar::looksWith({}));
    QVERIFY(b.kinds().isEmpty());
    b.press(b.caption(0));
    QCOMPARE(b.looks(), Bar::looksWith({{0, u"selected"_s}}));
    QCOMPARE(b.w->imgButtonON[0]->SelectedMark(), 1);
    QCOMPARE(b.w->msgList->Rows(), 4);
    // The list shows the top of the category, its current cell the location of the last entry.
    QCOMPARE(b.w->msgList->Row(), 3);
    QCOMPARE(b.w->msgList->Col(), 3);
}

void TestCategoryBar::switchWritesOldPageBeforeReadingNew() {
    Bar b;
    QVERIFY(b.show());
    frmMain& w = *b.w;
    w.SelectCategory(0);
    b.changeFirstName(u"changed"_s);
    w.SelectCategory(2);
    QList<CatalogEntry> expected = sampleEntries(3);
    expected[0].EntryName = u"changed"_s;
    QCOMPARE(b.readBytes(u"document.csv"_s), CategoryFile::format(expected));
    QCOMPARE(w.msgList->listModel().entries(), sampleEntries(2));
    QCOMPARE(b.state.CurrentCsvFile, u"internet.csv"_s);
    QCOMPARE(b.kinds(), CategoryTable::byIndex(2).kinds);
    // Button 0 keeps the hover look until the pointer next crosses the background.
    QCOMPARE(b.looks(), Bar::looksWith({{0, u"hover"_s}, {2, u"selected"_s}}));
    b.moveTo(Background);
    QCOMPARE(b.looks(), Bar::looksWith({{2, u"selected"_s}}));
}

void TestCategoryBar::pressingSelectedCaptionRewritesThenRereads() {
    Bar b;
    QVERIFY(b.show());
    frmMain& w = *b.w;
    b.press(b.caption(0));
    // A field with a line break is stored as one line, so the list shows what the file now holds.
    b.changeFirstName(u"two\nlines"_s);
    b.press(b.caption(0));
    QList<CatalogEntry> expected = sampleEntries(3);
    expected[0].EntryName = u"two lines"_s;
    QCOMPARE(w.msgList->listModel().entries(), expected);
    QCOMPARE(b.readBytes(u"document.csv"_s), CategoryFile::format(expected));
    QCOMPARE(b.looks(), Bar::looksWith({{0, u"selected"_s}}));
    QCOMPARE(w.imgButtonON[0]->SelectedMark(), 1);
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
    // Line ends the writer would not produce show any rewrite.
    const QByteArray stored = "\"a\",\"b\",\"c\",\"d\"\n\"e\",\"f\",\"g\",\"h\"\n";
    b.writeBytes(u"document.csv"_s, stored);
    QVERIFY(b.show());
    b.w->SelectCategory(0);
    b.state.ListDirty = dirty;
    if (emptied)
        b.w->msgList->setRows(1);
    b.w->SelectCategory(3);
    QCOMPARE(b.readBytes(u"document.csv"_s), stored);
    QCOMPARE(b.state.CurrentCsvFile, u"game.csv"_s);
}

void TestCategoryBar::registrationPageThenCategoryWritesNothing() {
    Bar b;
    QVERIFY(b.show());
    frmMain& w = *b.w;
    w.SelectCategory(0);
    b.changeFirstName(u"changed"_s);
    w.SelectCategory(CategoryTable::RegistrationPage);
    QVERIFY(w.fraRegister->isVisible());
    QCOMPARE(w.msgList->Rows(), 1);
    QCOMPARE(b.state.CurrentCsvFile, u"document.csv"_s);
    QCOMPARE(b.state.CurrentCategory, 6);
    const QByteArray stored = b.readBytes(u"document.csv"_s);
    b.writeBytes(u"document.csv"_s, "sentinel");
    w.SelectCategory(2);
    QCOMPARE(b.readBytes(u"document.csv"_s), QByteArray("sentinel"));
    QVERIFY(stored.startsWith("\"changed\""));
    QVERIFY(w.fraRegister->isHidden());
}

void TestCategoryBar::helpPageEmptiesListAndKeepsTheRest() {
    Bar b;
    QVERIFY(b.show());
    frmMain& w = *b.w;
    w.SelectCategory(0);
    b.state.ListDirty = true;
    w.SelectCategory(CategoryTable::HelpPage);
    QCOMPARE(w.msgList->Rows(), 1);
    QCOMPARE(b.state.CurrentCsvFile, u"document.csv"_s);
    QCOMPARE(b.kinds(), CategoryTable::byIndex(0).kinds);
    QCOMPARE(b.state.CurrentCategory, 13);
    QVERIFY(w.Browser->isVisible());
    QCOMPARE(w.Browser->source(), QUrl::fromLocalFile(b.dir.filePath(u"ヘルプ.html"_s)));
    QVERIFY(w.Browser->toPlainText().contains(u"help"_s));
    b.writeBytes(u"document.csv"_s, "sentinel");
    w.SelectCategory(3);
    QCOMPARE(b.readBytes(u"document.csv"_s), QByteArray("sentinel"));
    QVERIFY(w.Browser->isHidden());
}

void TestCategoryBar::switchStopsTimerAndHidesEditors() {
    Bar b;
    QVERIFY(b.show());
    frmMain& w = *b.w;
    for (const int page : {0, CategoryTable::RegistrationPage, CategoryTable::HelpPage}) {
        w.Timer->start();
        w.txtEdit->show();
        w.cboEdit->show();
        w.cboType->show();
        w.SelectCategory(page);
        QVERIFY(!w.Timer->isActive());
        QVERIFY(w.txtEdit->isHidden() && w.cboEdit->isHidden() && w.cboType->isHidden());
    }
}

void TestCategoryBar::registrationPanelOverShownCategory() {
    Bar b;
    QVERIFY(b.show());
    frmMain& w = *b.w;
    w.SelectCategory(0);
    b.state.ListDirty = true;
    w.Timer->start();
    w.ShowRegistrationPanel();
    QCOMPARE(w.msgList->Rows(), 4);
    QVERIFY(w.fraRegister->isVisible());
    // The confirmation waits beyond the panel's right edge: 480 + 9375 twips from the panel's left.
    QCOMPARE(w.lblRegister->x(), 657);
    QCOMPARE(b.looks(), Bar::looksWith({{0, u"hover"_s}, {6, u"selected"_s}}));
    QCOMPARE(w.imgButtonON[0]->SelectedMark(), 0);
    QCOMPARE(w.imgButtonON[6]->SelectedMark(), 1);
    QCOMPARE(b.state.CurrentCategory, 0);
    QVERIFY(w.Timer->isActive());
    QCOMPARE(b.readBytes(u"document.csv"_s), CategoryFile::format(sampleEntries(3)));
}

void TestCategoryBar::registrationKeepsButtonSixMarked() {
    Bar b;
    QVERIFY(b.show());
    frmMain& w = *b.w;
    w.SelectCategory(CategoryTable::RegistrationPage);
    // A registration to category 3 leaves the registration page shown.
    b.state.CurrentCategory = 3;
    w.SelectCategory(5);
    QCOMPARE(w.imgButtonON[6]->SelectedMark(), 1);
    b.moveTo(Background);
    QCOMPARE(b.looks(), Bar::looksWith({{5, u"selected"_s}, {6, u"hover"_s}}));
}

void TestCategoryBar::unreadableCategoryFile() {
    Bar b;
    QFile::remove(b.csvPath(u"game.csv"_s));
    // A folder in the file's place: it is there but cannot be read.
    QVERIFY(QDir(b.dir.path()).mkpath(u"CSV/game.csv"_s));
    QVERIFY(b.show());
    frmMain& w = *b.w;
    w.SelectCategory(0);
    b.changeFirstName(u"changed"_s);
    w.SelectCategory(3);
    QCOMPARE(b.messages.shown.size(), 1);
    QVERIFY(b.messages.shown.constFirst().contains(u"game.csv"_s));
    QVERIFY(b.readBytes(u"document.csv"_s).startsWith("\"changed\""));
    QCOMPARE(w.msgList->Rows(), 1);
    QVERIFY(b.state.CurrentCsvFile.isEmpty());
    QCOMPARE(b.state.CurrentCategory, 3);
    QCOMPARE(b.looks(), Bar::looksWith({{0, u"hover"_s}, {3, u"selected"_s}}));

    // Rows added to the empty list have no file to go to: neither the folder nor another file is touched.
    w.msgList->AddItem(u"new"_s);
    w.SelectCategory(2);
    QVERIFY(QFileInfo(b.csvPath(u"game.csv"_s)).isDir());
    QCOMPARE(b.readBytes(u"internet.csv"_s), CategoryFile::format(sampleEntries(2)));
}

void TestCategoryBar::failedWriteBackKeepsThePage() {
    Bar b;
    QVERIFY(b.show());
    frmMain& w = *b.w;
    w.SelectCategory(0);
    b.changeFirstName(u"changed"_s);
    QVERIFY(QFile::remove(b.csvPath(u"document.csv"_s)));
    QVERIFY(QDir(b.dir.path()).mkpath(u"CSV/document.csv"_s));
    w.SelectCategory(2);
    QCOMPARE(b.messages.shown.size(), 1);
    QVERIFY(b.messages.shown.constFirst().contains(u"document.csv"_s));
    QCOMPARE(w.msgList->Rows(), 4);
    QCOMPARE(w.msgList->listModel().TextMatrix(1, 0), u"changed"_s);
    QCOMPARE(b.state.CurrentCategory, 0);
    QCOMPARE(b.state.CurrentCsvFile, u"document.csv"_s);
    QCOMPARE(b.looks(), Bar::looksWith({{0, u"selected"_s}}));
    QVERIFY(w.msgList->isVisible());
}

QTEST_MAIN(TestCategoryBar)
#include "test_category_bar.moc"
