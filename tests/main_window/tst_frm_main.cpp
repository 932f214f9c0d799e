// The main window's start-up, background presses, power switch, shut-down and browser pane.

#include "main_window_fixture.h"

#include "browser_pane.h"
#include "list_grid.h"
#include "list_grid_model.h"
#include "picture_box.h"
#include "termination_requests.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QProcess>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// A point of the bottom band, clear of every control.
constexpr QPoint Background(10, 460);
constexpr QPoint Lamp(608, 455);
constexpr QPoint Switch(644, 456);

bool editorsHidden(const frmMain& w) {
    return w.txtEdit->isHidden() && w.cboEdit->isHidden() && w.cboType->isHidden();
}

// Whether process pid has a handler of its own for signal.
bool catches(qint64 pid, int signal) {
    QFile status(u"/proc/%1/status"_s.arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.sliced(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    }
    return false;
}

// Another top-level window of the program, such as the popup; it records being asked to close.
class OtherWindow : public QWidget {
public:
    bool asked = false;

protected:
    void closeEvent(QCloseEvent*) override { asked = true; }
};

} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT

private slots:
    void startUpShowsWelcomeOverHeaderRow();
    void pressesOnBackgroundAndLamp_data();
    void pressesOnBackgroundAndLamp();
    void powerSwitch();
    void shutDownWritesUnderGuard_data();
    void shutDownWritesUnderGuard();
    void shutDownEndsProgramWithoutAskingOtherWindows();
    void terminationSignalsCloseTheWindow_data();
    void terminationSignalsCloseTheWindow();
    void programEndsThroughItsCloseOnSigterm();
};

void TestFrmMain::startUpShowsWelcomeOverHeaderRow() {
    MainWindowFixture f;
    f.write(u"CSV/document.csv"_s, fileOf(sampleEntries(2)));
    frmMain& w = f.open();
    QCOMPARE(w.Browser->geometry(), w.msgList->geometry());
    // The panel above the pane above the list, the editors above all three.
    const QObjectList stack = w.children();
    QVERIFY(stack.indexOf(w.msgList) < stack.indexOf(w.Browser));
    QVERIFY(stack.indexOf(w.Browser) < stack.indexOf(w.fraRegister));
    QVERIFY(stack.indexOf(w.fraRegister) < stack.indexOf(w.cboEdit));

    const ListGridModel& list = w.msgList->listModel();
    const QStringList headers = {u"ソフト名"_s, u"種\u3000\u3000類"_s, u"種\u3000\u3000別"_s, u"場\u3000\u3000所"_s};
    for (int col = 0; col < 4; ++col) {
        QCOMPARE(list.TextMatrix(0, col), headers[col]);
        QCOMPARE(list.alignmentOf(0, col), ListGridModel::AlignCenterCenter);
    }
    // Of the entries, only kinds and types are centred.
    w.msgList->AddItem(u"x"_s);
    QCOMPARE(list.alignmentOf(1, 0), ListGridModel::AlignGeneral);
    QCOMPARE(list.alignmentOf(1, 1), ListGridModel::AlignCenterCenter);
    QCOMPARE(list.alignmentOf(1, 2), ListGridModel::AlignCenterCenter);
    QCOMPARE(list.alignmentOf(1, 3), ListGridModel::AlignGeneral);
    w.msgList->setRows(1);
    QCOMPARE(w.msgList->Row(), 0);
    QCOMPARE(w.msgList->Col(), 3);

    QVERIFY(!w.Browser->isHidden());
    QCOMPARE(w.Browser->source(), QUrl::fromLocalFile(f.dir.filePath(u"welcome.html"_s)));
    QVERIFY(w.fraRegister->isHidden());
    QVERIFY(editorsHidden(w));
    QCOMPARE(w.focusWidget(), w.msgList);
    QVERIFY(f.state.CurrentCsvFile.isEmpty());
    QVERIFY(!f.state.ListDirty);
}

void TestFrmMain::pressesOnBackgroundAndLamp_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("drags");
    QTest::newRow("left, bottom band") << Qt::LeftButton << Background << true;
    QTest::newRow("left, on the outline") << Qt::LeftButton << QPoint(1, 1) << true;
    QTest::newRow("right, bottom band") << Qt::RightButton << Background << false;
    QTest::newRow("middle, bottom band") << Qt::MiddleButton << Background << false;
    QTest::newRow("left, lamp") << Qt::LeftButton << Lamp << false;
    QTest::newRow("right, lamp") << Qt::RightButton << Lamp << false;
}

void TestFrmMain::pressesOnBackgroundAndLamp() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, at);
    QFETCH(bool, drags);
    MainWindowFixture f;
    QVERIFY(f.show());
    frmMain& w = *f.w;
    w.txtEdit->setText(u"edited"_s);
    for (QWidget* editor : std::initializer_list<QWidget*>{w.txtEdit, w.cboEdit, w.cboType})
        editor->show();
    const QPoint before = w.pos();
    QTest::mousePress(f.window(), button, {}, at);
    QVERIFY(editorsHidden(w));
    QTest::mouseMove(f.window(), at + QPoint(20, 10));
    QCOMPARE(w.pos(), drags ? before + QPoint(20, 10) : before);
    QTest::mouseRelease(f.window(), button, {}, at + QPoint(20, 10));
    QCOMPARE(w.txtEdit->text(), u"edited"_s);
    QVERIFY(w.isVisible());
}

void TestFrmMain::powerSwitch() {
    MainWindowFixture f;
    f.state.ListDirty = true;
    f.state.CurrentCsvFile = u"game.csv"_s;
    QVERIFY(f.show());
    frmMain& w = *f.w;
    w.msgList->listModel().appendEntries(sampleEntries(1));
    w.Timer->start();

    // Released away from the switch, or a right click: pressed in while held, and the program goes on.
    QTest::mousePress(f.window(), Qt::LeftButton, {}, Switch);
    QCOMPARE(w.picSwitch->Appearance(), PictureBox::ThreeD);
    QTest::mouseRelease(f.window(), Qt::LeftButton, {}, Background);
    QCOMPARE(w.picSwitch->Appearance(), PictureBox::Flat);
    QTest::mouseClick(f.window(), Qt::RightButton, {}, Switch);
    QCOMPARE(w.picSwitch->Appearance(), PictureBox::Flat);
    QVERIFY(w.isVisible() && w.Timer->isActive());
    QVERIFY(!QFile::exists(f.dir.filePath(u"CSV/game.csv"_s)));

    QTest::mouseClick(f.window(), Qt::LeftButton, {}, Switch);
    QVERIFY(!w.isVisible());
    QVERIFY(!w.Timer->isActive());
    QCOMPARE(f.read(u"CSV/game.csv"_s), fileOf(sampleEntries(1)));
}

void TestFrmMain::shutDownWritesUnderGuard_data() {
    QTest::addColumn<bool>("dirty");
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("entries");
    QTest::addColumn<bool>("bySystem");
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("blocked");
    QTest::newRow("changed category") << true << 3 << 3 << false << true << false;
    QTest::newRow("changed category, closed by the system") << true << 3 << 3 << true << true << false;
    QTest::newRow("unchanged") << false << 3 << 3 << false << false << false;
    QTest::newRow("registration page") << true << 6 << 3 << true << false << false;
    QTest::newRow("no entry row") << true << 3 << 0 << false << false << false;
    // A folder in the file's place cannot be replaced: the message shows, and the program ends all the same.
    QTest::newRow("file cannot be replaced") << true << 3 << 3 << false << false << true;
}

void TestFrmMain::shutDownWritesUnderGuard() {
    QFETCH(bool, dirty);
    QFETCH(int, category);
    QFETCH(int, entries);
    QFETCH(bool, bySystem);
    QFETCH(bool, written);
    QFETCH(bool, blocked);
    MainWindowFixture f;
    const QByteArray before = "\"old\",\"\",\"\",\"\"\r\n";
    f.write(u"CSV/game.csv"_s, before);
    if (blocked)
        QVERIFY(f.replaceWithFolder(u"CSV/game.csv"_s));
    f.state.ListDirty = dirty;
    f.state.CurrentCategory = category;
    f.state.CurrentCsvFile = u"game.csv"_s;
    QVERIFY(f.show());
    f.w->msgList->listModel().appendEntries(sampleEntries(entries));
    if (bySystem)
        QVERIFY(f.window()->close());
    else
        QTest::mouseClick(f.window(), Qt::LeftButton, {}, Switch);
    QVERIFY(!f.w->isVisible());
    if (blocked)
        QVERIFY(f.reported(u"game.csv"_s));
    else
        QCOMPARE(f.read(u"CSV/game.csv"_s), written ? fileOf(sampleEntries(entries)) : before);
    QCOMPARE(f.messages.shown.size(), blocked ? 1 : 0);
}

void TestFrmMain::shutDownEndsProgramWithoutAskingOtherWindows() {
    MainWindowFixture f;
    QVERIFY(f.show());
    OtherWindow popup;
    popup.show();
    QTimer::singleShot(0, f.w.get(), [&f] { QTest::mouseClick(f.window(), Qt::LeftButton, {}, Switch); });
    QTimer::singleShot(5000, f.w.get(), [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!popup.asked);
}

void TestFrmMain::terminationSignalsCloseTheWindow_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGINT") << SIGINT;
}

void TestFrmMain::terminationSignalsCloseTheWindow() {
    QFETCH(int, signal);
    MainWindowFixture f;
    f.write(u"CSV/game.csv"_s, fileOf(sampleEntries(2)));
    QVERIFY(f.show());
    closeOnTerminationRequests(*f.w);
    f.w->SelectCategory(3);
    f.w->EditCurrentCell();
    f.w->txtEdit->setText(u"D:\\edited.exe"_s);
    QCOMPARE(::kill(::getpid(), signal), 0);
    QTRY_VERIFY(!f.w->isVisible());
    QList<CatalogEntry> expected = sampleEntries(2);
    expected[1].EntryLocation = u"D:\\edited.exe"_s;
    QCOMPARE(f.read(u"CSV/game.csv"_s), fileOf(expected));
}

void TestFrmMain::programEndsThroughItsCloseOnSigterm() {
    // The program in a program folder of its own: killed by the signal it would end with a crash, through its
    // close it ends normally, and the category it never changed keeps its bytes.
    QTemporaryDir dir;
    const QString program = dir.filePath(u"velmora"_s);
    QVERIFY(QFile::copy(QStringLiteral(VELMORA_EXECUTABLE), program));
    QVERIFY(QDir(dir.path()).mkpath(u"CSV"_s));
    const QByteArray game = "\"a\",\"b\",\"c\",\"d\"\n";
    QFile file(dir.filePath(u"CSV/game.csv"_s));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(game) == game.size());
    file.close();

    QProcess velmora;
    velmora.start(program, {});
    QVERIFY(velmora.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(catches(velmora.processId(), SIGTERM), 20000);
    QCOMPARE(::kill(static_cast<pid_t>(velmora.processId()), SIGTERM), 0);
    QVERIFY(velmora.waitForFinished(20000));
    QCOMPARE(velmora.exitStatus(), QProcess::NormalExit);
    QCOMPARE(velmora.exitCode(), 0);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), game);
}

QTEST_MAIN(TestFrmMain)
#include "tst_frm_main.moc"
