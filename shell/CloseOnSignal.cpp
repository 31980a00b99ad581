#include "shell/CloseOnSignal.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>

namespace {

// [0] written by the handler, [1] watched by the event loop.
int gSignalSocket[2] = {-1, -1};

void OnTerminationSignal(int) {
    const int saved = errno;
    const char byte = 1;
    // A full socket already holds a byte that closes the window: nothing is lost.
    [[maybe_unused]] const ssize_t written = ::write(gSignalSocket[0], &byte, 1);
    errno = saved;
}

}  // namespace

void CatchTerminationSignals() {
    if (gSignalSocket[0] >= 0) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gSignalSocket) != 0) return;
    // The handler never waits: a write that would block is dropped.
    ::fcntl(gSignalSocket[0], F_SETFL, ::fcntl(gSignalSocket[0], F_GETFL) | O_NONBLOCK);
    ::fcntl(gSignalSocket[1], F_SETFL, ::fcntl(gSignalSocket[1], F_GETFL) | O_NONBLOCK);
    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}

void CloseOnTerminationSignals(QWidget* window) {
    if (gSignalSocket[1] < 0) return;
    auto* notifier = new QSocketNotifier(gSignalSocket[1], QSocketNotifier::Read, window);
    QPointer<QWidget> target = window;
    QObject::connect(notifier, &QSocketNotifier::activated, window, [notifier, target] {
        char bytes[16];
        while (::read(gSignalSocket[1], bytes, sizeof bytes) > 0) {
        }
        notifier->setEnabled(false);  // once is enough; a second signal changes nothing
        if (target) target->close();
        // Ends every event loop, a modal box's included, as the window's own close would
        // once its boxes were answered.
        QCoreApplication::quit();
    });
}
