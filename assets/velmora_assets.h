#pragma once

#include <QCursor>

// Resource paths of the program's pictures (regenerate them with tools/assetgen).
namespace Assets {

inline constexpr auto MainSkin = ":/assets/MainSkin.png";
inline constexpr auto AppIcon = ":/assets/AppIcon.png";
inline constexpr auto SwitchImage = ":/assets/SwitchImage.png";
inline constexpr auto LedImage = ":/assets/LedImage.png";
inline constexpr auto BarButtonNormal = ":/assets/BarButtonNormal.png";
inline constexpr auto BarButtonHover = ":/assets/BarButtonHover.png";
inline constexpr auto BarButtonSelected = ":/assets/BarButtonSelected.png";
inline constexpr auto HandCursor = ":/assets/HandCursor.png";
inline constexpr auto OkButtonNormal = ":/assets/OkButtonNormal.png";
inline constexpr auto OkButtonHover = ":/assets/OkButtonHover.png";
inline constexpr auto PopupSkin = ":/assets/PopupSkin.png";

// The pointing hand of the category bar, its hot spot on the tip of the index finger.
// Needs a QGuiApplication.
QCursor handCursor();

} // namespace Assets
