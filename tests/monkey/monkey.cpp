// Random input through the real window, from a seed:
//   qor_monkey --seed N [--seconds S] [--events E]
// Clicks, double clicks, drags, the wheel, keys with modifiers, typed text
// and menu commands go to whatever a player could reach: an open menu first,
// then a dialog, then any window of the program (the main window, both tool
// windows, the plan window). Dialogs are real and get answered or cancelled
// by the same random input. Before every step the program must have answered
// the last one, and what a player would see must agree: the recipe count
// label with the list, the favourites list with what Main.ini would save, a
// dialog must not sit behind another window. A closed main window is
// replaced by a new one that must read the Main.ini the old one wrote.
// Prints the figures and exits with 0, or names the broken rule, the seed and
// the step and exits with 1 (a hang: 2, from a watchdog).

#include "favorites/ui/favorites_list.h"
#include "gui/gui_test_support.h"
#include "main_window/ui/form_main.h"
#include "recipe_list/potion_cells.h"
#include "recipe_list/ui/potion_list_view.h"
#include "settings/settings_file.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <memory>
#include <random>
#include <thread>

namespace qor {
namespace {

constexpr int kHangSeconds = 30;

class Monkey : public QObject {
  public:
    Monkey(std::uint64_t seed, qint64 milliseconds, qint64 maxEvents)
        : m_seed(seed), m_rng(seed), m_milliseconds(milliseconds), m_maxEvents(maxEvents) {}

    bool start() {
        if (!m_dir.isValid() || !copyData())
            return fail("cannot make the scratch data folder");
        openForm();
        m_clock.start();
        m_watchdog = std::thread([this] { watch(); });
        QTimer::singleShot(0, this, [this] { step(); });
        return true;
    }

    int finish() {
        m_done = true;
        if (m_watchdog.joinable())
            m_watchdog.join();
        if (m_form)
            m_form->close();
        QStringList seen(m_windowsSeen.begin(), m_windowsSeen.end());
        seen.sort();
        std::printf("seed %llu: %lld events, %d main windows opened, input went to: %s; %s\n",
                    static_cast<unsigned long long>(m_seed), static_cast<long long>(m_events), m_sessions,
                    qPrintable(seen.join(u'|')), m_failed ? "FAILED" : "no fault");
        return m_failed ? 1 : 0;
    }

  private:
    bool copyData() {
        const QDir source(QStringLiteral(QOR_BUILD_DATA_DIR));
        for (const QString &name : source.entryList(QDir::Files)) {
            if (name != QLatin1String("Main.ini") &&
                !QFile::copy(source.filePath(name), QDir(m_dir.path()).filePath(name)))
                return false;
        }
        return true;
    }

    void openForm() {
        FormOptions options;
        options.dataDir = m_dir.path() + QLatin1Char('/');
        m_form = std::make_unique<TFormMain>(options);
        m_form->resize(1024, 768);
        m_form->show();
        ++m_sessions;
    }

    bool fail(const QString &what) {
        std::fprintf(stderr, "monkey seed %llu, event %lld: %s\nlast events:\n",
                     static_cast<unsigned long long>(m_seed), static_cast<long long>(m_events),
                     qPrintable(what));
        for (const QString &line : m_log)
            std::fprintf(stderr, "  %s\n", qPrintable(line));
        m_failed = true;
        QApplication::exit(1);
        return false;
    }

    void note(const QString &what) {
        m_log.push_back(QStringLiteral("%1: %2").arg(m_events).arg(what));
        if (m_log.size() > 25)
            m_log.pop_front();
    }

    int pick(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(int percent) { return pick(100) < percent; }

    void watch() {
        while (!m_done) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
            if (now - m_lastStep.load() >
                std::chrono::nanoseconds(std::chrono::seconds(kHangSeconds)).count()) {
                std::fprintf(stderr, "monkey seed %llu, event %lld: no answer for %d s\n",
                             static_cast<unsigned long long>(m_seed), static_cast<long long>(m_events.load()),
                             kHangSeconds);
                std::_Exit(2);
            }
        }
    }

    // The next step is queued before this one acts: an action that opens a
    // dialog runs its own loop, in which the steps go on.
    void step() {
        m_lastStep = std::chrono::steady_clock::now().time_since_epoch().count();
        if (m_failed || m_done)
            return;
        if (m_clock.elapsed() >= m_milliseconds || (m_maxEvents > 0 && m_events >= m_maxEvents)) {
            // Whatever dialog is open is closed first, so that every loop unwinds.
            if (QWidget *modal = QApplication::activeModalWidget()) {
                modal->close();
                QTimer::singleShot(0, this, [this] { step(); });
                return;
            }
            if (QWidget *popup = QApplication::activePopupWidget()) {
                popup->close();
                QTimer::singleShot(0, this, [this] { step(); });
                return;
            }
            QApplication::exit(m_failed ? 1 : 0);
            return;
        }
        QTimer::singleShot(0, this, [this] { step(); });
        if (!check())
            return;
        if (!m_form->isVisible() && QApplication::activeModalWidget() == nullptr) {
            reopen();
            return;
        }
        ++m_events;
        act();
    }

    void reopen() {
        const QString ini = QDir(m_dir.path()).filePath(QStringLiteral("Main.ini"));
        const bool saved = !m_form->state().SkipSaveOnExit;
        const int items = m_form->state().Data.itemRecordCount();
        m_form.reset();
        if (saved && QFile::exists(ini)) {
            MainSettings s;
            const SettingsResult r = ReadSettings(ini, items, s);
            if (!r.ok()) {
                fail(QStringLiteral("the Main.ini the window wrote does not read back: ") + r.message);
                return;
            }
        }
        note(QStringLiteral("a new main window"));
        openForm();
    }

    // What a player would notice, checked while no dialog or menu is open
    // (an answer pending may hold a change half done).
    bool check() {
        if (QApplication::activePopupWidget() != nullptr)
            return true;
        if (QWidget *modal = QApplication::activeModalWidget()) {
            if (!modal->isVisible())
                return fail(QStringLiteral("a dialog blocks the program but is not shown"));
            // Without a window it belongs to, the window manager may put a
            // dialog under the main window, where nobody finds it.
            const QWindow *handle = modal->windowHandle();
            if (handle == nullptr || handle->transientParent() == nullptr)
                return fail(QStringLiteral("the dialog \"%1\" belongs to no window and may hide behind one")
                                .arg(modal->windowTitle()));
            return true;
        }
        if (!m_form->isVisible() || !m_form->state().Gate.ready())
            return true;
        FormControls &ui = FormMainTestAccess::controls(*m_form);
        const ProgramState &st = m_form->state();
        const int rows = ui.LBPotion->model() ? ui.LBPotion->model()->rowCount() : 0;
        if (ui.PanelCount->text() != panelCountText(rows))
            return fail(QStringLiteral("the count label says \"%1\" over a list of %2 recipes")
                            .arg(ui.PanelCount->text())
                            .arg(rows));
        // The list is filled when its tab is first entered: only a shown list
        // must agree.
        const FavoritesList *favoritesList = FormMainTestAccess::favoritesList(*m_form);
        const int favourites = favoritesList->model() ? favoritesList->model()->rowCount() : 0;
        if (favoritesList->isVisible() && favourites != st.session.favorites().potionCount())
            return fail(QStringLiteral("the favourites list shows %1 rows, Main.ini would save %2")
                            .arg(favourites)
                            .arg(st.session.favorites().potionCount()));
        return true;
    }

    // The widget the input goes to: an open menu, else the dialog, else a
    // random window of the program; then a random visible control in it.
    QWidget *target() {
        QWidget *root = QApplication::activePopupWidget();
        if (root == nullptr)
            root = QApplication::activeModalWidget();
        if (root == nullptr) {
            QList<QWidget *> windows;
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (w->isVisible() && w->windowType() != Qt::ToolTip && w->windowType() != Qt::Popup)
                    windows.append(w);
            }
            if (windows.isEmpty())
                return nullptr;
            root = windows[pick(int(windows.size()))];
        }
        m_windowsSeen.insert(root->windowTitle());
        QList<QWidget *> controls{root};
        for (QWidget *w : root->findChildren<QWidget *>()) {
            if (w->isVisible() && w->isEnabled() && w->width() > 0 && w->height() > 0 && w->window() == root)
                controls.append(w);
        }
        return controls[pick(int(controls.size()))];
    }

    QPoint somewhere(const QWidget *w) { return QPoint(pick(w->width()), pick(w->height())); }

    Qt::KeyboardModifiers modifiers() {
        Qt::KeyboardModifiers m;
        if (chance(20))
            m |= Qt::ControlModifier;
        if (chance(20))
            m |= Qt::ShiftModifier;
        if (chance(10))
            m |= Qt::AltModifier;
        return m;
    }

    Qt::MouseButton button() {
        const int b = pick(10);
        return b < 7 ? Qt::LeftButton : b < 9 ? Qt::RightButton : Qt::MiddleButton;
    }

    static QString describe(const QWidget *w) {
        return QStringLiteral("%1 \"%2\"")
            .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
    }

    void act() {
        const int kind = pick(100);
        if (kind < 6) {
            triggerAction();
            return;
        }
        QPointer<QWidget> w = target();
        if (!w)
            return;
        const QPoint at = somewhere(w);
        if (kind < 36) {
            const Qt::MouseButton b = button();
            const Qt::KeyboardModifiers m = chance(80) ? Qt::KeyboardModifiers() : modifiers();
            note(QStringLiteral("click %1 at %2,%3 on %4")
                     .arg(int(b))
                     .arg(at.x())
                     .arg(at.y())
                     .arg(describe(w)));
            QTest::mousePress(w, b, m, at);
            if (w)
                QTest::mouseRelease(w, b, m, at);
        } else if (kind < 44) {
            note(QStringLiteral("double click at %1,%2 on %3").arg(at.x()).arg(at.y()).arg(describe(w)));
            QTest::mouseDClick(w, Qt::LeftButton, {}, at);
        } else if (kind < 52) {
            drag(w, at);
        } else if (kind < 60) {
            const int delta = (chance(50) ? 120 : -120) * (1 + pick(3));
            note(QStringLiteral("wheel %1 at %2,%3 on %4")
                     .arg(delta)
                     .arg(at.x())
                     .arg(at.y())
                     .arg(describe(w)));
            QWheelEvent wheel(QPointF(at), QPointF(w->mapToGlobal(at)), QPoint(), QPoint(0, delta),
                              Qt::NoButton, chance(80) ? Qt::KeyboardModifiers() : modifiers(),
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(w, &wheel);
        } else if (kind < 90) {
            key(w);
        } else {
            static const QString letters = QStringLiteral("абвгдежзиклмнопрстуфхцчшщыэюяabcxyz0123456789 -");
            QString text;
            for (int n = 1 + pick(8); n > 0; --n)
                text += letters[pick(int(letters.size()))];
            note(QStringLiteral("type \"%1\" into %2").arg(text, describe(w)));
            // QTest types ASCII only: the letters go as plain key events.
            for (const QChar c : text) {
                if (!w)
                    break;
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                QApplication::sendEvent(w, &press);
                if (!w)
                    break;
                QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
                QApplication::sendEvent(w, &release);
            }
        }
    }

    void drag(QPointer<QWidget> &w, QPoint from) {
        QWidget *window = w->window();
        QPointer<QWidget> to = w;
        const QList<QWidget *> others = window->findChildren<QWidget *>();
        if (!others.isEmpty() && chance(60)) {
            QWidget *other = others[pick(int(others.size()))];
            if (other->isVisible())
                to = other;
        }
        const QPoint end = somewhere(to);
        note(QStringLiteral("drag from %1,%2 on %3 to %4,%5 on %6")
                 .arg(from.x())
                 .arg(from.y())
                 .arg(describe(w))
                 .arg(end.x())
                 .arg(end.y())
                 .arg(describe(to)));
        QTest::mousePress(w, Qt::LeftButton, {}, from);
        for (int k = 1; k <= 4 && w && to; ++k) {
            const QPoint global =
                w->mapToGlobal(from) + (to->mapToGlobal(end) - w->mapToGlobal(from)) * k / 4;
            QTest::mouseMove(w, w->mapFromGlobal(global));
        }
        if (to)
            QTest::mouseRelease(to, Qt::LeftButton, {}, end);
        else if (w)
            QTest::mouseRelease(w, Qt::LeftButton, {}, from);
    }

    void key(QPointer<QWidget> &w) {
        static const Qt::Key keys[] = {
            Qt::Key_Return,    Qt::Key_Escape, Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Delete,
            Qt::Key_Backspace, Qt::Key_Up,     Qt::Key_Down, Qt::Key_Left,    Qt::Key_Right, Qt::Key_PageUp,
            Qt::Key_PageDown,  Qt::Key_Home,   Qt::Key_End,  Qt::Key_Insert,  Qt::Key_F1,    Qt::Key_F2,
            Qt::Key_F3,        Qt::Key_F4,     Qt::Key_F5,   Qt::Key_F6,      Qt::Key_F7,    Qt::Key_F8,
            Qt::Key_F9,        Qt::Key_F10,    Qt::Key_F11,  Qt::Key_F12,     Qt::Key_A,     Qt::Key_C,
            Qt::Key_F,         Qt::Key_S,      Qt::Key_V,    Qt::Key_X,       Qt::Key_Z,     Qt::Key_1,
            Qt::Key_Plus,      Qt::Key_Minus,  Qt::Key_Menu,
        };
        const Qt::Key k = keys[pick(int(std::size(keys)))];
        const Qt::KeyboardModifiers m = chance(60) ? Qt::KeyboardModifiers() : modifiers();
        note(QStringLiteral("key %1 (modifiers %2) on %3")
                 .arg(int(k), 0, 16)
                 .arg(int(m), 0, 16)
                 .arg(describe(w)));
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr && focus->window() == w->window() ? focus : w.data(), k, m);
    }

    // A command of the main window's menus, as its shortcut or menu would.
    void triggerAction() {
        if (!m_form || QApplication::activeModalWidget() || QApplication::activePopupWidget())
            return;
        QList<QAction *> actions;
        for (QAction *a : m_form->findChildren<QAction *>()) {
            if (a->isEnabled() && !a->isSeparator() && !a->objectName().isEmpty() && a->menu() == nullptr)
                actions.append(a);
        }
        if (actions.isEmpty())
            return;
        QAction *a = actions[pick(int(actions.size()))];
        note(QStringLiteral("command %1 \"%2\"").arg(a->objectName(), a->text()));
        a->trigger();
    }

    std::uint64_t m_seed;
    std::mt19937_64 m_rng;
    qint64 m_milliseconds;
    qint64 m_maxEvents;
    QTemporaryDir m_dir;
    std::unique_ptr<TFormMain> m_form;
    QElapsedTimer m_clock;
    std::atomic<qint64> m_events{0};
    int m_sessions = 0;
    bool m_failed = false;
    std::atomic<bool> m_done{false};
    std::atomic<std::int64_t> m_lastStep{std::chrono::steady_clock::now().time_since_epoch().count()};
    std::thread m_watchdog;
    std::deque<QString> m_log;
    QSet<QString> m_windowsSeen;
};

} // namespace
} // namespace qor

namespace {
QtMessageHandler g_standardMessages = nullptr;

// The offscreen platform says at every menu and dialog what it cannot do,
// the font database what a font lacks.
void quietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (text.startsWith(QLatin1String("This plugin does not support")) ||
        text.contains(QLatin1String("OpenType support missing")) || g_standardMessages == nullptr)
        return;
    g_standardMessages(type, context, text);
}
} // namespace

int main(int argc, char *argv[]) {
    g_standardMessages = qInstallMessageHandler(quietPlatform);
    QApplication app(argc, argv);
    // A closed main window is replaced; the run ends when the monkey says so.
    QApplication::setQuitOnLastWindowClosed(false);
    QCommandLineParser parser;
    const QCommandLineOption seedOpt(QStringLiteral("seed"), QStringLiteral("random seed"),
                                     QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption secondsOpt(QStringLiteral("seconds"), QStringLiteral("run time"),
                                        QStringLiteral("S"), QStringLiteral("60"));
    const QCommandLineOption eventsOpt(QStringLiteral("events"), QStringLiteral("stop after E events"),
                                       QStringLiteral("E"), QStringLiteral("0"));
    parser.addOptions({seedOpt, secondsOpt, eventsOpt});
    parser.process(app);
    qor::Monkey monkey(parser.value(seedOpt).toULongLong(), parser.value(secondsOpt).toLongLong() * 1000,
                       parser.value(eventsOpt).toLongLong());
    if (!monkey.start())
        return monkey.finish();
    const int code = app.exec();
    return std::max(code, monkey.finish());
}
