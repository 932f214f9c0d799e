// The main window's design, start-up, background presses, power switch and shut-down.

#include "main_window_fixture.h"

#include "browser_pane.h"
#include "list_grid.h"
#include "list_grid_model.h"
#include "open_file_dialog.h"
#include "picture_box.h"
#include "shape_outline.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QFrame>
#include <QLineEdit>
#include <QTimer>
#include <QWindow>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A point of the bottom band, clear of every control.
constexpr QPoint Background(10, 460);

void showEditors(frmMain& window) {
    window.txtEdit->show();
    window.cboEdit->show();
    window.cboType->show();
}

bool editorsHidden(const frmMain& window) {
    return window.txtEdit->isHidden() && window.cboEdit->isHidden() && window.cboType->isHidden();
}

QPoint centreOf(const QWidget* control) {
    return control->geometry().center();
}

// Stands in for the desktop's web browser.
class DesktopUrls : public QObject {
    Q_OBJECT

public slots:
    void openUrl(const QUrl& url) { opened.append(url); }

public:
    QList<QUrl> opened;
};

// Another top-level window of the program, such as the popup.
class ClosingWindow : public QWidget {
public:
    bool closeRequested = false;

protected:
    void closeEvent(QCloseEvent* event) override {
        closeRequested = true;
        QWidget::closeEvent(event);
    }
};

} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT

private slots:
    void designPositionsAndStacking();
    void startUpState();
    void startUpReadsNoCategory();
    void browserOpensLocalLinksInThePaneAndWebLinksOnTheDesktop();
    void backgroundAndLampHideEditors_data();
    void backgroundAndLampHideEditors();
    void onlyLeftDragOnBackgroundMovesWindow_data();
    void onlyLeftDragOnBackgroundMovesWindow();
    void switchLooksPressedWhileHeld();
    void shutDownWritesUnderGuard_data();
    void shutDownWritesUnderGuard();
    void systemCloseRunsTheSameShutDown();
    void failedWriteAtShutDownIsReported();
    void shutDownEndsProgramWithoutClosingOtherWindows();
    void fileDialogKeepsItsFileName();
};

void TestFrmMain::designPositionsAndStacking() {
    MainWindowFixture f;
    frmMain& w = f.open();
    QCOMPARE(w.size(), QSize(687, 477));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(w.windowTitle(), u"Velmora"_s);

    const QRect content(32, 64, 625, 369);
    QCOMPARE(w.msgList->geometry(), content);
    QCOMPARE(w.Browser->geometry(), content);
    QCOMPARE(w.fraRegister->geometry(), content);
    QCOMPARE(w.picSwitch->geometry(), QRect(624, 448, 41, 16));
    QCOMPARE(w.picLED->geometry(), QRect(600, 451, 17, 9));
    QCOMPARE(w.txtEdit->geometry(), QRect(312, 448, 97, 18));
    QCOMPARE(w.cboEdit->geometry(), QRect(88, 440, 81, 20));
    QCOMPARE(w.cboType->geometry(), QRect(176, 440, 89, 20));
    // The 3-px outline is centred on a rectangle 1 px inside the window, so it runs along the window's edges.
    QCOMPARE(w.Shape1->geometry(), QRect(0, 0, 687, 477));
    QVERIFY(w.Shape1->testAttribute(Qt::WA_TransparentForMouseEvents));

    // Top first, as the window stacks them.
    const QStringList topFirst = {u"txtEdit"_s,      u"cboType"_s,        u"cboEdit"_s,         u"fraRegister"_s,
                                  u"Browser"_s,      u"msgList"_s,        u"picSwitch"_s,       u"picLED"_s,
                                  u"lblCaption_0"_s, u"imgButtonOFF_0"_s, u"imgButtonOver_0"_s, u"imgButtonON_0"_s,
                                  u"Shape1"_s};
    const QObjectList stack = w.children();
    qsizetype above = stack.size();
    for (const QString& name : topFirst) {
        const qsizetype at = stack.indexOf(w.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly));
        QVERIFY2(at >= 0 && at < above, qPrintable(name));
        above = at;
    }

    QCOMPARE(w.Timer->interval(), 100);
    QVERIFY(!w.Timer->isActive());
    QCOMPARE(w.cboType->currentText(), u"フリーウェア"_s);
    QCOMPARE(w.cboType->count(), 3);
    QCOMPARE(w.msgList->font().family(), u"ＭＳ Ｐゴシック"_s);
    QCOMPARE(w.msgList->font().pointSize(), 9);
}

void TestFrmMain::startUpState() {
    MainWindowFixture f;
    frmMain& w = f.open();
    ListGrid& list = *w.msgList;
    QCOMPARE(list.Rows(), 1);
    const QStringList headers = {u"ソフト名"_s, u"種\u3000\u3000類"_s, u"種\u3000\u3000別"_s, u"場\u3000\u3000所"_s};
    const int widths[] = {133, 100, 100, 333};
    for (int col = 0; col < 4; ++col) {
        QCOMPARE(list.listModel().TextMatrix(0, col), headers[col]);
        QCOMPARE(list.columnWidth(col), widths[col]);
        QCOMPARE(list.listModel().alignmentOf(0, col), ListGridModel::AlignCenterCenter);
    }
    // Names and locations of entries keep the default alignment; kinds and types are centred.
    list.AddItem(u"x"_s);
    QCOMPARE(list.listModel().alignmentOf(1, 0), ListGridModel::AlignGeneral);
    QCOMPARE(list.listModel().alignmentOf(1, 1), ListGridModel::AlignCenterCenter);
    QCOMPARE(list.listModel().alignmentOf(1, 2), ListGridModel::AlignCenterCenter);
    QCOMPARE(list.listModel().alignmentOf(1, 3), ListGridModel::AlignGeneral);
    QCOMPARE(list.Row(), 0);
    QCOMPARE(list.Col(), 3);

    QVERIFY(!w.Browser->isHidden());
    QCOMPARE(w.Browser->source(), QUrl::fromLocalFile(f.dir.filePath(u"welcome.html"_s)));
    QVERIFY(w.fraRegister->isHidden());
    QVERIFY(editorsHidden(w));
    QCOMPARE(w.focusWidget(), w.msgList);
}

void TestFrmMain::startUpReadsNoCategory() {
    MainWindowFixture f;
    f.writeCategory(u"document.csv"_s, sampleEntries(2));
    frmMain& w = f.open();
    QCOMPARE(w.msgList->Rows(), 1);
    QVERIFY(f.state.CurrentCsvFile.isEmpty());
    QCOMPARE(f.state.CurrentCategory, 0);
    QVERIFY(!f.state.ListDirty);
    QVERIFY(f.messages.shown.isEmpty());
}

void TestFrmMain::browserOpensLocalLinksInThePaneAndWebLinksOnTheDesktop() {
    MainWindowFixture f;
    f.writePage(u"welcome.html"_s, R"(<html><body><a href="https://example.org/">web</a></body></html>)");
    f.writePage(u"second.html"_s, "<html><body>second</body></html>");
    DesktopUrls desktop;
    QDesktopServices::setUrlHandler(u"https"_s, &desktop, "openUrl");

    frmMain& w = f.open();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const auto followFirstLink = [&w] {
        w.Browser->setFocus();
        QTest::keyClick(w.Browser, Qt::Key_Tab);
        QTest::keyClick(w.Browser, Qt::Key_Return);
    };
    followFirstLink();
    QTRY_COMPARE(desktop.opened, QList<QUrl>{QUrl(u"https://example.org/"_s)});
    QCOMPARE(w.Browser->source(), QUrl::fromLocalFile(f.dir.filePath(u"welcome.html"_s)));

    f.writePage(u"welcome.html"_s, R"(<html><body><a href="second.html">next</a></body></html>)");
    w.Browser->Navigate(f.dir.filePath(u"welcome.html"_s));
    w.Browser->reload();
    followFirstLink();
    QTRY_COMPARE(w.Browser->source(), QUrl::fromLocalFile(f.dir.filePath(u"second.html"_s)));
    QVERIFY(w.Browser->toPlainText().contains(u"second"_s));
    QCOMPARE(desktop.opened.size(), 1);
    QDesktopServices::unsetUrlHandler(u"https"_s);
}

void TestFrmMain::backgroundAndLampHideEditors_data() {
    QTest::addColumn<bool>("onLamp");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("background, left") << false << Qt::LeftButton;
    QTest::newRow("background, right") << false << Qt::RightButton;
    QTest::newRow("background, middle") << false << Qt::MiddleButton;
    QTest::newRow("lamp, left") << true << Qt::LeftButton;
    QTest::newRow("lamp, right") << true << Qt::RightButton;
}

void TestFrmMain::backgroundAndLampHideEditors() {
    QFETCH(bool, onLamp);
    QFETCH(Qt::MouseButton, button);
    MainWindowFixture f;
    frmMain& w = f.open();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    showEditors(w);
    w.txtEdit->setText(u"edited"_s);
    const QPoint at = onLamp ? centreOf(w.picLED) : Background;
    QTest::mousePress(w.windowHandle(), button, {}, at);
    QVERIFY(editorsHidden(w));
    QTest::mouseRelease(w.windowHandle(), button, {}, at);
    QCOMPARE(w.txtEdit->text(), u"edited"_s);
    QVERIFY(w.isVisible());
}

void TestFrmMain::onlyLeftDragOnBackgroundMovesWindow_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("pressAt");
    QTest::addColumn<bool>("moves");
    QTest::newRow("left on the bottom band") << Qt::LeftButton << Background << true;
    QTest::newRow("left on the outline") << Qt::LeftButton << QPoint(1, 1) << true;
    QTest::newRow("right") << Qt::RightButton << Background << false;
    QTest::newRow("middle") << Qt::MiddleButton << Background << false;
    QTest::newRow("left on the lamp") << Qt::LeftButton << QPoint(608, 455) << false;
}

void TestFrmMain::onlyLeftDragOnBackgroundMovesWindow() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, pressAt);
    QFETCH(bool, moves);
    MainWindowFixture f;
    frmMain& w = f.open();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QPoint before = w.pos();
    QTest::mousePress(w.windowHandle(), button, {}, pressAt);
    QTest::mouseMove(w.windowHandle(), pressAt + QPoint(20, 10));
    QCOMPARE(w.pos(), moves ? before + QPoint(20, 10) : before);
    QTest::mouseRelease(w.windowHandle(), button, {}, pressAt + QPoint(20, 10));
}

void TestFrmMain::switchLooksPressedWhileHeld() {
    MainWindowFixture f;
    f.state.ListDirty = true;
    f.state.CurrentCsvFile = u"game.csv"_s;
    f.state.CurrentCategory = 3;
    frmMain& w = f.open();
    w.msgList->listModel().appendEntries(sampleEntries(1));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.Timer->start();

    // Released away from the switch: the look comes back and the program goes on.
    QTest::mousePress(w.windowHandle(), Qt::LeftButton, {}, centreOf(w.picSwitch));
    QCOMPARE(w.picSwitch->Appearance(), PictureBox::ThreeD);
    QTest::mouseRelease(w.windowHandle(), Qt::LeftButton, {}, Background);
    QCOMPARE(w.picSwitch->Appearance(), PictureBox::Flat);
    QVERIFY(w.isVisible());
    QVERIFY(w.Timer->isActive());
    QVERIFY(!QFile::exists(f.csvPath(u"game.csv"_s)));

    // A right click presses the switch in and out but does not close.
    QTest::mouseClick(w.windowHandle(), Qt::RightButton, {}, centreOf(w.picSwitch));
    QCOMPARE(w.picSwitch->Appearance(), PictureBox::Flat);
    QVERIFY(w.isVisible());

    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, centreOf(w.picSwitch));
    QVERIFY(!w.isVisible());
    QVERIFY(!w.Timer->isActive());
    QCOMPARE(f.readBytes(u"game.csv"_s), CategoryFile::format(sampleEntries(1)));
}

void TestFrmMain::shutDownWritesUnderGuard_data() {
    QTest::addColumn<bool>("dirty");
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("entries");
    QTest::addColumn<bool>("written");
    QTest::newRow("changed category") << true << 3 << 3 << true;
    QTest::newRow("unchanged") << false << 3 << 3 << false;
    QTest::newRow("registration page") << true << 6 << 3 << false;
    QTest::newRow("no entry row") << true << 3 << 0 << false;
}

void TestFrmMain::shutDownWritesUnderGuard() {
    QFETCH(bool, dirty);
    QFETCH(int, category);
    QFETCH(int, entries);
    QFETCH(bool, written);
    MainWindowFixture f;
    const QByteArray before = "\"old\",\"\",\"\",\"\"\r\n";
    f.writeBytes(u"game.csv"_s, before);
    f.state.ListDirty = dirty;
    f.state.CurrentCategory = category;
    f.state.CurrentCsvFile = u"game.csv"_s;
    frmMain& w = f.open();
    w.msgList->listModel().appendEntries(sampleEntries(entries));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, centreOf(w.picSwitch));
    QVERIFY(!w.isVisible());
    QCOMPARE(f.readBytes(u"game.csv"_s), written ? CategoryFile::format(sampleEntries(entries)) : before);
    QVERIFY(f.messages.shown.isEmpty());
}

void TestFrmMain::systemCloseRunsTheSameShutDown() {
    MainWindowFixture f;
    f.state.ListDirty = true;
    f.state.CurrentCategory = 0;
    f.state.CurrentCsvFile = u"document.csv"_s;
    frmMain& w = f.open();
    w.msgList->listModel().appendEntries(sampleEntries(2));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.windowHandle()->close());
    QVERIFY(!w.isVisible());
    QCOMPARE(f.readBytes(u"document.csv"_s), CategoryFile::format(sampleEntries(2)));
    // A second close writes nothing more.
    f.writeBytes(u"document.csv"_s, {});
    w.close();
    QVERIFY(f.readBytes(u"document.csv"_s).isEmpty());
}

void TestFrmMain::failedWriteAtShutDownIsReported() {
    MainWindowFixture f;
    // A folder where the file should be: it cannot be replaced.
    QVERIFY(QDir(f.dir.path()).mkpath(u"CSV/game.csv"_s));
    f.state.ListDirty = true;
    f.state.CurrentCategory = 3;
    f.state.CurrentCsvFile = u"game.csv"_s;
    frmMain& w = f.open();
    w.msgList->listModel().appendEntries(sampleEntries(1));
    w.close();
    QCOMPARE(f.messages.shown.size(), 1);
    QVERIFY(f.messages.shown.constFirst().contains(u"game.csv"_s));
}

void TestFrmMain::shutDownEndsProgramWithoutClosingOtherWindows() {
    MainWindowFixture f;
    frmMain& w = f.open();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    ClosingWindow popup;
    popup.show();
    QTimer::singleShot(0, &w, [&w] { QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, centreOf(w.picSwitch)); });
    QTimer::singleShot(5000, &w, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!popup.closeRequested);
}

void TestFrmMain::fileDialogKeepsItsFileName() {
    MainWindowFixture f;
    frmMain& w = f.open();
    f.dialog.answers = {u"/opt/app/tool.exe"_s, std::nullopt, QString(261, u'a')};
    QVERIFY(w.Dialog->ShowOpen());
    QCOMPARE(w.Dialog->FileName, u"/opt/app/tool.exe"_s);
    // A cancel, and a name longer than the dialog takes, leave the name as it was.
    QVERIFY(!w.Dialog->ShowOpen());
    QVERIFY(!w.Dialog->ShowOpen());
    QCOMPARE(w.Dialog->FileName, u"/opt/app/tool.exe"_s);
    QCOMPARE(f.dialog.requests.size(), 3);
    QCOMPARE(f.dialog.requests.at(1).filter, u"実行ファイル（*.exe）|*.exe"_s);
    QCOMPARE(f.dialog.requests.at(1).initialFileName, u"/opt/app/tool.exe"_s);
}

QTEST_MAIN(TestFrmMain)
#include "test_frm_main.moc"
