#include "category_table.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

const std::array<Category, CategoryTable::Count>& table() {
    static const std::array<Category, CategoryTable::Count> pages{{
        {0,
         u"文書作成"_s,
         u"document.csv"_s,
         {u"テキストエディタ"_s, u"ワープロ"_s, u"ラベル・名刺"_s, u"顔文字"_s, u"宛名印刷"_s, u"地図"_s}},
        {1,
         u"画像＆サウンド"_s,
         u"sound.csv"_s,
         {u"アニメーション"_s, u"音声・録音・再生"_s, u"グラフィクス関係"_s, u"マルチメディア関係"_s}},
        {2,
         u"インターネット"_s,
         u"internet.csv"_s,
         {u"HTML作成"_s, u"ダイアルアップ用"_s, u"チャット用"_s, u"メール用"_s, u"通信費"_s, u"通信関係"_s,
          u"LAN関係"_s}},
        {3,
         u"ゲーム"_s,
         u"game.csv"_s,
         {u"アクション"_s, u"RPG"_s, u"シュミレーション"_s, u"テーブル"_s, u"クイズ"_s, u"パズル"_s,
          u"アドベンチャー"_s, u"ユーティリティ"_s, u"その他"_s}},
        {4,
         u"プログラミング"_s,
         u"programing.csv"_s,
         {u"C"_s, u"COBOL"_s, u"PASCAL"_s, u"JAVA"_s, u"BASIC"_s, u"LOGO"_s, u"アセンブラ"_s, u"デバッガ"_s,
          u"ツール"_s, u"インストーラ"_s}},
        {5,
         u"ユーティリティ"_s,
         u"utility.csv"_s,
         {u"インストール関係"_s, u"エミュレータ関係"_s, u"クリップボード"_s, u"デスクトップ設定"_s, u"ファイル管理"_s,
          u"環境変更・表示"_s, u"バックアップ"_s, u"アーカイブ関係"_s, u"Macintosh関係"_s, u"ノートマシン関係"_s}},
        {6, u"ソフト登録"_s, QString(), {}},
        {7,
         u"ビジネス"_s,
         u"business.csv"_s,
         {u"データベース"_s, u"会計用"_s, u"表計算・グラフ"_s, u"顧客管理"_s, u"税金関係"_s, u"金利・ローン計算"_s,
          u"販売管理"_s, u"特許関係"_s}},
        {8,
         u"ハードウェア"_s,
         u"hardware.csv"_s,
         {u"CPU情報表示"_s, u"サウンド用"_s, u"ジョイスティック用"_s, u"スキャナ・カメラ用"_s, u"プリンタ用"_s,
          u"ビデオ用"_s, u"メモリ用"_s, u"CD-ROM用"_s, u"ディスク用"_s, u"ベンチマーク"_s}},
        {9,
         u"家庭＆趣味"_s,
         u"home.csv"_s,
         {u"スポーツ"_s, u"アマチュア無線"_s, u"家計簿"_s, u"健康"_s, u"育児"_s, u"山岳"_s, u"編み物・洋裁"_s,
          u"料理・食事"_s, u"交通・旅行"_s}},
        {10,
         u"学習＆教育"_s,
         u"study.csv"_s,
         {u"コンピュータ関係"_s, u"音楽"_s, u"英語 "_s, u"数学"_s, u"社会"_s, u"理科"_s, u"国語"_s, u"日本語"_s,
          u"法律"_s}},
        {11,
         u"パーソナル"_s,
         u"personal.csv"_s,
         {u"カレンダー"_s, u"スケジュール管理"_s, u"データベース"_s, u"住所録"_s, u"時計"_s, u"電卓"_s, u"日記"_s,
          u"付箋"_s, u"その他"_s}},
        {12, u"その他"_s, u"other.csv"_s, {u"アイコン"_s, u"壁紙"_s, u"スクリーンセーバー"_s, u"占い"_s, u"ロゴ"_s}},
        {13, u"ヘルプ"_s, QString(), {}},
    }};
    return pages;
}

} // namespace

const Category& CategoryTable::byIndex(int index) {
    return table().at(static_cast<std::size_t>(index));
}

const Category* CategoryTable::byCaption(const QString& text) {
    for (const Category& page : table()) {
        if (page.hasFile() && page.caption == text)
            return &page;
    }
    return nullptr;
}

const QStringList& EntryTypes() {
    static const QStringList types{u"フリーウェア"_s, u"シェアウェア"_s, u"カンパウェア"_s};
    return types;
}
