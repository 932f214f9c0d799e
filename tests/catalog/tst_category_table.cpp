#include "category_table.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCategoryTable : public QObject {
    Q_OBJECT

private slots:
    void pagesByIndex();
    void kindsKeepTheirExactTexts();
    void lookupByCaptionIsExact_data();
    void lookupByCaptionIsExact();
};

void TestCategoryTable::pagesByIndex() {
    const QStringList files{u"document.csv"_s, u"sound.csv"_s,    u"internet.csv"_s, u"game.csv"_s, u"programing.csv"_s,
                            u"utility.csv"_s,  QString(),         u"business.csv"_s, u"hardware.csv"_s, u"home.csv"_s,
                            u"study.csv"_s,    u"personal.csv"_s, u"other.csv"_s,    QString()};
    const QStringList captions{u"文書作成"_s,   u"画像＆サウンド"_s, u"インターネット"_s, u"ゲーム"_s,   u"プログラミング"_s,
                               u"ユーティリティ"_s, u"ソフト登録"_s, u"ビジネス"_s, u"ハードウェア"_s, u"家庭＆趣味"_s,
                               u"学習＆教育"_s, u"パーソナル"_s,     u"その他"_s,       u"ヘルプ"_s};
    for (int i = 0; i < CategoryTable::Count; ++i) {
        const Category& page = CategoryTable::byIndex(i);
        QCOMPARE(page.index, i);
        QCOMPARE(page.caption, captions[i]);
        QCOMPARE(page.fileName, files[i]);
        QCOMPARE(page.kinds.isEmpty(), !page.hasFile());
        QCOMPARE(CategoryTable::isCategory(i), page.hasFile());
    }
    QCOMPARE(EntryTypes(), (QStringList{u"フリーウェア"_s, u"シェアウェア"_s, u"カンパウェア"_s}));
}

void TestCategoryTable::kindsKeepTheirExactTexts() {
    QCOMPARE(CategoryTable::byIndex(10).kinds.at(2), u"英語 "_s);
    QCOMPARE(CategoryTable::byIndex(0).kinds.at(2), u"ラベル\u30FB名刺"_s);
    QCOMPARE(CategoryTable::byIndex(8).kinds.at(7), u"CD-ROM用"_s);
    QCOMPARE(CategoryTable::byIndex(7).kinds.at(0), CategoryTable::byIndex(11).kinds.at(2));
    QCOMPARE(CategoryTable::byIndex(3).kinds.last(), u"その他"_s);
    QCOMPARE(CategoryTable::byIndex(11).kinds.last(), u"その他"_s);
    const QList<qsizetype> counts{6, 4, 7, 9, 10, 10, 0, 8, 10, 9, 9, 9, 5, 0};
    for (int i = 0; i < CategoryTable::Count; ++i)
        QCOMPARE(CategoryTable::byIndex(i).kinds.size(), counts[i]);
}

void TestCategoryTable::lookupByCaptionIsExact_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("index");
    QTest::newRow("full-width ampersand") << u"画像＆サウンド"_s << 1;
    QTest::newRow("ascii ampersand") << u"画像&サウンド"_s << -1;
    QTest::newRow("last category") << u"その他"_s << 12;
    QTest::newRow("after the registration page") << u"ビジネス"_s << 7;
    QTest::newRow("registration page") << u"ソフト登録"_s << -1;
    QTest::newRow("help page") << u"ヘルプ"_s << -1;
    QTest::newRow("trailing blank") << u"ゲーム "_s << -1;
    QTest::newRow("empty") << QString() << -1;
}

void TestCategoryTable::lookupByCaptionIsExact() {
    QFETCH(QString, caption);
    QFETCH(int, index);
    const Category* found = CategoryTable::byCaption(caption);
    QCOMPARE(found ? found->index : -1, index);
}

QTEST_GUILESS_MAIN(TestCategoryTable)
#include "tst_category_table.moc"
