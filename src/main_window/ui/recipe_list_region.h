#pragma once
// The recipe list region of the main window: the list with its header
// sliding under the horizontal scroll bar, the selection and the current
// recipe strip it fills, the count panel, the header sort, the double click
// and the list's context menu. The region builds its widgets, connects their
// signals and events, and joins the routers; the window forwards its command
// rows here.

#include "engine/potion_rec.h"
#include "main_window/ui/menu_items.h"
#include "main_window/ui/recipe_list_widgets.h"
#include "main_window/ui/window_context.h"
#include "recipe_list/potion_list_ops.h"
#include "settings/settings_file.h"

#include <QObject>
#include <QPoint>

#include <functional>

class QAction;
class QMenu;
class QSplitter;

namespace qor {

class ItemPicturesSource;
struct WindowRouters;

class RecipeListRegion : public QObject {
    Q_OBJECT
  public:
    explicit RecipeListRegion(const WindowContext &ctx);
    // The list panel, then the current recipe strip, added to splitter.
    void buildControls(QSplitter &splitter, ItemPicturesSource *pictureSource);
    const RecipeListWidgets &widgets() const { return m_w; }
    // The list's, header's, scroll bar's and context menu's signals, and the
    // events of the region's panels: resizes, double clicks, the press that
    // picks the cell.
    void connectSignals();
    // The list, its bar and the recipe's two lists join the keys, the wheel
    // and the drags.
    void joinRouters(const WindowRouters &routers);

    // The list's context menu, prepared whenever it opens.
    void setMenu(QMenu *menu, const RecipeMenuItems &items);

    // The selected row, -1 for none.
    int selectedRow() const;
    // Moves the selection without running the selection handling.
    void selectRow(int row);
    // After a search or a fill: the rows anew, the selection on row, the
    // strip and the count panel updated.
    void showNewList(int row);
    void LbPotionSelectionChanged();
    void RefreshPanelCount();
    void HeaderSectionClick(int section);
    // The cell under the last press: Ctrl shows its text, otherwise its
    // ingredient or effect is shown in the reference table.
    void doubleClick(bool ctrl);
    // Places the list panel under the scroll bar, as wide as its columns.
    void layoutPanelLBox();
    void On_Scroll(int position);
    // After a deletion or a column move: the selection moved, the top row
    // kept.
    void afterListChange(int selectedRow);
    // The context menu's items for the cell under the last press.
    void prepareMenu();

    // Command rows of the context menu.
    void cmdRecipeDetails(QAction *item, int);
    void cmdGoToNumber(QAction *item, int);
    void cmdAddToFavorites(QAction *item, int);
    void cmdDeleteWithElement(QAction *item, int);
    void cmdCountElement(QAction *item, int);
    void cmdDisableItem(QAction *item, int);
    void cmdDeletePotion(QAction *item, int);
    void cmdResetHeader(QAction *item, int);
    void cmdMarkElement(QAction *item, int isItem);
    void cmdMarkEffectKind(QAction *item, int harmful);
    void cmdMarkersOff(QAction *item, int);

  Q_SIGNALS:
    // The caption bar was double-clicked: the list asks for its full-screen
    // mode.
    void captionDoubleClicked();
    // A double click on an ingredient (mode 0) or effect (mode 1) cell.
    void showInGridRequested(int element, int mode);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void buildList(QSplitter &splitter, ItemPicturesSource *pictureSource);
    void buildStrip(QSplitter &splitter, ItemPicturesSource *pictureSource);
    // The player (a click or the keys) chose a row.
    void selectionChosen();
    // A double click on the count panel selects the last recipe.
    void selectLastRecipe();
    ListElement currentCellElement() const;
    void showPotionKindPicture(int kind);
    // A stored font the region's controls show took another face or size.
    void followFont(SettingsFont which);

    WindowContext m_ctx;
    RecipeListWidgets m_w;
    QMenu *m_menu = nullptr;
    RecipeMenuItems m_items;
    QPoint m_pressPoint;
    bool m_inLayout = false;
    TPotionRec m_prevPotion{};
    int m_potionTypeShown = 0;
};

} // namespace qor
