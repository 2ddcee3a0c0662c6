// The search-from-effects tab's behaviour: its controls write the search
// conditions, and the saved slots restore them.

#include "main_window/ui/search_inputs.h"

#include "common_ui/dialog_provider.h"
#include "drag_drop/ui/drag_controller.h"
#include "engine/effect_strength.h"
#include "hints/ui/cell_hints.h"
#include "input/ui/key_router.h"
#include "input/ui/wheel_router.h"
#include "main_window/ui/control_commands.h"
#include "main_window/ui/prompts.h"
#include "main_window/ui/window_routers.h"
#include "recipe_list/search_slots.h"
#include "recipe_list/ui/chooser_combo.h"
#include "session/program_state.h"
#include "settings/settings_guard.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QMainWindow>
#include <QToolButton>

#include <algorithm>

namespace qor {

SearchInputs::SearchInputs(const WindowContext &ctx) : m_ctx(ctx) {}

void SearchInputs::joinRouters(const WindowRouters &routers) {
    const auto chooser = [&routers](ChooserComboBox *combo, ChooserRef ref, QCheckBox *toggle,
                                    DragControl role) {
        routers.keys.registerChooser(combo, ref, toggle);
        routers.wheel.watch(combo, WheelRouter::Target::Chooser);
        routers.hints.addChooser(combo);
        routers.drag.registerControl(combo, role);
    };
    for (int k = 0; k < 5; ++k) {
        const auto i = std::size_t(k);
        chooser(m_controls.CbEffect[i], {ChooserGroup::Effect, k + 1}, m_controls.CBoxEnableEff[i],
                DragControl::EffectChooser);
        chooser(m_controls.CbFilter[i], {ChooserGroup::Filter, k + 1}, m_controls.CBoxEnableEff[i],
                DragControl::FilterChooser);
    }
    for (int k = 0; k < 2; ++k) {
        const auto i = std::size_t(k);
        chooser(m_controls.CbPrioriryIngredient[i], {ChooserGroup::Required, k + 1},
                m_controls.CheckBoxCanPrimaryItem[i], DragControl::ItemChooser);
    }
    chooser(m_controls.ComboBoxCost_Min, {ChooserGroup::CostMin, 1}, m_controls.CBoxNeedCheckCost,
            DragControl::None);
    chooser(m_controls.ComboBoxCost_Max, {ChooserGroup::CostMax, 1}, m_controls.CBoxNeedCheckCost,
            DragControl::None);
    // The radio buttons only have the press actions.
    for (QAbstractButton *button : m_controls.RadioGroupButtons->buttons())
        routers.drag.registerControl(button, DragControl::None);
}

void SearchInputs::connectSignals(ControlCommands &commands) {
    QObject *const context = &m_ctx.window;
    // The choosers draw their gray state from the conditions.
    QObject::connect(&m_ctx.state.session, &Session::conditionsChanged, context, [this] {
        for (int k = 0; k < kEffectLines; ++k) {
            m_controls.CbEffect[k]->update();
            m_controls.CbFilter[k]->update();
        }
        m_controls.ComboBoxCost_Min->update();
        m_controls.ComboBoxCost_Max->update();
    });
    // Each control writes its own condition; the session tells whether the
    // search sees the change and runs it.
    const auto onIndex = [this, &commands](QComboBox *combo, auto write) {
        commands.connect(combo, &QComboBox::currentIndexChanged, [this, combo, write] {
            changeConditions([&](SearchConditions &c) { write(c, combo->currentIndex()); });
        });
    };
    const auto onToggle = [this, &commands](QAbstractButton *box, auto write) {
        commands.connect(box, &QAbstractButton::clicked, [this, box, write] {
            changeConditions([&](SearchConditions &c) { write(c, box->isChecked()); });
        });
    };
    for (int k = 0; k < 5; ++k) {
        const auto i = static_cast<std::size_t>(k);
        onIndex(m_controls.CbEffect[i], [i](SearchConditions &c, int index) { c.WantedEffect[i] = index; });
        onIndex(m_controls.CbFilter[i], [i](SearchConditions &c, int index) { c.FilterCode[i] = index; });
        onToggle(m_controls.CBoxEnableEff[i], [i](SearchConditions &c, bool on) { c.EffectEnabled[i] = on; });
        const int line = k;
        m_controls.CbEffect[i]->setGrayPredicate([this, line] {
            return !m_ctx.state.session.conditions().EffectEnabled[line] ||
                   m_ctx.state.session.conditions().FilterCode[line] > 0;
        });
        m_controls.CbEffect[i]->setOverriddenPredicate([this, line] {
            const SearchConditions &c = m_ctx.state.session.conditions();
            return c.EffectEnabled[line] && c.FilterCode[line] > 0 && c.WantedEffect[line] > 0;
        });
        m_controls.CbFilter[i]->setGrayPredicate(
            [this, line] { return !m_ctx.state.session.conditions().EffectEnabled[line]; });
    }
    m_controls.ComboBoxCost_Min->setGrayPredicate(
        [this] { return !m_ctx.state.session.conditions().CheckCost; });
    m_controls.ComboBoxCost_Max->setGrayPredicate(
        [this] { return !m_ctx.state.session.conditions().CheckCost; });
    onIndex(m_controls.CbPrioriryIngredient[0],
            [](SearchConditions &c, int index) { c.RequiredItem1 = index; });
    onIndex(m_controls.CbPrioriryIngredient[1],
            [](SearchConditions &c, int index) { c.RequiredItem2 = index; });
    onToggle(m_controls.CheckBoxCanPrimaryItem[0],
             [](SearchConditions &c, bool on) { c.RequiredItem1Enabled = on; });
    onToggle(m_controls.CheckBoxCanPrimaryItem[1],
             [](SearchConditions &c, bool on) { c.RequiredItem2Enabled = on; });
    onIndex(m_controls.ComboBoxCost_Min, [](SearchConditions &c, int index) { c.CostMinIndex = index; });
    onIndex(m_controls.ComboBoxCost_Max, [](SearchConditions &c, int index) { c.CostMaxIndex = index; });
    onToggle(m_controls.CBoxNeedCheckCost, [](SearchConditions &c, bool on) { c.CheckCost = on; });
    commands.connect(m_controls.RadioGroupButtons, &QButtonGroup::idClicked, [this] {
        const int mode = std::max(0, m_controls.RadioGroupButtons->checkedId());
        changeConditions([mode](SearchConditions &c) { c.ItemsCountMode = mode; });
    });
    // The buttons open and close the tool windows as their menu items do:
    // the windows and the items follow the flags.
    const auto toggle = [this](FlagKey flag) {
        Session &session = m_ctx.state.session;
        session.setSetting(flag, !session.block().get(flag));
    };
    commands.connect(m_controls.ButtFormFavorites, &QAbstractButton::clicked,
                     [toggle] { toggle(Setting.MenuShowFormFavorites); });
    commands.connect(m_controls.ButtFormUsedItems, &QAbstractButton::clicked,
                     [toggle] { toggle(Setting.MenuShowUsedItemsList); });
}

void SearchInputs::changeConditions(const std::function<void(SearchConditions &)> &edit) {
    SearchConditions c = m_ctx.state.session.conditions();
    edit(c);
    m_ctx.state.session.setConditions(c);
}

void SearchInputs::fillChoosers() {
    const ProgramState &st = m_ctx.state;
    for (ChooserComboBox *combo : {m_controls.ComboBoxCost_Min, m_controls.ComboBoxCost_Max}) {
        for (const std::int32_t price : st.Data.CostList)
            combo->addItem(QString::number(price));
        combo->setCurrentIndex(0);
    }
    for (ChooserComboBox *combo : m_controls.CbFilter) {
        combo->addItems(st.Data.FilterList);
        combo->setCurrentIndex(0);
    }
    // One placeholder item per ingredient index: the chooser draws the
    // ingredient's name and picture for item i.
    for (ChooserComboBox *combo : m_controls.CbPrioriryIngredient) {
        for (int i = 0; i < st.Data.itemRecordCount(); ++i)
            combo->addItem(QStringLiteral("*"));
        combo->setCurrentIndex(0);
    }
    for (ChooserComboBox *combo : m_controls.CbEffect) {
        combo->addItems(st.Data.EffectNames);
        combo->setCurrentIndex(0);
    }
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
    m_controls.ComboBoxCost_Min->setCurrentIndex(fitted.CostMinIndex);
    m_controls.ComboBoxCost_Max->setCurrentIndex(fitted.CostMaxIndex);
    m_controls.CbPrioriryIngredient[0]->setCurrentIndex(fitted.RequiredItem1);
    m_controls.CbPrioriryIngredient[1]->setCurrentIndex(fitted.RequiredItem2);
    for (int k = 0; k < 5; ++k)
        m_controls.CbFilter[k]->setCurrentIndex(fitted.FilterCode[k]);
    for (int k = 0; k < 5; ++k)
        m_controls.CbEffect[k]->setCurrentIndex(fitted.WantedEffect[k]);
    for (int k = 0; k < 5; ++k)
        m_controls.CBoxEnableEff[k]->setChecked(fitted.EffectEnabled[k]);
    m_controls.CBoxNeedCheckCost->setChecked(fitted.CheckCost);
    if (QAbstractButton *radio = m_controls.RadioGroupButtons->button(fitted.ItemsCountMode))
        radio->setChecked(true);
    m_controls.CheckBoxCanPrimaryItem[0]->setChecked(fitted.RequiredItem1Enabled);
    m_controls.CheckBoxCanPrimaryItem[1]->setChecked(fitted.RequiredItem2Enabled);
    // Check boxes set by code raise no click; the conditions are the slot's
    // raw values whatever the controls could show, and the choosers draw
    // their gray rules from them.
    m_ctx.state.session.setConditions(c);
}

} // namespace qor
