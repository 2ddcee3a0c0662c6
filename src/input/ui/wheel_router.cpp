#include "input/ui/wheel_router.h"

#include "input/ui/key_router.h"
#include "input/wheel_step.h"
#include "recipe_list/ui/potion_list_view.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCursor>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableView>
#include <QWheelEvent>

namespace qor {

void WheelRouter::watch(QWidget *control, Target target) {
    QWidget *watched = control;
    if (auto *area = qobject_cast<QAbstractScrollArea *>(control))
        watched = area->viewport();
    m_entries.insert(watched, {control, target});
    m_entries.insert(control, {control, target});
    watched->installEventFilter(this);
    if (watched != control)
        control->installEventFilter(this);
}

bool WheelRouter::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::Wheel)
        return false;
    auto *wheel = static_cast<QWheelEvent *>(event);
    const KeyModifiers modifiers = keyModifiersOf(wheel->modifiers());
    // Qt turns a vertical wheel with Alt into a horizontal one.
    int delta = wheel->angleDelta().y();
    if (delta == 0 && modifiers.alt)
        delta = wheel->angleDelta().x();
    const auto it = m_entries.constFind(watched);
    if (it == m_entries.constEnd() || !it->control)
        return false;
    return FormMouseWheel(it->control, modifiers, delta);
}

bool WheelRouter::FormMouseWheel(QWidget *control, KeyModifiers modifiers, int delta) {
    const auto it = m_entries.constFind(control);
    if (it == m_entries.constEnd() || !it->control)
        return false;
    if (const int step = wheelStep(delta, modifiers); step != 0)
        moveBy(*it, step);
    return true;
}

void WheelRouter::moveBy(const Entry &entry, int step) {
    QWidget *control = entry.control;
    switch (entry.target) {
    case Target::Chooser: {
        auto *combo = static_cast<QComboBox *>(control);
        const int index = wheelMovedIndex(combo->currentIndex(), step, combo->count());
        if (index == combo->currentIndex())
            return;
        {
            const QSignalBlocker quiet(combo);
            combo->setCurrentIndex(index);
        }
        Q_EMIT chooserMoved(combo);
        return;
    }
    case Target::List:
    case Target::RecipeList: {
        auto *list = static_cast<QAbstractItemView *>(control);
        const int count = list->model() ? list->model()->rowCount() : 0;
        QScrollBar *bar = list->verticalScrollBar();
        bar->setValue(wheelMovedIndex(bar->value(), step, count));
        // The lit cell follows the rows that moved under the pointer.
        if (entry.target == Target::RecipeList)
            static_cast<PotionListView *>(list)->trackLitCell(
                list->viewport()->mapFromGlobal(QCursor::pos()));
        return;
    }
    case Target::Grid:
        Q_EMIT gridScrolled(step);
        return;
    case Target::HorizontalBar: {
        auto *bar = static_cast<QScrollBar *>(control);
        bar->setValue(wheelScrollPosition(bar->value(), bar->singleStep(), step, bar->maximum()));
        return;
    }
    case Target::HelpText: {
        QScrollBar *bar = static_cast<QPlainTextEdit *>(control)->verticalScrollBar();
        bar->setValue(bar->value() + (step > 0 ? 1 : -1));
        return;
    }
    }
}

} // namespace qor
