#include "pictures.h"

namespace Pictures {

QCursor handCursor() {
    const QPixmap hand(QStringLiteral(":/assets/HandCursor.png"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, 13, 5);
}

} // namespace Pictures
