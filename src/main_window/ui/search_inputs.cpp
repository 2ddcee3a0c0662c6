// The input tabs and the program state they edit: the search conditions
// and the skills as the controls change them, the first entry of a tab
// (which fills its controls), the alternative-making lists and the saved
// search slots.

#include "main_window/ui/search_inputs.h"

#include "engine/effect_strength.h"
#include "favorites/ui/favorites_list.h"
#include "main_window/program_state.h"
#include "main_window/ui/dialog_provider.h"
#include "main_window/ui/form_controls.h"
#include "main_window/ui/prompts.h"
#include "main_window/ui/stored_font.h"
#include "recipe_list/search_slots.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "settings/settings_guard.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QTableView>
#include <QToolButton>

#include <algorithm>

namespace qor {

SearchInputs::SearchInputs(const WindowContext &ctx, Hooks hooks)
    : m_ctx(ctx), m_ui(ctx.ui), m_hooks(std::move(hooks)) {}

void SearchInputs::connectSignals(Dispatch dispatch) {
    m_dispatch = std::move(dispatch);
    QObject *const context = &m_ctx.window;
    auto clickOnIndex = [this, context](QComboBox *combo) {
        QObject::connect(combo, &QComboBox::currentIndexChanged, context,
                         [this, combo] { m_dispatch.click(combo); });
    };
    auto clickOnToggle = [this, context](QAbstractButton *button) {
        QObject::connect(button, &QAbstractButton::clicked, context,
                         [this, button] { m_dispatch.click(button); });
    };
    for (int k = 0; k < 5; ++k) {
        clickOnIndex(m_ui.CbEffect[k]);
        clickOnIndex(m_ui.CbFilter[k]);
        clickOnToggle(m_ui.CBoxEnableEff[k]);
        const int line = k;
        m_ui.CbEffect[k]->setGrayPredicate([this, line] {
            return !m_ctx.state.Conditions.EffectEnabled[line] || m_ctx.state.Conditions.FilterCode[line] > 0;
        });
        m_ui.CbEffect[k]->setOverriddenPredicate([this, line] {
            const SearchConditions &c = m_ctx.state.Conditions;
            return c.EffectEnabled[line] && c.FilterCode[line] > 0 && c.WantedEffect[line] > 0;
        });
        m_ui.CbFilter[k]->setGrayPredicate(
            [this, line] { return !m_ctx.state.Conditions.EffectEnabled[line]; });
    }
    m_ui.ComboBoxCost_Min->setGrayPredicate([this] { return !m_ctx.state.Conditions.CheckCost; });
    m_ui.ComboBoxCost_Max->setGrayPredicate([this] { return !m_ctx.state.Conditions.CheckCost; });
    for (int k = 0; k < 2; ++k) {
        clickOnIndex(m_ui.CbPrioriryIngredient[k]);
        clickOnToggle(m_ui.CheckBoxCanPrimaryItem[k]);
    }
    for (int k = 0; k < 3; ++k) {
        clickOnIndex(m_ui.CbIngredient[k]);
        clickOnToggle(m_ui.CBoxCanUseItem[k]);
    }
    clickOnIndex(m_ui.ComboBoxCost_Min);
    clickOnIndex(m_ui.ComboBoxCost_Max);
    clickOnToggle(m_ui.CBoxNeedCheckCost);
    QObject::connect(m_ui.RadioGroupButtons, &QButtonGroup::idClicked, context,
                     [this] { m_dispatch.click(m_ui.RadioGroupItemsCount); });
    clickOnToggle(m_ui.ButtFormFavorites);
    clickOnToggle(m_ui.ButtFormUsedItems);

    clickOnIndex(m_ui.ComboBoxMainAlchPercCount);
    for (QCheckBox *perk : {m_ui.CheckBoxPerkPhysician, m_ui.CheckBoxPerkBenefactor,
                            m_ui.CheckBoxPerkPoisoner, m_ui.CheckBoxPerkPurity})
        clickOnToggle(perk);
    QObject::connect(m_ui.EditAlchemyValue, &QLineEdit::textChanged, context,
                     [this] { m_dispatch.change(m_ui.EditAlchemyValue); });
    QObject::connect(m_ui.EditAlchemyModify, &QLineEdit::textChanged, context,
                     [this] { m_dispatch.change(m_ui.EditAlchemyModify); });

    // Double and right clicks of the alternative-making lists.
    for (QListView *list :
         {static_cast<QListView *>(m_ui.LbAltEffectsList), static_cast<QListView *>(m_ui.LbAltItemsList),
          static_cast<QListView *>(m_ui.LbAltAmountEffects),
          static_cast<QListView *>(m_ui.LbAltAmountItems)}) {
        QObject::connect(list, &QListView::doubleClicked, context,
                         [this, list] { m_dispatch.doubleClick(list); });
        QObject::connect(list, &QListView::customContextMenuRequested, context,
                         [this, list](const QPoint &pos) {
                             const QModelIndex index = list->indexAt(pos);
                             if (!index.isValid())
                                 return;
                             list->setCurrentIndex(index);
                             m_dispatch.doubleClick(list);
                         });
    }
}

void SearchInputs::fillChoosers() {
    const ProgramState &st = m_ctx.state;
    for (ChooserComboBox *combo : {m_ui.ComboBoxCost_Min, m_ui.ComboBoxCost_Max}) {
        for (const std::int32_t price : st.Data.CostList)
            combo->addItem(QString::number(price));
        combo->setCurrentIndex(0);
    }
    for (ChooserComboBox *combo : m_ui.CbFilter) {
        combo->addItems(st.Data.FilterList);
        combo->setCurrentIndex(0);
    }
    // One placeholder item per ingredient index: the chooser draws the
    // ingredient's name and picture for item i.
    for (ChooserComboBox *combo : m_ui.CbPrioriryIngredient) {
        for (int i = 0; i < st.Data.itemRecordCount(); ++i)
            combo->addItem(QStringLiteral("*"));
        combo->setCurrentIndex(0);
    }
    for (ChooserComboBox *combo : m_ui.CbEffect) {
        combo->addItems(st.Data.EffectNames);
        combo->setCurrentIndex(0);
    }
}

void SearchInputs::onConditionChanged(QObject *sender) {
    SearchConditions &c = m_ctx.state.Conditions;
    for (int k = 0; k < 5; ++k) {
        if (sender == m_ui.CbEffect[k]) {
            c.WantedEffect[k] = m_ui.CbEffect[k]->currentIndex();
            if (c.EffectEnabled[k] && c.FilterCode[k] == 0)
                m_hooks.searchFromEffects(false);
            return;
        }
        if (sender == m_ui.CbFilter[k]) {
            const int old = c.FilterCode[k];
            c.FilterCode[k] = m_ui.CbFilter[k]->currentIndex();
            if (old == 0 || c.FilterCode[k] == 0)
                m_ui.CbEffect[k]->update();
            if (c.EffectEnabled[k])
                m_hooks.searchFromEffects(false);
            return;
        }
        if (sender == m_ui.CBoxEnableEff[k]) {
            c.EffectEnabled[k] = m_ui.CBoxEnableEff[k]->isChecked();
            m_ui.CbEffect[k]->update();
            m_ui.CbFilter[k]->update();
            if (c.WantedEffect[k] > 0 || c.FilterCode[k] > 0)
                m_hooks.searchFromEffects(false);
            return;
        }
    }
    if (sender == m_ui.CbPrioriryIngredient[0] || sender == m_ui.CbPrioriryIngredient[1]) {
        const int k = sender == m_ui.CbPrioriryIngredient[0] ? 0 : 1;
        (k == 0 ? c.RequiredItem1 : c.RequiredItem2) = m_ui.CbPrioriryIngredient[k]->currentIndex();
        if (k == 0 ? c.RequiredItem1Enabled : c.RequiredItem2Enabled)
            m_hooks.searchFromEffects(false);
    } else if (sender == m_ui.CheckBoxCanPrimaryItem[0] || sender == m_ui.CheckBoxCanPrimaryItem[1]) {
        const int k = sender == m_ui.CheckBoxCanPrimaryItem[0] ? 0 : 1;
        (k == 0 ? c.RequiredItem1Enabled : c.RequiredItem2Enabled) =
            m_ui.CheckBoxCanPrimaryItem[k]->isChecked();
        if (m_ui.CbPrioriryIngredient[k]->currentIndex() > 0)
            m_hooks.searchFromEffects(false);
    } else if (sender == m_ui.RadioGroupItemsCount) {
        c.ItemsCountMode = std::max(0, m_ui.RadioGroupButtons->checkedId());
        m_hooks.searchFromEffects(false);
    } else if (sender == m_ui.ComboBoxCost_Min || sender == m_ui.ComboBoxCost_Max) {
        if (sender == m_ui.ComboBoxCost_Min)
            c.CostMinIndex = m_ui.ComboBoxCost_Min->currentIndex();
        else
            c.CostMaxIndex = m_ui.ComboBoxCost_Max->currentIndex();
        if (c.CheckCost)
            m_hooks.searchFromEffects(false);
    } else if (sender == m_ui.CBoxNeedCheckCost) {
        c.CheckCost = m_ui.CBoxNeedCheckCost->isChecked();
        m_ui.ComboBoxCost_Min->update();
        m_ui.ComboBoxCost_Max->update();
        m_hooks.searchFromEffects(false);
    }
}

void SearchInputs::onSkillChanged(QObject *sender) {
    SkillSettings &s = m_ctx.state.Skills;
    if (sender == m_ui.ComboBoxMainAlchPercCount)
        s.AlchemistRanks = std::max(0, m_ui.ComboBoxMainAlchPercCount->currentIndex());
    else if (sender == m_ui.CheckBoxPerkPhysician)
        s.PerkPhysician = m_ui.CheckBoxPerkPhysician->isChecked();
    else if (sender == m_ui.CheckBoxPerkBenefactor)
        s.PerkBenefactor = m_ui.CheckBoxPerkBenefactor->isChecked();
    else if (sender == m_ui.CheckBoxPerkPoisoner)
        s.PerkPoisoner = m_ui.CheckBoxPerkPoisoner->isChecked();
    else if (sender == m_ui.CheckBoxPerkPurity)
        s.PerkPurity = m_ui.CheckBoxPerkPurity->isChecked();
    m_ctx.state.Strengths = RecalcItemEffects(m_ctx.state.Data, s);
    m_hooks.searchLastType();
    m_ui.StringGrid->viewport()->update();
}

void SearchInputs::onSkillEditChanged(QLineEdit *edit) {
    const bool isSkill = edit == m_ui.EditAlchemyValue;
    const int maximum = isSkill ? 200 : 400;
    bool ok = false;
    const qlonglong parsed = edit->text().trimmed().toLongLong(&ok);
    bool corrected = !ok;
    qlonglong value = ok ? parsed : 0;
    if (value < 0) {
        value = 0;
        corrected = true;
    } else if (value > maximum) {
        value = maximum;
        corrected = true;
    }
    if (corrected) {
        // Replacing the text runs this handler once more, now uncorrected.
        edit->setText(QString::number(value));
        return;
    }
    if (isSkill)
        m_ctx.state.Skills.AlchemySkill = static_cast<std::int32_t>(value);
    else
        m_ctx.state.Skills.AlchemyFortify = static_cast<std::int32_t>(value);
    m_ctx.state.Strengths = RecalcItemEffects(m_ctx.state.Data, m_ctx.state.Skills);
    m_hooks.searchLastType();
    m_ui.StringGrid->viewport()->update();
}

void SearchInputs::cmdSearchSlot(QAction *item, int mode) {
    ProgramState &st = m_ctx.state;
    if (mode == kSaveQuickSlot) {
        st.Slots.save(0, st.Conditions);
        return;
    }
    if (mode == kRestoreQuickSlot) {
        restoreSearchSlot(0);
        return;
    }
    int slot = 1;
    if (!PromptNumber(m_ctx.dialogs, &m_ctx.window, item, 1, slot, 2147483647, -2147483647))
        return;
    if (!isNumberedSlot(slot)) {
        m_ctx.dialogs.message(&m_ctx.window, slotRangeWarning(), MessageIcon::Warning);
        return;
    }
    if (mode == kSaveNumberedSlot)
        st.Slots.save(slot, st.Conditions);
    else
        restoreSearchSlot(slot);
}

void SearchInputs::restoreSearchSlot(int slot) {
    ProgramState &st = m_ctx.state;
    SearshRestore(
        st.Slots, slot, st.Conditions, st.SearchLocked,
        [this](const SearchConditions &saved) { setConditionControls(saved); },
        [this] { m_hooks.searchFromEffects(true); });
}

void SearchInputs::setConditionControls(const SearchConditions &c) {
    // The handlers fire while the controls change and store the same values
    // again; the searches they request return at once under SearchLocked.
    const SearchConditions fitted = fitSlotToChoosers(c, m_ctx.state.Data);
    m_ui.ComboBoxCost_Min->setCurrentIndex(fitted.CostMinIndex);
    m_ui.ComboBoxCost_Max->setCurrentIndex(fitted.CostMaxIndex);
    m_ui.CbPrioriryIngredient[0]->setCurrentIndex(fitted.RequiredItem1);
    m_ui.CbPrioriryIngredient[1]->setCurrentIndex(fitted.RequiredItem2);
    for (int k = 0; k < 5; ++k)
        m_ui.CbFilter[k]->setCurrentIndex(fitted.FilterCode[k]);
    for (int k = 0; k < 5; ++k)
        m_ui.CbEffect[k]->setCurrentIndex(fitted.WantedEffect[k]);
    for (int k = 0; k < 5; ++k)
        m_ui.CBoxEnableEff[k]->setChecked(fitted.EffectEnabled[k]);
    m_ui.CBoxNeedCheckCost->setChecked(fitted.CheckCost);
    if (QAbstractButton *radio = m_ui.RadioGroupButtons->button(fitted.ItemsCountMode))
        radio->setChecked(true);
    m_ui.CheckBoxCanPrimaryItem[0]->setChecked(fitted.RequiredItem1Enabled);
    m_ui.CheckBoxCanPrimaryItem[1]->setChecked(fitted.RequiredItem2Enabled);
    // Check boxes set by code raise no click; the conditions are the slot's
    // raw values whatever the controls could show, and the choosers draw
    // their gray rules from them.
    m_ctx.state.Conditions = c;
    for (int k = 0; k < 5; ++k) {
        m_ui.CbEffect[k]->update();
        m_ui.CbFilter[k]->update();
    }
}

void SearchInputs::enterTab(QWidget *tab) {
    ProgramState &st = m_ctx.state;
    if (tab == m_ui.TabSheetSearshFromItem && !m_enteredItems) {
        m_enteredItems = true;
        const ScopedFlag guard(st.SuppressCommands);
        for (ChooserComboBox *combo : m_ui.CbIngredient) {
            combo->clear();
            for (int i = 0; i < m_ui.CbPrioriryIngredient[0]->count(); ++i)
                combo->addItem(m_ui.CbPrioriryIngredient[0]->itemText(i));
            combo->setCurrentIndex(0);
        }
    } else if (tab == m_ui.TabSheetSkills && !m_enteredSkills) {
        m_enteredSkills = true;
        const ScopedFlag guard(st.SuppressCommands);
        m_ui.TabSheetSkills->setUpdatesEnabled(false);
        m_ui.EditAlchemyValue->setText(QString::number(st.Skills.AlchemySkill));
        m_ui.EditAlchemyModify->setText(QString::number(st.Skills.AlchemyFortify));
        m_ui.ComboBoxMainAlchPercCount->setCurrentIndex(std::clamp(st.Skills.AlchemistRanks, 0, 5));
        m_ui.CheckBoxPerkPhysician->setChecked(st.Skills.PerkPhysician);
        m_ui.CheckBoxPerkBenefactor->setChecked(st.Skills.PerkBenefactor);
        m_ui.CheckBoxPerkPoisoner->setChecked(st.Skills.PerkPoisoner);
        m_ui.CheckBoxPerkPurity->setChecked(st.Skills.PerkPurity);
        m_ui.TabSheetSkills->setUpdatesEnabled(true);
    } else if (tab == m_ui.TabSheetAltMake && !m_enteredAlt) {
        m_enteredAlt = true;
        st.AltSel.candidates = st.Alt.preparePage(st.Data, st.AltSel.candidates);
        m_hooks.altListsView();
        m_ui.LbAltEffectsList->resetRows();
        m_ui.LbAltItemsList->resetRows();
        m_ui.LbAltAmountItems->resetRows();
        m_ui.LbAltAmountEffects->resetRows();
        m_ui.LbAltItemsList->setCurrentRow(st.AltSel.candidates);
        m_ui.LbAltEffectsList->setCurrentRow(st.Alt.AltEffectRows.empty() ? -1 : 0);
    } else if (tab == m_ui.TabSheetFavorites && !m_enteredFavorites) {
        m_enteredFavorites = true;
        applyFavoritesTabSettings();
        m_ui.LBFavorites->resetRows();
    }
}

void SearchInputs::refreshAltLists() {
    const ProgramState &st = m_ctx.state;
    m_ui.LbAltEffectsList->refresh();
    m_ui.LbAltItemsList->refresh();
    m_ui.LbAltAmountItems->refresh();
    m_ui.LbAltAmountEffects->refresh();
    m_ui.LbAltItemsList->setCurrentRow(st.AltSel.candidates);
    m_ui.LbAltAmountItems->setCurrentRow(st.AltSel.amountItems);
    m_ui.LbAltAmountEffects->setCurrentRow(st.AltSel.amountEffects);
}

void SearchInputs::applyFavoritesTabSettings() {
    const MainSettings &s = m_ctx.state.Settings;
    applyStoredFont(m_ui.LBFavorites, s.font(SettingsFont::LBFavorites));
    m_ui.LBFavorites->setItemHeight(s.block.clampedValue(SettingsLine::LbFavoritesItemHeight));
}

void SearchInputs::altListDoubleClick(QObject *sender) {
    ProgramState &st = m_ctx.state;
    if (sender == m_ui.LbAltEffectsList) {
        const int effect = m_ui.LbAltEffectsList->effectAt(m_ui.LbAltEffectsList->currentRow());
        if (st.Alt.AltAddEffect(st.Data, st.Strengths, st.Skills.PerkPurity, st.Potions, effect, st.AltSel))
            m_hooks.altMakePotion();
    } else if (sender == m_ui.LbAltItemsList) {
        const int item = m_ui.LbAltItemsList->itemAt(m_ui.LbAltItemsList->currentRow());
        if (st.Alt.AltAddItem(st.Data, st.Strengths, st.Skills.PerkPurity, st.Potions, item, st.AltSel))
            m_hooks.altMakePotion();
    } else if (sender == m_ui.LbAltAmountEffects) {
        st.AltSel.amountEffects = m_ui.LbAltAmountEffects->currentRow();
        if (st.Alt.AltDelEffect(st.Data, st.Strengths, st.Skills.PerkPurity, st.Potions,
                                m_ui.LbAltAmountEffects->currentRow(), st.AltSel))
            m_hooks.altMakePotion();
    } else if (sender == m_ui.LbAltAmountItems) {
        st.AltSel.amountItems = m_ui.LbAltAmountItems->currentRow();
        if (st.Alt.AltDelItem(st.Data, st.Strengths, st.Skills.PerkPurity, st.Potions,
                              m_ui.LbAltAmountItems->currentRow(), st.AltSel))
            m_hooks.altMakePotion();
    }
}

} // namespace qor
