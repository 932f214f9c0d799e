#include "velmora_assets.h"

#include <QPixmapCache>
#include <QResource>

#include <cstdint>
#include <cstring>

namespace Assets {

QImage image(Picture picture) {
    const QResource resource(QString::fromLatin1(picture.resource));
    std::uint32_t header[4] = {};
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() < static_cast<qint64>(sizeof header))
        return {};
    std::memcpy(header, resource.data(), sizeof header);
    const auto [width, height, format, bytesPerLine] = header;
    if (static_cast<qint64>(sizeof header) + qint64(bytesPerLine) * height != resource.size())
        return {};
    const uchar* pixels = resource.data() + sizeof header;
    const QImage shared(pixels, static_cast<int>(width), static_cast<int>(height), static_cast<qsizetype>(bytesPerLine),
                        static_cast<QImage::Format>(format));
    // Rows that do not start on a word boundary are copied to one that does.
    return reinterpret_cast<quintptr>(pixels) % alignof(std::uint32_t) == 0 ? shared : shared.copy();
}

QPixmap pixmap(Picture picture) {
    const QString key = QString::fromLatin1(picture.resource);
    QPixmap made;
    if (QPixmapCache::find(key, &made))
        return made;
    made = QPixmap::fromImage(image(picture));
    QPixmapCache::insert(key, made);
    return made;
}

QCursor handCursor() {
    return QCursor(pixmap(HandCursor), 13, 5);
}

} // namespace Assets
