#include "velmora_assets.h"

#include <QPixmap>

namespace Assets {

QCursor handCursor() {
    return QCursor(QPixmap(QString::fromLatin1(HandCursor)), 13, 5);
}

} // namespace Assets
