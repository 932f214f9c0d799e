#pragma once

#include "catalog_entry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QList>
#include <QStringView>

#include <optional>

// The text of a category file: one entry a line, its four fields each in double quotes, separated by commas,
// every line ended by CR LF. The file is in code page 932; a file that starts with the UTF-8 byte-order mark is
// UTF-8 (the writer's choice when a field holds text that code page 932 cannot).
namespace CategoryFile {

enum class Encoding { Cp932, Utf8 };

// The UTF-8 byte-order mark that starts a file written in UTF-8.
inline constexpr QByteArrayView Utf8Bom("\xEF\xBB\xBF");

// How a file's bytes were read. intact is false when the bytes are neither code page 932 nor UTF-8: the text then
// holds U+FFFD for what could not be read, and writing it back would lose the original bytes.
struct Reading {
    bool intact = true;
    Encoding encoding = Encoding::Cp932;
    // The digest of the bytes, from a read of a device.
    size_t digest = 0;
};

// The text of a file's bytes. A file with the byte-order mark is UTF-8. Without it, bytes that are valid code page
// 932 are read so, the program's own format, unless they are also valid UTF-8 holding a character of three bytes
// or more, as Japanese text in UTF-8 does (such bytes are often valid code page 932 as well, but as other
// characters); bytes that are valid UTF-8 alone are UTF-8. One final Ctrl-Z, which old editors put at the end of
// a file, is not text.
QString decode(QByteArrayView bytes, Reading& reading);

// Entries of a file's bytes, decoded as decode does it but each field straight from the bytes.
QList<CatalogEntry> read(QByteArrayView bytes, Reading& reading);

// Entries of the file device holds from its start, as read gives them for its bytes, read a piece of about
// pieceSize bytes at a time so that the whole file is never in memory at once; nothing when the device fails.
std::optional<QList<CatalogEntry>> read(QIODevice& device, Reading& reading, qsizetype pieceSize = 64 * 1024);

// A hash of a file's bytes, to tell whether a file is still the one that was read: that of bytes, of the file
// device holds from its start (nothing when the device fails), and the one a read of the device gives, alike for
// the same pieceSize.
size_t digest(QByteArrayView bytes, qsizetype pieceSize = 64 * 1024);
std::optional<size_t> digest(QIODevice& device, qsizetype pieceSize = 64 * 1024);

// Entries of a file's bytes, in line order. Reading is lenient so that no line is lost: CR, LF or CR LF line
// ends, blank lines skipped, unquoted fields, blanks after a closing quote dropped, missing fields empty, fields
// past the fourth joined to the fourth with their commas, and a doubled quote inside a quoted field read as one
// quote.
QList<CatalogEntry> parse(QByteArrayView bytes);

// Entries of a file's text, already decoded.
QList<CatalogEntry> parseText(QStringView text);

// A file's bytes for the entries, which read gives back exactly: code page 932 when every field fits in it and
// the bytes would not be taken for UTF-8, else UTF-8 with its byte-order mark; always the latter for a file that
// was read as UTF-8, so that it stays so. A quote inside a field is doubled; a line break inside a field is
// written as a blank, so that every entry stays one line.
QByteArray format(const QList<CatalogEntry>& entries, Encoding encoding = Encoding::Cp932);

} // namespace CategoryFile
