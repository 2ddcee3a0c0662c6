// The recipe list's context menu: its preparation when it opens (which items
// apply to the cell under the last mouse press, their captions) and its
// commands: details, go to number, add to favourites, the deletions, the
// element count, switching an ingredient off, the header reset and the
// markers.

#include "main_window/ui/form_main.h"

#include "main_window/ui/reference_table_panel.h"

#include "favorites/favorites_model.h"
#include "recipe_list/potion_cells.h"
#include "recipe_list/potion_list_ops.h"
#include "favorites/ui/favorites_list.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"

#include <QAction>
#include <QMenu>

namespace qor {

namespace {

ColorCode colorCode(const QColor &c) {
    return static_cast<ColorCode>(c.red() | (c.green() << 8) | (c.blue() << 16));
}

} // namespace

ListElement TFormMain::currentCellElement() const {
    const int column = LBPotion->columnAt(m_lbPotionPressPoint.x());
    return listElementAt(m_state->Potions, column, selectedRecipeRow());
}

void TFormMain::On_Popup(QMenu *menu) {
    if (menu == PopupMenuLBFavorites) {
        prepareFavoritesMenu();
        return;
    }
    if (menu == PopupMenuGrid) {
        m_grid->prepareMenu();
        return;
    }
    if (menu != PopupMenuLB)
        return;
    const ProgramState &st = *m_state;
    const PotionList &list = st.Potions;
    const int row = selectedRecipeRow();
    const int column = LBPotion->columnAt(m_lbPotionPressPoint.x());
    const int item = GetLbPotionDataNum(kElementItem, column, row, list);
    const int effect = GetLbPotionDataNum(kElementEffect, column, row, list);
    const bool haveRow = row != -1 && list.PotionCount() > 0;
    for (const char *name :
         {"PMenuDeletePotion", "PMenuPotionAddToFavorites", "PMenuShowDetailInfo", "PMenuLbGoToNum"})
        command(name)->setEnabled(haveRow);

    QAction *disable = command("MenuDisableItemFromUsedList");
    disable->setEnabled(item > 0);
    disable->setText(disableItemCaption(item > 0 ? st.Data.ItemNames.value(item) : QString()));

    QAction *markItem = command("PMenuLbPotionMarkerSetToItem");
    markItem->setEnabled(item > 0);
    markItem->setChecked(item > 0 && st.Data.ItemTable[static_cast<std::size_t>(item)].Marked);
    QAction *markEffect = command("PMenuLbPotionMarkerSetToEffect");
    markEffect->setEnabled(effect > 0);
    markEffect->setChecked(effect > 0 && st.Data.EffectTable[static_cast<std::size_t>(effect)].Marked);

    const bool element = item > 0 || effect > 0;
    const QString text = element ? GetPotionCellText(st.Data, list, row, column, false) : QStringLiteral(" ");
    QAction *count = command("PMenuShowLbPotionsCountCurElement");
    QAction *remove = command("PMenuDelPotionsWithCurElement");
    count->setEnabled(element);
    remove->setEnabled(element);
    count->setText(countElementsCaption(text));
    remove->setText(deleteWithElementCaption(text));
}

// Moves the selection after a change of the list and runs the selection
// handling; the top row stays where it was.
void TFormMain::afterRecipeListChange(int selectedRow) {
    const int top = LBPotion->topIndex();
    {
        const QSignalBlocker blocker(LBPotion);
        LBPotion->resetRows();
        LBPotion->setCurrentRow(clampSelection(selectedRow, m_state->Potions.PotionCount()));
    }
    LBPotion->setTopIndex(top);
    LbPotionSelectionChanged();
    RefreshPanelCount();
}

void TFormMain::cmdRecipeDetails(QAction *, int) {
    const ProgramState &st = *m_state;
    const int row = selectedRecipeRow();
    if (st.Potions.PotionCount() > 0 && row >= 0)
        m_dialogs.message(this, potionDetailsText(st.Data, st.Potions[row]), MessageIcon::None,
                          detailsMessageCaption());
}

void TFormMain::cmdGoToNumber(QAction *item, int) {
    int n = 0;
    if (!PromptNumber(item, 0, n, m_state->Potions.PotionCount(), 0))
        return;
    {
        const QSignalBlocker blocker(LBPotion);
        LBPotion->setCurrentRow(n - 1);
    }
    const int half = LBPotion->visibleRowCount() / 2;
    LBPotion->setTopIndex(std::max(0, n - half - 1));
    LbPotionSelectionChanged();
}

void TFormMain::cmdAddToFavorites(QAction *, int) {
    ProgramState &st = *m_state;
    const int row = selectedRecipeRow();
    if (st.Potions.PotionCount() <= 0 || row < 0)
        return;
    const TPotionRec rec = st.Potions[row];
    const auto text =
        m_dialogs.inputText(this, QStringLiteral("Название текущего зелья"), defaultPotionName(rec, st.Data));
    if (text) {
        st.Settings.favorites.addPotion(rec, *text);
        LBFavorites->refresh();
    }
}

void TFormMain::cmdDeleteWithElement(QAction *, int) {
    const ListChange change =
        DeletePotionsWithCurElement(m_state->Potions, currentCellElement(), selectedRecipeRow());
    if (change.changed)
        afterRecipeListChange(change.selectedRow);
}

void TFormMain::cmdCountElement(QAction *, int) {
    const ProgramState &st = *m_state;
    const ListElement element = currentCellElement();
    if (st.Potions.PotionCount() > 0 && element.isValid()) {
        const QString elementName = element.isItem() ? st.Data.ItemNames.value(element.item)
                                                     : st.Data.EffectNames.value(element.effect);
        m_dialogs.message(this,
                          elementCountMessage(elementName, countPotionsWithElement(st.Potions, element)));
    }
}

void TFormMain::cmdDisableItem(QAction *, int) {
    ProgramState &st = *m_state;
    const ListElement element = currentCellElement();
    if (element.isItem() && st.Settings.usedItemsSetIndex() >= 0) {
        st.Settings.usedItems.disableItem(element.item);
        MakeUsedItems(true);
        SearshFromEffects(false);
    }
}

void TFormMain::cmdDeletePotion(QAction *, int) {
    const ListChange change = deleteSelectedPotion(m_state->Potions, selectedRecipeRow());
    if (change.changed)
        afterRecipeListChange(change.selectedRow);
}

void TFormMain::cmdResetHeader(QAction *, int) {
    const int width = Header->width() / std::max(1, Header->count());
    for (int k = 0; k < Header->count(); ++k)
        Header->resizeSection(k, width);
    LBPotion->viewport()->update();
}

void TFormMain::cmdMarkElement(QAction *, int isItem) {
    ProgramState &st = *m_state;
    const ListElement element = currentCellElement();
    const int index = isItem ? element.item : element.effect;
    if (index <= 0 || (!isItem && element.isItem()))
        return;
    bool &marked = isItem ? st.Data.ItemTable[static_cast<std::size_t>(index)].Marked
                          : st.Data.EffectTable[static_cast<std::size_t>(index)].Marked;
    ColorCode &color = isItem ? st.Data.ItemTable[static_cast<std::size_t>(index)].MarkerColor
                              : st.Data.EffectTable[static_cast<std::size_t>(index)].MarkerColor;
    if (marked) {
        marked = false;
    } else if (const auto chosen = m_dialogs.chooseColor(this, colorFromCode(color, m_colors))) {
        color = colorCode(*chosen);
        marked = true;
    }
    LBPotion->viewport()->update();
}

void TFormMain::cmdMarkEffectKind(QAction *, int harmful) {
    if (const auto chosen = m_dialogs.chooseColor(this, Qt::yellow)) {
        for (TEffectRec &effect : m_state->Data.EffectTable) {
            if (effect.Harmful == harmful) {
                effect.MarkerColor = colorCode(*chosen);
                effect.Marked = true;
            }
        }
    }
    LBPotion->viewport()->update();
}

void TFormMain::cmdMarkersOff(QAction *, int) {
    for (TItemRec &item : m_state->Data.ItemTable)
        item.Marked = false;
    for (TEffectRec &effect : m_state->Data.EffectTable)
        effect.Marked = false;
    LBPotion->viewport()->update();
}

} // namespace qor
