#include "category_file.h"
#include "cp932.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

class TestCategoryFile : public QObject {
    Q_OBJECT

private slots:
    void codePage932_data();
    void codePage932();
    void oneWayCharactersAreNotEncoded_data();
    void oneWayCharactersAreNotEncoded();
    void invalidBytesAreRefusedOrReplaced();
    void decodesUtf8OrCodePage932_data();
    void decodesUtf8OrCodePage932();

    void writesQuotedFieldsWithCrLf();
    void writesOneLinePerEntryWhateverTheFieldsHold();
    void writesUtf8WithBomWhenAFieldDoesNotFit();

    void readsWhatItWrites();
    void readsBackExactlyWhatItWrote();
    void readsLineEndsAndBlankLines();
    void readsMalformedLinesWithoutLosingText_data();
    void readsMalformedLinesWithoutLosingText();
    void readsUnescapedQuotesLiterally();
    void readsRecurringKindsAndTypesInEveryForm();
    void blankLinesTakeNoMemoryAhead();

    void readsBytesAsTheirDecodedText_data();
    void readsBytesAsTheirDecodedText();
    void writesTheBytesOfTheEncodedText();
    void readsInPiecesAsFromTheWholeBytes_data();
    void readsInPiecesAsFromTheWholeBytes();
    void aFailingReadGivesNoEntries();
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
    QTest::newRow("cent sign") << u"¢"_s;
    QTest::newRow("pound sign") << u"£"_s;
    QTest::newRow("not sign") << u"¬"_s;
    QTest::newRow("overline") << u"‾"_s;
}

void TestCategoryFile::oneWayCharactersAreNotEncoded() {
    QFETCH(QString, text);
    QVERIFY(!Cp932::encode(text).has_value());
}

void TestCategoryFile::invalidBytesAreRefusedOrReplaced() {
    QCOMPARE(Cp932::decode(QByteArray::fromHex("41a042")), std::nullopt);
    QCOMPARE(Cp932::decode(QByteArray::fromHex("414281")), std::nullopt);
    QCOMPARE(Cp932::decode({}), std::optional(QString()));
    QCOMPARE(Cp932::decodeLossy(QByteArray::fromHex("41a0428220")), u"A\uFFFDB\uFFFD "_s);
    // A lead byte cut off at the end.
    QCOMPARE(Cp932::decodeLossy(QByteArray::fromHex("414281")), u"AB\uFFFD"_s);
    QCOMPARE(CategoryFile::parse(QByteArray::fromHex("22ff222c2261220d0a")).size(), 1);
}

void TestCategoryFile::decodesUtf8OrCodePage932_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("intact");
    QTest::addColumn<bool>("utf8");
    const QString line = u"\"メモ帳\",\"ワープロ\",\"フリーウェア\",\"/x/a.exe\"\r\n"_s;
    QTest::newRow("code page 932") << *Cp932::encode(line) << line << true << false;
    // These bytes are valid code page 932 as well, but read so they are other characters.
    QTest::newRow("utf-8") << line.toUtf8() << line << true << true;
    QTest::newRow("utf-8 with mark") << "\xEF\xBB\xBF" + line.toUtf8() << line << true << true;
    QTest::newRow("ascii") << QByteArray("\"a\",\"\",\"\",\"/x\"") << u"\"a\",\"\",\"\",\"/x\""_s << true << false;
    QTest::newRow("final ctrl-z") << *Cp932::encode(line) + "\x1A" << line << true << false;
    QTest::newRow("ctrl-z after utf-8") << line.toUtf8() + "\x1A" << line << true << true;
    // Valid both ways, but as UTF-8 only of two-byte characters ("ÃJ"): the program's own code page 932.
    QTest::newRow("both, two-byte utf-8") << QByteArray("\"\xC3\x83\x4A\"") << u"\"ﾃカ\""_s << true << false;
    QTest::newRow("both, accented utf-8") << QByteArray("caf\xC3\xA9") << u"cafﾃｩ"_s << true << false;
    // A kanji and a half-width full stop in code page 932 are "メ" in UTF-8.
    QTest::newRow("both, three-byte utf-8") << QByteArray("\xE3\x83\xA1") << u"メ"_s << true << true;
    QTest::newRow("utf-8, not code page 932") << QByteArray("\xC3\xA9\xC3\x80") << u"éÀ"_s << true << true;
    QTest::newRow("code page 932 with a stray byte")
        << *Cp932::encode(u"メモ帳"_s) + "\xA0" << u"メモ帳\uFFFD"_s << false << false;
    QTest::newRow("utf-8 with a stray byte")
        << u"テキストエディタ"_s.toUtf8() + "\xFF" << u"テキストエディタ\uFFFD"_s << false << false;
    QTest::newRow("mark with bytes that are not utf-8")
        << QByteArray("\xEF\xBB\xBF\"\x83\x81\"") << u"\"\uFFFD\uFFFD\""_s << false << true;
}

void TestCategoryFile::decodesUtf8OrCodePage932() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, intact);
    QFETCH(bool, utf8);
    CategoryFile::Reading reading{!intact, utf8 ? CategoryFile::Encoding::Cp932 : CategoryFile::Encoding::Utf8};
    QCOMPARE(CategoryFile::decode(bytes, reading), text);
    QCOMPARE(reading.intact, intact);
    if (intact) {
        QCOMPARE(reading.encoding, utf8 ? CategoryFile::Encoding::Utf8 : CategoryFile::Encoding::Cp932);
        QCOMPARE(CategoryFile::read(bytes, reading), CategoryFile::parseText(text));
        QCOMPARE(reading.encoding, utf8 ? CategoryFile::Encoding::Utf8 : CategoryFile::Encoding::Cp932);
    }
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
    QCOMPARE(
        QString::fromUtf8(bytes.sliced(3)),
        u"\"メモ帳\",\"\",\"\",\"/opt/a.exe\"\r\n\"Éditeur 😀\",\"ワープロ\",\"フリーウェア\",\"/home/ユーザー/〜/ed.exe\"\r\n"_s);
    QCOMPARE(CategoryFile::parse(bytes), entries);
}

void TestCategoryFile::readsWhatItWrites() {
    const QList<CatalogEntry> entries{
        entry(u"A,B"_s, u"英語 "_s, u" "_s, u"C:\\x, y\\z.exe"_s),
        entry(QString(), QString(), QString(), QString()),
        entry(u"\""_s, u"\","_s, u"a\"\"b"_s, u"\"start"_s),
        entry(u"end\""_s, u",\""_s, u"\",\""_s, u"～①"_s),
        // Every field longer than a piece, and a quote inside one of them.
        entry(QString(70'000, u'名'), QString(70'000, u'k'), QString(70'000, u't') + u'"', QString(70'000, u'/')),
    };
    QCOMPARE(CategoryFile::parse(CategoryFile::format(entries)), entries);
}

enum class Pieces { Cp932, Beyond, Utf8Alike };

// Code page 932 text whose bytes are a UTF-8 character of two or three bytes as well, such as "ﾃカ" (C3 83 4A).
static QString utf8Alike(QRandomGenerator& random) {
    for (;;) {
        const char16_t c =
            static_cast<char16_t>(random.bounded(2) ? random.bounded(0x80, 0x800) : random.bounded(0x800, 0xD800));
        if (std::optional<QString> text = Cp932::decode(QString(QChar(c)).toUtf8()))
            return *text;
    }
}

// A random text of a few pieces: ASCII, half-width katakana, kana, any two-byte character of code page 932 and
// accented Latin letters; with Beyond now and then text that code page 932 cannot hold; with Utf8Alike ASCII and
// code page 932 text that reads as UTF-8 too.
static QString randomText(QRandomGenerator& random, Pieces pieces) {
    static const QString accented = u"ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÑÒÓÔÕÖØÙÚÛÜÝàáâãäåæçèéêëìíîïñòóôõöøùúûüýÿ"_s;
    static const QStringList beyond{u"😀"_s, u"〜"_s, u"€"_s, u"한"_s, u"¢"_s, u"—"_s};
    QString text;
    for (int piece = random.bounded(4); piece > 0; --piece) {
        const int kind =
            pieces == Pieces::Utf8Alike ? random.bounded(2) * 6 : random.bounded(pieces == Pieces::Beyond ? 7 : 6);
        switch (kind) {
        case 0:
        case 1:
            text += QChar(random.bounded(0x20, 0x7F));
            break;
        case 2:
            text += QChar(random.bounded(0xFF61, 0xFFA0));
            break;
        case 3:
            text += QChar(random.bounded(2) ? random.bounded(0x3041, 0x3094) : random.bounded(0x30A1, 0x30F7));
            break;
        case 4: {
            const int lead = random.bounded(2) ? random.bounded(0x81, 0xA0) : random.bounded(0xE0, 0xFD);
            const char bytes[] = {char(lead), char(random.bounded(0x40, 0xFD))};
            text += Cp932::decode(QByteArrayView(bytes, 2)).value_or(u"漢"_s);
            break;
        }
        case 5:
            text += accented[random.bounded(accented.size())];
            break;
        default:
            text += pieces == Pieces::Utf8Alike ? utf8Alike(random) : beyond[random.bounded(beyond.size())];
        }
    }
    return text;
}

void TestCategoryFile::readsBackExactlyWhatItWrote() {
    // Code page 932 output can be valid UTF-8 as well; whatever the writer chooses, the reader must take it the
    // same way. Either way a file was read, it is written back.
    QRandomGenerator random(932);
    const Pieces kinds[] = {Pieces::Cp932, Pieces::Beyond, Pieces::Utf8Alike, Pieces::Utf8Alike};
    for (int file = 0; file < 4000; ++file) {
        QList<CatalogEntry> entries(random.bounded(1, 4));
        for (CatalogEntry& entry : entries) {
            for (int field = 0; field < CatalogEntry::FieldCount; ++field)
                entry[field] = randomText(random, kinds[file % 4]);
        }
        for (const CategoryFile::Encoding encoding : {CategoryFile::Encoding::Cp932, CategoryFile::Encoding::Utf8}) {
            const QByteArray bytes = CategoryFile::format(entries, encoding);
            CategoryFile::Reading reading;
            QCOMPARE(CategoryFile::read(bytes, reading), entries);
            QVERIFY(reading.intact);
            if (encoding == CategoryFile::Encoding::Utf8)
                QCOMPARE(reading.encoding, CategoryFile::Encoding::Utf8);
        }
    }
}

void TestCategoryFile::readsLineEndsAndBlankLines() {
    const QList<CatalogEntry> two{entry(u"a"_s, u"b"_s, u"c"_s, u"d"_s), entry(u"e"_s, u"f"_s, u"g"_s, u"h"_s)};
    QCOMPARE(CategoryFile::parse("\"a\",\"b\",\"c\",\"d\"\r\n\"e\",\"f\",\"g\",\"h\"\r\n"), two);
    QCOMPARE(CategoryFile::parse("\"a\",\"b\",\"c\",\"d\"\r\n\"e\",\"f\",\"g\",\"h\""), two);
    QCOMPARE(CategoryFile::parse("\"a\",\"b\",\"c\",\"d\"\n\n\r\n\"e\",\"f\",\"g\",\"h\"\n"), two);
    QCOMPARE(CategoryFile::parse(""), QList<CatalogEntry>());
    QCOMPARE(CategoryFile::parse("\r\n\n"), QList<CatalogEntry>());
    // A lone CR ends a line as well, and no CR stays in a field.
    QCOMPARE(CategoryFile::parse("\"a\",\"b\",\"c\",\"d\"\r\"e\",\"f\",\"g\",\"h\"\r"), two);
    QCOMPARE(CategoryFile::parse("\"a\",\"b\",\"c\",\"d\"\r\r\n\"e\",\"f\",\"g\",\"h\"\r\r\n"), two);
    QCOMPARE(CategoryFile::parse("\r\r\n\r"), QList<CatalogEntry>());
    // One final Ctrl-Z, as old editors end a file, is no entry.
    QCOMPARE(CategoryFile::parse("\"a\",\"b\",\"c\",\"d\"\r\n\"e\",\"f\",\"g\",\"h\"\r\n\x1A"), two);
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
    QTest::newRow("blanks after closing quotes")
        << QByteArray("\"a\" ,\"b\"\t,\"c\",\"/x/a.exe\"  ") << QStringList{"a", "b", "c", "/x/a.exe"};
    QTest::newRow("blanks then text after closing quote")
        << QByteArray("\"a\" x,\"b\",\"c\",\"d\"") << QStringList{"a\" x,\"b", "c", "d", ""};
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

// The address space the process holds, reserved or in use.
static qint64 addressSpace() {
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    return statm.readAll().split(' ').constFirst().toLongLong() * ::sysconf(_SC_PAGESIZE);
}

void TestCategoryFile::readsRecurringKindsAndTypesInEveryForm() {
    // Each line twice, so that the second reads texts already met; the same bytes in another form or column are
    // other texts.
    const QStringList lines{u"\"n\",\"ソフト\",\"型\",\"l\""_s, u"\"n\",\"ソフト\""_s,
                            u"\"n\",\"ソフト\" ,\"型\""_s,      u"\"n\",\"ソ\"\"フト\",\"型\""_s,
                            u"\"n\",ソフト,\"型\""_s,           u"\"n\",\"ソフ\",\"ト\",\"l\""_s,
                            u"\"n\",\"ト\",\"ソフ\",\"l\""_s,   u"\"n\",\"ソフト\"x\",\"型\""_s};
    const QList<CatalogEntry> expected{
        entry(u"n"_s, u"ソフト"_s, u"型"_s, u"l"_s), entry(u"n"_s, u"ソフト"_s, {}, {}),
        entry(u"n"_s, u"ソフト"_s, u"型"_s, {}),     entry(u"n"_s, u"ソ\"フト"_s, u"型"_s, {}),
        entry(u"n"_s, u"ソフト"_s, u"型"_s, {}),     entry(u"n"_s, u"ソフ"_s, u"ト"_s, u"l"_s),
        entry(u"n"_s, u"ト"_s, u"ソフ"_s, u"l"_s),   entry(u"n"_s, u"ソフト\"x"_s, u"型"_s, {})};
    QString text;
    QList<CatalogEntry> twice;
    for (int line = 0; line < lines.size(); ++line) {
        text += lines[line] + u"\r\n"_s + lines[line] + u"\r\n"_s;
        twice << expected[line] << expected[line];
    }
    CategoryFile::Reading reading;
    QCOMPARE(CategoryFile::read(*Cp932::encode(text), reading), twice);
    QCOMPARE(CategoryFile::read("\xEF\xBB\xBF" + text.toUtf8(), reading), twice);
    QCOMPARE(CategoryFile::parseText(text), twice);
}

void TestCategoryFile::blankLinesTakeNoMemoryAhead() {
    // Sixteen million blank lines: one entry reserved for each would take more than a gigabyte.
    const QByteArray bytes(16 << 20, '\n');
    const qint64 before = addressSpace();
    QVERIFY(before > 0);
    const QList<CatalogEntry> entries = CategoryFile::parse(bytes);
    QVERIFY(entries.isEmpty());
    QCOMPARE_LT(addressSpace() - before, qint64(256) << 20);
}

void TestCategoryFile::readsBytesAsTheirDecodedText_data() {
    QTest::addColumn<QByteArray>("bytes");
    // UTF-8 that QByteArrayView::isValidUtf8 refuses, each read as code page 932 where it can be.
    QTest::newRow("overlong") << QByteArray("\"a\xC0\x80\",\"\xE3\x83\xA1\"");
    QTest::newRow("overlong three bytes") << QByteArray("\"\xE0\x80\xAF\"");
    QTest::newRow("surrogate") << QByteArray("\"\xED\xA0\x80\",x");
    QTest::newRow("past U+10FFFF") << QByteArray("\"\xF4\x90\x80\x80\"");
    QTest::newRow("cut off by a quote") << QByteArray("\"\xE3\x83\",\"\xE3\x83\xA1\"");
    QTest::newRow("cut off at the end") << QByteArray("\"\xE3\x83\xA1\",\xE3\x83");
    QTest::newRow("four bytes") << QByteArray("\"\xF0\x9F\x98\x80\",\"\xF4\x8F\xBF\xBF\"");
    QTest::newRow("mark, then invalid") << QByteArray("\xEF\xBB\xBF\"\xE3\x83\xA1\xFF\"");
    QTest::newRow("mark, then code page 932") << QByteArray("\xEF\xBB\xBF\"\x83\x81\"\r\n");
    QTest::newRow("lead byte before a quote") << QByteArray("\"\x83\",\"\x83\x81\"");

    // Files of random pieces, each file in one encoding, some with a stray byte.
    const QList<QByteArray> structure{"\"", "\"", ",", ",", " ", "\t", "\r", "\n", "\r\n", "a", "\\"};
    const QList<QByteArray> cp932{"\x83\x81", "\xB1", "\x81\x60", "\x87\x40", "\x5C", "\x8A\x5C", "\x95\x22"};
    const QList<QByteArray> utf8{"\xE3\x83\xA1", "\xC3\xA9", "\xF0\x9F\x98\x80", "\xEF\xBD\x9E"};
    const QList<QByteArray> stray{"\xFF", "\x80", "\xA0", "\x83", "\xE3\x83", "\xEF\xBB\xBF"};
    QRandomGenerator random(932);
    for (int file = 0; file < 400; ++file) {
        const QList<QByteArray>& text = file % 2 ? cp932 : utf8;
        QByteArray bytes = file % 7 == 0 ? QByteArray("\xEF\xBB\xBF") : QByteArray();
        const int pieces = random.bounded(1, 40);
        for (int piece = 0; piece < pieces; ++piece) {
            const QList<QByteArray>& from = random.bounded(3) == 0 ? text : structure;
            bytes += from[random.bounded(from.size())];
        }
        if (file % 5 == 0)
            bytes.insert(random.bounded(bytes.size() + 1), stray[random.bounded(stray.size())]);
        if (file % 11 == 0)
            bytes += "\x1A";
        QTest::addRow("random %d", file) << bytes;
    }
}

void TestCategoryFile::readsBytesAsTheirDecodedText() {
    // Reading fields straight from the bytes gives what reading the whole decoded text gives.
    QFETCH(QByteArray, bytes);
    CategoryFile::Reading reading;
    CategoryFile::Reading textReading;
    QCOMPARE(CategoryFile::read(bytes, reading), CategoryFile::parseText(CategoryFile::decode(bytes, textReading)));
    QCOMPARE(reading.intact, textReading.intact);
    if (reading.intact)
        QCOMPARE(reading.encoding, textReading.encoding);
}

void TestCategoryFile::writesTheBytesOfTheEncodedText() {
    // Each file as the whole text, quotes doubled and line breaks made blanks, encoded in one go would be.
    const QStringList pieces{u"a"_s,  u"\""_s, u"\r"_s, u"\n"_s, u","_s,      u" "_s,      u"メモ帳"_s,
                             u"～"_s, u"〜"_s, u"é"_s,  u"😀"_s,  u"\xD800"_s, u"\xDC00"_s, u"\\"_s};
    QRandomGenerator random(932);
    for (int file = 0; file < 400; ++file) {
        QList<CatalogEntry> entries(random.bounded(4));
        QString text;
        for (CatalogEntry& entry : entries) {
            for (int field = 0; field < CatalogEntry::FieldCount; ++field) {
                for (int piece = random.bounded(6); piece > 0; --piece) {
                    // Mostly text that code page 932 holds, so that most files are written in it.
                    entry[field] += pieces[random.bounded(file % 3 ? 7 : pieces.size())];
                }
                QString quoted = entry[field];
                quoted.replace(u'"', u"\"\""_s).replace(u'\r', u' ').replace(u'\n', u' ');
                text += (field ? u",\""_s : u"\""_s) + quoted + u'"';
            }
            text += u"\r\n"_s;
        }
        const std::optional<QByteArray> cp932 = Cp932::encode(text);
        QCOMPARE(CategoryFile::format(entries), cp932 ? *cp932 : "\xEF\xBB\xBF" + text.toUtf8());
    }
}

void TestCategoryFile::readsInPiecesAsFromTheWholeBytes_data() {
    readsBytesAsTheirDecodedText_data();
    QByteArray ascii;
    for (int line = 0; line < 20; ++line)
        ascii += "\"name\",\"kind\",\"type\",\"C:\\path\"\r\n";
    QTest::newRow("code page 932 after the first pieces") << ascii + "\"\x83\x81\",\"\x95\x22\"\r\n" + ascii;
    QTest::newRow("UTF-8 after the first pieces") << ascii + "\"\xE3\x83\xA1\"\n" + ascii;
    QTest::newRow("damaged after the first pieces") << ascii + "\"\xFF\"\r\n" + ascii;
    QTest::newRow("a line longer than many pieces")
        << "\"" + QByteArray(100, 'a') + "\xE3\x83\xA1\",\"" + QByteArray(50, ',') + "\"\r\n\"b\"";
    // Read in time that grows with the line: a piece at a time, the line's bytes are never searched again.
    QTest::newRow("a line of 200 KB in code page 932 after 1 KB of ASCII")
        << "\"" + QByteArray(1000, 'a') + QByteArray("\x83\x81").repeated(100'000) + "\"\r\n\"b\"";
    QTest::newRow("a line of 300 KB in UTF-8")
        << "\"" + QByteArray("\xE3\x83\xA1").repeated(100'000) + "\xF0\x9F\x98\x80\"\r\n";
    QTest::newRow("a long line whose first character of code page 932 is cut")
        << "\"" + QByteArray(30, 'a') + "\xE3\x83" + QByteArray(30, 'a') + "\"";
    QTest::newRow("two marks and a Ctrl-Z") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF\"a\"\r\n\x1A");
    QTest::newRow("Ctrl-Z inside, not at the end") << QByteArray("\"a\x1A\"\r\n\x1A\r\n");
}

void TestCategoryFile::readsInPiecesAsFromTheWholeBytes() {
    // Lines, characters, CR LF pairs and marks cut at every place a piece can end.
    QFETCH(QByteArray, bytes);
    CategoryFile::Reading wholeReading;
    const QList<CatalogEntry> whole = CategoryFile::read(bytes, wholeReading);
    QBuffer device(&bytes);
    QVERIFY(device.open(QIODevice::ReadOnly));
    for (const qsizetype pieceSize : {1, 7, 8, 11, 64 * 1024}) {
        CategoryFile::Reading reading;
        QCOMPARE(CategoryFile::read(device, reading, pieceSize), whole);
        QCOMPARE(reading.intact, wholeReading.intact);
        // The hash of the bytes read is that of the file, whichever reading it took.
        QCOMPARE(reading.digest, CategoryFile::digest(bytes, std::max<qsizetype>(pieceSize, 6)));
        QCOMPARE(CategoryFile::digest(device, std::max<qsizetype>(pieceSize, 6)), reading.digest);
        if (reading.intact)
            QCOMPARE(reading.encoding, wholeReading.encoding);
    }
}

// Gives its bytes up to failAt, then fails, as a disk might.
class FailingDevice : public QIODevice {
public:
    FailingDevice(QByteArray bytes, qint64 failAt) : m_bytes(std::move(bytes)), m_failAt(failAt) {}

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (pos() >= m_failAt)
            return -1;
        const qint64 size = std::min({maxSize, m_failAt - pos(), m_bytes.size() - pos()});
        std::copy_n(m_bytes.constData() + pos(), size, data);
        return size;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_failAt;
};

void TestCategoryFile::aFailingReadGivesNoEntries() {
    // In the first encoding tried, in the second, and while the start is looked at for marks.
    const QByteArray lines = QByteArray("\"a\",\"b\"\r\n").repeated(100);
    for (const QByteArray& bytes : {lines, "\"\x83\x81\"\r\n" + lines}) {
        for (const qint64 failAt : {qint64(0), qint64(700), bytes.size() - 2}) {
            FailingDevice device(bytes, failAt);
            QVERIFY(device.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
            CategoryFile::Reading reading;
            QCOMPARE(CategoryFile::read(device, reading, 64), std::nullopt);
        }
    }
}

QTEST_GUILESS_MAIN(TestCategoryFile)
#include "tst_category_file.moc"
