#include "category_file.h"
#include "cp932.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCategoryFile : public QObject {
    Q_OBJECT

private slots:
    void codePage932_data();
    void codePage932();
    void oneWayCharactersAreNotEncoded_data();
    void oneWayCharactersAreNotEncoded();
    void invalidBytesDecodeAsReplacement();

    void writesQuotedFieldsWithCrLf();
    void writesOneLinePerEntryWhateverTheFieldsHold();
    void writesUtf8WithBomWhenAFieldDoesNotFit();

    void readsWhatItWrites();
    void readsLineEndsAndBlankLines();
    void readsMalformedLinesWithoutLosingText_data();
    void readsMalformedLinesWithoutLosingText();
    void readsUnescapedQuotesLiterally();
};

static CatalogEntry entry(const QString& name, const QString& kind, const QString& type, const QString& location) {
    return CatalogEntry{name, kind, type, location};
}

void TestCategoryFile::codePage932_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("full-width") << u"メモ帳"_s << QByteArray::fromHex("8381838292a0");
    QTest::newRow("half-width kana") << u"ｱｲｳ"_s << QByteArray::fromHex("b1b2b3");
    QTest::newRow("ascii") << u"C:\\Tools\\a.exe"_s << QByteArray("C:\\Tools\\a.exe");
    QTest::newRow("ideographic space") << u"種　　類"_s << QByteArray::fromHex("8eed8140814097de");
    QTest::newRow("kind with blank") << u"英語 "_s << QByteArray::fromHex("89708cea20");
    QTest::newRow("middle dot") << u"ラベル・名刺"_s << QByteArray::fromHex("83898378838b814596bc8e68");
    // Where Microsoft's table differs from plain Shift-JIS.
    QTest::newRow("fullwidth tilde") << u"～"_s << QByteArray::fromHex("8160");
    QTest::newRow("fullwidth minus") << u"－"_s << QByteArray::fromHex("817c");
    QTest::newRow("parallel") << u"∥"_s << QByteArray::fromHex("8161");
    QTest::newRow("fullwidth not") << u"￢"_s << QByteArray::fromHex("81ca");
    QTest::newRow("circled one (NEC row 13)") << u"①"_s << QByteArray::fromHex("8740");
}

void TestCategoryFile::codePage932() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Cp932::encode(text), std::optional(bytes));
    QCOMPARE(Cp932::decode(bytes), text);
}

void TestCategoryFile::oneWayCharactersAreNotEncoded_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("wave dash") << u"a〜b"_s;
    QTest::newRow("minus sign") << u"−"_s;
    QTest::newRow("double vertical line") << u"‖"_s;
    QTest::newRow("yen sign") << u"¥"_s;
    QTest::newRow("em dash") << u"—"_s;
    QTest::newRow("accented latin") << u"café"_s;
    QTest::newRow("emoji") << u"😀"_s;
}

void TestCategoryFile::oneWayCharactersAreNotEncoded() {
    QFETCH(QString, text);
    QVERIFY(!Cp932::encode(text).has_value());
}

void TestCategoryFile::invalidBytesDecodeAsReplacement() {
    QCOMPARE(Cp932::decode(QByteArray::fromHex("41a0428220")), u"A\uFFFDB\uFFFD "_s);
    // A lead byte cut off at the end.
    QCOMPARE(Cp932::decode(QByteArray::fromHex("414281")), u"AB\uFFFD"_s);
    QCOMPARE(Cp932::decode({}), QString());
    QCOMPARE(CategoryFile::parse(QByteArray::fromHex("22ff222c2261220d0a")).size(), 1);
}

void TestCategoryFile::writesQuotedFieldsWithCrLf() {
    const QList<CatalogEntry> entries{
        entry(u"メモ帳"_s, u"ワープロ"_s, u"フリーウェア"_s, u"C:\\A,B\\memo.exe"_s),
        entry(u"x"_s, QString(), u"y"_s, QString()),
        entry(u"Eng"_s, u"英語 "_s, QString(), QString()),
    };
    const QByteArray expected = QByteArray::fromHex("22") + QByteArray::fromHex("8381838292a0") + "\",\"" +
                                QByteArray::fromHex("838f815b8376838d") + "\",\"" +
                                QByteArray::fromHex("8374838a815b834583468341") + "\",\"C:\\A,B\\memo.exe\"\r\n" +
                                "\"x\",\"\",\"y\",\"\"\r\n" + "\"Eng\",\"" + QByteArray::fromHex("89708cea20") +
                                "\",\"\",\"\"\r\n";
    QCOMPARE(CategoryFile::format(entries), expected);
    QCOMPARE(CategoryFile::format({CatalogEntry{}}), QByteArray("\"\",\"\",\"\",\"\"\r\n"));
    QCOMPARE(CategoryFile::format({}), QByteArray());
}

void TestCategoryFile::writesOneLinePerEntryWhateverTheFieldsHold() {
    const QList<CatalogEntry> entries{entry(u"say \"hi\""_s, u"\""_s, u"a\r\nb"_s, u"c\nd"_s)};
    const QByteArray bytes = CategoryFile::format(entries);
    QCOMPARE(bytes, QByteArray("\"say \"\"hi\"\"\",\"\"\"\",\"a  b\",\"c d\"\r\n"));
    QCOMPARE(CategoryFile::parse(bytes), (QList<CatalogEntry>{entry(u"say \"hi\""_s, u"\""_s, u"a  b"_s, u"c d"_s)}));
}

void TestCategoryFile::writesUtf8WithBomWhenAFieldDoesNotFit() {
    const QList<CatalogEntry> entries{
        entry(u"メモ帳"_s, QString(), QString(), u"/opt/a.exe"_s),
        entry(u"Éditeur 😀"_s, u"ワープロ"_s, u"フリーウェア"_s, u"/home/ユーザー/〜/ed.exe"_s),
    };
    const QByteArray bytes = CategoryFile::format(entries);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF\"メモ帳\""));
    QCOMPARE(QString::fromUtf8(bytes.sliced(3)),
             u"\"メモ帳\",\"\",\"\",\"/opt/a.exe\"\r\n\"Éditeur 😀\",\"ワープロ\",\"フリーウェア\",\"/home/ユーザー/〜/ed.exe\"\r\n"_s);
    QCOMPARE(CategoryFile::parse(bytes), entries);
}

void TestCategoryFile::readsWhatItWrites() {
    const QList<CatalogEntry> entries{
        entry(u"A,B"_s, u"英語 "_s, u" "_s, u"C:\\x, y\\z.exe"_s),
        entry(QString(), QString(), QString(), QString()),
        entry(u"\""_s, u"\","_s, u"a\"\"b"_s, u"\"start"_s),
        entry(u"end\""_s, u",\""_s, u"\",\""_s, u"～①"_s),
    };
    QCOMPARE(CategoryFile::parse(CategoryFile::format(entries)), entries);
}

void TestCategoryFile::readsLineEndsAndBlankLines() {
    const QList<CatalogEntry> two{entry(u"a"_s, u"b"_s, u"c"_s, u"d"_s), entry(u"e"_s, u"f"_s, u"g"_s, u"h"_s)};
    QCOMPARE(CategoryFile::parse("\"a\",\"b\",\"c\",\"d\"\r\n\"e\",\"f\",\"g\",\"h\"\r\n"), two);
    QCOMPARE(CategoryFile::parse("\"a\",\"b\",\"c\",\"d\"\r\n\"e\",\"f\",\"g\",\"h\""), two);
    QCOMPARE(CategoryFile::parse("\"a\",\"b\",\"c\",\"d\"\n\n\r\n\"e\",\"f\",\"g\",\"h\"\n"), two);
    QCOMPARE(CategoryFile::parse(""), QList<CatalogEntry>());
    QCOMPARE(CategoryFile::parse("\r\n\n"), QList<CatalogEntry>());
}

void TestCategoryFile::readsMalformedLinesWithoutLosingText_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("unquoted") << QByteArray("a,b, c ,d") << QStringList{"a", "b", " c ", "d"};
    QTest::newRow("mixed") << QByteArray("\"a\",b,\"c\",d") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("one field") << QByteArray("\"only\"") << QStringList{"only", "", "", ""};
    QTest::newRow("two fields") << QByteArray("\"a\",\"b\"") << QStringList{"a", "b", "", ""};
    QTest::newRow("extra fields") << QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\",f")
                                  << QStringList{"a", "b", "c", "d,e,f"};
    QTest::newRow("trailing comma") << QByteArray("\"a\",\"b\",\"c\",\"d\",") << QStringList{"a", "b", "c", "d,"};
    QTest::newRow("empty trailing fields") << QByteArray("a,,,") << QStringList{"a", "", "", ""};
    QTest::newRow("unclosed quote") << QByteArray("\"a\",\"b,c") << QStringList{"a", "b,c", "", ""};
    QTest::newRow("text after closing quote")
        << QByteArray("\"a\"x,\"b\",\"c\",\"d\"") << QStringList{"a\"x,\"b", "c", "d", ""};
    QTest::newRow("lone quote") << QByteArray("\"") << QStringList{"", "", "", ""};
    QTest::newRow("commas only") << QByteArray(",,,,,") << QStringList{"", "", "", ",,"};
}

void TestCategoryFile::readsMalformedLinesWithoutLosingText() {
    QFETCH(QByteArray, line);
    QFETCH(QStringList, fields);
    const QList<CatalogEntry> entries = CategoryFile::parse(line + "\r\n");
    QCOMPARE(entries.size(), 1);
    QCOMPARE((QStringList{entries[0][0], entries[0][1], entries[0][2], entries[0][3]}), fields);
}

void TestCategoryFile::readsUnescapedQuotesLiterally() {
    // Lines written before quotes were doubled hold them bare.
    const QList<CatalogEntry> entries = CategoryFile::parse("\"say \"hi\" now\",\"\",\"\",\"C:\\\"x\\a.exe\"\r\n");
    QCOMPARE(entries, (QList<CatalogEntry>{entry(u"say \"hi\" now"_s, {}, {}, u"C:\\\"x\\a.exe"_s)}));
}

QTEST_GUILESS_MAIN(TestCategoryFile)
#include "tst_category_file.moc"
