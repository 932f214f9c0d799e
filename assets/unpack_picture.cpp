// Build step: writes a picture drawn as PNG in the form the program loads. The form is a header of four
// native 32-bit words (width, height, QImage format, bytes per line) and the pixel rows as QImage keeps them:
// RGB32 for opaque pictures, ARGB32 for pictures with transparency. Loading it copies pixels and decodes
// nothing. Usage: unpack_picture <picture.png> <output>
#include <QFile>
#include <QImage>

#include <array>
#include <cstdint>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: unpack_picture <picture.png> <output>\n");
        return 2;
    }
    const QImage drawn(QString::fromLocal8Bit(argv[1]));
    if (drawn.isNull()) {
        std::fprintf(stderr, "unpack_picture: cannot read %s\n", argv[1]);
        return 1;
    }
    const QImage image = drawn.convertToFormat(drawn.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const std::array<std::uint32_t, 4> header{
        static_cast<std::uint32_t>(image.width()), static_cast<std::uint32_t>(image.height()),
        static_cast<std::uint32_t>(image.format()), static_cast<std::uint32_t>(image.bytesPerLine())};
    QFile out(QString::fromLocal8Bit(argv[2]));
    const qint64 size = static_cast<qint64>(sizeof header) + image.sizeInBytes();
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(reinterpret_cast<const char*>(header.data()), sizeof header) != sizeof header ||
        out.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) != image.sizeInBytes() ||
        out.size() != size) {
        std::fprintf(stderr, "unpack_picture: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
