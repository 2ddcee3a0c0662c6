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

class QWidget;

namespace qor {

class WheelRouter : public QObject {
    Q_OBJECT
  public:
    enum class Target { Chooser, List, RecipeList, Grid, HorizontalBar, HelpText };

    using QObject::QObject;

    // A control that takes the wheel: each part registers its own. Lists
    // and text areas are watched on their viewport.
    void watch(QWidget *control, Target target);

    // The step of one wheel turn for a control; false when the control is
    // not one of the watched ones (the wheel goes on to Qt).
    bool FormMouseWheel(QWidget *control, KeyModifiers modifiers, int delta);

  Q_SIGNALS:
    // A chooser's entry moved: its command runs (On_Click with the chooser).
    void chooserMoved(QObject *chooser);
    // The reference table scrolls by whole rows (ScrollGrid).
    void gridScrolled(int rows);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    struct Entry {
        QPointer<QWidget> control;
        Target target;
    };
    void moveBy(const Entry &entry, int step);

    QHash<const QObject *, Entry> m_entries; // by the watched widget
};

} // namespace qor
