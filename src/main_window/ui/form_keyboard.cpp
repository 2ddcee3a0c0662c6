// The keyboard, the mouse wheel, the help page and the find dialog join the
// window here; the tool windows' lists join the key and wheel routing
// through KeyRouter::addAvailableItemsList and WheelRouter::watch.

#include "main_window/ui/form_main.h"

#include "common_ui/full_screen_window.h"
#include "favorites/ui/favorites_list.h"
#include "help/ui/help_panel.h"
#include "input/ui/find_dialog.h"
#include "main_window/ui/key_router.h"
#include "main_window/ui/recipe_list_region.h"
#include "main_window/ui/reference_table_panel.h"
#include "main_window/ui/wheel_router.h"
#include "recipe_list/potion_cells.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "session/find_texts.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableView>

namespace qor {

void TFormMain::buildKeyboard() {
    KeyRouterHooks keys;
    keys.runCommand = [this](QObject *sender) { On_Click(sender); };
    keys.doubleClick = [this](QObject *sender) { On_DblClick(sender); };
    keys.repeatLastSearch = [this] { StartSearshLastType(); };
    keys.closeFullScreen = [this] {
        if (!FullScreen || !FullScreen->isVisible())
            return false;
        FullScreen->close();
        return true;
    };
    keys.potionFindCol = [this] { return m_colors.PotionFindCol; };
    m_keys = new KeyRouter(*m_state, *this, m_clock, command("MenuFastFindStartWithCurElement"),
                           std::move(keys), this);
    m_keys->attach(this);

    m_wheel = new WheelRouter(
        {[this](QObject *sender) { On_Click(sender); }, [this](int rows) { PanelGrid->scrollGrid(rows); }},
        this);
    m_wheel->watchControls(*this);

    m_help = new HelpPanel(LbHelp, MemoHelp, HelpSplitter, m_dialogs, m_state->session, this);
    connect(LbHelp, &QListWidget::currentRowChanged, this, [this] { On_Click(LbHelp); });

    RecipeFindHooks find;
    find.recipeTexts = [this] { return findTextsOf(*m_state, FindKind::Recipes, m_colors.PotionFindCol); };
    find.selectedRow = [this] { return m_recipes->selectedRow(); };
    find.selectedCellText = [this] {
        return GetPotionCellText(m_state->Data, m_state->session.recipes(), m_recipes->selectedRow(),
                                 m_colors.PotionFindCol, false);
    };
    find.selectAndShow = [this](int row) {
        m_recipes->selectRow(row);
        LbPotionSelectionChanged();
    };
    m_finder = new RecipeFinder(this, std::move(find));
}

} // namespace qor
