#pragma once

// The category that the benchmarks load: the most entries a category holds, with the names, kinds, types and
// folders of a real catalogue, always the same.
#include "category_table.h"
#include "cp932.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

inline constexpr int EntryCount = 32766;

// A category of one line of about 40 MB, a location of folder names in code page 932, and the same bytes in lines
// of about 1 KB, each line a location.
struct LongLineFiles {
    QByteArray chunk;
    qsizetype chunks = 0;
    QByteArray oneLine;
    QByteArray shortLines;

    LongLineFiles() {
        using namespace Qt::StringLiterals;
        const QByteArray folderNames = *Cp932::encode(u"D:\\フリーソフト\\ユーティリティ\\圧縮解凍ツール\\"_s);
        chunk = folderNames.repeated(1000 / folderNames.size());
        chunks = 40'000'000 / chunk.size();
        oneLine = "\"\",\"\",\"\",\"" + chunk.repeated(chunks) + "\"\r\n";
        shortLines.reserve(oneLine.size() + chunks * 13);
        for (qsizetype i = 0; i < chunks; ++i)
            shortLines += "\"\",\"\",\"\",\"" + chunk + "\"\r\n";
    }
};

// Entries of all lengths, some names with quotes, some long; with foreign, every entry of 500 has a name that
// code page 932 cannot hold.
inline QString makeCategoryText(bool foreign = false) {
    using namespace Qt::StringLiterals;
    const QStringList names{u"テキストエディタ"_s,
                            u"画像ビューア"_s,
                            u"圧縮解凍ツール"_s,
                            u"家計簿ソフト"_s,
                            u"ファイル管理"_s,
                            u"時計"_s,
                            u"ＭＩＤＩプレーヤー"_s,
                            u"年賀状作成"_s,
                            u"\"超\"高速コピー"_s,
                            u"Super \"Quick\" Launcher"_s,
                            u"ドキュメント・スキャナー＆ＯＣＲ統合環境 プロフェッショナル版 ＜試用版＞ 第二版"_s,
                            u"Universal Media Converter Deluxe Edition for Windows 98/Me/2000/XP"_s};
    const QStringList folders{u"C:\\Program Files\\"_s, u"D:\\フリーソフト\\ユーティリティ\\"_s,
                              u"C:\\Users\\山田太郎\\Desktop\\ダウンロード\\ソフトウェア\\"_s,
                              u"E:\\アプリケーション\\インターネット関連\\ブラウザとメール\\"_s};
    QRandomGenerator random(932);
    QString text;
    for (int i = 0; i < EntryCount; ++i) {
        const Category& category = CategoryTable::byIndex(random.bounded(6));
        QString name = names[random.bounded(names.size())] + QString::number(i);
        if (foreign && i % 500 == 250)
            name += u" Éditeur 😀"_s;
        QString quoted = name;
        quoted.replace(u'"', u"\"\""_s);
        text += u"\"%1\",\"%2\",\"%3\",\"%4%1\\%1_%5.exe\"\r\n"_s.arg(
            quoted, category.kinds[random.bounded(category.kinds.size())],
            EntryTypes()[random.bounded(EntryTypes().size())], folders[random.bounded(folders.size())],
            QString::number(random.bounded(1000)));
    }
    return text;
}
