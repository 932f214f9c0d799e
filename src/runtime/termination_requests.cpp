#include "termination_requests.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <QWidget>
#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The handler writes a byte to the pipe; the event loop reads it. Made once for the whole run.
std::array<int, 2> requestPipe{-1, -1};

extern "C" void noteTerminationSignal(int signal) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    // A full pipe already holds a request.
    [[maybe_unused]] const ssize_t written = ::write(requestPipe[1], &byte, 1);
    errno = savedErrno;
}

void handleSignals(void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

} // namespace

void closeOnTerminationRequests(QWidget& window) {
    if (requestPipe[0] >= 0 || ::pipe2(requestPipe.data(), O_CLOEXEC | O_NONBLOCK) == 0) {
        auto* notifier = new QSocketNotifier(requestPipe[0], QSocketNotifier::Read, &window);
        QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
            char bytes[16];
            while (::read(requestPipe[0], bytes, sizeof bytes) > 0) {
            }
            window.close();
        });
        // Without the window, the signals end the program as they would have.
        QObject::connect(notifier, &QObject::destroyed, [] { handleSignals(SIG_DFL); });
        handleSignals(noteTerminationSignal);
    }
#if QT_CONFIG(sessionmanager)
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, &window, [&window] { window.close(); });
#endif
}
