#pragma once
// The window of the ingredients at hand, `TFormUsedItems` ("Возможные
// ингредиенты"): every ingredient with a check mark for the current set, the
// chooser of the four sets with its rename button, the count of the chosen
// ingredients and a popup to fill or empty the set and to jump to the next
// chosen or left-out ingredient. Every change of the sets is reported with
// setsChanged, after which the owner re-runs the quick search.

#include "favorites/ui/tool_window.h"
#include "favorites/ui/used_items_list.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QToolButton;

namespace qor {

class TFormUsedItems : public ToolWindow {
    Q_OBJECT
  public:
    // makeChooser builds the set chooser (drawn like the main window's
    // choosers); without one a plain chooser is used.
    TFormUsedItems(UsedItemsModel &sets, const GameData &data, const ViewColors &colors,
                   const PictureSource *pictures, ToolWindowPrompts prompts,
                   const std::function<QComboBox *(QWidget *parent)> &makeChooser, QWidget *owner);

    void setRowHeight(int height);
    void setListFont(const ListFont &font);

    // After ItemAvailable changed: the count panel, and with refreshChecks
    // the check marks of every row.
    void showSets(bool refreshChecks);

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

  Q_SIGNALS:
    // Membership or the current set changed: the search has to run again.
    void setsChanged();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void buildPopup();
    void buildFilterPanel(const std::function<QComboBox *(QWidget *parent)> &makeChooser);
    void layoutFilterPanel();
    void afterSetEdit();

    UsedItemsModel &m_sets;
    ToolWindowPrompts m_prompts;
    bool m_filling = false;
};

} // namespace qor
