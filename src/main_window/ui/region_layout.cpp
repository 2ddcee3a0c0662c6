// How the window's regions share its height and the recipe strip its
// width when the window changes size (from the sizes the user last chose,
// so that growing the window back restores them), and the two full-screen
// modes of the recipe list and the reference table.

#include "main_window/ui/region_layout.h"

#include "common_ui/full_screen_window.h"
#include "main_window/ui/recipe_list_region.h"
#include "main_window/ui/reference_table_panel.h"
#include "recipe_list/search_slots.h"
#include "recipe_list/ui/potion_list_view.h"
#include "session/program_state.h"
#include "settings/stored_geometry.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace qor {

RegionLayout::RegionLayout(const WindowContext &ctx, const Regions &regions, RecipeListRegion &recipes,
                           const FullScreenItems &fullScreenItems)
    : m_ctx(ctx), m_regions(regions), m_recipes(recipes), m_fullScreenItems(fullScreenItems) {}

const RecipeListWidgets &RegionLayout::recipeWidgets() const {
    return m_recipes.widgets();
}

void RegionLayout::trackUserSizes() {
    QObject::connect(recipeWidgets().PanelPotionInfo, &QSplitter::splitterMoved, &m_ctx.window,
                     [this] { m_stripWidths = recipeWidgets().PanelPotionInfo->sizes(); });
    QObject::connect(&m_regions.mainSplitter, &QSplitter::splitterMoved, &m_ctx.window,
                     [this] { m_regionHeights = m_regions.mainSplitter.sizes(); });
}

void RegionLayout::onCanResize(QSize &proposed) {
    // Qt resizes first and reports afterwards: the clamping is applied to the
    // regions of the window as it now is.
    proposed = proposed.expandedTo(QSize(640, 480));
    shrinkRecipeStripWidth();
    QList<int> sizes = m_regions.mainSplitter.sizes();
    if (sizes.size() != 4)
        return;
    // Start from the heights the user chose, so that growing the window back
    // returns the regions that gave way.
    if (m_regionHeights.size() == 4)
        sizes = m_regionHeights;
    const int client = m_regions.mainSplitter.height();
    const int handles = 3 * m_regions.mainSplitter.handleWidth();
    const int keepGrid = 79;
    int excess = sizes[0] + sizes[1] + sizes[2] + handles + keepGrid - client;
    // The recipe list gives way down to 75, then the recipe strip, then the tabs.
    for (const int index : {1, 2, 0}) {
        if (excess <= 0)
            break;
        const int floor = index == 0 ? 0 : 75;
        const int give = std::min(excess, std::max(0, sizes[index] - floor));
        sizes[index] -= give;
        excess -= give;
    }
    sizes[3] = std::max(keepGrid, client - handles - sizes[0] - sizes[1] - sizes[2]);
    m_regions.mainSplitter.setSizes(sizes);
}

void RegionLayout::shrinkRecipeStripWidth() {
    // When the strip no longer fits, the effect panel gives way down to 100
    // pixels, then the ingredient panel gives up the rest.
    // Qt's splitter has already shared out the change; start again from the
    // widths the user last chose (never from shrunk ones, so that growing
    // the window back gives the layout of before).
    QList<int> widths = m_stripWidths.size() == 4 ? m_stripWidths : recipeWidgets().PanelPotionInfo->sizes();
    if (widths.size() != 4)
        return;
    const int client = recipeWidgets().PanelPotionInfo->width();
    const int thickness = recipeWidgets().PanelPotionInfo->handleWidth();
    const int effRight = widths[0] + widths[1] + widths[2] + 2 * thickness;
    if (client < effRight + thickness + 4) {
        const int b = widths[2] + client - effRight - thickness - 4;
        if (b < 100) {
            widths[1] = std::max(1, widths[1] + b - 100);
            widths[2] = 100;
        } else {
            widths[2] = b;
        }
    }
    widths[3] = std::max(0, client - widths[0] - widths[1] - widths[2] - 3 * thickness);
    recipeWidgets().PanelPotionInfo->setSizes(widths);
}

void RegionLayout::ToggleFullScreen(bool recipeList) {
    if (!m_regions.fullScreen) {
        m_regions.fullScreen = new FullScreenWindow(m_ctx.window.font());
        QObject::connect(m_regions.fullScreen, &FullScreenWindow::closing, &m_ctx.window,
                         [this] { CloseFullScreen(); });
        QObject::connect(m_regions.fullScreen, &FullScreenWindow::resized, &m_ctx.window,
                         [this] { m_recipes.layoutPanelLBox(); });
        m_regions.fullScreen->addActions({m_fullScreenItems.recipeList, m_fullScreenItems.grid});
    }
    if (m_regions.fullScreen->isVisible()) {
        m_regions.fullScreen->close();
        return;
    }
    const QRect screen = m_ctx.window.screen() ? m_ctx.window.screen()->geometry() : QRect(0, 0, 1280, 1024);
    int top = 0;
    if (recipeList) {
        const CommandGate::Scope quiet(m_ctx.state.Gate, CommandGate::Hold::Commands);
        m_fullScreenItems.recipeList->setChecked(true);
        m_fullScreenItems.grid->setChecked(false);
        top = recipeWidgets().PanelLbPotionsMain->mapToGlobal(QPoint(0, 0)).y();
        recipeWidgets().PanelCapLBPotions->setParent(m_regions.fullScreen);
        recipeWidgets().PanelLBox->setParent(m_regions.fullScreen);
        recipeWidgets().ScrollBarLB->setParent(m_regions.fullScreen);
        recipeWidgets().PanelCapLBPotions->show();
        recipeWidgets().PanelLBox->show();
        recipeWidgets().ScrollBarLB->setVisible(m_ctx.state.session.block().get(Setting.MenuScrollForLBox));
    } else {
        const CommandGate::Scope quiet(m_ctx.state.Gate, CommandGate::Hold::Commands);
        top = m_regions.grid.view()->mapToGlobal(QPoint(0, 0)).y();
        auto *layout = new QVBoxLayout;
        layout->setContentsMargins(0, 0, 0, 0);
        m_regions.grid.view()->setParent(m_regions.fullScreen);
        delete m_regions.fullScreen->layout();
        m_regions.fullScreen->setLayout(layout);
        layout->addWidget(m_regions.grid.view());
        m_regions.grid.view()->show();
        m_fullScreenItems.grid->setChecked(true);
        m_fullScreenItems.recipeList->setChecked(false);
    }
    m_regions.fullScreen->setGeometry(screen.left(), std::max(screen.top(), top), screen.width(),
                                      screen.bottom() - std::max(screen.top(), top));
    m_regions.fullScreen->showMaximized();
    m_recipes.layoutPanelLBox();
}

void RegionLayout::CloseFullScreen() {
    if (!m_regions.fullScreen)
        return;
    if (recipeWidgets().PanelLBox->parentWidget() == m_regions.fullScreen) {
        recipeWidgets().PanelCapLBPotions->setParent(recipeWidgets().PanelLbPotionsMain);
        recipeWidgets().ScrollBarLB->setParent(recipeWidgets().PanelLbPotionsMain);
        recipeWidgets().PanelLBox->setParent(recipeWidgets().PanelLbPotionsMain);
        recipeWidgets().PanelCapLBPotions->show();
        recipeWidgets().ScrollBarLB->setVisible(m_ctx.state.session.block().get(Setting.MenuScrollForLBox));
        recipeWidgets().PanelLBox->show();
        m_recipes.layoutPanelLBox();
        recipeWidgets().LBPotion->setTopIndex(std::max(0, recipeWidgets().LBPotion->currentRow()));
        recipeWidgets().LBPotion->setFocus();
    }
    if (m_regions.grid.view()->parentWidget() == m_regions.fullScreen) {
        m_regions.fullScreen->layout()->removeWidget(m_regions.grid.view());
        m_regions.grid.takeBackView();
    }
    {
        const CommandGate::Scope quiet(m_ctx.state.Gate, CommandGate::Hold::Commands);
        m_fullScreenItems.recipeList->setChecked(false);
        m_fullScreenItems.grid->setChecked(false);
    }
    if (m_regions.fullScreen->isVisible()) {
        m_regions.fullScreen->hide();
        m_regions.fullScreen->setWindowState(Qt::WindowNoState);
    }
}

void RegionLayout::applyRegionSizes() {
    // The last part of each splitter takes what remains, as the regions of
    // the window description do.
    const SettingsBlock &b = m_ctx.state.session.block();
    auto fill = [](QSplitter *splitter, std::initializer_list<std::int32_t> fixed) {
        const int total = splitter->orientation() == Qt::Vertical ? splitter->height() : splitter->width();
        splitter->setSizes(splitterSizesFromStored(fixed, total, splitter->handleWidth()));
    };
    const auto stored = [](QSplitter *splitter, std::initializer_list<std::int32_t> fixed) {
        const int total = splitter->orientation() == Qt::Vertical ? splitter->height() : splitter->width();
        return splitterSizesFromStored(fixed, total, splitter->handleWidth());
    };
    fill(recipeWidgets().InfoMainSplitter,
         {b.get(Setting.PanelPotionTypeWidth), b.get(Setting.PanelAddInfoWidth)});
    // Saved on a larger screen they may not fit this window: they stay the
    // chosen sizes, which the window gives back once it has room.
    m_regionHeights = stored(&m_regions.mainSplitter,
                             {b.get(Setting.PageControlHeight), b.get(Setting.PanelLbPotionsMainHeight),
                              b.get(Setting.PanelPotionInfoHeight)});
    m_stripWidths = stored(recipeWidgets().PanelPotionInfo,
                           {b.get(Setting.PanelItemDisplayWidth), b.get(Setting.PanelInfoMainWidth),
                            b.get(Setting.PanelEffInfoWidth)});
    m_regions.mainSplitter.setSizes(m_regionHeights);
    recipeWidgets().PanelPotionInfo->setSizes(m_stripWidths);
    QSize size = m_ctx.window.size();
    onCanResize(size);
}

std::array<int, 3> RegionLayout::chosenRegionHeights() const {
    const QList<int> sizes = m_regionHeights.size() == 4 ? m_regionHeights : m_regions.mainSplitter.sizes();
    return {sizes.value(0), sizes.value(1), sizes.value(2)};
}

std::array<int, 3> RegionLayout::chosenStripWidths() const {
    const QList<int> sizes =
        m_stripWidths.size() == 4 ? m_stripWidths : recipeWidgets().PanelPotionInfo->sizes();
    return {sizes.value(0), sizes.value(1), sizes.value(2)};
}
} // namespace qor
