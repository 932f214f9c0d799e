#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// Code page 932 (Shift-JIS with Microsoft's extensions), the encoding of the category files.
namespace Cp932 {

// Nothing when some bytes are not valid code page 932.
std::optional<QString> decode(QByteArrayView bytes);

// Bytes that are not valid code page 932 become U+FFFD; for showing a damaged file as well as it can be.
QString decodeLossy(QByteArrayView bytes);

// Nothing when some character has no code of its own in code page 932, including the few characters that
// Microsoft's table maps one way only (they would read back as a different character).
std::optional<QByteArray> encode(QStringView text);

} // namespace Cp932
