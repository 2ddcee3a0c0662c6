#pragma once
// Desktop services that Qt does not offer in the form the window's logic
// expects: a millisecond tick counter that tests can drive, the widget under
// a screen point, whether a drop-down list is open, and the mapping of the
// Windows font names kept in the settings to fonts installed here.

#include <QElapsedTimer>
#include <QPoint>

#include <cstdint>
#include <optional>

class QWidget;

namespace qor {

// Millisecond tick counter; a test sets the time by hand.
class TickClock {
  public:
    TickClock() { m_timer.start(); }
    std::int64_t ticks() const { return m_fixed ? *m_fixed : m_timer.elapsed(); }
    void setFixed(std::int64_t ms) { m_fixed = ms; }
    void advance(std::int64_t ms) { m_fixed = ticks() + ms; }

  private:
    QElapsedTimer m_timer;
    std::optional<std::int64_t> m_fixed;
};

// The top-level-aware widget under a global point (nullptr when none).
QWidget *widgetUnderPoint(const QPoint &globalPos);
// True while the drop-down list of any chooser inside root is showing.
bool isDropDownOpen(const QWidget *root);
// Registers installed look-alikes for Tahoma, MS Sans Serif, Monotype Corsiva
// and Courier so that those names can stay in the settings file.
void installFontSubstitutes();

} // namespace qor
