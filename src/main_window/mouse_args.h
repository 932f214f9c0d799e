#pragma once

#include <QPoint>
#include <Qt>

class QMouseEvent;
class QWidget;

// A mouse event as the handlers take it: Button is the button that went down or up (1 left, 2 right, 4 middle),
// or the buttons held during a move; Shift the keys held (1 Shift, 2 Ctrl, 4 Alt); X and Y the pointer in
// twips of the control. The screen position serves the window drag.
struct MouseArgs {
    int Button = 0;
    int Shift = 0;
    int X = 0;
    int Y = 0;
    QPoint screenPos;
};

// The keys held as the handlers count them: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers keys);

// The event's arguments, with X and Y measured from the top-left corner of `control`, or of the widget that
// received the event when `control` is null.
MouseArgs toMouseArgs(const QMouseEvent* event, const QWidget* receiver, const QWidget* control = nullptr);
