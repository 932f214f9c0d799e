#include "category_table.h"

#include <QTest>

#include <iterator>

using namespace Qt::StringLiterals;

class TestCategoryTable : public QObject {
    Q_OBJECT

private slots:
    void wholeTableByIndex();
    void kindsKeepTheirExactTexts();
    void lookupByCaptionIsExact_data();
    void lookupByCaptionIsExact();
};

void TestCategoryTable::wholeTableByIndex() {
    // The whole table as the users' files and the editors know it.
    struct Page {
        QString caption;
        QString fileName;
        QStringList kinds;
    };
    const Page pages[] = {
        {u"文書作成"_s,
         u"document.csv"_s,
         {u"テキストエディタ"_s, u"ワープロ"_s, u"ラベル・名刺"_s, u"顔文字"_s, u"宛名印刷"_s, u"地図"_s}},
        {u"画像＆サウンド"_s,
         u"sound.csv"_s,
         {u"アニメーション"_s, u"音声・録音・再生"_s, u"グラフィクス関係"_s, u"マルチメディア関係"_s}},
        {u"インターネット"_s,
         u"internet.csv"_s,
         {u"HTML作成"_s, u"ダイアルアップ用"_s, u"チャット用"_s, u"メール用"_s, u"通信費"_s, u"通信関係"_s,
          u"LAN関係"_s}},
        {u"ゲーム"_s,
         u"game.csv"_s,
         {u"アクション"_s, u"RPG"_s, u"シュミレーション"_s, u"テーブル"_s, u"クイズ"_s, u"パズル"_s,
          u"アドベンチャー"_s, u"ユーティリティ"_s, u"その他"_s}},
        {u"プログラミング"_s,
         u"programing.csv"_s,
         {u"C"_s, u"COBOL"_s, u"PASCAL"_s, u"JAVA"_s, u"BASIC"_s, u"LOGO"_s, u"アセンブラ"_s, u"デバッガ"_s,
          u"ツール"_s, u"インストーラ"_s}},
        {u"ユーティリティ"_s,
         u"utility.csv"_s,
         {u"インストール関係"_s, u"エミュレータ関係"_s, u"クリップボード"_s, u"デスクトップ設定"_s, u"ファイル管理"_s,
          u"環境変更・表示"_s, u"バックアップ"_s, u"アーカイブ関係"_s, u"Macintosh関係"_s, u"ノートマシン関係"_s}},
        {u"ソフト登録"_s, QString(), {}},
        {u"ビジネス"_s,
         u"business.csv"_s,
         {u"データベース"_s, u"会計用"_s, u"表計算・グラフ"_s, u"顧客管理"_s, u"税金関係"_s, u"金利・ローン計算"_s,
          u"販売管理"_s, u"特許関係"_s}},
        {u"ハードウェア"_s,
         u"hardware.csv"_s,
         {u"CPU情報表示"_s, u"サウンド用"_s, u"ジョイスティック用"_s, u"スキャナ・カメラ用"_s, u"プリンタ用"_s,
          u"ビデオ用"_s, u"メモリ用"_s, u"CD-ROM用"_s, u"ディスク用"_s, u"ベンチマーク"_s}},
        {u"家庭＆趣味"_s,
         u"home.csv"_s,
         {u"スポーツ"_s, u"アマチュア無線"_s, u"家計簿"_s, u"健康"_s, u"育児"_s, u"山岳"_s, u"編み物・洋裁"_s,
          u"料理・食事"_s, u"交通・旅行"_s}},
        {u"学習＆教育"_s,
         u"study.csv"_s,
         {u"コンピュータ関係"_s, u"音楽"_s, u"英語 "_s, u"数学"_s, u"社会"_s, u"理科"_s, u"国語"_s, u"日本語"_s,
          u"法律"_s}},
        {u"パーソナル"_s,
         u"personal.csv"_s,
         {u"カレンダー"_s, u"スケジュール管理"_s, u"データベース"_s, u"住所録"_s, u"時計"_s, u"電卓"_s, u"日記"_s,
          u"付箋"_s, u"その他"_s}},
        {u"その他"_s, u"other.csv"_s, {u"アイコン"_s, u"壁紙"_s, u"スクリーンセーバー"_s, u"占い"_s, u"ロゴ"_s}},
        {u"ヘルプ"_s, QString(), {}},
    };
    static_assert(std::size(pages) == CategoryTable::Count);
    for (int i = 0; i < CategoryTable::Count; ++i) {
        const Category& page = CategoryTable::byIndex(i);
        QCOMPARE(page.index, i);
        QCOMPARE(page.caption, pages[i].caption);
        QCOMPARE(page.fileName, pages[i].fileName);
        QCOMPARE(page.kinds, pages[i].kinds);
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
