// The reference table's commands, forwarded to its panel.

#include "main_window/ui/form_main.h"

#include "main_window/ui/reference_table_panel.h"
#include "visuals/ui/item_pictures.h"

#include <QLabel>

namespace qor {

void TFormMain::onGridSelection() {
    const int gridRow = PanelGrid->currentGridRow();
    if (gridRow <= 0)
        return;
    showItemPicture(m_state->Grid.itemAtRow(gridRow));
}

void TFormMain::showItemPicture(int item) {
    m_displayItem = item;
    const QImage *picture = m_pictures.GetItemPicture(item, 1);
    if (!picture || picture->isNull()) {
        Image->clear();
        return;
    }
    const QSize box = Image->size().expandedTo(QSize(1, 1));
    Image->setPixmap(QPixmap::fromImage(picture->scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}



} // namespace qor
