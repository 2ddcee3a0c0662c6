// The picture panel: the reference table's current ingredient shown in it
// (or in the floating picture), and the display pictures rebuilt on its
// background.

#include "main_window/ui/form_main.h"

#include "main_window/ui/recipe_list_region.h"
#include "main_window/ui/reference_table_panel.h"
#include "main_window/ui/view_commands.h"
#include "visuals/ui/floating_picture.h"
#include "visuals/ui/floating_picture_window.h"
#include "visuals/ui/item_pictures.h"

#include <QLabel>

namespace qor {

void TFormMain::onGridSelection() {
    const int gridRow = PanelGrid->currentGridRow();
    if (gridRow <= 0)
        return;
    const int item = m_state->session.grid().itemAtRow(gridRow);
    m_floatingPicture->setCaption(m_state->Data.ItemNames.value(item));
    showItemPicture(item);
}

void TFormMain::pictureRefresh() {
    m_view->SetItemDisplayColor();
    const QColor background = m_items.looks.flyPicture->isChecked()
                                  ? QColor::fromRgb(kSeeThroughColor)
                                  : colorFromCode(m_state->session.block().get(Setting.PicBgColor), m_colors);
    m_pictures.MakePicturesDisplay(0, 0, background.rgb(), m_colors.Window.rgb());
    onGridSelection();
    m_recipes->LbPotionSelectionChanged();
}

void TFormMain::showItemPicture(int item) {
    m_displayItem = item;
    m_floatingPicture->showPicture(m_pictures.GetItemPicture(item, 1));
}
} // namespace qor
