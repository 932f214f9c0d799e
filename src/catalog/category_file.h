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

// The text of a file's bytes. A file with the byte-order mark is UTF-8. Without it, a file that is valid UTF-8 is
// read as UTF-8, since an editor may have saved it so (Japanese text in UTF-8 often happens to be valid code page
// 932 as well, but as other characters), and any other file as code page 932. One final Ctrl-Z, which old
// editors put at the end of a file, is not text. intact is false when the bytes are none of these: the text then
// holds U+FFFD for what could not be read, and writing it back would lose the original bytes.
QString decode(QByteArrayView bytes, bool& intact);

// Entries of a file's bytes, decoded as decode does it (intact likewise) but each field straight from the bytes.
QList<CatalogEntry> read(QByteArrayView bytes, bool& intact);

// Entries of the file device holds from its start, as read gives them for its bytes, read a piece of about
// pieceSize bytes at a time so that the whole file is never in memory at once; nothing when the device fails.
std::optional<QList<CatalogEntry>> read(QIODevice& device, bool& intact, qsizetype pieceSize = 64 * 1024);

// Entries of a file's bytes, in line order. Reading is lenient so that no line is lost: CR, LF or CR LF line
// ends, blank lines skipped, unquoted fields, blanks after a closing quote dropped, missing fields empty, fields
// past the fourth joined to the fourth with their commas, and a doubled quote inside a quoted field read as one
// quote.
QList<CatalogEntry> parse(QByteArrayView bytes);

// Entries of a file's text, already decoded.
QList<CatalogEntry> parseText(QStringView text);

// A file's bytes for the entries: code page 932 when every field fits in it, else UTF-8 with its byte-order mark.
// A quote inside a field is doubled; a line break inside a field is written as a blank, so that every entry
// stays one line.
QByteArray format(const QList<CatalogEntry>& entries);

} // namespace CategoryFile
