// The input tabs of the main window: search from effects with its options
// page, and help. The other tabs build their own controls.

#include "main_window/ui/form_controls.h"

#include "common_ui/pixel_font.h"

#include "session/program_state.h"

#include "main_window/ui/search_tab_fitter.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/item_pictures_source.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace qor {

namespace {

constexpr int kChooserIngredient = static_cast<int>(ChooserComboBox::Kind::Ingredient);
constexpr int kChooserEffect = static_cast<int>(ChooserComboBox::Kind::Effect);
constexpr int kChooserText = static_cast<int>(ChooserComboBox::Kind::Text);

} // namespace

ChooserComboBox *makeChooser(const ControlsContext &ctx, QWidget *parent, const QString &name, int width,
                             int kind) {
    auto *combo = new ChooserComboBox(static_cast<ChooserComboBox::Kind>(kind), ctx.state.Data, ctx.colors,
                                      ctx.pictureSource, parent);
    combo->setObjectName(name);
    combo->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    combo->setMaxVisibleItems(32);
    if (width > 0)
        combo->setFixedWidth(width);
    return combo;
}

namespace {

QLabel *makeLabel(QWidget *parent, const QString &text) {
    auto *label = new QLabel(text, parent);
    return label;
}

} // namespace

void FormControls::buildTabSearchEffects(const ControlsContext &ctx) {
    auto *outer = new QHBoxLayout(TabSheet1);
    outer->setContentsMargins(4, 4, 4, 4);
    // The tab's controls give way to the window (SearchTabFitter), not the
    // window to them: the tab asks for no width of its own.
    outer->setSizeConstraint(QLayout::SetNoConstraint);
    TabSheet1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    Panel5 = new QWidget(TabSheet1);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setFixedWidth(565);
    auto *grid = new QGridLayout(Panel5);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(makeLabel(Panel5, QStringLiteral("Эффекты")), 0, 0);
    QLabel *filterCaption = makeLabel(Panel5, QStringLiteral("Фильтры эффектов"));
    grid->addWidget(filterCaption, 0, 1, 1, 2);
    for (int k = 0; k < 5; ++k) {
        CbEffect[k] = makeChooser(ctx, Panel5, QStringLiteral("CbEffect%1").arg(k + 1), 367, kChooserEffect);
        CBoxEnableEff[k] = new QCheckBox(Panel5);
        CBoxEnableEff[k]->setObjectName(QStringLiteral("CBoxEnableEff%1").arg(k + 1));
        CBoxEnableEff[k]->setChecked(true);
        CbFilter[k] = makeChooser(ctx, Panel5, QStringLiteral("CbFilter%1").arg(k + 1), 154, kChooserText);
        grid->addWidget(CbEffect[k], k + 1, 0);
        grid->addWidget(CBoxEnableEff[k], k + 1, 1);
        grid->addWidget(CbFilter[k], k + 1, 2);
    }
    grid->setRowStretch(6, 1);
    outer->addWidget(Panel5);

    PageControlSearshOpt = new QTabWidget(TabSheet1);
    PageControlSearshOpt->setObjectName(QStringLiteral("PageControlSearshOpt"));
    PageControlSearshOpt->setFocusPolicy(Qt::NoFocus);
    TabSheet4 = new QWidget(PageControlSearshOpt);
    TabSheet4->setObjectName(QStringLiteral("TabSheet4"));
    PageControlSearshOpt->addTab(TabSheet4, QStringLiteral("   Основное   "));
    outer->addWidget(PageControlSearshOpt, 1);

    // Rows of their own, so that no row's width depends on another's.
    auto *opt = new QVBoxLayout(TabSheet4);
    opt->setContentsMargins(4, 4, 4, 4);
    opt->setSizeConstraint(QLayout::SetNoConstraint);
    TabSheet4->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    opt->setSpacing(2);
    auto addRow = [opt] {
        auto *row = new QHBoxLayout;
        row->setSpacing(6);
        opt->addLayout(row);
        return row;
    };
    QHBoxLayout *topRow = addRow();

    RadioGroupItemsCount = new QGroupBox(QStringLiteral(" Кол-во ингредиентов зелья "), TabSheet4);
    RadioGroupItemsCount->setObjectName(QStringLiteral("RadioGroupItemsCount"));
    RadioGroupButtons = new QButtonGroup(RadioGroupItemsCount);
    auto *radios = new QHBoxLayout(RadioGroupItemsCount);
    radios->setContentsMargins(6, 2, 6, 2);
    const QStringList counts{QStringLiteral("Два "), QStringLiteral("Три"), QStringLiteral("2 + 3")};
    for (int i = 0; i < counts.size(); ++i) {
        auto *radio = new QRadioButton(counts[i], RadioGroupItemsCount);
        radio->setObjectName(QStringLiteral("RadioGroupItemsCount_%1").arg(i));
        RadioGroupButtons->addButton(radio, i);
        radios->addWidget(radio);
    }
    RadioGroupButtons->button(0)->setChecked(true);
    topRow->addWidget(RadioGroupItemsCount);

    auto *costBox = new QWidget(TabSheet4);
    auto *costLayout = new QGridLayout(costBox);
    costLayout->setContentsMargins(0, 0, 0, 0);
    CBoxNeedCheckCost = new QCheckBox(QStringLiteral("Цена (Min / Max)"), costBox);
    CBoxNeedCheckCost->setObjectName(QStringLiteral("CBoxNeedCheckCost"));
    ComboBoxCost_Min = makeChooser(ctx, costBox, QStringLiteral("ComboBoxCost_Min"), 75, kChooserText);
    ComboBoxCost_Max = makeChooser(ctx, costBox, QStringLiteral("ComboBoxCost_Max"), 75, kChooserText);
    costLayout->addWidget(CBoxNeedCheckCost, 0, 0, 1, 2);
    costLayout->addWidget(ComboBoxCost_Min, 1, 0);
    costLayout->addWidget(ComboBoxCost_Max, 1, 1);
    topRow->addWidget(costBox);
    topRow->addStretch(1);

    auto *buttons = new QWidget(TabSheet4);
    auto *buttonsLayout = new QHBoxLayout(buttons);
    buttonsLayout->setContentsMargins(0, 0, 0, 0);
    ButtFormFavorites = new QToolButton(buttons);
    ButtFormFavorites->setObjectName(QStringLiteral("ButtFormFavorites"));
    ButtFormFavorites->setToolTip(QStringLiteral("Показать списки избранных ингредиентов и эффектов"));
    ButtFormFavorites->setText(QStringLiteral("★"));
    ButtFormUsedItems = new QToolButton(buttons);
    ButtFormUsedItems->setObjectName(QStringLiteral("ButtFormUsedItems"));
    ButtFormUsedItems->setToolTip(QStringLiteral("Показать список с возможными ингредиентами"));
    ButtFormUsedItems->setText(QStringLiteral("☰"));
    buttonsLayout->addWidget(ButtFormFavorites);
    buttonsLayout->addWidget(ButtFormUsedItems);
    // Beside the caption of the required ingredients, so that the top row
    // stays narrow enough for the least window width.
    QHBoxLayout *captionRow = addRow();
    captionRow->addWidget(makeLabel(TabSheet4, QStringLiteral("Обязательные ингредиенты")));
    captionRow->addWidget(buttons);
    captionRow->addStretch(1);
    for (int k = 0; k < 2; ++k) {
        CheckBoxCanPrimaryItem[k] = new QCheckBox(QStringLiteral("Обязательный ингредиент"), TabSheet4);
        CheckBoxCanPrimaryItem[k]->setObjectName(QStringLiteral("CheckBoxCanPrimaryItem%1").arg(k + 1));
        // Narrow on purpose: only the box shows, the caption stays for
        // accessibility.
        CheckBoxCanPrimaryItem[k]->setFixedWidth(20);
        CbPrioriryIngredient[k] = makeChooser(
            ctx, TabSheet4, QStringLiteral("CbPrioriryIngredient%1").arg(k + 1), 427, kChooserIngredient);
        QHBoxLayout *row = addRow();
        row->addWidget(CheckBoxCanPrimaryItem[k]);
        row->addWidget(CbPrioriryIngredient[k]);
        row->addStretch(1);
    }
    opt->addStretch(1);

    SearchTabFitter::Controls fit;
    fit.tab = TabSheet1;
    fit.tabLayout = outer;
    fit.effectPanel = Panel5;
    fit.effectGrid = grid;
    for (int k = 0; k < 5; ++k) {
        fit.effect[static_cast<std::size_t>(k)] = CbEffect[k];
        fit.filter[static_cast<std::size_t>(k)] = CbFilter[k];
    }
    fit.enableBox = CBoxEnableEff[0];
    fit.filterCaption = filterCaption;
    fit.options = PageControlSearshOpt;
    fit.optionsPage = TabSheet4;
    fit.optionsLayout = opt;
    fit.optionsTopRowLayout = topRow;
    fit.optionsTopRow = {RadioGroupItemsCount, costBox};
    fit.requiredBox = CheckBoxCanPrimaryItem[0];
    fit.required = {CbPrioriryIngredient[0], CbPrioriryIngredient[1]};
    new SearchTabFitter(fit, TabSheet1);
}

} // namespace qor
