#pragma once

#include <QCursor>
#include <QPixmap>

// The main window's pictures, compiled in from assets/.
namespace Pictures {

inline constexpr auto MainSkin = ":/assets/MainSkin.png";
inline constexpr auto AppIcon = ":/assets/AppIcon.png";
inline constexpr auto SwitchImage = ":/assets/SwitchImage.png";
inline constexpr auto LedImage = ":/assets/LedImage.png";
inline constexpr auto BarButtonNormal = ":/assets/BarButtonNormal.png";
inline constexpr auto BarButtonHover = ":/assets/BarButtonHover.png";
inline constexpr auto BarButtonSelected = ":/assets/BarButtonSelected.png";

// The pointing hand of the category bar.
QCursor handCursor();

} // namespace Pictures
