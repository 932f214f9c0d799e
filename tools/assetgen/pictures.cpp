#include "pictures.h"

#include <QHash>
#include <QList>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace Pictures {

namespace {

constexpr QRgb White = 0xffffffff;
constexpr QRgb Black = 0xff000000;

double channelMix(int from, int to, double t) {
    return from + (to - from) * t;
}

QRgb mix(QRgb a, QRgb b, double t) {
    auto channel = [t](int from, int to) { return int(std::lround(channelMix(from, to, t))); };
    return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)), channel(qBlue(a), qBlue(b)));
}

struct Stop {
    double at;
    QRgb colour;
};

// Piecewise-linear colour ramp through the stops, held flat beyond both ends.
template <std::size_t N> QRgb ramp(const Stop (&stops)[N], double at) {
    if (at <= stops[0].at)
        return stops[0].colour;
    for (std::size_t i = 1; i < N; ++i) {
        if (at <= stops[i].at)
            return mix(stops[i - 1].colour, stops[i].colour, (at - stops[i - 1].at) / (stops[i].at - stops[i - 1].at));
    }
    return stops[N - 1].colour;
}

void fill(QImage& image, const QRect& rect, QRgb colour) {
    const QRect clipped = rect & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            image.setPixel(x, y, colour);
    }
}

// A raised edge of the given width: light along the top and left, dark along the bottom and right,
// meeting on a diagonal in the top-right and bottom-left corners.
void drawBevel(QImage& image, int width, QRgb light, QRgb dark) {
    const int w = image.width();
    const int h = image.height();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (x >= width && y >= width && x < w - width && y < h - width)
                continue;
            const bool lit = (y < width && x < w - 1 - y) || (x < width && y < h - 1 - x);
            image.setPixel(x, y, lit ? light : dark);
        }
    }
}

// The bar buttons' white-over-teal edge; drawing the teal last gives it the two odd corners.
void drawButtonFrame(QImage& image) {
    const QRgb teal = qRgb(0, 128, 128);
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    fill(image, QRect(0, 0, image.width(), 1), White);
    fill(image, QRect(0, 0, 1, image.height()), White);
    fill(image, QRect(0, bottom, image.width(), 1), teal);
    fill(image, QRect(right, 0, 1, image.height()), teal);
}

// Fills every column of rect with one colour, mirrored about the middle: colourAt(0) at the two outer
// columns, colourAt(1) at the middle one (odd width) or two (even width).
template <typename ColourAt> void fillSymmetricColumns(QImage& image, const QRect& rect, ColourAt colourAt) {
    const int last = rect.width() - 1;
    const int middle = last / 2; // how far the middle column(s) lie from the nearer edge
    for (int i = 0; i <= last; ++i)
        fill(image, QRect(rect.left() + i, rect.top(), 1, rect.height()),
             colourAt(double(std::min(i, last - i)) / middle));
}

// Dither threshold in (0, 1) from a hash of the pixel position: noise rather than a pattern, even along each
// row, and never 0 or 1, so that whole channel values stay undithered.
double ditherThreshold(int x, int y) {
    quint32 h = quint32(x) * 0x9e3779b1u ^ quint32(y) * 0x85ebca77u;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    return ((h & 0xffu) + 0.5) / 256.0;
}

QRgb ditheredMix(QRgb a, QRgb b, double t, int x, int y) {
    const double threshold = ditherThreshold(x, y);
    auto channel = [&](int from, int to) { return int(std::floor(channelMix(from, to, t) + threshold)); };
    return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)), channel(qBlue(a), qBlue(b)));
}

// Palette image holding exactly the colours used; fully transparent pixels share one entry.
QImage toIndexed(const QImage& image) {
    QList<QRgb> table;
    QHash<QRgb, uchar> index;
    QImage indexed(image.size(), QImage::Format_Indexed8);
    for (int y = 0; y < image.height(); ++y) {
        uchar* line = indexed.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            QRgb colour = image.pixel(x, y);
            if (qAlpha(colour) == 0)
                colour = 0;
            auto it = index.constFind(colour);
            if (it == index.constEnd()) {
                if (table.size() == 256)
                    std::abort(); // more colours than a palette image can hold: a drawing bug
                it = index.insert(colour, uchar(table.size()));
                table.append(colour);
            }
            line[x] = *it;
        }
    }
    indexed.setColorTable(table);
    return indexed;
}

QImage rgbImage(int width, int height) {
    return QImage(width, height, QImage::Format_RGB32);
}

// A 14 x 10 file folder: a 6 x 2 tab above a 13 x 7 body that casts a 1-px shadow down and right.
void drawFolder(QImage& image, int left, int top) {
    fill(image, QRect(left + 1, top + 3, 13, 7), qRgb(80, 80, 0));
    fill(image, QRect(left, top + 2, 13, 7), qRgb(150, 150, 0));
    fill(image, QRect(left, top, 6, 2), qRgb(185, 185, 0));
}

// The OK sphere is a disc of radius 23 around (30, 30), its pixels shaded at their centres, so that it
// covers pixels 7 to 52 on both axes.
constexpr double OkCentre = 30.0;
constexpr double OkRadius = 23.0;

template <typename Shade> QImage okButton(Shade shade) {
    QImage image = rgbImage(60, 60);
    image.fill(Black);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double px = x + 0.5;
            const double py = y + 0.5;
            const double r = std::hypot(px - OkCentre, py - OkCentre);
            if (r <= OkRadius)
                image.setPixel(x, y, shade(px, py, r));
        }
    }
    return image;
}

} // namespace

QImage mainSkin() {
    const QRgb olive = qRgb(148, 134, 16);
    const QRgb yellow = qRgb(255, 247, 90);
    QImage image = rgbImage(785, 478);
    for (int y = 0; y < image.height(); ++y) {
        QRgb colour = yellow;
        if (y <= 61)
            colour = mix(olive, yellow, y / 61.0);
        else if (y >= 412)
            colour = mix(yellow, olive, (y - 412) / 65.0);
        fill(image, QRect(0, y, image.width(), 1), colour);
    }
    return image;
}

QImage appIcon() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QRect panel(0, 4, 32, 23);
    fill(image, panel, qRgb(0, 49, 150));
    fill(image, panel.adjusted(1, 1, -1, -1), qRgb(0, 73, 220));
    fill(image, panel.adjusted(1, 1, -2, -2), qRgb(177, 199, 255));
    fill(image, panel.adjusted(2, 2, -2, -2), qRgb(72, 115, 255));
    // Upper left first, so that each folder's tab shows on the body of the folder behind it.
    drawFolder(image, 3, 7);
    drawFolder(image, 9, 10);
    drawFolder(image, 15, 13);
    return toIndexed(image);
}

QImage switchImage() {
    QImage image = rgbImage(39, 14);
    drawBevel(image, 2, White, qRgb(128, 128, 0));
    fill(image, QRect(2, 2, 35, 10), qRgb(255, 255, 0));
    return image;
}

QImage ledImage() {
    const QRgb red = qRgb(228, 62, 61);
    const QRgb pink = qRgb(251, 208, 191);
    constexpr int Steps = 4;
    QImage image = rgbImage(15, 7);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            // Elliptical rings reaching the edges: ring k holds (dx/7)^2 + (dy/3)^2 <= (k/Steps)^2, in integers.
            const int dx = std::abs(x - 7);
            const int dy = std::abs(y - 3);
            const int distance = (9 * dx * dx + 49 * dy * dy) * Steps * Steps;
            int ring = 0;
            while (ring < Steps && distance > 441 * ring * ring)
                ++ring;
            image.setPixel(x, y, mix(pink, red, double(ring) / Steps));
        }
    }
    return image;
}

// The framed bar button: a grey gradient from the inner edges to the middle two columns.
static QImage barButton(QRgb edge, QRgb middle) {
    QImage image = rgbImage(88, 21);
    drawButtonFrame(image);
    fillSymmetricColumns(image, QRect(1, 1, 86, 19), [=](double u) { return mix(edge, middle, u); });
    return image;
}

QImage barButtonNormal() {
    return barButton(qRgb(164, 164, 164), qRgb(114, 114, 114));
}

QImage barButtonHover() {
    return barButton(qRgb(114, 114, 114), qRgb(164, 164, 164));
}

QImage barButtonSelected() {
    static constexpr Stop stops[] = {{0.0, qRgb(236, 129, 48)}, {0.5, qRgb(246, 190, 129)}, {1.0, qRgb(255, 248, 206)}};
    QImage image = rgbImage(86, 19);
    // Column 21 sits at distance 21 of 42 from the edge, a quarter of the width.
    fillSymmetricColumns(image, image.rect(), [](double u) { return ramp(stops, u); });
    return image;
}

QImage handCursor() {
    // K black, G grey, S silver, W white. Art column 7, row 1 (just under the index finger's tip) lands on the
    // hot spot (13, 5) that Assets::handCursor() gives the cursor.
    static constexpr const char* art[] = {
        "......GGK..........", //
        ".....GWWSK.........", //
        ".....GWWSK.........", //
        ".....GWWSK.........", //
        ".....GWWSK.........", //
        ".....GWWSK.........", //
        ".....GWWSK.........", //
        ".....GWWSKGK.......", //
        ".....GWWSGWSKGK....", //
        ".....GWWSGWSGWSK...", //
        ".....GWWSGWSGWSKGK.", //
        ".....GWWSGWSGWSGWSK", //
        ".GK..GWWSGWSGWSGWSK", //
        "GWSK.GWWSGWSGWSGWSK", //
        "GWWSKGWWSGWSGWSGWSK", //
        ".GWWWWWWWWWWWWWWWSK", //
        ".GWWWWWWWWWWWWWWWSK", //
        "..GWWWWWWWWWWWWWWSK", //
        "..GWWWWWWWWWWWWWWSK", //
        "...GWWWWWWWWWWWWWSK", //
        "...GWWWWWWWWWWWWSK.", //
        "....GWWWWWWWWWWWSK.", //
        "....GWWWWWWWWWWWSK.", //
        "....KKKKKKKKKKKKKK.", //
    };
    constexpr int Left = 6;
    constexpr int Top = 4;
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int row = 0; row < int(std::size(art)); ++row) {
        for (int column = 0; art[row][column] != '\0'; ++column) {
            QRgb colour = 0;
            switch (art[row][column]) {
            case 'K':
                colour = Black;
                break;
            case 'G':
                colour = qRgb(128, 128, 128);
                break;
            case 'S':
                colour = qRgb(192, 192, 192);
                break;
            case 'W':
                colour = White;
                break;
            default:
                continue;
            }
            image.setPixel(Left + column, Top + row, colour);
        }
    }
    return toIndexed(image);
}

QImage okButtonNormal() {
    // Matt grey, lit from just below and right of the centre, darkening into the black over the outer 2 px.
    return okButton([](double x, double y, double r) {
        const double fromLight = std::hypot(x - 31.5, y - 31.5);
        const double edge = std::clamp((OkRadius - r) / 2.0, 0.0, 1.0);
        const int grey = int(std::lround(std::max(0.0, 184.0 - 44.0 * fromLight / OkRadius) * edge));
        return qRgb(grey, grey, grey);
    });
}

QImage okButtonHover() {
    static constexpr Stop stops[] = {
        {10.0, qRgb(0, 255, 255)}, {15.5, qRgb(0, 200, 255)}, {19.0, qRgb(0, 150, 255)},
        {21.0, qRgb(0, 120, 255)}, {22.5, qRgb(0, 22, 70)},
    };
    return okButton([](double, double, double r) { return ramp(stops, r); });
}

QImage popupSkin() {
    const QRgb sky = qRgb(172, 218, 241);
    const QRgb greyGreen = qRgb(201, 228, 217);
    QImage image = rgbImage(126, 113);
    drawBevel(image, 2, White, qRgb(0, 64, 128));
    const QRect inside = image.rect().adjusted(2, 2, -2, -2);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const double t = double(y - inside.top()) / (inside.height() - 1);
        // Eased so that the colour moves a little more slowly near both ends; pinned at the ends.
        const double eased =
            (t <= 0.0 || t >= 1.0) ? t : t - 0.3 * std::sin(2.0 * std::numbers::pi * t) / (2.0 * std::numbers::pi);
        for (int x = inside.left(); x <= inside.right(); ++x)
            image.setPixel(x, y, ditheredMix(sky, greyGreen, eased, x, y));
    }
    return image;
}

} // namespace Pictures
