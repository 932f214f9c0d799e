#pragma once

// The category that the benchmarks load: the most entries a category holds, with the names, kinds, types and
// folders of a real catalogue, always the same.
#include "category_table.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

inline constexpr int EntryCount = 32766;

// The category file's text, one line per entry, CR LF after each.
inline QString makeCategoryText() {
    using namespace Qt::StringLiterals;
    const QStringList names{u"テキストエディタ"_s, u"画像ビューア"_s, u"圧縮解凍ツール"_s,     u"家計簿ソフト"_s,
                            u"ファイル管理"_s,     u"時計"_s,         u"ＭＩＤＩプレーヤー"_s, u"年賀状作成"_s};
    const QStringList folders{u"C:\\Program Files\\"_s, u"D:\\フリーソフト\\ユーティリティ\\"_s,
                              u"C:\\Users\\山田太郎\\Desktop\\ダウンロード\\ソフトウェア\\"_s};
    QRandomGenerator random(932);
    QString text;
    for (int i = 0; i < EntryCount; ++i) {
        const Category& category = CategoryTable::byIndex(random.bounded(6));
        const QString name = names[random.bounded(names.size())] + QString::number(i);
        text += u"\"%1\",\"%2\",\"%3\",\"%4%1\\%1_%5.exe\"\r\n"_s.arg(
            name, category.kinds[random.bounded(category.kinds.size())],
            EntryTypes()[random.bounded(EntryTypes().size())], folders[random.bounded(folders.size())],
            QString::number(random.bounded(1000)));
    }
    return text;
}
