#pragma once

#include <QCursor>
#include <QImage>
#include <QPixmap>

// The program's pictures (regenerate the drawings with tools/assetgen). They are compiled in as raw pixel rows,
// so loading one copies pixels and decodes nothing; load them with image() or pixmap().
namespace Assets {

struct Picture {
    const char* resource;
};

inline constexpr Picture MainSkin{":/assets/MainSkin"};
inline constexpr Picture AppIcon{":/assets/AppIcon"};
inline constexpr Picture SwitchImage{":/assets/SwitchImage"};
inline constexpr Picture LedImage{":/assets/LedImage"};
inline constexpr Picture BarButtonNormal{":/assets/BarButtonNormal"};
inline constexpr Picture BarButtonHover{":/assets/BarButtonHover"};
inline constexpr Picture BarButtonSelected{":/assets/BarButtonSelected"};
inline constexpr Picture HandCursor{":/assets/HandCursor"};
inline constexpr Picture OkButtonNormal{":/assets/OkButtonNormal"};
inline constexpr Picture OkButtonHover{":/assets/OkButtonHover"};
inline constexpr Picture PopupSkin{":/assets/PopupSkin"};

// The picture as an image that shares the compiled-in pixels (a change copies them first).
QImage image(Picture picture);
// The picture ready for drawing; each picture is made into a pixmap once and shared after that.
// Needs a QGuiApplication.
QPixmap pixmap(Picture picture);

// The pointing hand of the category bar, its hot spot on the tip of the index finger.
// Needs a QGuiApplication.
QCursor handCursor();

} // namespace Assets
