// Writing a category file: the bytes that reading gives back exactly.
#include "category_file.h"

#include "cp932.h"

#include <QString>

#include <algorithm>
#include <optional>
#include <utility>

using CategoryFile::Utf8Bom;

namespace {

// Whether read takes bytes without a mark for UTF-8: valid UTF-8 with a character of three bytes or more, whose
// lead bytes are those from E0 on.
bool readAsUtf8(QByteArrayView bytes) {
    return bytes.isValidUtf8() && std::any_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) >= 0xE0; });
}

bool needsRewriting(QChar c) {
    return c == u'"' || c == u'\r' || c == u'\n';
}

// Writers of the file's bytes: encode writes a piece of text at out and returns where it ends, or nullptr for
// a character the encoding cannot hold; MaxBytes is the most bytes a UTF-16 unit takes.
struct Cp932Writer {
    static constexpr qsizetype MaxBytes = 2;
    static char* encode(QStringView piece, char* out) { return Cp932::encodeInto(piece, out); }
};

struct Utf8Writer {
    static constexpr qsizetype MaxBytes = 3;
    // As QString::toUtf8 writes it: a lone surrogate becomes a question mark.
    static char* encode(QStringView piece, char* out) {
        const char16_t* p = piece.utf16();
        const char16_t* const end = p + piece.size();
        while (p < end) {
            char32_t c = *p++;
            if (c < 0x80) {
                *out++ = static_cast<char>(c);
            } else if (c < 0x800) {
                *out++ = static_cast<char>(0xC0 | c >> 6);
                *out++ = static_cast<char>(0x80 | (c & 0x3F));
            } else if (!QChar::isSurrogate(c)) {
                *out++ = static_cast<char>(0xE0 | c >> 12);
                *out++ = static_cast<char>(0x80 | (c >> 6 & 0x3F));
                *out++ = static_cast<char>(0x80 | (c & 0x3F));
            } else if (QChar::isHighSurrogate(c) && p < end && QChar::isLowSurrogate(*p)) {
                c = QChar::surrogateToUcs4(static_cast<char16_t>(c), *p++);
                *out++ = static_cast<char>(0xF0 | c >> 18);
                *out++ = static_cast<char>(0x80 | (c >> 12 & 0x3F));
                *out++ = static_cast<char>(0x80 | (c >> 6 & 0x3F));
                *out++ = static_cast<char>(0x80 | (c & 0x3F));
            } else {
                *out++ = '?';
            }
        }
        return out;
    }
};

// A quote inside a field is doubled; a line break becomes a blank, so that every entry stays one line.
template <typename Writer> char* writeField(QStringView field, char* out) {
    *out++ = '"';
    for (;;) {
        const auto special = std::find_if(field.begin(), field.end(), needsRewriting);
        out = Writer::encode(QStringView(field.begin(), special), out);
        if (!out)
            return nullptr;
        if (special == field.end())
            break;
        if (*special == u'"') {
            *out++ = '"';
            *out++ = '"';
        } else {
            *out++ = ' ';
        }
        field = QStringView(special + 1, field.end());
    }
    *out++ = '"';
    return out;
}

// The file's bytes in one encoding after prefix; nothing when some field does not fit in it.
template <typename Writer> std::optional<QByteArray> write(const QList<CatalogEntry>& entries, QByteArrayView prefix) {
    // Quotes and commas around the four fields and the line end: 13 bytes an entry.
    qsizetype size = prefix.size();
    for (const CatalogEntry& entry : entries)
        size +=
            (entry.EntryName.size() + entry.EntryKind.size() + entry.EntryType.size() + entry.EntryLocation.size()) *
                Writer::MaxBytes +
            13;
    QByteArray bytes(size, Qt::Uninitialized);
    char* out = std::copy(prefix.begin(), prefix.end(), bytes.data());
    for (const CatalogEntry& entry : entries) {
        for (int field = 0; field < CatalogEntry::FieldCount; ++field) {
            if (field > 0)
                *out++ = ',';
            out = writeField<Writer>(entry[field], out);
            if (!out)
                return std::nullopt;
        }
        *out++ = '\r';
        *out++ = '\n';
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
}

} // namespace

namespace CategoryFile {

QByteArray format(const QList<CatalogEntry>& entries, Encoding encoding) {
    if (encoding == Encoding::Cp932) {
        std::optional<QByteArray> bytes = write<Cp932Writer>(entries, {});
        // "ﾃカ" is C3 83 4A, valid UTF-8 as well, but only of two bytes a character: read takes it for code page
        // 932. A character of three bytes would make it UTF-8.
        if (bytes && !readAsUtf8(*bytes))
            return *std::move(bytes);
    }
    return *write<Utf8Writer>(entries, Utf8Bom);
}

} // namespace CategoryFile
