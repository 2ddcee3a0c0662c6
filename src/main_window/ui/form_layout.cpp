// Layout modes: the recipe list panel sliding under its scroll bar, the
// minimum region sizes, splitter thickness, drop-down sizes, row colours,
// cell marking, the picture panel's colour and the two full-screen modes.

#include "main_window/ui/form_main.h"

#include "main_window/ui/recipe_list_region.h"
#include "main_window/ui/region_layout.h"

#include "common_ui/full_screen_window.h"
#include "main_window/ui/reference_table_panel.h"
#include "main_window/ui/view_commands.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "reference_table/ui/grid_cell_delegate.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace qor {

void TFormMain::FormResize(QObject *sender) {
    // The ingredient rows and the picture follow their panels even while the
    // window's own resize is being laid out (that is when the panels change
    // size). The list's viewport is resized after its own resize event: take
    // the height inside the list's frame.
    if (sender == PanelInfoMain) {
        LbItemsInfo->setItemHeight(std::max(1, LbItemsInfo->contentsRect().height() / 3));
        return;
    }
    if (sender == PanelItemDisplay) {
        // The picture is scaled to the panel: rebuild it for the new size.
        if (m_displayItem > 0)
            showItemPicture(m_displayItem);
        return;
    }
    if (m_inResize)
        return;
    m_inResize = true;
    if (sender == PanelLBox || sender == PanelLbPotionsMain || sender == PanelCapLBPotions ||
        (sender == FullScreen && FullScreen) || (sender == nullptr && !FullScreen)) {
        m_recipes->layoutPanelLBox();
    } else if (sender == this) {
        QSize size = this->size();
        m_layout->onCanResize(size);
        // The regions were resized inside this guard: the recipe list panel
        // follows its region here.
        if (PanelLBox->parentWidget() == PanelLbPotionsMain)
            m_recipes->layoutPanelLBox();
    }
    m_inResize = false;
}

} // namespace qor
