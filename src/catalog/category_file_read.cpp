// Reading a category file: its encoding, its lines and their fields.
#include "category_file.h"

#include "cp932.h"

#include <QHashFunctions>
#include <QString>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using CategoryFile::Utf8Bom;

namespace {

constexpr char CtrlZ = '\x1A';

// The text that shows the most of bytes that are neither clean UTF-8 nor clean code page 932.
QString decodeDamaged(QByteArrayView bytes) {
    const QString asUtf8 = QString::fromUtf8(bytes);
    const QString asCp932 = Cp932::decodeLossy(bytes);
    return asUtf8.count(QChar::ReplacementCharacter) < asCp932.count(QChar::ReplacementCharacter) ? asUtf8 : asCp932;
}

// Where a file's text comes from: text already decoded, or the bytes themselves, so that each field is decoded
// once, straight into a string of its exact size. In every one of them a quote, comma, blank or line end is one
// unit of the same value and never part of another character. decode writes a piece's text at out, which has
// room for one UTF-16 unit a unit of the piece, and returns where it ends, or nullptr for bytes it cannot read.
struct DecodedText {
    using Unit = char16_t;
    static char16_t* decode(std::u16string_view piece, char16_t* out) {
        return std::copy(piece.begin(), piece.end(), out);
    }
};

struct Cp932Bytes {
    using Unit = char;
    static char16_t* decode(std::string_view piece, char16_t* out) { return Cp932::decodeInto(piece, out); }
    // Bytes of code page 932 are told apart only as they are read.
    static size_t readableStart(std::string_view start) { return start.size(); }
};

struct Utf8Bytes {
    using Unit = char;
    // Whether a character of two bytes, and one of three or four, was met: bytes that hold only the former may be
    // code page 932 text as well.
    bool twoBytesMet = false;
    bool longerMet = false;

    // How many bytes of start, the beginning of a line still being read, are UTF-8: all of them but a character
    // cut off at their end; npos when they hold bytes that are not, which no later byte can mend.
    static size_t readableStart(std::string_view start) {
        size_t whole = start.size();
        // Back over the trail bytes at the end to the character's lead byte, which tells its length.
        for (size_t back = 1; back <= std::min<size_t>(4, start.size()); ++back) {
            const uchar byte = static_cast<uchar>(start[start.size() - back]);
            if ((byte & 0xC0) == 0x80)
                continue;
            const size_t length = byte < 0xC0 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
            if (length > back)
                whole -= back;
            break;
        }
        return QByteArrayView(start.data(), static_cast<qsizetype>(whole)).isValidUtf8() ? whole
                                                                                          : std::string_view::npos;
    }

    // Refuses what QByteArrayView::isValidUtf8 refuses: overlong forms, surrogates, code points past U+10FFFF
    // and cut-off sequences.
    char16_t* decode(std::string_view piece, char16_t* out) {
        const uchar* p = reinterpret_cast<const uchar*>(piece.data());
        const uchar* const end = p + piece.size();
        const auto isTrail = [](uchar byte) { return (byte & 0xC0) == 0x80; };
        // Kept apart from the members, which the bytes might alias as far as the compiler knows.
        bool twoBytes = false;
        bool longer = false;
        while (p < end) {
            const uchar lead = *p++;
            if (lead < 0x80) {
                *out++ = lead;
            } else if (lead < 0xC2) {
                return nullptr;
            } else if (lead < 0xE0) {
                if (p == end || !isTrail(p[0]))
                    return nullptr;
                *out++ = static_cast<char16_t>((lead & 0x1F) << 6 | (p[0] & 0x3F));
                p += 1;
                twoBytes = true;
            } else if (lead < 0xF0) {
                // Japanese text, mostly.
                if (end - p < 2 || !isTrail(p[0]) || !isTrail(p[1]))
                    return nullptr;
                const char16_t c = static_cast<char16_t>((lead & 0x0F) << 12 | (p[0] & 0x3F) << 6 | (p[1] & 0x3F));
                if (c < 0x800 || QChar::isSurrogate(c))
                    return nullptr;
                *out++ = c;
                p += 2;
                longer = true;
            } else {
                if (lead >= 0xF5 || end - p < 3 || !isTrail(p[0]) || !isTrail(p[1]) || !isTrail(p[2]))
                    return nullptr;
                const char32_t c = (lead & 0x07) << 18 | (p[0] & 0x3F) << 12 | (p[1] & 0x3F) << 6 | (p[2] & 0x3F);
                if (c < 0x10000 || c > 0x10FFFF)
                    return nullptr;
                *out++ = QChar::highSurrogate(c);
                *out++ = QChar::lowSurrogate(c);
                p += 3;
                longer = true;
            }
        }
        twoBytesMet = twoBytesMet || twoBytes;
        longerMet = longerMet || longer;
        return out;
    }
};

// A string of exactly the text from start to end; null when empty, as an absent field.
QString makeString(const char16_t* start, const char16_t* end) {
    return start == end ? QString() : QString(reinterpret_cast<const QChar*>(start), end - start);
}

// One string for each text of a column that recurs, so that the entries holding it share it: a field takes the
// slot of its bytes' hash, in place of the one before. A field whose bytes are those in its slot is not read again.
template <typename Unit> class SharedTexts {
    using View = std::basic_string_view<Unit>;

public:
    // The text of the field at pos when it is quoted, holds no quote, ends at a comma and has the bytes of its
    // slot; pos is then past that comma. Nothing for any other field.
    const QString* find(View line, size_t pos, size_t& next) const {
        if (pos >= line.size() || line[pos] != Unit('"'))
            return nullptr;
        const size_t quote = line.find(Unit('"'), pos + 1);
        if (quote == View::npos || quote + 1 >= line.size() || line[quote + 1] != Unit(','))
            return nullptr;
        const View field = line.substr(pos, quote + 2 - pos);
        const Slot& slot = m_slots[std::hash<View>()(field) % Count];
        if (slot.field != field)
            return nullptr;
        next = quote + 2;
        return &slot.text;
    }

    // The text of a field that was read: field is all its bytes, up to its comma or the line's end.
    QString keep(View field, const char16_t* start, const char16_t* end) {
        Slot& slot = m_slots[std::hash<View>()(field) % Count];
        if (slot.field != field) {
            slot.field.assign(field);
            slot.text = makeString(start, end);
        }
        return slot.text;
    }

private:
    struct Slot {
        std::basic_string<Unit> field;
        QString text;
    };
    static constexpr size_t Count = 64;
    Slot m_slots[Count];
};

// Calls read with each line of text that is not blank, in order, while it returns true; false when it did not.
// Every CR and every LF ends a line.
template <typename Unit, typename Read> bool forEachLine(std::basic_string_view<Unit> text, Read read) {
    // The next CR and LF from start, each found again only once start has passed it.
    const auto next = [text](Unit c, size_t from) { return std::min(text.find(c, from), text.size()); };
    size_t start = 0;
    size_t cr = next(Unit('\r'), 0);
    size_t lf = next(Unit('\n'), 0);
    while (start < text.size()) {
        if (cr < start)
            cr = next(Unit('\r'), start);
        if (lf < start)
            lf = next(Unit('\n'), start);
        const size_t end = std::min(cr, lf);
        if (end > start && !read(text.substr(start, end - start)))
            return false;
        start = end + 1;
    }
    return true;
}

// Reads the entries of a file's text. Reading is lenient, see CategoryFile::parse.
template <typename Source> class Reader {
    using Unit = typename Source::Unit;
    using View = std::basic_string_view<Unit>;

public:
    // False when the source finds bytes it cannot read.
    bool read(View text, QList<CatalogEntry>& entries) {
        return forEachLine(text, [this, &entries](View line) { return readLine(line, entries.emplaceBack()); });
    }
    const Source& source() const { return m_source; }

private:
    static bool isBlank(Unit c) { return c == Unit(' ') || c == Unit('\t'); }

    bool readLine(View line, CatalogEntry& entry) {
        size_t pos = 0;
        bool more = true;
        for (int field = 0; field < CatalogEntry::FieldCount && more; ++field) {
            const bool shared = field == 1 || field == 2;
            if (shared) {
                if (const QString* known = m_shared[field - 1].find(line, pos, pos)) {
                    entry[field] = *known;
                    continue;
                }
            }
            const size_t start = pos;
            const char16_t* end = readField(line, pos, more);
            if (!end)
                return false;
            entry[field] = shared ? m_shared[field - 1].keep(line.substr(start, pos - start), fieldStart(), end)
                                  : takeField(end);
        }
        // Fields past the fourth belong to the location, which may itself hold commas.
        if (!more)
            return true;
        while (more) {
            const char16_t* end = readField(line, pos, more);
            if (!end)
                return false;
            entry.EntryLocation.append(u',');
            entry.EntryLocation.append(QStringView(fieldStart(), end));
        }
        entry.EntryLocation.squeeze();
        return true;
    }

    char16_t* fieldStart() { return reinterpret_cast<char16_t*>(m_field.data()); }

    // The text of the field in m_field, which ends at end. A long field takes m_field itself rather than a copy,
    // so that a line of many megabytes is not copied once more.
    QString takeField(const char16_t* end) {
        const qsizetype size = end - fieldStart();
        return size < LargeField ? makeString(fieldStart(), end) : takeFieldBuffer(size);
    }
    Q_NEVER_INLINE QString takeFieldBuffer(qsizetype size) {
        QString text = std::exchange(m_field, {});
        text.truncate(size);
        text.squeeze();
        return text;
    }

    // Reads one field of line starting at pos into m_field and returns where its text ends there, nullptr for
    // bytes that cannot be read. Moves pos past the field and past the comma that ends it; more tells whether
    // such a comma was there, so that another field follows.
    char16_t* readField(View line, size_t& pos, bool& more) {
        // Room for the rest of the line, left uninitialized: only what the field decodes is written.
        if (const auto rest = static_cast<qsizetype>(line.size() - pos); m_field.size() < rest)
            m_field.resize(rest);
        char16_t* const start = fieldStart();
        char16_t* out = start;
        more = false;
        if (pos < line.size() && line[pos] == Unit('"')) {
            // A quote ends the field only where a comma or the line's end follows it, blanks aside; "" is one quote.
            ++pos;
            for (;;) {
                const size_t quote = std::min(line.find(Unit('"'), pos), line.size());
                out = m_source.decode(line.substr(pos, quote - pos), out);
                if (!out)
                    return nullptr;
                if (quote == line.size()) {
                    pos = quote;
                    break;
                }
                pos = quote + 1;
                size_t after = pos;
                while (after < line.size() && isBlank(line[after]))
                    ++after;
                if (after == line.size() || line[after] == Unit(',')) {
                    more = after < line.size();
                    pos = more ? after + 1 : after;
                    break;
                }
                if (line[pos] == Unit('"'))
                    ++pos;
                *out++ = u'"';
            }
        } else {
            const size_t end = std::min(line.find(Unit(','), pos), line.size());
            out = m_source.decode(line.substr(pos, end - pos), out);
            more = end < line.size();
            pos = more ? end + 1 : end;
        }
        return out;
    }

    // In UTF-16 units.
    static constexpr qsizetype LargeField = 64 * 1024;

    Source m_source;
    // One field's text before it gets a string of its own: never more units than the line.
    QString m_field;
    // Kinds and types come from short lists.
    SharedTexts<Unit> m_shared[2];
};

template <typename Source>
bool readEntries(std::basic_string_view<typename Source::Unit> text, QList<CatalogEntry>& entries) {
    return Reader<Source>().read(text, entries);
}

enum class PieceOutcome { Read, NotThisEncoding, DeviceFailed };

// Reads up to size bytes, fewer only at the file's end; -1 when the device fails.
qint64 readPiece(QIODevice& device, char* out, qint64 size) {
    qint64 got = 0;
    while (got < size) {
        const qint64 read = device.read(out + got, size - got);
        if (read < 0)
            return -1;
        if (read == 0)
            break;
        got += read;
    }
    return got;
}

size_t hashPiece(const char* piece, qint64 size, size_t digest) {
    return size > 0 ? qHashBits(piece, static_cast<size_t>(size), digest) : digest;
}

// Where the last CR or LF of bytes is; npos when there is none. Each is searched for on its own, so that a piece
// without either is scanned at the speed of memory.
size_t lastLineEnd(std::string_view bytes) {
    const auto* const cr = static_cast<const char*>(::memrchr(bytes.data(), '\r', bytes.size()));
    const auto* const lf = static_cast<const char*>(::memrchr(bytes.data(), '\n', bytes.size()));
    const char* const last = !cr ? lf : !lf ? cr : std::max(cr, lf);
    return last ? static_cast<size_t>(last - bytes.data()) : std::string_view::npos;
}

// Reads the entries of device after its first skip bytes (its marks), one piece at a time: each piece's whole
// lines, then the rest of a line cut by the piece's end again with the next piece. The last line ends at the
// file's end, without one final Ctrl-Z. Each piece is read whole at its place in the file, so that the digest of
// all of them is CategoryFile::digest's.
template <typename Source>
PieceOutcome readPieces(QIODevice& device, qint64 skip, qsizetype pieceSize, Reader<Source>& reader,
                        QList<CatalogEntry>& entries, size_t& digest) {
    entries = {};
    digest = 0;
    if (!device.seek(0))
        return PieceOutcome::DeviceFailed;
    // Grows for a line longer than a piece, in place where it can, and is never cleared.
    QByteArray buffer;
    qsizetype kept = 0;
    // How much of the kept bytes, a line not yet ended, the source found readable so far.
    size_t checked = 0;
    for (;;) {
        buffer.resize(kept + pieceSize);
        const qint64 got = readPiece(device, buffer.data() + kept, pieceSize);
        if (got < 0)
            return PieceOutcome::DeviceFailed;
        digest = hashPiece(buffer.data() + kept, got, digest);
        std::string_view bytes(buffer.constData(), static_cast<size_t>(kept + got));
        // The marks are within the first piece, which holds at least two of them.
        bytes.remove_prefix(static_cast<size_t>(std::exchange(skip, 0)));
        if (got == 0) {
            if (bytes.ends_with(CtrlZ))
                bytes.remove_suffix(1);
            return reader.read(bytes, entries) ? PieceOutcome::Read : PieceOutcome::NotThisEncoding;
        }
        // Only the new piece can hold a line end: the rest kept before it holds none, and searching it again for
        // each piece of a long line would take time that grows with the square of the line's length.
        const size_t fresh = bytes.size() - std::min(bytes.size(), static_cast<size_t>(got));
        if (const size_t lineEnd = lastLineEnd(bytes.substr(fresh)); lineEnd != std::string_view::npos) {
            if (!reader.read(bytes.substr(0, fresh + lineEnd + 1), entries))
                return PieceOutcome::NotThisEncoding;
            bytes.remove_prefix(fresh + lineEnd + 1);
            checked = 0;
        } else {
            // A line longer than a piece: bytes of another encoding end the pass before the whole line is read.
            const size_t readable = Source::readableStart(bytes.substr(checked));
            if (readable == std::string_view::npos)
                return PieceOutcome::NotThisEncoding;
            checked += readable;
        }
        kept = static_cast<qsizetype>(bytes.size());
        if (bytes.data() != buffer.data())
            std::memmove(buffer.data(), bytes.data(), kept);
    }
}

std::string_view bytesView(QByteArrayView bytes) {
    return {bytes.data(), static_cast<size_t>(bytes.size())};
}

// Whether UTF-8 text holds a character of three bytes or more: one from U+0800 on, surrogate pairs included.
bool holdsLongUtf8Character(QStringView text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x800; });
}
} // namespace

namespace CategoryFile {

QString decode(QByteArrayView bytes, Reading& reading) {
    reading = {};
    if (bytes.endsWith(CtrlZ))
        bytes.chop(1);
    if (bytes.startsWith(Utf8Bom)) {
        bytes = bytes.sliced(Utf8Bom.size());
        reading = {bytes.isValidUtf8(), Encoding::Utf8};
        return QString::fromUtf8(bytes);
    }
    if (bytes.isValidUtf8()) {
        QString text = QString::fromUtf8(bytes);
        if (!holdsLongUtf8Character(text)) {
            if (std::optional<QString> cp932 = Cp932::decode(bytes))
                return *std::move(cp932);
        }
        reading.encoding = Encoding::Utf8;
        return text;
    }
    if (std::optional<QString> text = Cp932::decode(bytes))
        return *std::move(text);
    reading.intact = false;
    return decodeDamaged(bytes);
}

QList<CatalogEntry> read(QByteArrayView bytes, Reading& reading) {
    // The same choice of encoding as decode makes.
    reading = {};
    QByteArrayView content = bytes;
    if (content.endsWith(CtrlZ))
        content.chop(1);
    const bool marked = content.startsWith(Utf8Bom);
    if (marked) {
        content = content.sliced(Utf8Bom.size());
        // decode takes a second mark for one too: QString::fromUtf8 drops a mark at the start.
        if (content.startsWith(Utf8Bom))
            content = content.sliced(Utf8Bom.size());
    }
    // A code page 932 file stops the UTF-8 reading at its first non-ASCII character, mostly on its first line.
    QList<CatalogEntry> entries;
    Reader<Utf8Bytes> utf8;
    const bool validUtf8 = utf8.read(bytesView(content), entries);
    if (validUtf8 && !marked && !utf8.source().longerMet) {
        // ASCII alone reads the same either way.
        if (!utf8.source().twoBytesMet)
            return entries;
        QList<CatalogEntry> cp932;
        if (readEntries<Cp932Bytes>(bytesView(content), cp932))
            return cp932;
    }
    if (validUtf8) {
        reading.encoding = Encoding::Utf8;
        return entries;
    }
    entries = {};
    if (!marked && readEntries<Cp932Bytes>(bytesView(content), entries))
        return entries;
    return parseText(decode(bytes, reading));
}

std::optional<QList<CatalogEntry>> read(QIODevice& device, Reading& reading, qsizetype pieceSize) {
    reading = {};
    pieceSize = std::max<qsizetype>(pieceSize, 2 * Utf8Bom.size());
    // The marks at the start, as read finds them in the file's bytes.
    if (!device.seek(0))
        return std::nullopt;
    const QByteArray start = device.read(2 * Utf8Bom.size());
    qint64 offset = 0;
    if (start.startsWith(Utf8Bom))
        offset = QByteArrayView(start).sliced(Utf8Bom.size()).startsWith(Utf8Bom) ? 2 * Utf8Bom.size() : Utf8Bom.size();
    QList<CatalogEntry> entries;
    Reader<Utf8Bytes> utf8;
    PieceOutcome outcome = readPieces(device, offset, pieceSize, utf8, entries, reading.digest);
    if (outcome == PieceOutcome::Read && offset == 0 && !utf8.source().longerMet) {
        // ASCII alone reads the same either way; characters of two bytes alone may be code page 932.
        if (!utf8.source().twoBytesMet)
            return entries;
        Reader<Cp932Bytes> cp932;
        outcome = readPieces(device, 0, pieceSize, cp932, entries, reading.digest);
        if (outcome != PieceOutcome::NotThisEncoding)
            return outcome == PieceOutcome::Read ? std::optional(std::move(entries)) : std::nullopt;
        Reader<Utf8Bytes> again;
        outcome = readPieces(device, 0, pieceSize, again, entries, reading.digest);
    }
    if (outcome == PieceOutcome::Read) {
        reading.encoding = Encoding::Utf8;
        return entries;
    }
    if (outcome == PieceOutcome::NotThisEncoding && offset == 0) {
        Reader<Cp932Bytes> cp932;
        outcome = readPieces(device, 0, pieceSize, cp932, entries, reading.digest);
    }
    if (outcome == PieceOutcome::Read)
        return entries;
    if (outcome == PieceOutcome::DeviceFailed)
        return std::nullopt;
    // Bytes of no encoding: rare enough to be read whole.
    entries = {};
    if (!device.seek(0))
        return std::nullopt;
    const QByteArray bytes = device.readAll();
    QList<CatalogEntry> damaged = read(bytes, reading);
    reading.digest = digest(bytes, pieceSize);
    return damaged;
}

size_t digest(QByteArrayView bytes, qsizetype pieceSize) {
    size_t digest = 0;
    for (qsizetype at = 0; at < bytes.size(); at += pieceSize)
        digest = hashPiece(bytes.data() + at, std::min(pieceSize, bytes.size() - at), digest);
    return digest;
}

std::optional<size_t> digest(QIODevice& device, qsizetype pieceSize) {
    if (!device.seek(0))
        return std::nullopt;
    std::vector<char> piece(static_cast<size_t>(pieceSize));
    size_t digest = 0;
    for (;;) {
        const qint64 got = readPiece(device, piece.data(), pieceSize);
        if (got < 0)
            return std::nullopt;
        digest = hashPiece(piece.data(), got, digest);
        if (got < pieceSize)
            return digest;
    }
}

QList<CatalogEntry> parse(QByteArrayView bytes) {
    Reading reading;
    return read(bytes, reading);
}

QList<CatalogEntry> parseText(QStringView text) {
    QList<CatalogEntry> entries;
    readEntries<DecodedText>(std::u16string_view(text.utf16(), static_cast<size_t>(text.size())), entries);
    return entries;
}
} // namespace CategoryFile
