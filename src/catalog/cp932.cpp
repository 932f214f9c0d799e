#include "cp932.h"

#include "cp932_tables.h"

using Cp932Tables::NoChar;

namespace {

// The character of the code at p, moving p past it; NoChar for a byte that starts no valid code, p then past
// that byte alone.
char16_t next(const uchar*& p, const uchar* end) {
    const uchar byte = *p++;
    const int row = Cp932Tables::leadRow[byte];
    if (row == 0)
        return Cp932Tables::single[byte];
    if (p == end)
        return NoChar;
    const char16_t pair = Cp932Tables::pairs[row][*p];
    if (pair != NoChar)
        ++p;
    return pair;
}

} // namespace

namespace Cp932 {

std::optional<QString> decode(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    const char16_t* end = decodeInto(bytes, reinterpret_cast<char16_t*>(text.data()));
    if (!end)
        return std::nullopt;
    text.truncate(end - reinterpret_cast<const char16_t*>(text.constData()));
    return text;
}

QString decodeLossy(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const uchar* p = reinterpret_cast<const uchar*>(bytes.data());
    const uchar* const end = p + bytes.size();
    while (p < end) {
        const char16_t c = next(p, end);
        *out++ = c == NoChar ? u'\uFFFD' : c;
    }
    text.truncate(out - reinterpret_cast<const char16_t*>(text.constData()));
    return text;
}

std::optional<QByteArray> encode(QStringView text) {
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    const char* end = encodeInto(text, bytes.data());
    if (!end)
        return std::nullopt;
    bytes.truncate(end - bytes.constData());
    return bytes;
}

char16_t* decodeInto(QByteArrayView bytes, char16_t* out) {
    const uchar* p = reinterpret_cast<const uchar*>(bytes.data());
    const uchar* const end = p + bytes.size();
    while (p < end) {
        if (*p < 0x80) {
            *out++ = *p++;
            continue;
        }
        const char16_t c = next(p, end);
        if (c == NoChar)
            return nullptr;
        *out++ = c;
    }
    return out;
}

char* encodeInto(QStringView text, char* out) {
    for (QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit < 0x80) {
            *out++ = static_cast<char>(unit);
            continue;
        }
        const std::uint16_t code = Cp932Tables::encoding[unit];
        if (code == NoChar)
            return nullptr;
        if (code > 0xFF)
            *out++ = static_cast<char>(code >> 8);
        *out++ = static_cast<char>(code & 0xFF);
    }
    return out;
}

} // namespace Cp932
