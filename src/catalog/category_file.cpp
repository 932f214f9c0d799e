#include "category_file.h"

#include "cp932.h"

#include <QString>

#include <algorithm>

namespace {

constexpr QByteArrayView Utf8Bom("\xEF\xBB\xBF");
constexpr char CtrlZ = '\x1A';

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// Where the blanks that start at pos end.
qsizetype skipBlanks(QStringView line, qsizetype pos) {
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
    return pos;
}

bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

// The text that shows the most of bytes that are neither clean UTF-8 nor clean code page 932.
QString decodeDamaged(QByteArrayView bytes) {
    const QString asUtf8 = QString::fromUtf8(bytes);
    const QString asCp932 = Cp932::decodeLossy(bytes);
    return asUtf8.count(QChar::ReplacementCharacter) < asCp932.count(QChar::ReplacementCharacter) ? asUtf8 : asCp932;
}

// Reads one field of line starting at pos and moves pos past it and past the comma that ends it; more tells
// whether such a comma was there, so that another field follows.
QString readField(QStringView line, qsizetype& pos, bool& more) {
    more = false;
    QString field;
    if (pos < line.size() && line[pos] == u'"') {
        // A quote ends the field only where a comma or the line's end follows it, blanks aside; "" is one quote.
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
            const qsizetype after = skipBlanks(line, pos);
            if (after == line.size()) {
                pos = after;
                return field;
            }
            if (line[after] == u',') {
                pos = after + 1;
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

bool needsRewriting(QChar c) {
    return c == u'"' || c == u'\r' || c == u'\n';
}

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

QString decode(QByteArrayView bytes, bool& intact) {
    intact = true;
    if (bytes.endsWith(CtrlZ))
        bytes.chop(1);
    if (bytes.startsWith(Utf8Bom)) {
        bytes = bytes.sliced(Utf8Bom.size());
        intact = bytes.isValidUtf8();
        return QString::fromUtf8(bytes);
    }
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    if (std::optional<QString> text = Cp932::decode(bytes))
        return *std::move(text);
    intact = false;
    return decodeDamaged(bytes);
}

QList<CatalogEntry> parse(QByteArrayView bytes) {
    bool intact;
    return parseText(decode(bytes, intact));
}

QList<CatalogEntry> parseText(QStringView text) {
    // Not reserved ahead: a file of blank lines holds no entry at all.
    QList<CatalogEntry> entries;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && !isLineEnd(text[end]))
            ++end;
        if (end > start)
            entries.append(parseLine(text.sliced(start, end - start)));
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
