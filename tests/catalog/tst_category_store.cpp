#include "category_store.h"
#include "cp932.h"
#include "list_grid_model.h"
#include "module1.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <utility>

using namespace Qt::StringLiterals;

// What another program does once, right after the next file is synced to disk.
static std::function<void()> afterNextSync;

extern "C" int fsync(int fd) {
    static const auto realFsync = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
    const int result = realFsync(fd);
    if (afterNextSync)
        std::exchange(afterNextSync, {})();
    return result;
}

// A program folder with its CSV folder, the shared state and the list, as the windows hold them.
struct Catalogue {
    QTemporaryDir folder;
    Module1 state;
    ListGridModel list;

    QString csv(const QString& name) const { return folder.path() + "/CSV/"_L1 + name; }
    void write(const QString& name, const QByteArray& bytes) const {
        QDir(folder.path()).mkpath("CSV"_L1);
        QFile file(csv(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const QString& name) const {
        QFile file(csv(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    StoreResult load(const QString& name) { return LoadCategoryList(state, list, folder.path(), name); }
    StoreResult save() { return SaveCurrentList(state, list, folder.path()); }
    // An edit that leaves the entries as they were: the list counts as changed all the same.
    void touch() {
        list.AddItem({});
        list.setRows(list.Rows() - 1);
    }
    // A shown category with unsaved changes.
    void show(const QString& name, const QByteArray& bytes) {
        write(name, bytes);
        QVERIFY(!load(name).failed());
        state.CurrentCategory = 2;
        state.ListDirty = true;
        touch();
    }
};

static const QByteArray ThreeLines =
    "\"a\",\"k1\",\"t1\",\"/x/a\"\r\n\"b\",\"k2\",\"t2\",\"/x/b\"\r\n\"c\",\"k3\",\"t3\",\"/x/c\"\r\n";

static bool runningAsRoot() {
    return ::geteuid() == 0;
}

class TestCategoryStore : public QObject {
    Q_OBJECT

private slots:
    void loadFillsTheListInFileOrder();
    void loadOfAnEmptyOrMissingFileGivesAnEmptyCategory();
    void loadOfAnUnreadableFileReportsItAndNeverWritesOverIt_data();
    void loadOfAnUnreadableFileReportsItAndNeverWritesOverIt();
    void loadOfUnreadableTextShowsItButNeverWritesOverIt();
    void saveIsGuarded_data();
    void saveIsGuarded();
    void onlyAListChangedSinceItsFileIsWritten();
    void saveTruncatesThenAppendsEveryRow();
    void saveCreatesTheCsvFolder();
    void listEmptiedByRemovalIsWrittenEmpty();
    void failedSaveKeepsTheOldFileAndTheList();
    void failedSaveInAReadOnlyFolder();
    void largeCategoryRoundTripsUnchanged();
    void fileChangedSinceItWasReadIsLeftAlone();
    void fileFromElsewhereKeepsItsTextAndEncoding();
};

void TestCategoryStore::loadFillsTheListInFileOrder() {
    Catalogue c;
    c.write(u"internet.csv"_s, ThreeLines);
    c.list.AddItem(u"left over"_s);
    QVERIFY(!c.load(u"internet.csv"_s).failed());

    QCOMPARE(c.list.Rows(), 4);
    QCOMPARE(c.list.TextMatrix(1, 0), u"a"_s);
    QCOMPARE(c.list.TextMatrix(2, 1), u"k2"_s);
    QCOMPARE(c.list.TextMatrix(3, 3), u"/x/c"_s);
    QCOMPARE(c.list.Row(), 3);
    QCOMPARE(c.list.Col(), 3);
    QCOMPARE(c.state.CurrentCsvFile, u"internet.csv"_s);
    QCOMPARE(c.state.CurrentRecord, (CatalogEntry{u"c"_s, u"k3"_s, u"t3"_s, u"/x/c"_s}));
    QCOMPARE(c.state.ListDirty, false);
}

void TestCategoryStore::loadOfAnEmptyOrMissingFileGivesAnEmptyCategory() {
    Catalogue c;
    c.write(u"game.csv"_s, {});
    QVERIFY(!c.load(u"game.csv"_s).failed());
    QCOMPARE(c.list.Rows(), 1);
    QCOMPARE(c.list.Row(), 0);
    QCOMPARE(c.state.CurrentCsvFile, u"game.csv"_s);

    QVERIFY(!c.load(u"home.csv"_s).failed());
    QCOMPARE(c.state.CurrentCsvFile, u"home.csv"_s);
    QVERIFY(!QFile::exists(c.csv(u"home.csv"_s)));

    Catalogue bare; // no CSV folder at all
    QVERIFY(!bare.load(u"home.csv"_s).failed());
    QCOMPARE(bare.list.Rows(), 1);
    QCOMPARE(bare.state.CurrentCsvFile, u"home.csv"_s);
    QVERIFY(!QDir(bare.folder.path() + "/CSV"_L1).exists());
}

// Ways for a category file to be there without being readable as one.
enum class Unreadable { Folder, Fifo, Device, LinkLoop, NoPermission, FolderNotSearchable };

void TestCategoryStore::loadOfAnUnreadableFileReportsItAndNeverWritesOverIt_data() {
    QTest::addColumn<Unreadable>("how");
    QTest::newRow("folder") << Unreadable::Folder;
    QTest::newRow("fifo") << Unreadable::Fifo;
    QTest::newRow("link to a device") << Unreadable::Device;
    QTest::newRow("link to itself") << Unreadable::LinkLoop;
    QTest::newRow("no permission") << Unreadable::NoPermission;
    QTest::newRow("folder not searchable") << Unreadable::FolderNotSearchable;
}

void TestCategoryStore::loadOfAnUnreadableFileReportsItAndNeverWritesOverIt() {
    QFETCH(Unreadable, how);
    if ((how == Unreadable::NoPermission || how == Unreadable::FolderNotSearchable) && runningAsRoot())
        QSKIP("permissions do not stop root");
    Catalogue c;
    c.show(u"document.csv"_s, ThreeLines);
    const QString path = c.csv(u"internet.csv"_s);
    const QString csvFolder = c.folder.path() + "/CSV"_L1;
    switch (how) {
    case Unreadable::Folder:
        QVERIFY(QDir().mkpath(path));
        break;
    case Unreadable::Fifo:
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        break;
    case Unreadable::Device:
        QVERIFY(QFile::link(u"/dev/null"_s, path));
        break;
    case Unreadable::LinkLoop:
        QVERIFY(QFile::link(path, path));
        break;
    case Unreadable::NoPermission:
        c.write(u"internet.csv"_s, ThreeLines);
        QVERIFY(QFile::setPermissions(path, QFile::WriteOwner));
        break;
    case Unreadable::FolderNotSearchable:
        c.write(u"internet.csv"_s, ThreeLines);
        QVERIFY(QFile::setPermissions(csvFolder, QFile::ReadOwner | QFile::WriteOwner));
        break;
    }
    const QFileInfo before(path);

    StoreResult result = c.load(u"internet.csv"_s);
    QVERIFY(result.failed());
    QCOMPARE(result.message, u"カテゴリファイル「internet.csv」を読み込めませんでした。"_s);
    QCOMPARE(c.list.Rows(), 1);
    QCOMPARE(c.state.CurrentCsvFile, QString());

    // Rows added to the failed category have no file to go to, neither that one nor the one shown before, and
    // the write-back says so without failing.
    c.list.AddItem(u"dropped"_s);
    result = c.save();
    QCOMPARE(result.outcome, StoreResult::NotSaved);
    QCOMPARE(result.message,
             u"カテゴリファイル「internet.csv」を読み込めなかったため、このカテゴリへの変更は保存されませんでした。"_s);
    QCOMPARE(WriteListBack(c.state, c.list, c.folder.path()).outcome, StoreResult::Skipped);
    c.list.setRows(1);
    c.state.ListEmptiedByRemoval = true;
    QCOMPARE(c.save().outcome, StoreResult::NotSaved);

    QFile::setPermissions(csvFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(c.read(u"document.csv"_s), ThreeLines);
    const QFileInfo after(path);
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.isFile(), before.isFile());
    if (after.isFile() && !after.isSymLink())
        QCOMPARE(c.read(u"internet.csv"_s), ThreeLines);
}

void TestCategoryStore::loadOfUnreadableTextShowsItButNeverWritesOverIt() {
    // A byte that is neither code page 932 nor UTF-8 in the second line.
    const QByteArray bytes = *Cp932::encode(u"\"メモ帳\",\"\",\"\",\"/x/a\"\r\n\"b\",\"\",\"\",\"/x/"_s) + "\xA0\"\r\n";
    Catalogue c;
    c.write(u"game.csv"_s, bytes);
    StoreResult result = c.load(u"game.csv"_s);
    QVERIFY(result.failed());
    QCOMPARE(
        result.message,
        u"カテゴリファイル「game.csv」には読み取れない文字が含まれています。このカテゴリへの変更は保存されません。"_s);
    QCOMPARE(c.list.Rows(), 3);
    QCOMPARE(c.list.TextMatrix(1, 0), u"メモ帳"_s);
    QCOMPARE(c.list.TextMatrix(2, 3), u"/x/\uFFFD"_s);
    QCOMPARE(c.state.CurrentCsvFile, QString());

    c.state.ListDirty = true;
    c.state.CurrentCategory = 3;
    c.touch();
    result = c.save();
    QCOMPARE(result.outcome, StoreResult::NotSaved);
    QCOMPARE(result.message,
             u"カテゴリファイル「game.csv」には読み取れない文字が含まれているため、このカテゴリへの変更は保存されませんでした。"_s);
    QCOMPARE(c.read(u"game.csv"_s), bytes);

    // A load that succeeds lets the list be written again.
    c.write(u"home.csv"_s, ThreeLines);
    QVERIFY(!c.load(u"home.csv"_s).failed());
    c.touch();
    QCOMPARE(c.save().outcome, StoreResult::Done);
}

void TestCategoryStore::saveIsGuarded_data() {
    QTest::addColumn<bool>("dirty");
    QTest::addColumn<int>("category");
    QTest::addColumn<bool>("emptied");
    QTest::addColumn<bool>("forgetFile");
    QTest::addColumn<bool>("written");
    QTest::newRow("dirty category with entries") << true << 2 << false << false << true;
    QTest::newRow("not dirty") << false << 2 << false << false << false;
    QTest::newRow("registration page") << true << 6 << false << false << false;
    QTest::newRow("help page") << true << 13 << false << false << true;
    QTest::newRow("no entry row") << true << 2 << true << false << false;
    QTest::newRow("no file loaded yet") << true << 2 << false << true << false;
}

void TestCategoryStore::saveIsGuarded() {
    QFETCH(bool, dirty);
    QFETCH(int, category);
    QFETCH(bool, emptied);
    QFETCH(bool, forgetFile);
    QFETCH(bool, written);

    Catalogue c;
    c.show(u"internet.csv"_s, ThreeLines);
    c.list.setRow(1);
    c.list.setCol(0);
    c.list.setText(u"changed"_s);
    c.state.ListDirty = dirty;
    c.state.CurrentCategory = category;
    if (emptied)
        c.list.setRows(1);
    if (forgetFile)
        c.state.CurrentCsvFile.clear();

    const StoreResult result = c.save();
    QCOMPARE(result.outcome, written ? StoreResult::Done : StoreResult::Skipped);
    QCOMPARE(c.read(u"internet.csv"_s).startsWith("\"changed\""), written);
    QCOMPARE(c.state.ListDirty, dirty);
}

void TestCategoryStore::onlyAListChangedSinceItsFileIsWritten() {
    Catalogue c;
    c.write(u"game.csv"_s, ThreeLines);
    QVERIFY(!c.load(u"game.csv"_s).failed());
    c.state.ListDirty = true;
    c.state.CurrentCategory = 3;
    // An editor opened and left: its cell gets its own text back.
    c.list.setTextMatrix(2, 1, u"k2"_s);
    QCOMPARE(c.save().outcome, StoreResult::Skipped);
    // The same after an edit of another cell keeps that edit.
    c.list.setTextMatrix(1, 0, u"edited"_s);
    c.list.setTextMatrix(2, 1, u"k2"_s);
    QCOMPARE(c.save().outcome, StoreResult::Done);
    QCOMPARE(c.read(u"game.csv"_s), QByteArray(ThreeLines).replace("\"a\"", "\"edited\""));
    // Written once, the list holds what its file holds.
    QCOMPARE(c.save().outcome, StoreResult::Skipped);
}

void TestCategoryStore::saveTruncatesThenAppendsEveryRow() {
    Catalogue c;
    c.show(u"utility.csv"_s, ThreeLines + ThreeLines);
    c.list.setRows(2);
    c.list.setRow(1);
    QVERIFY(!c.save().failed());
    QCOMPARE(c.read(u"utility.csv"_s), QByteArray("\"a\",\"k1\",\"t1\",\"/x/a\"\r\n"));
    QCOMPARE(c.list.Row(), 1);
    QCOMPARE(c.list.Col(), 3);

    c.show(u"utility.csv"_s, ThreeLines);
    c.list.setRow(1);
    c.list.setCol(0);
    QVERIFY(!c.save().failed());
    QCOMPARE(c.read(u"utility.csv"_s), ThreeLines);
    QCOMPARE(c.list.Row(), 3);
    QCOMPARE(c.list.Col(), 3);
    QCOMPARE(c.state.CurrentRecord.EntryName, u"c"_s);
}

void TestCategoryStore::saveCreatesTheCsvFolder() {
    Catalogue c;
    QVERIFY(!c.load(u"other.csv"_s).failed());
    c.list.AddItem(u"new"_s);
    c.state.ListDirty = true;
    c.state.CurrentCategory = 12;
    QVERIFY(!c.save().failed());
    QCOMPARE(c.read(u"other.csv"_s), QByteArray("\"new\",\"\",\"\",\"\"\r\n"));
}

void TestCategoryStore::listEmptiedByRemovalIsWrittenEmpty() {
    Catalogue c;
    c.show(u"game.csv"_s, ThreeLines);
    c.list.setRows(1);
    // An empty list is written only when the remove command emptied it.
    QCOMPARE(c.save().outcome, StoreResult::Skipped);
    QCOMPARE(c.read(u"game.csv"_s), ThreeLines);
    c.state.ListEmptiedByRemoval = true;
    c.state.CurrentCategory = 6;
    QCOMPARE(c.save().outcome, StoreResult::Skipped);
    QCOMPARE(c.read(u"game.csv"_s), ThreeLines);

    c.state.CurrentCategory = 3;
    c.state.ListEmptiedByRemoval = true;
    QCOMPARE(c.save().outcome, StoreResult::Done);
    QCOMPARE(c.read(u"game.csv"_s), QByteArray());
    QVERIFY(!c.state.ListEmptiedByRemoval);

    // Rows added after the removal are written as usual; the emptying of the list by a later page switch is no
    // removal.
    c.show(u"game.csv"_s, ThreeLines);
    c.list.setRows(1);
    c.state.ListEmptiedByRemoval = true;
    c.list.AddItem(u"dropped"_s);
    QCOMPARE(c.save().outcome, StoreResult::Done);
    c.list.setRows(1);
    c.state.CurrentCategory = 13;
    QCOMPARE(c.save().outcome, StoreResult::Skipped);
    QCOMPARE(c.read(u"game.csv"_s), QByteArray("\"dropped\",\"\",\"\",\"\"\r\n"));

    // A removal whose write-back failed is still owed to the file.
    c.show(u"game.csv"_s, ThreeLines);
    c.list.setRows(1);
    c.state.ListEmptiedByRemoval = true;
    QVERIFY(QFile::remove(c.csv(u"game.csv"_s)) && QDir().mkdir(c.csv(u"game.csv"_s)));
    QVERIFY(c.save().failed());
    QVERIFY(QDir().rmdir(c.csv(u"game.csv"_s)));
    QCOMPARE(c.save().outcome, StoreResult::Done);
    QCOMPARE(c.read(u"game.csv"_s), QByteArray());

    // Every load forgets a removal.
    c.state.ListEmptiedByRemoval = true;
    c.show(u"game.csv"_s, {});
    QCOMPARE(c.save().outcome, StoreResult::Skipped);
}

void TestCategoryStore::failedSaveKeepsTheOldFileAndTheList() {
    Catalogue c;
    c.show(u"study.csv"_s, ThreeLines);
    c.list.setRow(2);
    c.list.setCol(1);
    c.list.setText(u"changed"_s);

    // The CSV folder replaced by a plain file: nothing can be created in it.
    QVERIFY(QDir(c.folder.path() + "/CSV"_L1).removeRecursively());
    QFile blocker(c.folder.path() + "/CSV"_L1);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    StoreResult result = c.save();
    QVERIFY(result.failed());
    QCOMPARE(result.message, u"カテゴリファイル「study.csv」を保存できませんでした。"_s);
    QCOMPARE(c.list.Rows(), 4);
    QCOMPARE(c.list.Row(), 2);
    QCOMPARE(c.list.Col(), 1);
    QCOMPARE(c.list.Text(), u"changed"_s);
}

void TestCategoryStore::failedSaveInAReadOnlyFolder() {
    if (runningAsRoot())
        QSKIP("permissions do not stop root");
    Catalogue c;
    c.show(u"business.csv"_s, ThreeLines);
    c.list.setRows(2);
    const QString csvFolder = c.folder.path() + "/CSV"_L1;
    QFile::setPermissions(csvFolder, QFile::ReadOwner | QFile::ExeOwner);
    const StoreResult result = c.save();
    QFile::setPermissions(csvFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(result.failed());
    QCOMPARE(c.read(u"business.csv"_s), ThreeLines);
    QCOMPARE(c.list.Rows(), 2);
}

void TestCategoryStore::largeCategoryRoundTripsUnchanged() {
    QString text;
    for (int i = 1; i <= 40000; ++i)
        text += u"\"ソフト%1\",\"ワープロ\",\"シェアウェア\",\"C:\\Program Files\\%1\\app.exe\"\r\n"_s.arg(i);
    const QByteArray original = *Cp932::encode(text);
    Catalogue c;
    c.show(u"personal.csv"_s, original);
    QCOMPARE(c.list.Rows(), 40001);
    QCOMPARE(c.list.TextMatrix(40000, 0), u"ソフト40000"_s);
    QVERIFY(QFile::remove(c.csv(u"personal.csv"_s)));
    QVERIFY(!c.save().failed());
    QCOMPARE(c.read(u"personal.csv"_s), original);
    QCOMPARE(c.list.Row(), 40000);
}

void TestCategoryStore::fileChangedSinceItWasReadIsLeftAlone() {
    const QString changedElsewhere =
        u"カテゴリファイル「game.csv」は読み込んだ後にほかで変更されたため、この一覧への変更は保存されませんでした。"_s;
    Catalogue c;
    c.show(u"game.csv"_s, ThreeLines);
    // Another writer's line of the same size, with the file's time put back: only the content tells.
    struct stat before;
    QCOMPARE(::stat(QFile::encodeName(c.csv(u"game.csv"_s)).constData(), &before), 0);
    const QByteArray elsewhere = QByteArray(ThreeLines).replace("/x/b", "/y/b");
    c.write(u"game.csv"_s, elsewhere);
    const struct timespec times[] = {before.st_atim, before.st_mtim};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(c.csv(u"game.csv"_s)).constData(), times, 0), 0);
    StoreResult result = c.save();
    QCOMPARE(result.outcome, StoreResult::NotSaved);
    QCOMPARE(result.message, changedElsewhere);
    QCOMPARE(WriteListBack(c.state, c.list, c.folder.path()).outcome, StoreResult::NotSaved);
    QCOMPARE(c.read(u"game.csv"_s), elsewhere);

    // Missing when it was read, there now.
    QVERIFY(!c.load(u"home.csv"_s).failed());
    c.list.AddItem(u"new"_s);
    c.write(u"home.csv"_s, "\"other\"\r\n");
    QCOMPARE(c.save().outcome, StoreResult::NotSaved);
    QCOMPARE(c.read(u"home.csv"_s), QByteArray("\"other\"\r\n"));

    // Two windows on one file: the first write-back becomes the file read, so its next one goes on, while the
    // second window's list, read before, is not written over it.
    c.show(u"study.csv"_s, ThreeLines);
    Module1 otherState;
    ListGridModel otherList;
    QVERIFY(!LoadCategoryList(otherState, otherList, c.folder.path(), u"study.csv"_s).failed());
    c.list.setTextMatrix(1, 0, u"first"_s);
    QCOMPARE(c.save().outcome, StoreResult::Done);
    c.list.setTextMatrix(1, 0, u"second"_s);
    QCOMPARE(c.save().outcome, StoreResult::Done);
    const QByteArray written = c.read(u"study.csv"_s);
    QVERIFY(written.startsWith("\"second\""));
    otherState.ListDirty = true;
    otherList.AddItem(u"added"_s);
    QCOMPARE(SaveCurrentList(otherState, otherList, c.folder.path()).message,
             QString(changedElsewhere).replace(u"game.csv"_s, u"study.csv"_s));
    QCOMPARE(c.read(u"study.csv"_s), written);

    // Written by another program once the new file is on disk: the check comes after that, just before the
    // rename.
    c.show(u"other.csv"_s, ThreeLines);
    const QByteArray appended = ThreeLines + "\"d\",\"\",\"\",\"/x/d\"\r\n";
    afterNextSync = [&c, &appended] { c.write(u"other.csv"_s, appended); };
    QCOMPARE(c.save().outcome, StoreResult::NotSaved);
    QVERIFY(!afterNextSync);
    QCOMPARE(c.read(u"other.csv"_s), appended);
}

void TestCategoryStore::fileFromElsewhereKeepsItsTextAndEncoding() {
    // "ﾃカ" in code page 932 is C3 83 4A, valid UTF-8 ("ÃJ") as well: an edit elsewhere on the page and two
    // restarts leave it as it is.
    Catalogue c;
    c.write(u"game.csv"_s, "\"\xC3\x83\x4A\",\"\",\"\",\"/x/a\"\r\n" + ThreeLines);
    for (int run = 0; run < 3; ++run) {
        c.state = Module1();
        QVERIFY(!c.load(u"game.csv"_s).failed());
        QCOMPARE(c.list.TextMatrix(1, 0), u"ﾃカ"_s);
        c.list.setTextMatrix(2, 1, u"edit %1"_s.arg(run));
        c.state.ListDirty = true;
        c.state.CurrentCategory = 3;
        QCOMPARE(c.save().outcome, StoreResult::Done);
    }
    QCOMPARE(c.read(u"game.csv"_s).first(7), QByteArray("\"\xC3\x83\x4A\",\""));

    // A page read as UTF-8 stays UTF-8, with the mark from now on.
    const QString lines = u"\"メモ帳\",\"\",\"\",\"/x/a\"\r\n\"b\",\"\",\"\",\"/x/b\"\r\n"_s;
    c.show(u"document.csv"_s, lines.toUtf8());
    c.list.setTextMatrix(2, 1, u"ワープロ"_s);
    QCOMPARE(c.save().outcome, StoreResult::Done);
    QCOMPARE(c.read(u"document.csv"_s),
             "\xEF\xBB\xBF" + QString(lines).replace(u"\"b\",\"\""_s, u"\"b\",\"ワープロ\""_s).toUtf8());
    // Also at the next edit, without a load between.
    c.list.setTextMatrix(1, 1, u"テキストエディタ"_s);
    QCOMPARE(c.save().outcome, StoreResult::Done);
    QVERIFY(c.read(u"document.csv"_s).startsWith("\xEF\xBB\xBF" + u"\"メモ帳\",\"テキストエディタ\""_s.toUtf8()));
}

QTEST_GUILESS_MAIN(TestCategoryStore)
#include "tst_category_store.moc"
