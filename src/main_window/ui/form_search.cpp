// The three searches as the window runs them (the core call plus the
// selection rule and the count panel), the recipe selection with the detail
// strip, and the header click.

#include "main_window/ui/form_main.h"

#include "main_window/ui/reference_table_panel.h"

#include "engine/search_from_items.h"
#include "recipe_list/potion_cells.h"
#include "recipe_list/potion_list_ops.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "visuals/ui/picture_ops.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>

namespace qor {

int TFormMain::selectedRecipeRow() const {
    const int row = LBPotion->currentRow();
    return row < m_state->Potions.PotionCount() ? row : -1;
}

void TFormMain::selectRecipeRow(int row) {
    // The selection handling runs once, explicitly, after the move.
    const QSignalBlocker blocker(LBPotion);
    LBPotion->setCurrentRow(row);
}

void TFormMain::SearshFromEffects(bool force) {
    ProgramState &st = *m_state;
    if (st.SearchLocked)
        return;
    if (!force && !command("MenuCanQuickSearsh")->isChecked())
        return;
    int row = selectedRecipeRow();
    const bool clearFirst = command("MenuClearLbPotionBeforeSearsh")->isChecked();
    const EffectSearchOutcome outcome =
        st.Searcher.run(st.Data, st.Skills.PerkPurity, st.Conditions, st.Settings.usedItems.ItemAvailable,
                        clearFirst, st.Potions);
    const int count = st.Potions.PotionCount();
    if (clearFirst && count != outcome.countBefore)
        row = -1;
    if (row >= count)
        row = -1;
    if (row < 0 && count > 0)
        row = 0;
    {
        const QSignalBlocker blocker(LBPotion);
        LBPotion->resetRows();
        LBPotion->setCurrentRow(row);
    }
    LbPotionSelectionChanged();
    RefreshPanelCount();
    st.LastSearchType = SearchType::FromEffects;
}

void TFormMain::SearshFromItems() {
    ProgramState &st = *m_state;
    const bool clearFirst = command("MenuClearLbPotionBeforeSearsh")->isChecked();
    std::array<int, 3> items{};
    for (int k = 0; k < 3; ++k)
        items[static_cast<std::size_t>(k)] =
            itemChooserValue(CbIngredient[k]->currentIndex(), CBoxCanUseItem[k]->isChecked());
    const int row = selectedRecipeRow();
    qor::SearshFromItems(st.Data, st.Skills.PerkPurity, items, clearFirst, st.Potions);
    {
        const QSignalBlocker blocker(LBPotion);
        LBPotion->resetRows();
        LBPotion->setCurrentRow(selectionAfterItemSearch(clearFirst, row, st.Potions.PotionCount()));
    }
    RefreshPanelCount();
    LbPotionSelectionChanged();
    st.LastSearchType = SearchType::FromItems;
}

void TFormMain::AltMakePotion() {
    ProgramState &st = *m_state;
    st.Alt.AltMakePotion(st.Data, st.Skills.PerkPurity, st.Potions);
    RefreshPanelCount();
    st.LastSearchType = SearchType::AltMaking;
    {
        const QSignalBlocker blocker(LBPotion);
        LBPotion->resetRows();
        LBPotion->setCurrentRow(st.Potions.PotionCount() - 1);
    }
    LbPotionSelectionChanged();
    refreshAltLists();
}

void TFormMain::refreshAltLists() {
    const ProgramState &st = *m_state;
    LbAltEffectsList->refresh();
    LbAltItemsList->refresh();
    LbAltAmountItems->refresh();
    LbAltAmountEffects->refresh();
    LbAltItemsList->setCurrentRow(st.AltSel.candidates);
    LbAltAmountItems->setCurrentRow(st.AltSel.amountItems);
    LbAltAmountEffects->setCurrentRow(st.AltSel.amountEffects);
}

void TFormMain::StartSearshLastType() {
    switch (m_state->LastSearchType) {
    case SearchType::FromItems:
        SearshFromItems();
        break;
    case SearchType::FromEffects:
        SearshFromEffects(false);
        break;
    case SearchType::AltMaking:
        AltMakePotion();
        break;
    case SearchType::None:
        break;
    }
}

void TFormMain::RefreshPanelCount() {
    PanelCount->setText(panelCountText(m_state->Potions.PotionCount()));
}

void TFormMain::LbPotionSelectionChanged() {
    ProgramState &st = *m_state;
    PotionList &list = st.Potions;
    m_prevPotion = list.CurPotion;
    const int row = selectedRecipeRow();
    if (list.PotionCount() > 0 && row >= 0) {
        list.CurPotion = list[row];
        LbItemsInfo->viewport()->update();
        LbEffectInfo->viewport()->update();
        LabelAddInfo->setText(potionAddInfoText(st.Data, list.CurPotion));
        const int kind = list.CurPotion.PotionType == 0 ? 1 : 2;
        if (kind != m_potionTypeShown) {
            m_potionTypeShown = kind;
            showPotionKindPicture(kind - 1);
        }
        if (m_prevPotion.ItemCount == 0)
            On_Popup(PopupMenuLB);
    } else {
        list.CurPotion = TPotionRec{};
        if (m_prevPotion.ItemCount == 0)
            On_Popup(PopupMenuLB);
        ImagePotionType->clear();
        m_potionTypeShown = 0;
        LabelAddInfo->clear();
        LbEffectInfo->viewport()->update();
        LbItemsInfo->viewport()->update();
    }
}

void TFormMain::showPotionKindPicture(int kind) {
    // The source with its background key made transparent, so that the
    // panel's own colour shows around the shape.
    const QImage *source = m_pictures.potionKindSource(kind);
    if (!source || source->isNull()) {
        ImagePotionType->clear();
        return;
    }
    const QImage shape = keyToTransparent(*source);
    const QSize box = ImagePotionType->size().boundedTo(shape.size()).expandedTo(QSize(1, 1));
    ImagePotionType->setPixmap(
        QPixmap::fromImage(shape.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TFormMain::recipeDoubleClick(bool ctrl) {
    const ProgramState &st = *m_state;
    const PotionList &list = st.Potions;
    const int row = selectedRecipeRow();
    const int column = LBPotion->columnAt(m_lbPotionPressPoint.x());
    if (ctrl) {
        if (list.PotionCount() <= 0)
            return;
        const QString text = GetPotionCellText(st.Data, list, row, column, false);
        if (!text.isEmpty())
            m_dialogs.inputText(this, QStringLiteral("Данные ячейки рецепта"), text);
        return;
    }
    const int item = GetLbPotionDataNum(kElementItem, column, row, list);
    if (item > 0) {
        m_grid->showInGrid(item, 0);
        return;
    }
    const int effect = GetLbPotionDataNum(kElementEffect, column, row, list);
    if (effect > 0)
        m_grid->showInGrid(effect, 1);
}

void TFormMain::HeaderSectionClick(int section) {
    if (!m_state->CommandsReady)
        return;
    const bool sorted = qor::HeaderSectionClick(m_state->Potions, section);
    Header->viewport()->update();
    if (sorted) {
        LBPotion->viewport()->update();
        LbPotionSelectionChanged();
    }
}

} // namespace qor
