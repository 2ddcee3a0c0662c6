#pragma once
// The window of the ingredients at hand, `TFormUsedItems` ("Возможные
// ингредиенты"): every ingredient with a check mark for the current set, the
// chooser of the four sets with its rename button, the count of the chosen
// ingredients and a popup to fill or empty the set and to jump to the next
// chosen or left-out ingredient. The window edits the sets through the store
// and follows its announcements, as do the search and every other view.

#include "favorites/ui/tool_window.h"
#include "favorites/ui/used_items_list.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QToolButton;

namespace qor {

class FavoritesStore;

class TFormUsedItems : public ToolWindow {
    Q_OBJECT
  public:
    // makeChooser builds the set chooser (drawn like the main window's
    // choosers); without one a plain chooser is used.
    TFormUsedItems(FavoritesStore &store, const GameData &data, const ViewColors &colors,
                   const PictureSource *pictures, ToolWindowPrompts prompts,
                   const std::function<QComboBox *(QWidget *parent)> &makeChooser, QWidget *owner);

    void setRowHeight(int height);
    void setListFont(const ListFont &font);

    // Chooses set 0..3 as the chooser does.
    void chooseSet(int set);
    // Popup commands.
    void enableAll();
    void disableAll();
    void goToEnabled();
    void goToDisabled();
    void renameSet();
    // Sets the check mark of a row as a click on its box does.
    void toggleRow(int row, bool checked);
    // Selects the row of an ingredient (a drop on the list).
    void selectItem(int item);

    UsedItemsList *CLbUsedItems = nullptr;
    QMenu *PopupMenuLbUsedItems = nullptr;
    QAction *PMenuUsedItemsEnableAll = nullptr;
    QAction *PMenuUsedItemsDisableAll = nullptr;
    QAction *PMenuUsedItemsGoToEnabled = nullptr;
    QAction *PMenuUsedItemsGoToDisabled = nullptr;
    QFrame *PanelUsedItemsFilter = nullptr;
    QLabel *LabelUsedItemsFilterCount = nullptr;
    QComboBox *ComboBoxUsedItemsFilter = nullptr;
    QToolButton *ButtFilterRename = nullptr;
    QLabel *PanelUsedItemsSelected = nullptr;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void buildPopup();
    void buildFilterPanel(const std::function<QComboBox *(QWidget *parent)> &makeChooser);
    void layoutFilterPanel();
    // The count panel and the check marks, after any change of the sets.
    void showSets();
    // Runs edit on the sets (nothing while no set is current).
    template <class Edit> void editCurrentSet(Edit &&edit);

    FavoritesStore &m_store;
    ToolWindowPrompts m_prompts;
    bool m_filling = false;
};

} // namespace qor
