#pragma once
// How the main window's regions share its height and the recipe strip its
// width when the window changes size, and the full-screen modes of the
// recipe list and the reference table.

#include "main_window/ui/menu_items.h"
#include "main_window/ui/window_context.h"

#include <QList>

#include <array>

class QSize;
class QSplitter;

namespace qor {

class FullScreenWindow;
class RecipeListRegion;
class ReferenceTablePanel;
struct RecipeListWidgets;

class RegionLayout {
  public:
    // What the layout moves besides the recipe list region's widgets.
    struct Regions {
        QSplitter &mainSplitter; // the tabs, the recipe list, the strip and the table
        ReferenceTablePanel &grid;
        FullScreenWindow *&fullScreen; // made on the first full-screen request
    };
    RegionLayout(const WindowContext &ctx, const Regions &regions, RecipeListRegion &recipes,
                 const FullScreenItems &fullScreenItems);

    // Keeps the sizes the user gives the regions and the strip's panels by
    // dragging the splitters; shrinking always starts again from them.
    void trackUserSizes();
    // The region heights and strip widths Main.ini keeps, taken as the
    // user's choice and fitted to the window as it is.
    void applyRegionSizes();
    // The sizes as the user chose them (never the ones a small window
    // squeezed them to), for Main.ini: the tabs, the recipe list and the
    // recipe strip; the picture, ingredient and effect panels of the strip.
    std::array<int, 3> chosenRegionHeights() const;
    std::array<int, 3> chosenStripWidths() const;
    // After the window's own resize: the recipe strip gives way first, then
    // the recipe list, the strip and the tabs down to their floors.
    void onCanResize(QSize &proposed);

    void ToggleFullScreen(bool recipeList);
    void CloseFullScreen();

  private:
    void shrinkRecipeStripWidth();
    const RecipeListWidgets &recipeWidgets() const;

    WindowContext m_ctx;
    Regions m_regions;
    RecipeListRegion &m_recipes;
    FullScreenItems m_fullScreenItems;
    QList<int> m_stripWidths;   // recipe strip widths as the user last chose them
    QList<int> m_regionHeights; // region heights as the user last chose them
};

} // namespace qor
