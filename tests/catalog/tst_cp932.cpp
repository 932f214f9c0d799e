#include "cp932.h"

#include <QTest>

#include <cerrno>
#include <iconv.h>

using namespace Qt::StringLiterals;

// The codec's tables against glibc's iconv, code by code.
class TestCp932 : public QObject {
    Q_OBJECT

private slots:
    void decodesEveryCodeAsIconvDoes();
    void encodesEveryCharacterAsIconvDoes();
};

namespace {

constexpr const char* Utf16 = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";

class Iconv {
public:
    Iconv(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Iconv() { iconv_close(m_cd); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    bool isOpen() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of in as it can into out; false where it stopped early, with in moved to that place.
    bool convert(QByteArrayView& in, QByteArray& out) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char buffer[64];
        char* inPtr = const_cast<char*>(in.data());
        size_t inLeft = static_cast<size_t>(in.size());
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const bool done = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1);
        out = QByteArray(buffer, outPtr - buffer);
        in = in.sliced(in.size() - static_cast<qsizetype>(inLeft));
        return done;
    }

private:
    iconv_t m_cd;
};

QString fromUtf16(const QByteArray& units) {
    return QString(reinterpret_cast<const QChar*>(units.constData()), units.size() / 2);
}

// What iconv makes of bytes, strictly and with U+FFFD for each byte that starts no valid code.
std::optional<QString> iconvDecode(Iconv& iconv, QByteArrayView bytes, bool lossy) {
    QString text;
    while (!bytes.isEmpty()) {
        QByteArray units;
        const bool done = iconv.convert(bytes, units);
        text += fromUtf16(units);
        if (done)
            break;
        if (!lossy)
            return std::nullopt;
        text += QChar::ReplacementCharacter;
        bytes = bytes.sliced(1);
    }
    return text;
}

} // namespace

void TestCp932::decodesEveryCodeAsIconvDoes() {
    Iconv iconv(Utf16, "CP932");
    QVERIFY(iconv.isOpen());
    int mismatches = 0;
    // Every byte alone, then every pair of bytes.
    for (int code = 0; code < 0x100 + 0x10000; ++code) {
        QByteArray bytes;
        if (code < 0x100)
            bytes.append(char(code));
        else
            bytes.append(char((code - 0x100) >> 8)).append(char(code - 0x100));
        if (Cp932::decode(bytes) != iconvDecode(iconv, bytes, false) ||
            Cp932::decodeLossy(bytes) != *iconvDecode(iconv, bytes, true)) {
            if (++mismatches <= 10)
                qWarning("code %s decodes otherwise than iconv", bytes.toHex().constData());
        }
    }
    QCOMPARE(mismatches, 0);
}

void TestCp932::encodesEveryCharacterAsIconvDoes() {
    Iconv iconv("CP932", Utf16);
    QVERIFY(iconv.isOpen());
    // Characters that iconv writes but that read back as others.
    const QString oneWay = u"\u00A2\u00A3\u00A5\u00AC\u2014\u2016\u203E\u2212\u301C"_s;
    int mismatches = 0;
    int refusedOneWay = 0;
    for (char32_t c = 0; c < 0x10000; ++c) {
        const char16_t unit = static_cast<char16_t>(c);
        QByteArrayView in(reinterpret_cast<const char*>(&unit), sizeof unit);
        QByteArray bytes;
        std::optional<QByteArray> expected;
        if (iconv.convert(in, bytes))
            expected = bytes;
        const std::optional<QByteArray> encoded = Cp932::encode(QStringView(&unit, 1));
        if (oneWay.contains(QChar(unit))) {
            refusedOneWay += expected.has_value() && !encoded.has_value();
        } else if (encoded != expected) {
            if (++mismatches <= 10)
                qWarning("U+%04X encodes otherwise than iconv", unsigned(c));
        }
    }
    QCOMPARE(mismatches, 0);
    QCOMPARE(refusedOneWay, oneWay.size());
    // A character outside the BMP, as a surrogate pair, has no code either.
    QCOMPARE(Cp932::encode(u"😀"_s), std::nullopt);
}

QTEST_GUILESS_MAIN(TestCp932)
#include "tst_cp932.moc"
