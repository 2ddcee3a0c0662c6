#pragma once
// FormMouseWheel: the mouse wheel moves the control under the pointer by a
// step that Alt, Ctrl and Shift multiply. Choosers move their entry and run
// their command, lists move their top row, the reference table scrolls
// whole rows, the recipe list's horizontal bar and the help text scroll.
// An open drop-down list keeps the wheel to itself.

#include "input/quick_find.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace qor {

struct FormControls;

struct WheelRouterHooks {
    std::function<void(QObject *)> runCommand; // On_Click with a chooser
    std::function<void(int)> scrollGrid;       // ScrollGrid by a number of rows
};

class WheelRouter : public QObject {
    Q_OBJECT
  public:
    enum class Target { Chooser, List, RecipeList, Grid, HorizontalBar, HelpText };

    WheelRouter(WheelRouterHooks hooks, QObject *parent);

    // A control that takes the wheel. Lists and text areas are watched on
    // their viewport. The tool windows' lists join through here as well.
    void watch(QWidget *control, Target target);
    // Every chooser, list, the recipe list, the table, the scroll bar and
    // the help text of the main window.
    void watchControls(const FormControls &ui);

    // The step of one wheel turn for a control; false when the control is
    // not one of the watched ones (the wheel goes on to Qt).
    bool FormMouseWheel(QWidget *control, KeyModifiers modifiers, int delta);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    struct Entry {
        QPointer<QWidget> control;
        Target target;
    };
    void moveBy(const Entry &entry, int step);

    WheelRouterHooks m_hooks;
    QHash<const QObject *, Entry> m_entries; // by the watched widget
};

} // namespace qor
