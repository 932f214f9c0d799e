#include "frm_pop_up.h"
#include "pending_events.h"
#include "popup_instance.h"
#include "velmora_assets.h"

#include <QEventLoop>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// The highlighted item, top to bottom 0 to 4, or -1 for none; -2 when more than one shows (never allowed).
int lit(const frmPopUp& form) {
    const SkinLabel* items[] = {form.lblBoot, form.lblEdit, form.lblDelete, form.lblOpen, form.lblRegister};
    int found = -1;
    for (int i = 0; i < 5; ++i) {
        if (items[i]->BackStyle() == SkinLabel::Opaque)
            found = found == -1 && items[i]->BackColor() == QColor(192, 255, 255) ? i : -2;
    }
    return found;
}

using Path = QList<std::pair<QPoint, int>>; // where the pointer goes, and what is lit once it is there

} // namespace

class TestFrmPopUp : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithItsCornerAtThePoint_data();
    void opensWithItsCornerAtThePoint();
    void highlightFollowsThePointer_data();
    void highlightFollowsThePointer();
    void reopeningStartsPlain();
    void closesOnce();
    void commandRunsToItsEndWhenTheFocusGoes_data();
    void commandRunsToItsEndWhenTheFocusGoes();

private:
    // Opens the popup at a pixel point of the screen, as the list's right click does, and waits until it is active.
    frmPopUp* open(QPoint screenPixels);

    PopupInstance* m_popup = nullptr;
    QWidget* m_other = nullptr; // another window of the program, to take the focus
};

void TestFrmPopUp::init() {
    m_popup = new PopupInstance;
    m_other = new QWidget;
    m_other->setGeometry(600, 400, 200, 100);
    m_other->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_other));
}

void TestFrmPopUp::cleanup() {
    delete m_popup;
    delete m_other;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmPopUp* TestFrmPopUp::open(QPoint screenPixels) {
    m_popup->Move(screenPixels.x() * 15, screenPixels.y() * 15);
    m_popup->Show();
    frmPopUp* form = m_popup->Form();
    return QTest::qWaitForWindowActive(form) ? form : nullptr;
}

void TestFrmPopUp::opensWithItsCornerAtThePoint_data() {
    QTest::addColumn<QPoint>("fromBottomRight"); // null: a point well inside the screen
    QTest::newRow("inside the screen") << QPoint();
    QTest::newRow("near the bottom-right corner") << QPoint(10, 10);
}

void TestFrmPopUp::opensWithItsCornerAtThePoint() {
    QFETCH(QPoint, fromBottomRight);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint point = fromBottomRight.isNull() ? QPoint(100, 200) : screen.bottomRight() - fromBottomRight;

    frmPopUp* form = open(point);
    QVERIFY(form);
    QCOMPARE(form->frameGeometry(), QRect(point, QSize(126, 113)));
    QCOMPARE(lit(*form), -1);
    QVERIFY(!form->txtSearch->isVisible());
    // The skin unscaled: its bevel, and the background beside a caption and between the items.
    const QImage shown = form->grab().toImage();
    const QImage skin = Assets::image(Assets::PopupSkin);
    for (const QPoint at : {QPoint(0, 0), QPoint(125, 112), QPoint(110, 10), QPoint(60, 104), QPoint(60, 45)})
        QCOMPARE(shown.pixelColor(at), skin.pixelColor(at));

    // While it is open, the same window moves.
    m_popup->Move(50 * 15, 60 * 15);
    QCOMPARE(m_popup->Form(), form);
    QCOMPARE(form->pos(), QPoint(50, 60));
}

void TestFrmPopUp::highlightFollowsThePointer_data() {
    QTest::addColumn<QPoint>("press"); // null: no button held
    QTest::addColumn<Path>("path");

    const Path acrossTheGap{{{40, 38}, 1}, {{60, 38}, 1}, {{40, 44}, -1}, {{40, 47}, -1}, {{40, 48}, 2}};
    const Path overTheBackground{{{40, 14}, 0}, {{60, 24}, -1},  {{40, 70}, 3},   {{120, 80}, -1},
                                 {{40, 94}, 4}, {{1, 1}, -1},    {{40, 54}, 2},   {{124, 111}, -1},
                                 {{41, 54}, 2}, {{117, 50}, -1}, {{40, 100}, -1}, {{118, 92}, -1}};
    const Path outOfTheWindow{{{40, 54}, 2}, {{300, 50}, 2}, {{-40, 66}, 2}};

    QTest::newRow("onto an item and across the gap") << QPoint() << acrossTheGap;
    QTest::newRow("across the gap, pressed on an item") << QPoint(40, 14) << acrossTheGap;
    QTest::newRow("separators, bevel and background") << QPoint() << overTheBackground;
    QTest::newRow("over the background, pressed on it") << QPoint(3, 3) << overTheBackground;
    QTest::newRow("leaving the window keeps the item lit") << QPoint() << outOfTheWindow;
    QTest::newRow("leaving the window, pressed on an item") << QPoint(40, 70) << outOfTheWindow;
}

void TestFrmPopUp::highlightFollowsThePointer() {
    QFETCH(QPoint, press);
    QFETCH(Path, path);
    frmPopUp* form = open({100, 100});
    QVERIFY(form);
    // While a button is held the moves stay with the widget pressed, so they go through the window as is.
    QWindow* window = form->windowHandle();
    if (!press.isNull())
        QTest::mousePress(window, Qt::LeftButton, {}, press);

    for (const auto& [at, expected] : path) {
        if (press.isNull()) {
            QTest::mouseMove(form, at);
        } else {
            if (at.x() >= form->width() || at.y() >= form->height())
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("outside target window")));
            QTest::mouseMove(window, at);
        }
        QVERIFY2(lit(*form) == expected,
                 qPrintable(QStringLiteral("at %1,%2: %3").arg(at.x()).arg(at.y()).arg(lit(*form))));
    }
    if (!press.isNull())
        QTest::mouseRelease(window, Qt::LeftButton, {}, path.last().first);
}

void TestFrmPopUp::reopeningStartsPlain() {
    const QPointer<frmPopUp> first = open({100, 100});
    QVERIFY(first);
    first->txtSearch->setText(QStringLiteral("C:\\Tools\\"));
    QTest::mouseMove(first, first->lblRegister->geometry().center());
    QCOMPARE(lit(*first), 4);

    m_popup->Unload();
    QVERIFY(!m_popup->Form());
    QTRY_VERIFY(first.isNull());

    frmPopUp* second = open({300, 200});
    QVERIFY(second);
    QCOMPARE(lit(*second), -1);
    QCOMPARE(second->lblRegister->BackColor(), second->lblRegister->palette().color(QPalette::Button));
    QCOMPARE(second->txtSearch->text(), QStringLiteral("Text1"));
}

void TestFrmPopUp::closesOnce() {
    QPointer<frmPopUp> form = open({100, 100});
    QVERIFY(form);
    QSignalSpy destroyed(form.data(), &QObject::destroyed);
    m_other->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_other));
    QVERIFY(!m_popup->Form());
    QTRY_VERIFY(form.isNull());
    QCOMPARE(destroyed.count(), 1);

    // A close of its own and a focus loss arriving together, then one more of each.
    form = open({120, 140});
    QVERIFY(form);
    QSignalSpy destroyedAgain(form.data(), &QObject::destroyed);
    form->Unload();
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(form, &deactivate);
    form->Unload();
    m_popup->Unload();
    QVERIFY(form->isHidden());
    QTRY_VERIFY(form.isNull());
    QCOMPARE(destroyedAgain.count(), 1);
}

void TestFrmPopUp::commandRunsToItsEndWhenTheFocusGoes_data() {
    QTest::addColumn<bool>("closesFirst"); // its own closing step comes before the focus loss
    QTest::addColumn<bool>("modalLoop");   // the focus goes while a message box runs its own loop

    QTest::newRow("focus loss while pending events run") << false << false;
    QTest::newRow("focus loss under a message box") << false << true;
    QTest::newRow("own close, then the focus loss") << true << false;
}

void TestFrmPopUp::commandRunsToItsEndWhenTheFocusGoes() {
    QFETCH(bool, closesFirst);
    QFETCH(bool, modalLoop);
    QPointer<frmPopUp> form;
    QStringList seen;
    connect(m_popup, &PopupInstance::Created, this, [&](frmPopUp* created) {
        created->OnClick(created->lblOpen, [&, created] {
            // Like the folder command: the window may be closed under it, yet its text buffer must keep working.
            if (closesFirst)
                created->Unload();
            m_other->activateWindow();
            if (modalLoop) {
                QEventLoop loop;
                QTimer::singleShot(20, &loop, &QEventLoop::quit);
                loop.exec();
            }
            for (int i = 0; i < 3; ++i) {
                DoEvents();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
            seen << (created->isHidden() ? "hidden" : "shown");
            created->txtSearch->setText(QStringLiteral("C:\\Tools\\tool.exe"));
            created->txtSearch->setSelection(0, 3);
            seen << created->txtSearch->selectedText();
            created->txtSearch->insert(QString());
            seen << created->txtSearch->text();
            created->Unload();
        });
    });

    form = open({100, 100});
    QVERIFY(form);
    QSignalSpy destroyed(form.data(), &QObject::destroyed);
    QTest::mouseClick(form->lblOpen, Qt::LeftButton);

    QCOMPARE(seen, QStringList({"hidden", "C:\\", "Tools\\tool.exe"}));
    QVERIFY(!m_popup->Form());
    QTRY_VERIFY(form.isNull());
    QCOMPARE(destroyed.count(), 1);
}

QTEST_MAIN(TestFrmPopUp)
#include "tst_frm_pop_up.moc"
