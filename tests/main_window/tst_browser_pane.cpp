// The browser pane: what it reads, and where its links go.

#include "main_window_fixture.h"

#include "browser_pane.h"
#include "category_table.h"
#include "url_recorder.h"

#include <QDesktopServices>
#include <QScopeGuard>
#include <QTextCursor>
#include <QtTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// Clicks the link whose text is text, as the user would.
bool clickLink(BrowserPane& pane, const QString& text) {
    const QTextCursor found = pane.document()->find(text);
    if (found.isNull())
        return false;
    QTextCursor inside(pane.document());
    inside.setPosition(found.selectionStart() + 1);
    const QPoint at = pane.cursorRect(inside).center();
    if (pane.anchorAt(at).isEmpty())
        return false;
    QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, at);
    return true;
}

} // namespace

class TestBrowserPane : public QObject {
    Q_OBJECT

private slots:
    void pagesThatCannotBeShownLeaveThePaneBlank();
    void picturesComeOnlyFromRegularFiles();
    void linksGoWhereTheirKindBelongs();
};

void TestBrowserPane::pagesThatCannotBeShownLeaveThePaneBlank() {
    MainWindowFixture f;
    // A FIFO never ends a read without a writer; the window opens all the same.
    QFile::remove(f.dir.filePath(u"welcome.html"_s));
    QCOMPARE(::mkfifo(QFile::encodeName(f.dir.filePath(u"welcome.html"_s)).constData(), 0600), 0);
    frmMain& w = f.open();
    QVERIFY(!w.Browser->isHidden());
    QVERIFY(w.Browser->toPlainText().isEmpty());

    w.SelectCategory(CategoryTable::HelpPage);
    QCOMPARE(w.Browser->toPlainText(), u"help"_s);
    // A device, and a file past the size the pane reads.
    QFile huge(f.dir.filePath(u"huge.html"_s));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(BrowserPane::MaxResourceSize + 1));
    huge.close();
    for (const QString& page : {u"/dev/zero"_s, huge.fileName()}) {
        w.Browser->Navigate(page);
        QVERIFY2(w.Browser->toPlainText().isEmpty(), qPrintable(page));
        w.Browser->Navigate(f.dir.filePath(u"ヘルプ.html"_s));
        QCOMPARE(w.Browser->toPlainText(), u"help"_s);
    }
    QVERIFY(f.messages.shown.isEmpty());
}

void TestBrowserPane::picturesComeOnlyFromRegularFiles() {
    MainWindowFixture f;
    const QByteArray picture = "GIF89a\x01\0\x01\0\0\0\0;";
    f.write(u"dot.gif"_s, picture);
    QVERIFY(QFile::link(u"/dev/zero"_s, f.dir.filePath(u"zero.gif"_s)));
    f.write(u"welcome.html"_s,
            "<p>welcome</p><img src=\"file:///dev/zero\"><img src=\"zero.gif\"><img src=\"dot.gif\">");
    QVERIFY(f.show());
    BrowserPane& pane = *f.w->Browser;
    pane.grab(); // lays the page out, pictures included
    QCOMPARE(pane.toPlainText().left(7), u"welcome"_s);
    QVERIFY(pane.loadResource(QTextDocument::ImageResource, QUrl(u"file:///dev/zero"_s)).toByteArray().isEmpty());
    QVERIFY(pane.loadResource(QTextDocument::ImageResource, QUrl(u"zero.gif"_s)).toByteArray().isEmpty());
    QCOMPARE(pane.loadResource(QTextDocument::ImageResource, QUrl(u"dot.gif"_s)).toByteArray(), picture);
}

void TestBrowserPane::linksGoWhereTheirKindBelongs() {
    MainWindowFixture f;
    f.write(u"other.html"_s, "<p>other</p>");
    f.write(u"welcome.html"_s, "<p><a href=\"http://example.com/a\">web</a></p>"
                               "<p><a href=\"HTTPS://example.com/b?c=d\">secure</a></p>"
                               "<p><a href=\"mailto:a@example.com?subject=Hi&amp;Attach=/etc/passwd&amp;"
                               "ATTACHMENT=%7E/.ssh/id_rsa&amp;%61ttach=x&amp;body=Yo\">mail</a></p>"
                               "<p><a href=\"javascript:alert(1)\">script</a></p>"
                               "<p><a href=\"data:text/html,boo\">inline</a></p>"
                               "<p><a href=\"ftp://example.com/f\">transfer</a></p>"
                               "<p><a href=\"other.html\">local</a></p>");
    UrlRecorder desktop;
    const QStringList schemes = {u"http"_s, u"https"_s, u"mailto"_s, u"javascript"_s, u"data"_s, u"ftp"_s, u"file"_s};
    for (const QString& scheme : schemes)
        QDesktopServices::setUrlHandler(scheme, &desktop, "open");
    const auto restore = qScopeGuard([&] {
        for (const QString& scheme : schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    });
    QVERIFY(f.show());
    BrowserPane& pane = *f.w->Browser;
    for (const QString& link : {u"web"_s, u"secure"_s, u"mail"_s, u"script"_s, u"inline"_s, u"transfer"_s})
        QVERIFY2(clickLink(pane, link), qPrintable(link));
    const QList<QUrl> expected = {QUrl(u"http://example.com/a"_s), QUrl(u"https://example.com/b?c=d"_s),
                                  QUrl(u"mailto:a@example.com?subject=Hi&body=Yo"_s)};
    QCOMPARE(desktop.opened, expected);

    QVERIFY(clickLink(pane, u"local"_s));
    QCOMPARE(pane.source(), QUrl::fromLocalFile(f.dir.filePath(u"other.html"_s)));
    QCOMPARE(pane.toPlainText(), u"other"_s);
    QCOMPARE(desktop.opened.size(), expected.size());
}

QTEST_MAIN(TestBrowserPane)
#include "tst_browser_pane.moc"
