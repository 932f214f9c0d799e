#pragma once

#include <QPoint>
#include <QRect>

// Window geometry is designed in twips; the screen is taken at 96 dots per inch, 15 twips to the pixel.
namespace Twips {

inline constexpr int PerPixel = 15;

constexpr int toPixels(int twips) {
    return twips / PerPixel;
}
constexpr int fromPixels(int pixels) {
    return pixels * PerPixel;
}

constexpr QRect toPixels(int left, int top, int width, int height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

constexpr QPoint toPixels(QPoint twips) {
    return QPoint(toPixels(twips.x()), toPixels(twips.y()));
}
constexpr QPoint fromPixels(QPoint pixels) {
    return QPoint(fromPixels(pixels.x()), fromPixels(pixels.y()));
}

} // namespace Twips
