// qor-startup-probe: the desktop program's start-up, as its main() does it, up
// to the window's first paint; then prints the resident memory and leaves
// without saving anything. The whole-process benchmark runs it as a child.
// Without QT_QPA_PLATFORM it draws off screen.

#include "common_ui/platform_adapter.h"
#include "main_window/ui/form_main.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <cstdio>

namespace {

// A field of /proc/self/status in kB, 0 when it cannot be read.
long statusKb(const QByteArray &status, const char *field) {
    for (const QByteArray &line : status.split('\n')) {
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// Reports once the window has painted, after the paint has finished.
class FirstPaint : public QObject {
  public:
    FirstPaint(QElapsedTimer &clock, QObject *parent) : QObject(parent), m_clock(clock) {}

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void report() {
        QFile file(QStringLiteral("/proc/self/status"));
        const QByteArray status = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        std::printf("shown_ms %lld\nrss_kb %ld\nhwm_kb %ld\n", static_cast<long long>(m_clock.elapsed()),
                    statusKb(status, "VmRSS:"), statusKb(status, "VmHWM:"));
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    QElapsedTimer &m_clock;
    bool m_seen = false;
};

} // namespace

int main(int argc, char *argv[]) {
    QElapsedTimer clock;
    clock.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qor::installFontSubstitutes();
    qor::FormOptions options;
    // A failed start-up must not wait for an answer.
    options.scriptedDialogs = true;
    if (argc > 1)
        options.dataDir = QString::fromLocal8Bit(argv[1]);
    qor::TFormMain form(options);
    if (!form.startupError().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(form.startupError()));
        return 1;
    }
    form.state().SkipSaveOnExit = true;
    form.installEventFilter(new FirstPaint(clock, &form));
    form.showMaximized();
    return app.exec();
}
