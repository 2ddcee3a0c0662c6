// The favourites tab: a click on a favourite shows it in the recipe list,
// and its context menu shows all, renames and deletes.

#include "main_window/ui/favorites_tab.h"

#include "common_ui/dialog_provider.h"
#include "common_ui/pixel_font.h"
#include "common_ui/stored_font.h"
#include "drag_drop/ui/drag_controller.h"
#include "input/ui/key_router.h"
#include "input/ui/wheel_router.h"
#include "main_window/ui/control_commands.h"
#include "main_window/ui/stored_looks.h"
#include "main_window/ui/window_routers.h"
#include "session/program_state.h"

#include "favorites/favorites_model.h"
#include "favorites/ui/favorites_list.h"
#include "recipe_list/ui/item_pictures_source.h"
#include "recipe_list/ui/potion_list_view.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QVBoxLayout>

namespace qor {

FavoritesTab::FavoritesTab(const WindowContext &ctx) : m_ctx(ctx) {}

void FavoritesTab::buildControls(QWidget &tabSheet, ItemPicturesSource *pictureSource) {
    auto *layout = new QVBoxLayout(&tabSheet);
    layout->setContentsMargins(0, 0, 0, 0);
    m_list = new FavoritesList(m_ctx.state.Data, m_ctx.state.session, m_ctx.colors, pictureSource, &tabSheet);
    m_list->setObjectName(QStringLiteral("LBFavorites"));
    m_list->setFont(pixelFont(QStringLiteral("Courier"), 17));
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(m_list);
}

void FavoritesTab::joinRouters(const WindowRouters &routers) {
    routers.keys.registerList(m_list, KeyListRole::Favorites);
    routers.wheel.watch(m_list, WheelRouter::Target::List);
    routers.drag.registerControl(m_list, DragControl::Favorites);
}

void FavoritesTab::connectSignals(ControlCommands &commands) {
    commands.addEntry(m_list->parentWidget(), [this] { enter(); });
    QObject::connect(m_list, &FavoritesList::selectedRowChanged, &m_ctx.window, [this] {
        // Filling or restoring the list moves its row too; only the
        // player's click shows a favourite.
        const ProgramState &st = m_ctx.state;
        if (st.Gate.open())
            onClick();
    });
    QObject::connect(m_list, &QWidget::customContextMenuRequested, &m_ctx.window, [this](const QPoint &pos) {
        if (m_menu)
            m_menu->popup(m_list->viewport()->mapToGlobal(pos));
    });
    followStoredLooks(m_ctx.state, m_list, SettingsFont::LBFavorites, Setting.LbFavoritesItemHeight.line,
                      [this] { applyStoredLooks(); });
}

void FavoritesTab::enter() {
    if (m_entered)
        return;
    m_entered = true;
    applyStoredLooks();
    m_list->resetRows();
}

void FavoritesTab::applyStoredLooks() {
    const MainSettings &s = m_ctx.state.session.settings();
    applyStoredFont(m_list, s.font(SettingsFont::LBFavorites));
    m_list->setItemHeight(s.block.clamped(Setting.LbFavoritesItemHeight));
}

void FavoritesTab::FillLbPotionsFromFavorites(bool all, int index) {
    ProgramState &st = m_ctx.state;
    st.session.replaceRecipes([&](PotionList &list) {
        qor::FillLbPotionsFromFavorites(st.session.favorites(), all, index, st.Data, list);
        return list.PotionCount() > 0 ? 0 : -1;
    });
}

void FavoritesTab::onClick() {
    const int row = m_list->currentRow();
    // The item states follow every click (not only a change between no
    // selection and a selection), so F2 and Delete work after the first
    // click on row 0 as well.
    prepareMenu();
    m_lastFavoriteIndex = row;
    FillLbPotionsFromFavorites(false, row);
}

void FavoritesTab::setMenu(QMenu *menu, const FavoritesMenuItems &items) {
    m_menu = menu;
    m_items = items;
    QObject::connect(menu, &QMenu::aboutToShow, &m_ctx.window, [this] { prepareMenu(); });
}

void FavoritesTab::prepareMenu() {
    if (!m_menu)
        return;
    const bool selected = m_list->currentRow() >= 0 && m_ctx.state.session.favorites().potionCount() > 0;
    m_items.rename->setEnabled(selected);
    m_items.remove->setEnabled(selected);
}

void FavoritesTab::cmdFavoriteRename(QAction *, int) {
    Session &session = m_ctx.state.session;
    const int row = m_list->currentRow();
    if (row < 0 || row >= session.favorites().potionCount())
        return;
    if (const auto text = m_ctx.dialogs.inputText(&m_ctx.window, QStringLiteral("Название текущего зелья"),
                                                  session.favorites().FavPotionNames.value(row)))
        session.editFavorites([&](FavoritesModel &fav) { return fav.renamePotion(row, *text); });
}

void FavoritesTab::cmdFavoriteDelete(QAction *, int) {
    Session &session = m_ctx.state.session;
    const int row = m_list->currentRow();
    if (row < 0 || row >= session.favorites().potionCount())
        return;
    const int next = session.editFavorites([row](FavoritesModel &fav) { return fav.deletePotion(row); });
    {
        const QSignalBlocker blocker(m_list);
        m_list->setCurrentRow(next);
    }
    onClick();
}

} // namespace qor
