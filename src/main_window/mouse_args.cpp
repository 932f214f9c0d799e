#include "mouse_args.h"

#include "twips.h"

#include <QMouseEvent>
#include <QWidget>

int shiftState(Qt::KeyboardModifiers keys) {
    return (keys & Qt::ShiftModifier ? 1 : 0) | (keys & Qt::ControlModifier ? 2 : 0) | (keys & Qt::AltModifier ? 4 : 0);
}

MouseArgs toMouseArgs(const QMouseEvent* event, const QWidget* receiver, const QWidget* control) {
    // Qt's left, right and middle buttons are 1, 2 and 4, as the handlers count them.
    const int buttons = event->type() == QEvent::MouseMove ? int(event->buttons()) : int(event->button());
    const int shift = shiftState(event->modifiers());
    QPoint at = event->position().toPoint();
    if (control && control != receiver)
        at = receiver->mapTo(control, at);
    const QPoint twips = Twips::fromPixels(at);
    return MouseArgs{buttons & 7, shift, twips.x(), twips.y(), event->globalPosition().toPoint()};
}
