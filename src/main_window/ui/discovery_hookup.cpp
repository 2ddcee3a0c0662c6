#include "main_window/ui/discovery_hookup.h"

#include "discovery/ui/discovery_window.h"
#include "main_window/ui/form_main.h"
#include "recipe_list/ui/potion_list_view.h"
#include "reference_table/ui/grid_table_model.h"

#include <QMenu>
#include <QTableView>

namespace qor {

namespace {

QAction *addAction(QMenu *menu, const char *name, const QString &caption) {
    QAction *act = menu->addAction(caption);
    act->setObjectName(QLatin1String(name));
    return act;
}

// The ingredient and slot (0-based) of the reference table's current cell;
// slot -1 off the slot columns, item 0 off the data rows.
std::pair<int, int> currentCell(const QTableView *view) {
    const QModelIndex index = view->currentIndex();
    if (!index.isValid())
        return {0, -1};
    const int item = index.data(GridTableModel::ItemRole).toInt();
    const int column = index.column();
    return {item, column >= 2 && column <= 25 ? (column - 2) / 6 : -1};
}

} // namespace

QStringList discoveryCommandNames() {
    return {QStringLiteral("MenuDiscovery"),        QStringLiteral("MenuShowOnlyKnown"),
            QStringLiteral("PMenuGridKnownEffect"), QStringLiteral("PMenuGridKnownItem"),
            QStringLiteral("PMenuGridAte"),         QStringLiteral("PMenuGridKnownAll"),
            QStringLiteral("PMenuGridKnownNone"),   QStringLiteral("PMenuLbBrewed")};
}

void installDiscovery(TFormMain &form) {
    ProgramState &state = form.state();
    auto *store = new KnownStore(state.Data, state.Strengths, state.SettingsDir, &form);
    DialogProvider *dialogs = &form.dialogs();
    QObject::connect(store, &KnownStore::saveFailed, &form, [&form, dialogs](const QString &text) {
        dialogs->message(&form, text, MessageIcon::Warning);
    });

    // Menu "Разное", just before "План варки", which stays its last item.
    QAction *plan = form.findChild<QAction *>(QStringLiteral("MenuBrewingPlan"));
    QMenu *other = nullptr;
    for (QObject *owner : plan != nullptr ? plan->associatedObjects() : QObjectList())
        other = other != nullptr ? other : qobject_cast<QMenu *>(owner);
    if (other == nullptr)
        return;
    QAction *open = addAction(other, "MenuDiscovery", QStringLiteral("Изучение эффектов"));
    QAction *onlyKnown =
        addAction(other, "MenuShowOnlyKnown", QStringLiteral("Показывать только изученные эффекты"));
    onlyKnown->setCheckable(true);
    other->removeAction(plan);
    other->addAction(plan);
    const QString settingsDir = state.SettingsDir;
    QObject::connect(open, &QAction::triggered, &form,
                     [&form, store, settingsDir] { showDiscoveryWindow(&form, *store, settingsDir); });
    QObject::connect(onlyKnown, &QAction::triggered, store, &KnownStore::setShowOnlyKnown);

    // The reference table draws what the player does not know as "?".
    auto *grid = form.findChild<QTableView *>(QStringLiteral("StringGrid"));
    auto *model = grid != nullptr ? qobject_cast<GridTableModel *>(grid->model()) : nullptr;
    QObject::connect(store, &KnownStore::changed, &form, [store, grid, model, onlyKnown] {
        const bool on = store->known().showOnlyKnown;
        onlyKnown->setChecked(on);
        if (model == nullptr)
            return;
        if (on)
            model->setSlotKnown([store](int item, int slot) { return store->known().isKnown(item, slot); });
        else
            model->setSlotKnown({});
        grid->viewport()->update();
    });

    if (auto *menu = form.findChild<QMenu *>(QStringLiteral("PopupMenuGrid"));
        menu != nullptr && grid != nullptr) {
        QMenu *sub = menu->addMenu(QStringLiteral("Изученные эффекты"));
        sub->setObjectName(QStringLiteral("PopupMenuGridKnown"));
        QAction *toggle = addAction(sub, "PMenuGridKnownEffect", QStringLiteral("Эффект изучен"));
        toggle->setCheckable(true);
        QAction *wholeItem =
            addAction(sub, "PMenuGridKnownItem", QStringLiteral("Все эффекты ингредиента изучены"));
        QAction *ate = addAction(sub, "PMenuGridAte", QStringLiteral("Съел"));
        sub->addSeparator();
        QAction *all = addAction(sub, "PMenuGridKnownAll", QStringLiteral("Отметить все эффекты изученными"));
        QAction *none = addAction(sub, "PMenuGridKnownNone", QStringLiteral("Забыть все эффекты"));
        QObject::connect(menu, &QMenu::aboutToShow, sub, [store, grid, toggle, wholeItem, ate] {
            const auto [item, slot] = currentCell(grid);
            const bool filled = slot >= 0 && (filledSlots(store->data(), item) & (1u << slot)) != 0;
            toggle->setEnabled(filled);
            toggle->setChecked(filled && store->known().isKnown(item, slot));
            wholeItem->setEnabled(item > 0);
            ate->setEnabled(item > 0);
        });
        QObject::connect(toggle, &QAction::triggered, store, [store, grid] {
            const auto [item, slot] = currentCell(grid);
            store->toggle(item, slot);
        });
        QObject::connect(wholeItem, &QAction::triggered, store,
                         [store, grid] { store->learnItem(currentCell(grid).first); });
        QObject::connect(ate, &QAction::triggered, store,
                         [store, grid] { store->eat(currentCell(grid).first); });
        QObject::connect(all, &QAction::triggered, store, &KnownStore::markAll);
        QObject::connect(none, &QAction::triggered, store, &KnownStore::clearAll);
    }

    auto *recipes = form.findChild<PotionListView *>(QStringLiteral("LBPotion"));
    if (auto *menu = form.findChild<QMenu *>(QStringLiteral("PopupMenuLB"));
        menu != nullptr && recipes != nullptr) {
        menu->addSeparator();
        QAction *brewed = addAction(menu, "PMenuLbBrewed", QStringLiteral("Сварил"));
        QObject::connect(menu, &QMenu::aboutToShow, brewed, [&state, recipes, brewed] {
            const int row = recipes->currentRow();
            brewed->setEnabled(row >= 0 && row < state.session.recipes().PotionCount());
        });
        QObject::connect(brewed, &QAction::triggered, store, [&state, store, recipes] {
            const int row = recipes->currentRow();
            if (row < 0 || row >= state.session.recipes().PotionCount())
                return;
            const TPotionRec &rec = state.session.recipes()[row];
            store->brew(rec.Items[0], rec.Items[1], rec.Items[2]);
        });
    }

    if (const QString problem = store->load(); !problem.isEmpty())
        dialogs->message(&form, problem, MessageIcon::Warning);
}

} // namespace qor
