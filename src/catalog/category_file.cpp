#include "category_file.h"

#include "cp932.h"

#include <QString>

#include <algorithm>

namespace {

constexpr QByteArrayView Utf8Bom("\xEF\xBB\xBF");

// Reads one field of line starting at pos and moves pos past it and past the comma that ends it; more tells
// whether such a comma was there, so that another field follows.
QString readField(QStringView line, qsizetype& pos, bool& more) {
    more = false;
    QString field;
    if (pos < line.size() && line[pos] == u'"') {
        // A quote ends the field only where a comma or the line's end follows it; "" is one quote.
        ++pos;
        for (;;) {
            const qsizetype quote = line.indexOf(u'"', pos);
            if (quote < 0) {
                field.append(line.sliced(pos));
                pos = line.size();
                return field;
            }
            field.append(line.sliced(pos, quote - pos));
            pos = quote + 1;
            if (pos == line.size())
                return field;
            if (line[pos] == u',') {
                ++pos;
                more = true;
                return field;
            }
            if (line[pos] == u'"')
                ++pos;
            field.append(u'"');
        }
    }
    const qsizetype comma = line.indexOf(u',', pos);
    const qsizetype end = comma < 0 ? line.size() : comma;
    field = line.mid(pos, end - pos).toString();
    more = comma >= 0;
    pos = more ? comma + 1 : line.size();
    return field;
}

CatalogEntry parseLine(QStringView line) {
    CatalogEntry entry;
    qsizetype pos = 0;
    bool more = true;
    for (int field = 0; field < CatalogEntry::FieldCount && more; ++field)
        entry[field] = readField(line, pos, more);
    // Fields past the fourth belong to the location, which may itself hold commas.
    while (more) {
        entry.EntryLocation.append(u',');
        entry.EntryLocation.append(readField(line, pos, more));
    }
    return entry;
}

bool needsRewriting(QChar c) { return c == u'"' || c == u'\r' || c == u'\n'; }

void appendField(QString& text, const QString& field) {
    text.append(u'"');
    if (std::none_of(field.cbegin(), field.cend(), needsRewriting)) {
        text.append(field);
    } else {
        for (QChar c : field) {
            if (c == u'"')
                text.append(u"\"\"");
            else if (c == u'\r' || c == u'\n')
                text.append(u' ');
            else
                text.append(c);
        }
    }
    text.append(u'"');
}

} // namespace

namespace CategoryFile {

QList<CatalogEntry> parse(QByteArrayView bytes) {
    if (bytes.startsWith(Utf8Bom))
        return parseText(QString::fromUtf8(bytes.sliced(Utf8Bom.size())));
    return parseText(Cp932::decode(bytes));
}

QList<CatalogEntry> parseText(QStringView text) {
    QList<CatalogEntry> entries;
    entries.reserve(text.count(u'\n') + 1);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        QStringView line = text.sliced(start, end - start);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!line.isEmpty())
            entries.append(parseLine(line));
        start = end + 1;
    }
    return entries;
}

QByteArray format(const QList<CatalogEntry>& entries) {
    QString text;
    qsizetype size = 0;
    for (const CatalogEntry& entry : entries)
        size +=
            entry.EntryName.size() + entry.EntryKind.size() + entry.EntryType.size() + entry.EntryLocation.size() + 13;
    text.reserve(size);
    for (const CatalogEntry& entry : entries) {
        for (int field = 0; field < CatalogEntry::FieldCount; ++field) {
            if (field > 0)
                text.append(u',');
            appendField(text, entry[field]);
        }
        text.append(u"\r\n");
    }
    if (std::optional<QByteArray> bytes = Cp932::encode(text))
        return *std::move(bytes);
    return Utf8Bom.toByteArray() + text.toUtf8();
}

} // namespace CategoryFile
