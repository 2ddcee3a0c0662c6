// The help page and the find dialog join the window here; the keyboard,
// the mouse wheel, the drags and the hints are made here and the parts
// register their controls with them, the tool windows' lists when each
// window is first made.

#include "main_window/ui/form_main.h"

#include "drag_drop/ui/drag_controller.h"
#include "help/ui/help_panel.h"
#include "hints/ui/cell_hints.h"
#include "hints/ui/hint_switch.h"
#include "input/ui/find_dialog.h"
#include "input/ui/key_router.h"
#include "input/ui/wheel_router.h"
#include "main_window/ui/alt_make_tab.h"
#include "main_window/ui/favorites_tab.h"
#include "main_window/ui/help_routers.h"
#include "main_window/ui/ingredient_search_tab.h"
#include "main_window/ui/recipe_list_region.h"
#include "main_window/ui/reference_table_panel.h"
#include "main_window/ui/search_inputs.h"
#include "main_window/ui/skills_tab.h"
#include "main_window/ui/tool_window_lists.h"
#include "main_window/ui/window_key_host.h"
#include "recipe_list/potion_cells.h"
#include "session/find_texts.h"

#include <QApplication>

namespace qor {

void TFormMain::buildKeyboard() {
    m_help = new HelpPanel(*PageControl, *TabSheetHelp, m_state->DataDir, m_dialogs, m_state->session, this);
    LbHelp = m_help->list();
    MemoHelp = m_help->memo();
    HelpSplitter = m_help->splitter();

    RecipeFindHooks find;
    find.recipeTexts = [this] { return findTextsOf(*m_state, FindKind::Recipes, m_colors.PotionFindCol); };
    find.selectedRow = [this] { return m_recipes->selectedRow(); };
    find.selectedCellText = [this] {
        return GetPotionCellText(m_state->Data, m_state->session.recipes(), m_recipes->selectedRow(),
                                 m_colors.PotionFindCol, false);
    };
    find.selectAndShow = [this](int row) {
        m_recipes->selectRow(row);
        m_recipes->LbPotionSelectionChanged();
    };
    m_finder = new RecipeFinder(this, std::move(find));
}

void TFormMain::buildRouters() {
    m_keyHost = std::make_unique<WindowKeyHost>(*this, m_colors, FullScreen);
    m_keys = new KeyRouter(*m_keyHost, m_clock, this);
    m_keys->registerPages(this, PageControl, m_inputs->controls().PageControlSearshOpt);
    m_wheel = new WheelRouter(this);
    connect(m_wheel, &WheelRouter::chooserMoved, this, &TFormMain::On_Click);
    m_drag = new DragController(*m_state, m_dialogs, m_pictures, m_colors, *PanelGrid, this);
    connect(m_drag, &DragController::chooserReselected, this, &TFormMain::On_Click);
    // Application-wide, as the hint option is; removed with the session it
    // reads.
    qApp->installEventFilter(new HintSwitch(m_state->session, &m_state->session));
    m_cellHints = new CellHints(*m_state, m_colors, this);

    const WindowRouters routers{*m_drag, *m_keys, *m_wheel, *m_cellHints};
    m_inputs->joinRouters(routers);
    m_ingredients->joinRouters(routers);
    m_altMake->joinRouters(routers);
    m_skills->joinRouters(routers);
    m_recipes->joinRouters(routers);
    m_favorites->joinRouters(routers);
    joinHelpRouters(*m_help, routers);
    PanelGrid->joinRouters(routers);
    m_drag->registerPressControls(this);
    // Each tool window's lists join when the window is first made.
    joinToolWindowLists(*m_toolWindows, routers, this);
}

} // namespace qor
