#pragma once

#include <QImage>

#include <array>

namespace Pictures {

QImage mainSkin();
QImage appIcon();
QImage switchImage();
QImage ledImage();
QImage barButtonNormal();
QImage barButtonHover();
QImage barButtonSelected();
QImage handCursor();
QImage okButtonNormal();
QImage okButtonHover();
QImage popupSkin();

struct Picture {
    const char* name;
    QImage (*draw)();
};

inline constexpr std::array<Picture, 11> all{{
    {"MainSkin", mainSkin},
    {"AppIcon", appIcon},
    {"SwitchImage", switchImage},
    {"LedImage", ledImage},
    {"BarButtonNormal", barButtonNormal},
    {"BarButtonHover", barButtonHover},
    {"BarButtonSelected", barButtonSelected},
    {"HandCursor", handCursor},
    {"OkButtonNormal", okButtonNormal},
    {"OkButtonHover", okButtonHover},
    {"PopupSkin", popupSkin},
}};

} // namespace Pictures
