// The main menu and the four context menus, built from the command table,
// and the dispatch of their items to the handlers of their rows. A check
// item with a Main.ini flag is a view of that flag: a toggle writes it to
// the session, and the check follows every change of it.

#include "main_window/ui/favorites_tab.h"
#include "main_window/ui/form_main.h"
#include "main_window/ui/recipe_list_region.h"
#include "main_window/ui/reference_table_panel.h"
#include "settings/settings_block.h"

#include "favorites/ui/favorites_list.h"
#include "recipe_list/ui/potion_list_view.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <array>

namespace qor {

void TFormMain::buildMenus() {
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    std::array<QMenu *, static_cast<std::size_t>(MenuId::Count)> menus{};
    const auto menuOf = [&menus](MenuId id) { return menus[static_cast<std::size_t>(id)]; };
    Session &session = m_state->session;
    for (const MenuCommand &row : commandTable()) {
        const QString caption = QString::fromUtf8(row.caption);
        switch (row.kind) {
        case MenuCommand::Kind::Menu: {
            QMenu *menu = nullptr;
            if (row.menu == MenuId::Bar) {
                menu = bar->addMenu(caption);
            } else if (row.menu == MenuId::None) {
                menu = new QMenu(this);
                menu->setObjectName(QString::fromLatin1(row.name));
            } else {
                menu = menuOf(row.menu)->addMenu(caption);
            }
            menus[static_cast<std::size_t>(row.opens)] = menu;
            break;
        }
        case MenuCommand::Kind::Separator:
            menuOf(row.menu)->addSeparator();
            break;
        case MenuCommand::Kind::Item: {
            QMenu *menu = menuOf(row.menu);
            auto *act = new QAction(caption, menu);
            const QString name = QString::fromLatin1(row.name);
            act->setObjectName(name);
            if (row.hasShortcut())
                act->setShortcut(QKeySequence(row.shortcut));
            act->setCheckable(row.checkable());
            act->setChecked(row.check == MenuCommand::Check::On);
            act->setEnabled(row.enabled());
            menu->addAction(act);
            m_actions.insert(name, act);
            m_commandRows.insert(act, &row);
            if (row.setting.line > 0) {
                m_flagItems.insert(row.setting.line, act);
                act->setChecked(session.block().get(row.setting));
                // Before the command runs (triggered follows toggled).
                connect(act, &QAction::toggled, this,
                        [&session, &row](bool on) { session.setSetting(row.setting, on); });
            }
            if (row.fills)
                row.fills(m_items, act);
            connect(act, &QAction::triggered, this, [this, act] { On_Click(act); });
            break;
        }
        }
    }
    PopupMenuLB = menuOf(MenuId::PopupLB);
    PopupMenuLBFavorites = menuOf(MenuId::PopupFavorites);
    PopupMenuGrid = menuOf(MenuId::PopupGrid);
    PopupMenuLocal = menuOf(MenuId::PopupLocal);

    // Shortcuts of the context menus work while their list has the focus.
    for (QMenu *menu : {PopupMenuLB, PopupMenuLBFavorites, PopupMenuGrid, PopupMenuLocal}) {
        for (QAction *act : menu->findChildren<QAction *>())
            act->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    }
    connect(&session, &Session::settingChanged, this, &TFormMain::followFlag);
    followFlag(Setting.MenuCanQuickSearsh.line);
}

void TFormMain::followFlag(int line) {
    QAction *item = m_flagItems.value(line, nullptr);
    if (!item)
        return;
    const bool on = m_state->session.block().get(FlagKey{settingRow(line)});
    item->setChecked(on);
    // Quick search on: the explicit search is redundant (and disabled).
    if (line == Setting.MenuCanQuickSearsh.line)
        m_items.startSearch->setEnabled(!on);
}

void TFormMain::attachMenus() {
    PanelGrid->setMenu(PopupMenuGrid, m_items.grid);
    m_recipes->setMenu(PopupMenuLB, m_items.recipes);
    m_favorites->setMenu(PopupMenuLBFavorites, m_items.favorites);
    LBPotion->addActions(PopupMenuLB->findChildren<QAction *>());
    m_favorites->list()->addActions(PopupMenuLBFavorites->findChildren<QAction *>());
}

QAction *TFormMain::action(const QString &name) const {
    return m_actions.value(name, nullptr);
}

void TFormMain::runCommand(QAction *item) {
    const MenuCommand *row = m_commandRows.value(item, nullptr);
    if (!row)
        return;
    if (row->run)
        (this->*(row->run))(item, row->arg);
    else if (row->call)
        row->call(*this, item, row->arg);
}

} // namespace qor
