// The command dispatcher On_Click and the handlers it branches to: the
// search conditions, the ingredient choosers, the skills, the tabs and the
// menu commands of this version.

#include "main_window/ui/form_main.h"

#include "brewing_plan/ui/brewing_plan_window.h"
#include "engine/effect_strength.h"
#include "favorites/ui/favorites_list.h"
#include "main_window/settings_guard.h"
#include "main_window/ui/tool_windows.h"
#include "recipe_list/search_slots.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

namespace qor {

void TFormMain::On_Click(QObject *sender) {
    // Controls fire change events while code fills or restores them; those
    // must not start commands.
    if (!m_state->CommandsReady || m_state->SuppressCommands)
        return;
    if (auto *act = qobject_cast<QAction *>(sender)) {
        runCommand(act);
        return;
    }
    if (sender == LBPotion) {
        LbPotionSelectionChanged();
        return;
    }
    if (sender == LBFavorites) {
        onFavoritesClick();
        return;
    }
    if (sender == StringGrid) {
        onGridSelection();
        return;
    }
    if (sender == ButtFormFavorites || sender == ButtFormUsedItems) {
        command(sender == ButtFormFavorites ? "MenuShowFormFavorites" : "MenuShowUsedItemsList")->trigger();
        return;
    }
    if (sender == PageControl) {
        On_Enter(PageControl->currentWidget());
        return;
    }
    if (sender == PageControlSearshOpt) {
        On_Enter(PageControlSearshOpt->currentWidget());
        return;
    }
    for (int k = 0; k < 3; ++k) {
        if (sender == CbIngredient[k]) {
            if (CBoxCanUseItem[k]->isChecked())
                SearshFromItems();
            return;
        }
        if (sender == CBoxCanUseItem[k]) {
            if (CbIngredient[k]->currentIndex() > 0)
                SearshFromItems();
            return;
        }
    }
    if (sender == ComboBoxMainAlchPercCount || sender == CheckBoxPerkPhysician ||
        sender == CheckBoxPerkBenefactor || sender == CheckBoxPerkPoisoner || sender == CheckBoxPerkPurity) {
        onSkillChanged(sender);
        return;
    }
    onConditionChanged(sender);
}

void TFormMain::onConditionChanged(QObject *sender) {
    SearchConditions &c = m_state->Conditions;
    for (int k = 0; k < 5; ++k) {
        if (sender == CbEffect[k]) {
            c.WantedEffect[k] = CbEffect[k]->currentIndex();
            if (c.EffectEnabled[k] && c.FilterCode[k] == 0)
                SearshFromEffects(false);
            return;
        }
        if (sender == CbFilter[k]) {
            const int old = c.FilterCode[k];
            c.FilterCode[k] = CbFilter[k]->currentIndex();
            if (old == 0 || c.FilterCode[k] == 0)
                CbEffect[k]->update();
            if (c.EffectEnabled[k])
                SearshFromEffects(false);
            return;
        }
        if (sender == CBoxEnableEff[k]) {
            c.EffectEnabled[k] = CBoxEnableEff[k]->isChecked();
            CbEffect[k]->update();
            CbFilter[k]->update();
            if (c.WantedEffect[k] > 0 || c.FilterCode[k] > 0)
                SearshFromEffects(false);
            return;
        }
    }
    if (sender == CbPrioriryIngredient[0] || sender == CbPrioriryIngredient[1]) {
        const int k = sender == CbPrioriryIngredient[0] ? 0 : 1;
        (k == 0 ? c.RequiredItem1 : c.RequiredItem2) = CbPrioriryIngredient[k]->currentIndex();
        if (k == 0 ? c.RequiredItem1Enabled : c.RequiredItem2Enabled)
            SearshFromEffects(false);
    } else if (sender == CheckBoxCanPrimaryItem[0] || sender == CheckBoxCanPrimaryItem[1]) {
        const int k = sender == CheckBoxCanPrimaryItem[0] ? 0 : 1;
        (k == 0 ? c.RequiredItem1Enabled : c.RequiredItem2Enabled) = CheckBoxCanPrimaryItem[k]->isChecked();
        if (CbPrioriryIngredient[k]->currentIndex() > 0)
            SearshFromEffects(false);
    } else if (sender == RadioGroupItemsCount) {
        c.ItemsCountMode = std::max(0, RadioGroupButtons->checkedId());
        SearshFromEffects(false);
    } else if (sender == ComboBoxCost_Min || sender == ComboBoxCost_Max) {
        if (sender == ComboBoxCost_Min)
            c.CostMinIndex = ComboBoxCost_Min->currentIndex();
        else
            c.CostMaxIndex = ComboBoxCost_Max->currentIndex();
        if (c.CheckCost)
            SearshFromEffects(false);
    } else if (sender == CBoxNeedCheckCost) {
        c.CheckCost = CBoxNeedCheckCost->isChecked();
        ComboBoxCost_Min->update();
        ComboBoxCost_Max->update();
        SearshFromEffects(false);
    }
}

void TFormMain::onSkillChanged(QObject *sender) {
    SkillSettings &s = m_state->Skills;
    if (sender == ComboBoxMainAlchPercCount)
        s.AlchemistRanks = std::max(0, ComboBoxMainAlchPercCount->currentIndex());
    else if (sender == CheckBoxPerkPhysician)
        s.PerkPhysician = CheckBoxPerkPhysician->isChecked();
    else if (sender == CheckBoxPerkBenefactor)
        s.PerkBenefactor = CheckBoxPerkBenefactor->isChecked();
    else if (sender == CheckBoxPerkPoisoner)
        s.PerkPoisoner = CheckBoxPerkPoisoner->isChecked();
    else if (sender == CheckBoxPerkPurity)
        s.PerkPurity = CheckBoxPerkPurity->isChecked();
    RecalcItemEffects(m_state->Data, s);
    StartSearshLastType();
    StringGrid->viewport()->update();
}

void TFormMain::On_Change(QObject *sender) {
    if (m_state->SuppressCommands)
        return;
    if (sender == EditAlchemyValue || sender == EditAlchemyModify)
        onSkillEditChanged(static_cast<QLineEdit *>(sender));
}

void TFormMain::onSkillEditChanged(QLineEdit *edit) {
    const bool isSkill = edit == EditAlchemyValue;
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
        m_state->Skills.AlchemySkill = static_cast<std::int32_t>(value);
    else
        m_state->Skills.AlchemyFortify = static_cast<std::int32_t>(value);
    RecalcItemEffects(m_state->Data, m_state->Skills);
    StartSearshLastType();
    StringGrid->viewport()->update();
}

void TFormMain::On_Enter(QWidget *tab) {
    ProgramState &st = *m_state;
    if (tab == TabSheetSearshFromItem && !m_enteredItems) {
        m_enteredItems = true;
        const ScopedFlag guard(st.SuppressCommands);
        for (ChooserComboBox *combo : CbIngredient) {
            combo->clear();
            for (int i = 0; i < CbPrioriryIngredient[0]->count(); ++i)
                combo->addItem(CbPrioriryIngredient[0]->itemText(i));
            combo->setCurrentIndex(0);
        }
    } else if (tab == TabSheetSkills && !m_enteredSkills) {
        m_enteredSkills = true;
        const ScopedFlag guard(st.SuppressCommands);
        TabSheetSkills->setUpdatesEnabled(false);
        EditAlchemyValue->setText(QString::number(st.Skills.AlchemySkill));
        EditAlchemyModify->setText(QString::number(st.Skills.AlchemyFortify));
        ComboBoxMainAlchPercCount->setCurrentIndex(std::clamp(st.Skills.AlchemistRanks, 0, 5));
        CheckBoxPerkPhysician->setChecked(st.Skills.PerkPhysician);
        CheckBoxPerkBenefactor->setChecked(st.Skills.PerkBenefactor);
        CheckBoxPerkPoisoner->setChecked(st.Skills.PerkPoisoner);
        CheckBoxPerkPurity->setChecked(st.Skills.PerkPurity);
        TabSheetSkills->setUpdatesEnabled(true);
    } else if (tab == TabSheetAltMake && !m_enteredAlt) {
        m_enteredAlt = true;
        st.AltSel.candidates = st.Alt.preparePage(st.Data, st.AltSel.candidates);
        AltLBoxsSetView();
        LbAltEffectsList->resetRows();
        LbAltItemsList->resetRows();
        LbAltAmountItems->resetRows();
        LbAltAmountEffects->resetRows();
        LbAltItemsList->setCurrentRow(st.AltSel.candidates);
        LbAltEffectsList->setCurrentRow(st.Alt.AltEffectRows.empty() ? -1 : 0);
    } else if (tab == TabSheetFavorites && !m_enteredFavorites) {
        m_enteredFavorites = true;
        applyFavoritesTabSettings();
        LBFavorites->resetRows();
    }
}

void TFormMain::cmdExit(QAction *, int noSave) {
    if (noSave)
        m_state->SkipSaveOnExit = true;
    close();
}

void TFormMain::cmdQuickSearch(QAction *item, int) {
    command("MenuStartSearsh")->setEnabled(!item->isChecked());
}

void TFormMain::cmdSearchSlot(QAction *item, int mode) {
    ProgramState &st = *m_state;
    if (mode == kSaveQuickSlot) {
        st.Slots.save(0, st.Conditions);
        return;
    }
    if (mode == kRestoreQuickSlot) {
        restoreSearchSlot(0);
        return;
    }
    int slot = 1;
    if (!PromptNumber(item, 1, slot, 2147483647, -2147483647))
        return;
    if (!isNumberedSlot(slot)) {
        m_dialogs.message(this, slotRangeWarning(), MessageIcon::Warning);
        return;
    }
    if (mode == kSaveNumberedSlot)
        st.Slots.save(slot, st.Conditions);
    else
        restoreSearchSlot(slot);
}

void TFormMain::cmdBrewingPlan(QAction *, int) {
    const ProgramState &st = *m_state;
    // Stock.ini lives in the folder of Main.ini.
    ShowBrewingPlanWindow(
        this, {st.Data, st.Skills, st.Settings.usedItems.ItemAvailable, &m_pictures,
               [this](const QString &text) { m_dialogs.message(this, text, MessageIcon::Warning); },
               st.SettingsDir});
}

void TFormMain::cmdDebug(QAction *item, int) {
    if (const auto text = m_dialogs.inputText(this, item->text(), QString()))
        ExecDebugCmd(*text);
}

bool TFormMain::PromptNumber(QAction *item, int current, int &value, int maximum, int minimum,
                             const QString &prompt) {
    const QString caption = item ? item->text() : prompt;
    const auto text = m_dialogs.inputText(this, caption, QString::number(current));
    if (!text)
        return false;
    bool ok = false;
    const qlonglong number = text->trimmed().toLongLong(&ok);
    if (!ok)
        return false;
    value = static_cast<int>(std::clamp<qlonglong>(number, minimum, maximum));
    return true;
}

bool TFormMain::promptSetting(QAction *item, int line, int current, int &value) {
    const SettingRange range = settingRange(line);
    return PromptNumber(item, current, value, range.max, range.min);
}

void TFormMain::ExecDebugCmd(const QString &text) {
    if (text.trimmed().toUpper() == QLatin1String("QOR"))
        m_dialogs.message(this, QStringLiteral("Привет Хозяин     "), MessageIcon::Warning);
}

void TFormMain::restoreSearchSlot(int slot) {
    ProgramState &st = *m_state;
    SearshRestore(
        st.Slots, slot, st.Conditions, st.SearchLocked,
        [this](const SearchConditions &saved) { setConditionControls(saved); },
        [this] { SearshFromEffects(true); });
}

void TFormMain::setConditionControls(const SearchConditions &c) {
    // The handlers fire while the controls change and store the same values
    // again; the searches they request return at once under SearchLocked.
    const SearchConditions fitted = fitSlotToChoosers(c, m_state->Data);
    ComboBoxCost_Min->setCurrentIndex(fitted.CostMinIndex);
    ComboBoxCost_Max->setCurrentIndex(fitted.CostMaxIndex);
    CbPrioriryIngredient[0]->setCurrentIndex(fitted.RequiredItem1);
    CbPrioriryIngredient[1]->setCurrentIndex(fitted.RequiredItem2);
    for (int k = 0; k < 5; ++k)
        CbFilter[k]->setCurrentIndex(fitted.FilterCode[k]);
    for (int k = 0; k < 5; ++k)
        CbEffect[k]->setCurrentIndex(fitted.WantedEffect[k]);
    for (int k = 0; k < 5; ++k)
        CBoxEnableEff[k]->setChecked(fitted.EffectEnabled[k]);
    CBoxNeedCheckCost->setChecked(fitted.CheckCost);
    if (QAbstractButton *radio = RadioGroupButtons->button(fitted.ItemsCountMode))
        radio->setChecked(true);
    CheckBoxCanPrimaryItem[0]->setChecked(fitted.RequiredItem1Enabled);
    CheckBoxCanPrimaryItem[1]->setChecked(fitted.RequiredItem2Enabled);
    // Check boxes set by code raise no click; the conditions are the slot's
    // raw values whatever the controls could show.
    m_state->Conditions = c;
}

} // namespace qor
