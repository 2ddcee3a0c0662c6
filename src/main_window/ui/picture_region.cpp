#include "main_window/ui/picture_region.h"

#include "common_ui/view_colors.h"
#include "main_window/ui/reference_table_panel.h"
#include "session/program_state.h"
#include "visuals/ui/floating_picture.h"
#include "visuals/ui/item_pictures.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>

namespace qor {

PictureRegion::PictureRegion(const WindowContext &ctx, const Sources &sources)
    : m_ctx(ctx), m_grid(sources.grid), m_flyMode(sources.flyMode) {
    ProgramState &st = m_ctx.state;
    m_floating =
        new FloatingPicture(m_ctx.window, sources.panel, sources.image, st.PictureWindowOpen,
                            {.caption = [this] { return m_ctx.state.Data.ItemNames.value(m_displayItem); },
                             .setItemDisplayColor = [this] { SetItemDisplayColor(); },
                             .ready = [this] { return m_ctx.state.Gate.ready(); }});
    connect(&m_grid, &ReferenceTablePanel::currentMoved, this, [this] {
        if (m_ctx.state.Gate.open())
            onGridSelection();
    });
    connect(&m_grid, &ReferenceTablePanel::currentShown, this, [this] { onGridSelection(); });
    // The panel's background is a Main.ini colour; from the end of start-up
    // on the pictures follow it.
    connect(&st.session, &Session::settingChanged, this, [this](int line) {
        if (line == Setting.PicBgColor.line && m_ctx.state.Gate.ready())
            pictureRefresh();
    });
}

PictureRegion::~PictureRegion() {
    // The floating picture belongs to the window but calls back here.
    delete m_floating;
}

void PictureRegion::onGridSelection() {
    const int gridRow = m_grid.currentGridRow();
    if (gridRow <= 0)
        return;
    const int item = m_ctx.state.session.grid().itemAtRow(gridRow);
    m_floating->setCaption(m_ctx.state.Data.ItemNames.value(item));
    showItemPicture(item);
}

QColor PictureRegion::displayBackground() const {
    return colorFromCode(m_ctx.state.session.block().get(Setting.PicBgColor), m_ctx.colors);
}

void PictureRegion::pictureRefresh() {
    SetItemDisplayColor();
    const QColor background = m_flyMode.isChecked() ? QColor::fromRgb(kSeeThroughColor) : displayBackground();
    m_ctx.pictures.MakePicturesDisplay(0, 0, background.rgb(), m_ctx.colors.Window.rgb());
    onGridSelection();
    Q_EMIT displayPicturesRebuilt();
}

void PictureRegion::showItemPicture(int item) {
    m_displayItem = item;
    m_floating->showPicture(m_ctx.pictures.GetItemPicture(item, 1));
}

void PictureRegion::SetItemDisplayColor() {
    m_floating->applyDisplayColor(displayBackground(), m_flyMode.isChecked());
}

} // namespace qor
