#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// Code page 932 (Shift-JIS with Microsoft's extensions), the encoding of the category files. Every byte below 0x40
// is a character of its own, the ASCII character of that value, and never part of a two-byte code: quotes, commas,
// blanks and line ends can be found among the bytes.
namespace Cp932 {

// Nothing when some bytes are not valid code page 932.
std::optional<QString> decode(QByteArrayView bytes);

// Bytes that are not valid code page 932 become U+FFFD; for showing a damaged file as well as it can be.
QString decodeLossy(QByteArrayView bytes);

// Nothing when some character has no code of its own in code page 932, including the few characters that
// Microsoft's table maps one way only (they would read back as a different character).
std::optional<QByteArray> encode(QStringView text);

// Writes the text of bytes at out, which has room for one UTF-16 unit a byte, and returns where it ends; nullptr
// when some bytes are not valid.
char16_t* decodeInto(QByteArrayView bytes, char16_t* out);

// Writes the bytes of text at out, which has room for two bytes a UTF-16 unit, and returns where they end; nullptr
// when some character has no code of its own, as for encode.
char* encodeInto(QStringView text, char* out);

} // namespace Cp932
