// The main menu and the four context menus, built from the command table,
// and the dispatch of their items to the handlers of their rows.

#include "main_window/ui/form_main.h"
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
            connect(act, &QAction::triggered, this, [this, act] { On_Click(act); });
            break;
        }
        }
    }
    PopupMenuLB = menuOf(MenuId::PopupLB);
    PopupMenuLBFavorites = menuOf(MenuId::PopupFavorites);
    PopupMenuGrid = menuOf(MenuId::PopupGrid);
    PopupMenuLocal = menuOf(MenuId::PopupLocal);

    // Quick search on: the explicit search is redundant (and disabled).
    command("MenuStartSearsh")->setEnabled(false);

    // Shortcuts of the context menus work while their list has the focus.
    for (QMenu *menu : {PopupMenuLB, PopupMenuLBFavorites, PopupMenuGrid, PopupMenuLocal}) {
        for (QAction *act : menu->findChildren<QAction *>())
            act->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    }
    GridMenuItems gridItems;
    for (std::size_t n = 0; n < gridItems.markers.size(); ++n)
        gridItems.markers[n] = action(QStringLiteral("PMenuSetGridMarker%1").arg(n + 1));
    gridItems.highlightHarmful = command("PMenuSetGridMarkerToBad");
    gridItems.highlightBeneficial = command("PMenuSetGridMarkerToGood");
    gridItems.setAllMarkers = command("PMenuGridSetAllMarkers");
    gridItems.countItems = command("PMenuGridShowCountItemsWithCurEff");
    PanelGrid->setMenu(PopupMenuGrid, gridItems);
    LBPotion->addActions(PopupMenuLB->findChildren<QAction *>());
    LBFavorites->addActions(PopupMenuLBFavorites->findChildren<QAction *>());
}

QAction *TFormMain::action(const QString &name) const {
    return m_actions.value(name, nullptr);
}

QAction *TFormMain::command(const char *name) const {
    QAction *act = m_actions.value(QString::fromLatin1(name), nullptr);
    if (!act)
        qFatal("The command table has no item %s", name);
    return act;
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

void TFormMain::applyCheckSettings(const SettingsBlock &block) {
    for (const MenuCommand &row : commandTable()) {
        if (row.setting.line > 0)
            command(row.name)->setChecked(block.get(row.setting));
    }
}

void TFormMain::collectCheckSettings(SettingsBlock &block) const {
    for (const MenuCommand &row : commandTable()) {
        if (row.setting.line > 0)
            block.set(row.setting, command(row.name)->isChecked());
    }
}

} // namespace qor
