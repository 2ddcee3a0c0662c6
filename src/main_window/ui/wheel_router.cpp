#include "main_window/ui/wheel_router.h"

#include "favorites/ui/favorites_list.h"
#include "main_window/ui/form_controls.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"

#include "input/wheel_step.h"
#include "main_window/ui/key_router.h"
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

WheelRouter::WheelRouter(WheelRouterHooks hooks, QObject *parent)
    : QObject(parent), m_hooks(std::move(hooks)) {}

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
        m_hooks.runCommand(combo);
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
        m_hooks.scrollGrid(step);
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

void WheelRouter::watchControls(const FormControls &ui) {
    using T = WheelRouter::Target;
    for (int k = 0; k < 5; ++k) {
        watch(ui.CbEffect[k], T::Chooser);
        watch(ui.CbFilter[k], T::Chooser);
    }
    for (ChooserComboBox *c : ui.CbPrioriryIngredient)
        watch(c, T::Chooser);
    for (ChooserComboBox *c : ui.CbIngredient)
        watch(c, T::Chooser);
    for (ChooserComboBox *c : {ui.ComboBoxCost_Min, ui.ComboBoxCost_Max, ui.ComboBoxMainAlchPercCount})
        watch(c, T::Chooser);
    for (QAbstractItemView *list : std::initializer_list<QAbstractItemView *>{
             ui.LbAltEffectsList, ui.LbAltAmountItems, ui.LbAltItemsList, ui.LbAltAmountEffects,
             ui.LBFavorites, ui.LbItemsInfo, ui.LbEffectInfo, ui.LbHelp})
        watch(list, T::List);
    watch(ui.LBPotion, T::RecipeList);
    watch(ui.StringGrid, T::Grid);
    watch(ui.ScrollBarLB, T::HorizontalBar);
    watch(ui.MemoHelp, T::HelpText);
}

} // namespace qor
