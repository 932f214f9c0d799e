#include "busy_pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace BusyPointer {

void showBusy() {
    if (!isBusy())
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void showDefault() {
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

bool isBusy() {
    return QGuiApplication::overrideCursor() != nullptr;
}

} // namespace BusyPointer
