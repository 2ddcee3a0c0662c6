#pragma once
// SIGTERM and SIGINT close the window the way the player does, so that
// Main.ini is saved as on every exit. The signal handler only writes a byte
// into a socket pair (all a handler may safely do); the event loop reads it
// and closes the window.

#include <QObject>

#include <csignal>

class QSocketNotifier;
class QWidget;

namespace qor {

class CloseOnSignal : public QObject {
  public:
    // One at a time; the previous handlers come back when it goes.
    explicit CloseOnSignal(QWidget &window);
    ~CloseOnSignal() override;

    CloseOnSignal(const CloseOnSignal &) = delete;
    CloseOnSignal &operator=(const CloseOnSignal &) = delete;

  private:
    void closeWindow();
    void closeWhenNoDialog();

    QWidget &m_window;
    int m_fds[2] = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
    struct sigaction m_oldTerm {};
    struct sigaction m_oldInt {};
};

} // namespace qor
