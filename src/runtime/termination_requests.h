#pragma once

class QWidget;

// Closes window, as its own close would, when the program is asked to end from outside: SIGTERM, SIGHUP or
// SIGINT, or the end of the desktop session. The signals are only noted in their handler and acted on in the
// event loop, where the window's close may do anything it needs to.
void closeOnTerminationRequests(QWidget& window);
