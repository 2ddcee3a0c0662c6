// The search-from-effects tab builds its controls: the effect rows with
// their filters, and the options page with the ingredient count, the price
// range, the tool-window buttons and the required ingredients.

#include "main_window/ui/search_inputs.h"

#include "main_window/ui/controls_context.h"
#include "main_window/ui/search_tab_fitter.h"
#include "recipe_list/ui/chooser_combo.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace qor {

namespace {

constexpr int kChooserIngredient = static_cast<int>(ChooserComboBox::Kind::Ingredient);
constexpr int kChooserEffect = static_cast<int>(ChooserComboBox::Kind::Effect);
constexpr int kChooserText = static_cast<int>(ChooserComboBox::Kind::Text);

} // namespace

void SearchInputs::buildControls(QWidget &tabSheet, const ControlsContext &ctx) {
    Controls &c = m_controls;
    QWidget *const tab = &tabSheet; // TabSheet1
    auto *outer = new QHBoxLayout(tab);
    outer->setContentsMargins(4, 4, 4, 4);
    // The tab's controls give way to the window (SearchTabFitter), not the
    // window to them: the tab asks for no width of its own.
    outer->setSizeConstraint(QLayout::SetNoConstraint);
    tab->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    c.Panel5 = new QWidget(tab);
    c.Panel5->setObjectName(QStringLiteral("Panel5"));
    c.Panel5->setFixedWidth(565);
    auto *grid = new QGridLayout(c.Panel5);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(QStringLiteral("Эффекты"), c.Panel5), 0, 0);
    QLabel *filterCaption = new QLabel(QStringLiteral("Фильтры эффектов"), c.Panel5);
    grid->addWidget(filterCaption, 0, 1, 1, 2);
    for (int k = 0; k < 5; ++k) {
        c.CbEffect[k] =
            makeChooser(ctx, c.Panel5, QStringLiteral("CbEffect%1").arg(k + 1), 367, kChooserEffect);
        c.CBoxEnableEff[k] = new QCheckBox(c.Panel5);
        c.CBoxEnableEff[k]->setObjectName(QStringLiteral("CBoxEnableEff%1").arg(k + 1));
        c.CBoxEnableEff[k]->setChecked(true);
        c.CbFilter[k] =
            makeChooser(ctx, c.Panel5, QStringLiteral("CbFilter%1").arg(k + 1), 154, kChooserText);
        grid->addWidget(c.CbEffect[k], k + 1, 0);
        grid->addWidget(c.CBoxEnableEff[k], k + 1, 1);
        grid->addWidget(c.CbFilter[k], k + 1, 2);
    }
    grid->setRowStretch(6, 1);
    outer->addWidget(c.Panel5);

    c.PageControlSearshOpt = new QTabWidget(tab);
    c.PageControlSearshOpt->setObjectName(QStringLiteral("PageControlSearshOpt"));
    c.PageControlSearshOpt->setFocusPolicy(Qt::NoFocus);
    c.TabSheet4 = new QWidget(c.PageControlSearshOpt);
    c.TabSheet4->setObjectName(QStringLiteral("TabSheet4"));
    c.PageControlSearshOpt->addTab(c.TabSheet4, QStringLiteral("   Основное   "));
    outer->addWidget(c.PageControlSearshOpt, 1);

    // Rows of their own, so that no row's width depends on another's.
    auto *opt = new QVBoxLayout(c.TabSheet4);
    opt->setContentsMargins(4, 2, 4, 2);
    opt->setSizeConstraint(QLayout::SetNoConstraint);
    c.TabSheet4->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    opt->setSpacing(2);
    auto addRow = [opt] {
        auto *row = new QHBoxLayout;
        row->setSpacing(6);
        opt->addLayout(row);
        return row;
    };
    QHBoxLayout *topRow = addRow();

    c.RadioGroupItemsCount = new QGroupBox(QStringLiteral(" Кол-во ингредиентов зелья "), c.TabSheet4);
    c.RadioGroupItemsCount->setObjectName(QStringLiteral("RadioGroupItemsCount"));
    c.RadioGroupButtons = new QButtonGroup(c.RadioGroupItemsCount);
    auto *radios = new QHBoxLayout(c.RadioGroupItemsCount);
    radios->setContentsMargins(6, 0, 6, 0);
    const QStringList counts{QStringLiteral("Два "), QStringLiteral("Три"), QStringLiteral("2 + 3")};
    for (int i = 0; i < counts.size(); ++i) {
        auto *radio = new QRadioButton(counts[i], c.RadioGroupItemsCount);
        radio->setObjectName(QStringLiteral("RadioGroupItemsCount_%1").arg(i));
        c.RadioGroupButtons->addButton(radio, i);
        radios->addWidget(radio);
    }
    c.RadioGroupButtons->button(0)->setChecked(true);
    topRow->addWidget(c.RadioGroupItemsCount);

    auto *costBox = new QWidget(c.TabSheet4);
    auto *costLayout = new QGridLayout(costBox);
    costLayout->setContentsMargins(0, 0, 0, 0);
    c.CBoxNeedCheckCost = new QCheckBox(QStringLiteral("Цена (Min / Max)"), costBox);
    c.CBoxNeedCheckCost->setObjectName(QStringLiteral("CBoxNeedCheckCost"));
    c.ComboBoxCost_Min = makeChooser(ctx, costBox, QStringLiteral("ComboBoxCost_Min"), 75, kChooserText);
    c.ComboBoxCost_Max = makeChooser(ctx, costBox, QStringLiteral("ComboBoxCost_Max"), 75, kChooserText);
    costLayout->addWidget(c.CBoxNeedCheckCost, 0, 0, 1, 2);
    costLayout->addWidget(c.ComboBoxCost_Min, 1, 0);
    costLayout->addWidget(c.ComboBoxCost_Max, 1, 1);
    topRow->addWidget(costBox);
    topRow->addStretch(1);

    auto *buttons = new QWidget(c.TabSheet4);
    auto *buttonsLayout = new QHBoxLayout(buttons);
    buttonsLayout->setContentsMargins(0, 0, 0, 0);
    c.ButtFormFavorites = new QToolButton(buttons);
    c.ButtFormFavorites->setObjectName(QStringLiteral("ButtFormFavorites"));
    c.ButtFormFavorites->setToolTip(QStringLiteral("Показать списки избранных ингредиентов и эффектов"));
    c.ButtFormFavorites->setText(QStringLiteral("★"));
    c.ButtFormUsedItems = new QToolButton(buttons);
    c.ButtFormUsedItems->setObjectName(QStringLiteral("ButtFormUsedItems"));
    c.ButtFormUsedItems->setToolTip(QStringLiteral("Показать список с возможными ингредиентами"));
    c.ButtFormUsedItems->setText(QStringLiteral("☰"));
    buttonsLayout->addWidget(c.ButtFormFavorites);
    buttonsLayout->addWidget(c.ButtFormUsedItems);
    // Beside the caption of the required ingredients, so that the top row
    // stays narrow enough for the least window width.
    QHBoxLayout *captionRow = addRow();
    captionRow->addWidget(new QLabel(QStringLiteral("Обязательные ингредиенты"), c.TabSheet4));
    captionRow->addWidget(buttons);
    captionRow->addStretch(1);
    for (int k = 0; k < 2; ++k) {
        c.CheckBoxCanPrimaryItem[k] = new QCheckBox(QStringLiteral("Обязательный ингредиент"), c.TabSheet4);
        c.CheckBoxCanPrimaryItem[k]->setObjectName(QStringLiteral("CheckBoxCanPrimaryItem%1").arg(k + 1));
        // Narrow on purpose: only the box shows, the caption stays for
        // accessibility.
        c.CheckBoxCanPrimaryItem[k]->setFixedWidth(20);
        c.CbPrioriryIngredient[k] = makeChooser(
            ctx, c.TabSheet4, QStringLiteral("CbPrioriryIngredient%1").arg(k + 1), 427, kChooserIngredient);
        QHBoxLayout *row = addRow();
        row->addWidget(c.CheckBoxCanPrimaryItem[k]);
        row->addWidget(c.CbPrioriryIngredient[k]);
        row->addStretch(1);
    }
    opt->addStretch(1);

    SearchTabFitter::Controls fit;
    fit.tab = tab;
    fit.tabLayout = outer;
    fit.effectPanel = c.Panel5;
    fit.effectGrid = grid;
    for (int k = 0; k < 5; ++k) {
        fit.effect[static_cast<std::size_t>(k)] = c.CbEffect[k];
        fit.filter[static_cast<std::size_t>(k)] = c.CbFilter[k];
    }
    fit.enableBox = c.CBoxEnableEff[0];
    fit.filterCaption = filterCaption;
    fit.options = c.PageControlSearshOpt;
    fit.optionsPage = c.TabSheet4;
    fit.optionsLayout = opt;
    fit.optionsTopRowLayout = topRow;
    fit.optionsTopRow = {c.RadioGroupItemsCount, costBox};
    fit.requiredBox = c.CheckBoxCanPrimaryItem[0];
    fit.required = {c.CbPrioriryIngredient[0], c.CbPrioriryIngredient[1]};
    new SearchTabFitter(fit, tab);
}

} // namespace qor
