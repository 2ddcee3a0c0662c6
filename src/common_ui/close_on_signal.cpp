#include "common_ui/close_on_signal.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <cerrno>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace qor {

namespace {

// The handler can reach nothing but a plain int: the writing end of the
// pair of the one CloseOnSignal alive.
volatile std::sig_atomic_t g_signalFd = -1;

extern "C" void onTerminationSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    // A full pipe already holds a request to close; nothing is lost.
    [[maybe_unused]] const ssize_t n = ::write(g_signalFd, &byte, 1);
    errno = savedErrno;
}

} // namespace

CloseOnSignal::CloseOnSignal(QWidget &window) : m_window(window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, m_fds) != 0)
        return;
    g_signalFd = m_fds[0];
    m_notifier = new QSocketNotifier(m_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CloseOnSignal::closeWindow);

    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, &m_oldTerm);
    ::sigaction(SIGINT, &action, &m_oldInt);
}

CloseOnSignal::~CloseOnSignal() {
    if (m_fds[0] < 0)
        return;
    ::sigaction(SIGTERM, &m_oldTerm, nullptr);
    ::sigaction(SIGINT, &m_oldInt, nullptr);
    g_signalFd = -1;
    ::close(m_fds[0]);
    ::close(m_fds[1]);
}

void CloseOnSignal::closeWindow() {
    char bytes[16];
    while (::read(m_fds[1], bytes, sizeof bytes) > 0) {
    }
    closeWhenNoDialog();
}

void CloseOnSignal::closeWhenNoDialog() {
    // A dialog open over the window is cancelled first, as Esc would; the
    // window closes once the dialog's own loop has returned, so that no code
    // waiting on the dialog runs after the window's shutdown.
    if (QWidget *modal = QApplication::activeModalWidget(); modal != nullptr && modal->close()) {
        QTimer::singleShot(0, this, &CloseOnSignal::closeWhenNoDialog);
        return;
    }
    if (m_window.close())
        QCoreApplication::quit();
}

} // namespace qor
