// The build's layout of the program folder: the category files and the two pages.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool layOut(const QString& programDir) {
    QProcess cmake;
    cmake.start(QStringLiteral(CMAKE_COMMAND_PATH),
                {u"-DPROGRAM_DIR="_s + programDir, QStringLiteral("-DDATA_DIR=" DATA_DIR), u"-P"_s,
                 QStringLiteral(DATA_DIR "/program_folder.cmake")});
    return cmake.waitForFinished() && cmake.exitStatus() == QProcess::NormalExit && cmake.exitCode() == 0;
}

} // namespace

class TestProgramFolder : public QObject {
    Q_OBJECT

private slots:
    void laysOutCategoriesAndPages();
    void keepsExistingCategoryFiles();
};

void TestProgramFolder::laysOutCategoriesAndPages() {
    QTemporaryDir dir;
    QVERIFY(layOut(dir.path()));
    const QStringList files = QDir(dir.filePath(u"CSV"_s)).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files, (QStringList{u"business.csv"_s, u"document.csv"_s, u"game.csv"_s, u"hardware.csv"_s, u"home.csv"_s,
                                 u"internet.csv"_s, u"other.csv"_s, u"personal.csv"_s, u"programing.csv"_s,
                                 u"sound.csv"_s, u"study.csv"_s, u"utility.csv"_s}));
    for (const QString& file : files)
        QCOMPARE(QFileInfo(dir.filePath(u"CSV/"_s + file)).size(), 0);
    for (const QString& page : {u"welcome.html"_s, u"ヘルプ.html"_s})
        QCOMPARE(readAll(dir.filePath(page)), readAll(QStringLiteral(DATA_DIR "/") + page));
}

void TestProgramFolder::keepsExistingCategoryFiles() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(u"CSV"_s));
    const QByteArray entry = "\"a\",\"b\",\"c\",\"d\"\r\n";
    QFile game(dir.filePath(u"CSV/game.csv"_s));
    QVERIFY(game.open(QIODevice::WriteOnly));
    game.write(entry);
    game.close();
    QVERIFY(layOut(dir.path()));
    QVERIFY(layOut(dir.path()));
    QCOMPARE(readAll(dir.filePath(u"CSV/game.csv"_s)), entry);
    QCOMPARE(QFileInfo(dir.filePath(u"CSV/other.csv"_s)).size(), 0);
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "test_program_folder.moc"
