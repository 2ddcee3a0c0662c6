// The recipe list's context menu: its preparation when it opens (which items
// apply to the cell under the last mouse press, their captions) and its
// commands: details, go to number, add to favourites, the deletions, the
// element count, switching an ingredient off, the header reset and the
// markers.

#include "main_window/ui/form_main.h"

#include "favorites/favorites_model.h"
#include "recipe_list/potion_cells.h"
#include "recipe_list/potion_list_ops.h"
#include "recipe_list/ui/favorites_list.h"
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
        prepareGridMenu();
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
        action(QString::fromLatin1(name))->setEnabled(haveRow);

    QAction *disable = action(QStringLiteral("MenuDisableItemFromUsedList"));
    disable->setEnabled(item > 0);
    disable->setText(disableItemCaption(item > 0 ? st.Data.ItemNames.value(item) : QString()));

    QAction *markItem = action(QStringLiteral("PMenuLbPotionMarkerSetToItem"));
    markItem->setEnabled(item > 0);
    markItem->setCheckable(true);
    markItem->setChecked(item > 0 && st.Data.ItemTable[static_cast<std::size_t>(item)].Marked);
    QAction *markEffect = action(QStringLiteral("PMenuLbPotionMarkerSetToEffect"));
    markEffect->setEnabled(effect > 0);
    markEffect->setCheckable(true);
    markEffect->setChecked(effect > 0 && st.Data.EffectTable[static_cast<std::size_t>(effect)].Marked);

    const bool element = item > 0 || effect > 0;
    const QString text = element ? GetPotionCellText(st.Data, list, row, column, false) : QStringLiteral(" ");
    QAction *count = action(QStringLiteral("PMenuShowLbPotionsCountCurElement"));
    QAction *remove = action(QStringLiteral("PMenuDelPotionsWithCurElement"));
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

bool TFormMain::onRecipeMenuCommand(QAction *act) {
    const QString name = act->objectName();
    ProgramState &st = *m_state;
    PotionList &list = st.Potions;
    const int row = selectedRecipeRow();
    const bool haveRow = list.PotionCount() > 0 && row >= 0;
    if (name == QLatin1String("PMenuShowDetailInfo")) {
        if (haveRow)
            m_dialogs.message(this, potionDetailsText(st.Data, list[row]), MessageIcon::None,
                              detailsMessageCaption());
    } else if (name == QLatin1String("PMenuLbGoToNum")) {
        int n = 0;
        if (!PromptNumber(act, 0, n, list.PotionCount(), 0))
            return true;
        {
            const QSignalBlocker blocker(LBPotion);
            LBPotion->setCurrentRow(n - 1);
        }
        const int half = LBPotion->visibleRowCount() / 2;
        LBPotion->setTopIndex(std::max(0, n - half - 1));
        LbPotionSelectionChanged();
    } else if (name == QLatin1String("PMenuPotionAddToFavorites")) {
        if (!haveRow)
            return true;
        const TPotionRec rec = list[row];
        const auto text = m_dialogs.inputText(this, QStringLiteral("Название текущего зелья"),
                                              defaultPotionName(rec, st.Data));
        if (text) {
            st.Settings.favorites.addPotion(rec, *text);
            LBFavorites->refresh();
        }
    } else if (name == QLatin1String("PMenuDelPotionsWithCurElement")) {
        const ListChange change = DeletePotionsWithCurElement(list, currentCellElement(), row);
        if (change.changed)
            afterRecipeListChange(change.selectedRow);
    } else if (name == QLatin1String("PMenuShowLbPotionsCountCurElement")) {
        const ListElement element = currentCellElement();
        if (list.PotionCount() > 0 && element.isValid()) {
            const QString elementName = element.isItem() ? st.Data.ItemNames.value(element.item)
                                                         : st.Data.EffectNames.value(element.effect);
            m_dialogs.message(this, elementCountMessage(elementName, countPotionsWithElement(list, element)));
        }
    } else if (name == QLatin1String("MenuDisableItemFromUsedList")) {
        const ListElement element = currentCellElement();
        if (element.isItem() && st.Settings.usedItemsSetIndex() >= 0) {
            st.Settings.usedItems.disableItem(element.item);
            st.Settings.usedItems.MakeUsedItems();
            SearshFromEffects(false);
        }
    } else if (name == QLatin1String("PMenuDeletePotion")) {
        const ListChange change = deleteSelectedPotion(list, row);
        if (change.changed)
            afterRecipeListChange(change.selectedRow);
    } else if (name == QLatin1String("PMenuResetHeader")) {
        const int width = Header->width() / std::max(1, Header->count());
        for (int k = 0; k < Header->count(); ++k)
            Header->resizeSection(k, width);
        LBPotion->viewport()->update();
    } else if (name == QLatin1String("PMenuLbPotionMarkerSetToItem") ||
               name == QLatin1String("PMenuLbPotionMarkerSetToEffect")) {
        const ListElement element = currentCellElement();
        const bool isItem = name == QLatin1String("PMenuLbPotionMarkerSetToItem");
        const int index = isItem ? element.item : element.effect;
        if (index <= 0 || (!isItem && element.isItem()))
            return true;
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
    } else if (name == QLatin1String("PMenuLbPotionMarkerSetToGoodEffect") ||
               name == QLatin1String("PMenuLbPotionMarkerSetToPoisonEffect")) {
        const std::uint8_t kind = name == QLatin1String("PMenuLbPotionMarkerSetToGoodEffect") ? 0 : 1;
        if (const auto chosen = m_dialogs.chooseColor(this, Qt::yellow)) {
            for (TEffectRec &effect : st.Data.EffectTable) {
                if (effect.Harmful == kind) {
                    effect.MarkerColor = colorCode(*chosen);
                    effect.Marked = true;
                }
            }
        }
        LBPotion->viewport()->update();
    } else if (name == QLatin1String("PMenuLbPotionMarkersOff")) {
        for (TItemRec &item : st.Data.ItemTable)
            item.Marked = false;
        for (TEffectRec &effect : st.Data.EffectTable)
            effect.Marked = false;
        LBPotion->viewport()->update();
    } else {
        return false;
    }
    return true;
}

} // namespace qor
