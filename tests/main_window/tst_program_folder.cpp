// The build's layout of the program folder: empty category files where missing, and the two pages.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestProgramFolder : public QObject {
    Q_OBJECT

private slots:
    void laysOutFolderKeepingCategoryFiles();
};

void TestProgramFolder::laysOutFolderKeepingCategoryFiles() {
    QTemporaryDir dir;
    const auto layOut = [&dir] {
        return QProcess::execute(QStringLiteral(CMAKE_COMMAND_PATH),
                                 {u"-DPROGRAM_DIR="_s + dir.path(), QStringLiteral("-DDATA_DIR=" DATA_DIR), u"-P"_s,
                                  QStringLiteral(DATA_DIR "/program_folder.cmake")}) == 0;
    };
    const auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    };
    const QByteArray entry = "\"a\",\"b\",\"c\",\"d\"\r\n";
    QVERIFY(QDir(dir.path()).mkpath(u"CSV"_s));
    QFile game(dir.filePath(u"CSV/game.csv"_s));
    QVERIFY(game.open(QIODevice::WriteOnly) && game.write(entry) == entry.size());
    game.close();

    QVERIFY(layOut());
    QVERIFY(layOut());
    const QStringList files = QDir(dir.filePath(u"CSV"_s)).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files, (QStringList{u"business.csv"_s, u"document.csv"_s, u"game.csv"_s, u"hardware.csv"_s, u"home.csv"_s,
                                 u"internet.csv"_s, u"other.csv"_s, u"personal.csv"_s, u"programing.csv"_s,
                                 u"sound.csv"_s, u"study.csv"_s, u"utility.csv"_s}));
    for (const QString& file : files)
        QCOMPARE(read(dir.filePath(u"CSV/"_s + file)), file == u"game.csv"_s ? entry : QByteArray());
    for (const QString& page : {u"welcome.html"_s, u"ヘルプ.html"_s})
        QCOMPARE(read(dir.filePath(page)), read(QStringLiteral(DATA_DIR "/") + page));
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_program_folder.moc"
