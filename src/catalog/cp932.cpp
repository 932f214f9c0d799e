#include "cp932.h"

#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace {

constexpr const char* Utf16 = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";

// One conversion descriptor, opened per call: a call converts a whole file at once.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            qFatal("iconv cannot convert from %s to %s", from, to);
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; returns false with errno set where it stopped early.
    bool convert(const char*& in, size_t& inLeft, char*& out, size_t& outLeft) {
        return iconv(m_cd, const_cast<char**>(&in), &inLeft, &out, &outLeft) != static_cast<size_t>(-1);
    }

private:
    iconv_t m_cd;
};

// Characters that code page 932 writes but reads back as another character.
bool isOneWay(char16_t c) {
    switch (c) {
    case 0x00A2:
    case 0x00A3:
    case 0x00A5:
    case 0x00AC:
    case 0x2014:
    case 0x2016:
    case 0x203E:
    case 0x2212:
    case 0x301C:
        return true;
    default:
        return false;
    }
}

std::optional<QString> toText(QByteArrayView bytes, bool replaceInvalid) {
    // Never more UTF-16 units than bytes.
    QString text(bytes.size(), Qt::Uninitialized);
    Converter cd(Utf16, "CP932");
    const char* in = bytes.data();
    size_t inLeft = static_cast<size_t>(bytes.size());
    char* const outStart = reinterpret_cast<char*>(text.data());
    char* out = outStart;
    size_t outLeft = static_cast<size_t>(text.size()) * sizeof(char16_t);
    while (inLeft > 0 && !cd.convert(in, inLeft, out, outLeft)) {
        if (!replaceInvalid)
            return std::nullopt;
        if (errno != EILSEQ && errno != EINVAL)
            break;
        // An invalid or cut-off sequence: one replacement character for its first byte, then go on.
        const char16_t replacement = u'\uFFFD';
        std::memcpy(out, &replacement, sizeof replacement);
        out += sizeof replacement;
        outLeft -= sizeof replacement;
        ++in;
        --inLeft;
    }
    text.truncate((out - outStart) / static_cast<qsizetype>(sizeof(char16_t)));
    return text;
}

} // namespace

namespace Cp932 {

std::optional<QString> decode(QByteArrayView bytes) {
    return toText(bytes, false);
}

QString decodeLossy(QByteArrayView bytes) {
    return *toText(bytes, true);
}

std::optional<QByteArray> encode(QStringView text) {
    const bool hasOneWay = std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x00A2 && c.unicode() <= 0x301C && isOneWay(c.unicode());
    });
    if (hasOneWay)
        return std::nullopt;
    // At most two bytes for each UTF-16 unit.
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    Converter cd("CP932", Utf16);
    const char* in = reinterpret_cast<const char*>(text.data());
    size_t inLeft = static_cast<size_t>(text.size()) * sizeof(char16_t);
    char* out = bytes.data();
    size_t outLeft = static_cast<size_t>(bytes.size());
    if (!cd.convert(in, inLeft, out, outLeft))
        return std::nullopt;
    bytes.truncate(out - bytes.data());
    return bytes;
}

} // namespace Cp932
