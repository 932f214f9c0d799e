// The registration panel: the check of its boxes, what a registration writes and leaves behind, the scrolling
// confirmation and the sphere's looks.

#include "main_window_fixture.h"

#include "busy_pointer.h"
#include "category_table.h"
#include "image_control.h"
#include "list_grid.h"
#include "list_grid_model.h"
#include "skin_label.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString Game = u"CSV/game.csv"_s;
const QString Location = u"/opt/games/x.exe"_s;

struct Panel : MainWindowFixture {
    Panel() { write(Game, fileOf(sampleEntries(2))); }

    RegisterPanel& p() const { return *w->fraRegister; }

    // Opens the window on the registration page.
    bool showPage() {
        if (!show())
            return false;
        w->SelectCategory(CategoryTable::RegistrationPage);
        return p().isVisible();
    }
    // A choice of the user in the category box.
    void choose(const QString& caption) const {
        const int index = p().cboItamize->findText(caption);
        p().cboItamize->setCurrentIndex(index);
        emit p().cboItamize->activated(index);
    }
    void fill(const QString& category, const QString& name, const QString& kind, const QString& location) const {
        if (!category.isEmpty())
            choose(category);
        p().cboREdit->setEditText(kind);
        p().txtSoftName->setText(name);
        p().txtSoftLocation->setText(location);
    }

    QPoint centreOf(const QWidget* control) const { return control->mapTo(w.get(), control->rect().center()); }
    // A move to where the pointer already is would not be reported, so it comes from one pixel beside.
    void moveOver(const QWidget* control) const {
        QTest::mouseMove(window(), centreOf(control) + QPoint(1, 0));
        QTest::mouseMove(window(), centreOf(control));
    }
    void moveTo(QPoint at) const { QTest::mouseMove(window(), at); }
    // The user's way to OK: over the sphere, which lights up, and a click on it.
    void clickOK() const {
        moveOver(p().imgOK);
        QTest::mouseClick(window(), Qt::LeftButton, {}, centreOf(p().imgOK));
    }
    void tick(int count = 1) const {
        for (int i = 0; i < count; ++i)
            QMetaObject::invokeMethod(w->Timer, "timeout");
    }
};

CatalogEntry newEntry() {
    return {u"X"_s, u"パズル"_s, u"フリーウェア"_s, Location};
}

} // namespace

class TestRegistrationPanel : public QObject {
    Q_OBJECT

private slots:
    void everyBoxButTheTypeMustBeFilled_data();
    void everyBoxButTheTypeMustBeFilled();
    void registrationAppendsToTheCategoryFile();
    void unreadableTargetFileIsLeftUntouched();
    void failedWriteBackTakesTheNewRowOut();
    void comboListsOpenOnTheFirstClickInTheInputLook();
    void marqueeEntersAndWraps();
    void sphereLightsUnderThePointer();
};

void TestRegistrationPanel::everyBoxButTheTypeMustBeFilled_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("location");
    QTest::addColumn<bool>("registers");
    QTest::newRow("no category") << QString() << u"X"_s << u"パズル"_s << Location << false;
    QTest::newRow("no name") << u"ゲーム"_s << QString() << u"パズル"_s << Location << false;
    QTest::newRow("no kind") << u"ゲーム"_s << u"X"_s << QString() << Location << false;
    QTest::newRow("no location") << u"ゲーム"_s << u"X"_s << u"パズル"_s << QString() << false;
    QTest::newRow("blanks are filled") << u"ゲーム"_s << u" "_s << u"パズル"_s << u"\u3000"_s << true;
}

void TestRegistrationPanel::everyBoxButTheTypeMustBeFilled() {
    QFETCH(QString, category);
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, location);
    QFETCH(bool, registers);
    Panel f;
    QVERIFY(f.showPage());
    f.fill(category, name, kind, location);
    f.p().cboRType->setEditText(QString());
    f.clickOK();
    QVERIFY(!BusyPointer::isBusy());
    if (registers) {
        QVERIFY(f.messages.shown.isEmpty());
        QCOMPARE(f.read(Game), fileOf(sampleEntries(2) << CatalogEntry{name, kind, QString(), location}));
        return;
    }
    QCOMPARE(f.messages.shown, QStringList{u"空欄を全て入力してください。"_s});
    QCOMPARE(f.read(Game), fileOf(sampleEntries(2)));
    QCOMPARE(f.w->msgList->Rows(), 1);
    QCOMPARE(f.state.CurrentCategory, int(CategoryTable::RegistrationPage));
    QVERIFY(f.state.CurrentCsvFile.isEmpty());
    QVERIFY(!f.w->Timer->isActive());
}

void TestRegistrationPanel::registrationAppendsToTheCategoryFile() {
    Panel f;
    QVERIFY(f.showPage());
    RegisterPanel& p = f.p();
    // Each choice refills the kinds afresh, the trailing blank of a kind included.
    f.choose(u"学習＆教育"_s);
    QCOMPARE(p.cboREdit->itemText(2), u"英語 "_s);
    p.cboREdit->setCurrentIndex(2);
    f.choose(u"ゲーム"_s);
    QStringList kinds;
    for (int i = 0; i < p.cboREdit->count(); ++i)
        kinds.append(p.cboREdit->itemText(i));
    QCOMPARE(kinds, CategoryTable::byIndex(3).kinds);
    QVERIFY(p.cboREdit->currentText().isEmpty());
    p.cboREdit->setCurrentIndex(kinds.indexOf(u"パズル"_s));
    QTest::keyClicks(p.txtSoftName, u"X"_s);
    // The location from the file dialog, taken whole; a later cancel leaves it.
    f.dialog.answers = {Location};
    QTest::mouseClick(p.cmdOpen, Qt::LeftButton);
    QTest::mouseClick(p.cmdOpen, Qt::LeftButton);
    QCOMPARE(f.dialog.requests.size(), 2);
    QCOMPARE(p.txtSoftLocation->text(), Location);

    f.clickOK();
    QList<CatalogEntry> expected = sampleEntries(2) << newEntry();
    QCOMPARE(f.read(Game), fileOf(expected));
    QCOMPARE(f.state.CurrentCsvFile, u"game.csv"_s);
    QCOMPARE(f.state.CurrentCategory, 3);
    QCOMPARE(f.state.CurrentRecord, newEntry());
    QCOMPARE(p.lblRegister->Caption(), u"ゲームの項目にXが追加されました。"_s);
    QCOMPARE(p.lblRegister->size(), p.lblRegister->sizeHint());
    QVERIFY(f.w->Timer->isActive() && p.isVisible());
    QCOMPARE(f.w->msgList->listModel().entries(), expected);
    QCOMPARE(QPoint(f.w->msgList->Col(), f.w->msgList->Row()), QPoint(3, 3));
    QVERIFY(f.messages.shown.isEmpty() && !BusyPointer::isBusy());

    // The boxes keep what was entered, so a second click registers the same entry again.
    f.clickOK();
    QCOMPARE(f.read(Game), fileOf(expected << newEntry()));
    QCOMPARE(f.w->msgList->Rows(), 5);
}

void TestRegistrationPanel::unreadableTargetFileIsLeftUntouched() {
    Panel f;
    QVERIFY(f.replaceWithFolder(Game));
    QVERIFY(f.showPage());
    const QString design = f.p().lblRegister->Caption();
    f.fill(u"ゲーム"_s, u"X"_s, u"パズル"_s, Location);
    f.clickOK();
    QVERIFY(f.reported(u"game.csv"_s));
    QVERIFY(QFileInfo(f.dir.filePath(Game)).isDir());
    QCOMPARE(QDir(f.dir.filePath(u"CSV"_s)).entryList(QDir::Files), QStringList());
    QCOMPARE(f.w->msgList->Rows(), 1);
    QCOMPARE(f.p().lblRegister->Caption(), design);
    QVERIFY(!f.w->Timer->isActive() && !BusyPointer::isBusy());
}

void TestRegistrationPanel::failedWriteBackTakesTheNewRowOut() {
    Panel f;
    // A link into a folder that does not exist: an empty category that cannot be written.
    QVERIFY(QFile::remove(f.dir.filePath(Game)));
    QVERIFY(QFile::link(f.dir.filePath(u"gone/game.csv"_s), f.dir.filePath(Game)));
    QVERIFY(f.showPage());
    const QString design = f.p().lblRegister->Caption();
    f.fill(u"ゲーム"_s, u"X"_s, u"パズル"_s, Location);
    f.clickOK();
    QVERIFY(f.reported(u"game.csv"_s));
    QCOMPARE(f.w->msgList->Rows(), 1);
    QVERIFY(!f.w->msgList->listModel().isModified());
    QCOMPARE(f.p().lblRegister->Caption(), design);
    QVERIFY(!f.w->Timer->isActive() && !BusyPointer::isBusy());

    // Once the file can be written, no later save brings the entry in unannounced.
    QVERIFY(QFile::remove(f.dir.filePath(Game)));
    f.state.ListDirty = true;
    f.w->SelectCategory(0);
    f.w->SelectCategory(3);
    QVERIFY(!QFile::exists(f.dir.filePath(Game)));
    QCOMPARE(f.messages.shown.size(), 1);
}

void TestRegistrationPanel::comboListsOpenOnTheFirstClickInTheInputLook() {
    Panel f;
    QVERIFY(f.showPage());
    f.choose(u"ゲーム"_s);
    const auto greenPixels = [](const QImage& image) {
        int green = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                green += c.green() > 160 && c.red() < 96 && c.blue() < 96;
            }
        }
        return green;
    };
    for (QComboBox* box : {f.p().cboItamize, f.p().cboREdit, f.p().cboRType}) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 5, box->height() / 2));
        QTRY_VERIFY(box->view()->isVisible());
        // Green on black, as the boxes themselves.
        const QImage shot = box->view()->grab().toImage();
        QCOMPARE(shot.pixelColor(shot.width() - 3, shot.height() - 3), QColor(Qt::black));
        QVERIFY(greenPixels(shot) > 20);
        QTest::keyClick(box->view(), Qt::Key_Escape);
        QTRY_VERIFY(!box->view()->isVisible());
    }
}

void TestRegistrationPanel::marqueeEntersAndWraps() {
    Panel f;
    QVERIFY(f.showPage());
    RegisterPanel& p = f.p();
    const int panelWidth = p.width();
    QCOMPARE(p.RegisterLeft(), 9855.0f);
    f.fill(u"ゲーム"_s, u"X"_s, u"パズル"_s, Location);
    f.clickOK();
    QVERIFY(f.w->Timer->isActive());
    // 1000 twips a second from 480 twips beyond the right edge: in view at the fifth tick.
    f.tick(4);
    QVERIFY(p.lblRegister->x() >= panelWidth);
    f.tick();
    QCOMPARE(p.RegisterLeft(), 9355.0f);
    QVERIFY(p.lblRegister->x() < panelWidth);

    // A text 3000 twips wide wraps once its right end has passed 480 twips: at the 124th tick.
    f.w->SelectCategory(CategoryTable::RegistrationPage);
    QVERIFY(!f.w->Timer->isActive());
    p.lblRegister->resize(200, p.lblRegister->height());
    f.tick(123);
    QCOMPARE(p.RegisterLeft(), -2445.0f);
    QCOMPARE(p.lblRegister->x(), -163);
    f.tick();
    QCOMPARE(p.RegisterLeft(), 9855.0f);
    QCOMPARE(p.lblRegister->x(), 657);
}

void TestRegistrationPanel::sphereLightsUnderThePointer() {
    Panel f;
    QVERIFY(f.showPage());
    RegisterPanel& p = f.p();
    QVERIFY(p.imgOKover->isHidden());
    f.moveOver(p.imgOK);
    QVERIFY(p.imgOKover->isVisible());
    // Over the panel's other controls the light stays; over bare panel it goes out.
    for (const QWidget* control : {static_cast<QWidget*>(p.lblSoftName), static_cast<QWidget*>(p.txtSoftName)}) {
        f.moveOver(control);
        QVERIFY(p.imgOKover->isVisible());
    }
    f.moveTo(p.mapTo(f.w.get(), QPoint(20, 20)));
    QVERIFY(p.imgOKover->isHidden());
    QVERIFY(f.messages.shown.isEmpty());
}

QTEST_MAIN(TestRegistrationPanel)
#include "tst_registration_panel.moc"
