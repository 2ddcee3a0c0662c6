// The input tabs and the program state they edit: the search conditions
// and the skills as the controls change them, the first entry of a tab
// (which fills its controls), the alternative-making lists and the saved
// search slots.

#include "main_window/ui/search_inputs.h"

#include "common_ui/dialog_provider.h"
#include "common_ui/stored_font.h"
#include "drag_drop/ui/drag_controller.h"
#include "engine/effect_strength.h"
#include "favorites/ui/favorites_list.h"
#include "input/ui/key_router.h"
#include "input/ui/wheel_router.h"
#include "main_window/ui/control_commands.h"
#include "main_window/ui/form_controls.h"
#include "main_window/ui/prompts.h"
#include "main_window/ui/window_routers.h"
#include "recipe_list/search_slots.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "session/program_state.h"
#include "settings/settings_guard.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListView>
#include <QMainWindow>
#include <QTableView>
#include <QToolButton>

#include <algorithm>

namespace qor {

SearchInputs::SearchInputs(const WindowContext &ctx) : m_ctx(ctx), m_ui(ctx.ui) {}

void SearchInputs::joinRouters(const WindowRouters &routers) {
    const auto chooser = [&routers](ChooserComboBox *combo, ChooserRef ref, QCheckBox *toggle,
                                    DragControl role) {
        routers.keys.registerChooser(combo, ref, toggle);
        routers.wheel.watch(combo, WheelRouter::Target::Chooser);
        routers.drag.registerControl(combo, role);
    };
    for (int k = 0; k < 5; ++k) {
        const auto i = std::size_t(k);
        chooser(m_ui.CbEffect[i], {ChooserGroup::Effect, k + 1}, m_ui.CBoxEnableEff[i],
                DragControl::EffectChooser);
        chooser(m_ui.CbFilter[i], {ChooserGroup::Filter, k + 1}, m_ui.CBoxEnableEff[i],
                DragControl::FilterChooser);
    }
    for (int k = 0; k < 2; ++k) {
        const auto i = std::size_t(k);
        chooser(m_ui.CbPrioriryIngredient[i], {ChooserGroup::Required, k + 1}, m_ui.CheckBoxCanPrimaryItem[i],
                DragControl::ItemChooser);
    }
    chooser(m_ui.ComboBoxCost_Min, {ChooserGroup::CostMin, 1}, m_ui.CBoxNeedCheckCost, DragControl::None);
    chooser(m_ui.ComboBoxCost_Max, {ChooserGroup::CostMax, 1}, m_ui.CBoxNeedCheckCost, DragControl::None);
    // The radio buttons only have the press actions.
    for (QAbstractButton *button : m_ui.RadioGroupButtons->buttons())
        routers.drag.registerControl(button, DragControl::None);
}

void SearchInputs::connectSignals(Dispatch dispatch, ControlCommands &commands) {
    m_dispatch = std::move(dispatch);
    QObject *const context = &m_ctx.window;
    // The choosers draw their gray state from the conditions.
    QObject::connect(&m_ctx.state.session, &Session::conditionsChanged, context, [this] {
        for (int k = 0; k < kEffectLines; ++k) {
            m_ui.CbEffect[k]->update();
            m_ui.CbFilter[k]->update();
        }
        m_ui.ComboBoxCost_Min->update();
        m_ui.ComboBoxCost_Max->update();
    });
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
            return !m_ctx.state.session.conditions().EffectEnabled[line] ||
                   m_ctx.state.session.conditions().FilterCode[line] > 0;
        });
        m_ui.CbEffect[k]->setOverriddenPredicate([this, line] {
            const SearchConditions &c = m_ctx.state.session.conditions();
            return c.EffectEnabled[line] && c.FilterCode[line] > 0 && c.WantedEffect[line] > 0;
        });
        m_ui.CbFilter[k]->setGrayPredicate(
            [this, line] { return !m_ctx.state.session.conditions().EffectEnabled[line]; });
    }
    m_ui.ComboBoxCost_Min->setGrayPredicate([this] { return !m_ctx.state.session.conditions().CheckCost; });
    m_ui.ComboBoxCost_Max->setGrayPredicate([this] { return !m_ctx.state.session.conditions().CheckCost; });
    for (int k = 0; k < 2; ++k) {
        clickOnIndex(m_ui.CbPrioriryIngredient[k]);
        clickOnToggle(m_ui.CheckBoxCanPrimaryItem[k]);
    }
    clickOnIndex(m_ui.ComboBoxCost_Min);
    clickOnIndex(m_ui.ComboBoxCost_Max);
    clickOnToggle(m_ui.CBoxNeedCheckCost);
    QObject::connect(m_ui.RadioGroupButtons, &QButtonGroup::idClicked, context,
                     [this] { m_dispatch.click(m_ui.RadioGroupItemsCount); });
    // The buttons open the tool windows as their menu items do.
    commands.connect(m_ui.ButtFormFavorites, &QAbstractButton::clicked,
                     [this] { m_ctx.command("MenuShowFormFavorites")->trigger(); });
    commands.connect(m_ui.ButtFormUsedItems, &QAbstractButton::clicked,
                     [this] { m_ctx.command("MenuShowUsedItemsList")->trigger(); });
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
    // The session tells whether the search sees the change and runs it.
    SearchConditions c = m_ctx.state.session.conditions();
    for (int k = 0; k < 5; ++k) {
        if (sender == m_ui.CbEffect[k])
            c.WantedEffect[k] = m_ui.CbEffect[k]->currentIndex();
        else if (sender == m_ui.CbFilter[k])
            c.FilterCode[k] = m_ui.CbFilter[k]->currentIndex();
        else if (sender == m_ui.CBoxEnableEff[k])
            c.EffectEnabled[k] = m_ui.CBoxEnableEff[k]->isChecked();
    }
    if (sender == m_ui.CbPrioriryIngredient[0] || sender == m_ui.CbPrioriryIngredient[1]) {
        const int k = sender == m_ui.CbPrioriryIngredient[0] ? 0 : 1;
        (k == 0 ? c.RequiredItem1 : c.RequiredItem2) = m_ui.CbPrioriryIngredient[k]->currentIndex();
    } else if (sender == m_ui.CheckBoxCanPrimaryItem[0] || sender == m_ui.CheckBoxCanPrimaryItem[1]) {
        const int k = sender == m_ui.CheckBoxCanPrimaryItem[0] ? 0 : 1;
        (k == 0 ? c.RequiredItem1Enabled : c.RequiredItem2Enabled) =
            m_ui.CheckBoxCanPrimaryItem[k]->isChecked();
    } else if (sender == m_ui.RadioGroupItemsCount) {
        c.ItemsCountMode = std::max(0, m_ui.RadioGroupButtons->checkedId());
    } else if (sender == m_ui.ComboBoxCost_Min) {
        c.CostMinIndex = m_ui.ComboBoxCost_Min->currentIndex();
    } else if (sender == m_ui.ComboBoxCost_Max) {
        c.CostMaxIndex = m_ui.ComboBoxCost_Max->currentIndex();
    } else if (sender == m_ui.CBoxNeedCheckCost) {
        c.CheckCost = m_ui.CBoxNeedCheckCost->isChecked();
    }
    m_ctx.state.session.setConditions(c);
}

void SearchInputs::cmdSearchSlot(QAction *item, int mode) {
    ProgramState &st = m_ctx.state;
    if (mode == kSaveQuickSlot) {
        st.Slots.save(0, st.session.conditions());
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
        st.Slots.save(slot, st.session.conditions());
    else
        restoreSearchSlot(slot);
}

void SearchInputs::restoreSearchSlot(int slot) {
    ProgramState &st = m_ctx.state;
    SearchConditions restored;
    SearshRestore(
        st.Slots, slot, restored, st.Gate,
        [this](const SearchConditions &saved) { setConditionControls(saved); },
        [&st, &restored] { st.session.setConditions(restored, /*forceSearch=*/true); });
}

void SearchInputs::setConditionControls(const SearchConditions &c) {
    // The handlers fire while the controls change and store the same values
    // again; the searches they request return at once while the searches are held.
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
    m_ctx.state.session.setConditions(c);
}

void SearchInputs::enterTab(QWidget *tab) {
    if (tab == m_ui.TabSheetFavorites && !m_enteredFavorites) {
        m_enteredFavorites = true;
        applyFavoritesTabSettings();
        m_ui.LBFavorites->resetRows();
    }
}

void SearchInputs::applyFavoritesTabSettings() {
    const MainSettings &s = m_ctx.state.session.settings();
    applyStoredFont(m_ui.LBFavorites, s.font(SettingsFont::LBFavorites));
    m_ui.LBFavorites->setItemHeight(s.block.clamped(Setting.LbFavoritesItemHeight));
}

} // namespace qor
