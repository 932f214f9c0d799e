#include "busy_pointer.h"
#include "file_dialog.h"
#include "message_box.h"
#include "qt_translations.h"
#include "recording_message_box.h"
#include "scripted_file_dialog.h"
#include "shell_open.h"
#include "string_helpers.h"
#include "twips.h"
#include "url_recorder.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// A file of bytes that its owner may run.
bool writeExecutable(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
           file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

class TestRuntime : public QObject {
    Q_OBJECT

private slots:
    void inStr();
    void like_data();
    void like();
    void twips();
    void dialogFilters();
    void scriptedDialogAnswersInOrderThenCancels();
    void busyPointerIsOneLevel();
    void shellOpenStartsAProgramWithoutAShell();
    void shellOpenReportsWhatCannotBeOpened();
    void standardButtonsSpeakJapanese();
};

void TestRuntime::inStr() {
    QCOMPARE(Strings::InStr(u"C:\\a.exe"_s, u".exe"_s), 5);
    QCOMPARE(Strings::InStr(u"C:\\a.EXE"_s, u".exe"_s), 0);
    QCOMPARE(Strings::InStr(u"abc"_s, QString()), 1);
    QCOMPARE(Strings::InStr(QString(), u"a"_s), 0);
}

void TestRuntime::like_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("match");
    QTest::newRow("suffix") << u"/opt/app.exe"_s << u"*.exe"_s << true;
    QTest::newRow("case matters") << u"/opt/app.Exe"_s << u"*.exe"_s << false;
    QTest::newRow("exact suffix only") << u"/opt/app.exe.txt"_s << u"*.exe"_s << false;
    QTest::newRow("star matches nothing") << u".exe"_s << u"*.exe"_s << true;
    QTest::newRow("backtracking") << u"a.exe.exe"_s << u"*.exe"_s << true;
    QTest::newRow("inner star") << u"abXYcd"_s << u"ab*cd"_s << true;
    QTest::newRow("two stars") << u"xaybz"_s << u"*a*b*"_s << true;
    QTest::newRow("two stars, wrong order") << u"xbyaz"_s << u"*a*b"_s << false;
    QTest::newRow("no star") << u"abc"_s << u"abc"_s << true;
    QTest::newRow("other wildcards are literal") << u"a?c"_s << u"a?c"_s << true;
    QTest::newRow("other wildcards are literal 2") << u"abc"_s << u"a?c"_s << false;
    QTest::newRow("empty") << QString() << u"*"_s << true;
    QTest::newRow("empty against text") << QString() << u"a"_s << false;
    QTest::newRow("japanese") << u"ソフト.exe"_s << u"*.exe"_s << true;
}

void TestRuntime::like() {
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(bool, match);
    QCOMPARE(Strings::Like(text, pattern), match);
}

void TestRuntime::twips() {
    QCOMPARE(Twips::toPixels(480, 960, 9375, 5535), QRect(32, 64, 625, 369));
    QCOMPARE(Twips::toPixels(10305), 687);
    QCOMPARE(Twips::fromPixels(QPoint(2, 3)), QPoint(30, 45));
}

void TestRuntime::dialogFilters() {
    QCOMPARE(toQtNameFilters(u"実行ファイル（*.exe）|*.exe"_s), u"実行ファイル（*.exe） (*.exe)"_s);
    QCOMPARE(toQtNameFilters(u"A|*.a;*.b|B|*.c"_s), u"A (*.a *.b);;B (*.c)"_s);
}

void TestRuntime::scriptedDialogAnswersInOrderThenCancels() {
    ScriptedFileDialog dialog;
    dialog.answers = {u"/opt/a.exe"_s, std::nullopt};
    QCOMPARE(dialog.getOpenFileName(nullptr, u"F|*.exe"_s, QString()), std::optional(u"/opt/a.exe"_s));
    QCOMPARE(dialog.getOpenFileName(nullptr, u"F|*.exe"_s, u"/opt/a.exe"_s), std::optional<QString>());
    QCOMPARE(dialog.getOpenFileName(nullptr, u"F|*.exe"_s, QString()), std::optional<QString>());
    QCOMPARE(dialog.requests.size(), 3);
    QCOMPARE(dialog.requests[1].initialFileName, u"/opt/a.exe"_s);
}

void TestRuntime::busyPointerIsOneLevel() {
    BusyPointer::showBusy();
    BusyPointer::showBusy();
    QVERIFY(BusyPointer::isBusy());
    BusyPointer::showDefault();
    QVERIFY(!BusyPointer::isBusy());
}

void TestRuntime::shellOpenStartsAProgramWithoutAShell() {
    QTemporaryDir dir;
    // A name that a shell would split and run as two commands.
    const QString program = dir.filePath(u"my tool;touch injected"_s);
    const QString marker = dir.filePath(u"started"_s);
    QVERIFY(writeExecutable(program, "#!/bin/sh\necho \"$PWD\" > started\n"));

    RecordingMessageBox messages;
    DesktopShellOpen shell(messages);
    QVERIFY(shell.open(program, nullptr));
    QVERIFY(messages.shown.isEmpty());
    QTRY_VERIFY(QFile::exists(marker));
    QTRY_VERIFY(QFileInfo(marker).size() > 0);
    QVERIFY(!QFile::exists(dir.filePath(u"injected"_s)));
    QFile started(marker);
    QVERIFY(started.open(QIODevice::ReadOnly));
    QCOMPARE(started.readAll().trimmed(), QFileInfo(dir.path()).canonicalFilePath().toUtf8());
}

void TestRuntime::shellOpenReportsWhatCannotBeOpened() {
    QTemporaryDir dir;
    // Marked executable, but no program the system can start.
    const QString notAProgram = dir.filePath(u"broken.exe"_s);
    QVERIFY(writeExecutable(notAProgram, "not a program\n"));
    // A folder goes to the desktop, which here records it.
    UrlRecorder desktop;
    QDesktopServices::setUrlHandler(u"file"_s, &desktop, "open");
    const auto restore = qScopeGuard([] { QDesktopServices::unsetUrlHandler(u"file"_s); });

    RecordingMessageBox messages;
    DesktopShellOpen shell(messages);
    QVERIFY(!shell.open(QString(), nullptr));
    QVERIFY(!shell.open(u"/nonexistent/velmora/my app #1.exe"_s, nullptr));
    QVERIFY(!shell.open(notAProgram, nullptr));
    QVERIFY(shell.open(dir.path() + u"/"_s, nullptr));

    const QStringList expected = {u"場所が入力されていないか、フォルダを含んでいないため、開けませんでした。"_s,
                                  u"「/nonexistent/velmora/my app #1.exe」が見つかりませんでした。"_s,
                                  u"「%1」を開けませんでした。"_s.arg(notAProgram)};
    QCOMPARE(messages.shown, expected);
    QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(dir.path() + u"/"_s)});
}

void TestRuntime::standardButtonsSpeakJapanese() {
    QVERIFY(installQtTranslations());
    QDialogButtonBox buttons(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Open)->text(), u"開く"_s);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), u"キャンセル"_s);
}

QTEST_MAIN(TestRuntime)
#include "tst_runtime.moc"
