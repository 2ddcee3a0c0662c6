// The search-from-ingredients tab: its choosers and boxes, and the search
// that evaluates the chosen combination.

#include "main_window/ui/ingredient_search_tab.h"

#include "drag_drop/ui/drag_controller.h"
#include "engine/search_from_items.h"
#include "hints/ui/cell_hints.h"
#include "input/ui/key_router.h"
#include "input/ui/wheel_router.h"
#include "main_window/ui/control_commands.h"
#include "main_window/ui/controls_context.h"
#include "main_window/ui/recipe_list_region.h"
#include "main_window/ui/window_routers.h"
#include "recipe_list/ui/chooser_combo.h"
#include "session/program_state.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace qor {

IngredientSearchTab::IngredientSearchTab(const WindowContext &ctx, const RecipeListRegion &recipes,
                                         const QAction &clearFirst)
    : m_ctx(ctx), m_recipes(recipes), m_clearFirst(clearFirst) {}

void IngredientSearchTab::buildControls(QWidget &tabSheet, const ControlsContext &controls) {
    m_page = &tabSheet;
    auto *grid = new QGridLayout(&tabSheet);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setVerticalSpacing(2);
    for (int k = 0; k < 3; ++k) {
        const auto i = static_cast<std::size_t>(k);
        grid->addWidget(new QLabel(QStringLiteral("Ингредиент %1").arg(k + 1), &tabSheet), 2 * k, 0);
        m_choosers[i] = makeChooser(controls, &tabSheet, QStringLiteral("CbIngredient%1").arg(k + 1), 366,
                                    static_cast<int>(ChooserComboBox::Kind::Ingredient));
        m_boxes[i] = new QCheckBox(&tabSheet);
        m_boxes[i]->setObjectName(QStringLiteral("CBoxCanUseItem%1").arg(k + 1));
        m_boxes[i]->setChecked(true);
        grid->addWidget(m_choosers[i], 2 * k + 1, 0);
        grid->addWidget(m_boxes[i], 2 * k + 1, 1);
    }
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(2, 1);
}

void IngredientSearchTab::connectSignals(ControlCommands &commands) {
    for (std::size_t k = 0; k < 3; ++k) {
        ChooserComboBox *chooser = m_choosers[k];
        QCheckBox *box = m_boxes[k];
        commands.connect(chooser, &QComboBox::currentIndexChanged, [this, box] {
            if (box->isChecked())
                SearshFromItems();
        });
        commands.connect(box, &QAbstractButton::clicked, [this, chooser] {
            if (chooser->currentIndex() > 0)
                SearshFromItems();
        });
    }
    commands.addEntry(m_page, [this] { enter(); });
}

void IngredientSearchTab::joinRouters(const WindowRouters &routers) {
    for (int k = 0; k < 3; ++k) {
        const auto i = static_cast<std::size_t>(k);
        routers.keys.registerChooser(m_choosers[i], {ChooserGroup::Ingredient, k + 1}, m_boxes[i]);
        routers.wheel.watch(m_choosers[i], WheelRouter::Target::Chooser);
        routers.hints.addChooser(m_choosers[i]);
        routers.drag.registerControl(m_choosers[i], DragControl::ItemChooser);
    }
}

void IngredientSearchTab::SearshFromItems() {
    ProgramState &st = m_ctx.state;
    const bool clearFirst = m_clearFirst.isChecked();
    std::array<int, 3> items{};
    for (std::size_t k = 0; k < 3; ++k)
        items[k] = itemChooserValue(m_choosers[k]->currentIndex(), m_boxes[k]->isChecked());
    const int row = m_recipes.selectedRow();
    st.session.replaceRecipes([&](PotionList &list) {
        qor::SearshFromItems(st.Data, st.Strengths, st.session.skills().PerkPurity, items, clearFirst, list);
        return selectionAfterItemSearch(clearFirst, row, list.PotionCount());
    });
    st.LastSearchType = SearchType::FromItems;
}

void IngredientSearchTab::enter() {
    // The choosers get their items on the first entry of the page: one
    // placeholder per ingredient, drawn as the ingredient's name and picture.
    if (m_entered)
        return;
    m_entered = true;
    const CommandGate::Scope quiet(m_ctx.state.Gate, CommandGate::Hold::Commands);
    const int count = m_ctx.state.Data.itemRecordCount();
    for (ChooserComboBox *chooser : m_choosers) {
        chooser->clear();
        for (int i = 0; i < count; ++i)
            chooser->addItem(QStringLiteral("*"));
        chooser->setCurrentIndex(0);
    }
}

} // namespace qor
