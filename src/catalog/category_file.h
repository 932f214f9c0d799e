#pragma once

#include "catalog_entry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QStringView>

// The text of a category file: one entry a line, its four fields each in double quotes, separated by commas,
// every line ended by CR LF. The file is in code page 932; a file that starts with the UTF-8 byte-order mark is
// UTF-8 (the writer's choice when a field holds text that code page 932 cannot).
namespace CategoryFile {

// Entries of a file's bytes, in line order. Reading is lenient so that no line is lost: LF or CR LF line ends,
// blank lines skipped, unquoted fields, missing fields empty, fields past the fourth joined to the fourth with
// their commas, and a doubled quote inside a quoted field read as one quote.
QList<CatalogEntry> parse(QByteArrayView bytes);

// Entries of a file's text, already decoded.
QList<CatalogEntry> parseText(QStringView text);

// A file's bytes for the entries: code page 932 when every field fits in it, else UTF-8 with its byte-order mark.
// A quote inside a field is doubled; a line break inside a field is written as a blank, so that every entry
// stays one line.
QByteArray format(const QList<CatalogEntry>& entries);

} // namespace CategoryFile
