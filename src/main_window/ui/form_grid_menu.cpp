// The reference table's commands, forwarded to its panel.

#include "main_window/ui/form_main.h"

#include "main_window/ui/floating_picture.h"
#include "main_window/ui/reference_table_panel.h"
#include "visuals/ui/item_pictures.h"

#include <QLabel>

namespace qor {

void TFormMain::onGridSelection() {
    const int gridRow = m_grid->currentGridRow();
    if (gridRow <= 0)
        return;
    const int item = m_state->Grid.itemAtRow(gridRow);
    m_floatingPicture->setCaption(m_state->Data.ItemNames.value(item));
    showItemPicture(item);
}

void TFormMain::showItemPicture(int item) {
    m_displayItem = item;
    m_floatingPicture->showPicture(m_pictures.GetItemPicture(item, 1));
}

void TFormMain::SetGridRowHeight(int rowHeight, int headerHeight) {
    m_grid->setRowHeight(rowHeight, headerHeight);
}

void TFormMain::cmdGridLines(QAction *, int) {
    m_grid->setLines(command("MenuGridLines_ver")->isChecked(), command("MenuGridLines_hor")->isChecked());
}

} // namespace qor
