// The frame of the main window from top to bottom: the tabs, then the
// regions the parts build (the recipe list, the current recipe strip, the
// reference table), with the splitters between them.

#include "main_window/ui/form_controls.h"

#include "common_ui/pixel_font.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/item_pictures_source.h"
#include "session/program_state.h"

#include <QLabel>
#include <QMainWindow>
#include <QProxyStyle>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace qor {

namespace {

// The input tabs' captions carry their own blanks on both sides; the style's
// tab padding comes on top of them. Trimming that padding lets the six tabs
// fit the window's first width without scroll arrows.
class TabBarStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? std::min(value, 8) : value;
    }
};

QWidget *makeTab(QTabWidget *pages, const QString &name, const QString &caption) {
    auto *tab = new QWidget(pages);
    tab->setObjectName(name);
    pages->addTab(tab, caption);
    return tab;
}

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

void FormControls::buildRegions(const ControlsContext &ctx) {
    CentralStack = new QStackedWidget(&ctx.window);
    CentralStack->setObjectName(QStringLiteral("CentralStack"));
    ctx.window.setCentralWidget(CentralStack);

    MainSplitter = new QSplitter(Qt::Vertical, CentralStack);
    MainSplitter->setObjectName(QStringLiteral("MainSplitter"));
    MainSplitter->setOpaqueResize(true);
    MainSplitter->setChildrenCollapsible(false);
    CentralStack->addWidget(MainSplitter);

    StartupFailurePage = new QLabel(CentralStack);
    StartupFailurePage->setObjectName(QStringLiteral("StartupFailurePage"));
    StartupFailurePage->setAlignment(Qt::AlignCenter);
    StartupFailurePage->setWordWrap(true);
    StartupFailurePage->setTextInteractionFlags(Qt::TextSelectableByMouse);
    StartupFailurePage->setMargin(40);
    CentralStack->addWidget(StartupFailurePage);

    PageControl = new QTabWidget(MainSplitter);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setFocusPolicy(Qt::NoFocus);
    PageControl->tabBar()->setAttribute(Qt::WA_Hover);
    auto *tabStyle = new TabBarStyle;
    tabStyle->setParent(PageControl->tabBar());
    PageControl->tabBar()->setStyle(tabStyle);
    TabSheet1 =
        makeTab(PageControl, QStringLiteral("TabSheet1"), QStringLiteral("   Создание зелья из эффектов   "));
    TabSheetSearshFromItem = makeTab(PageControl, QStringLiteral("TabSheetSearshFromItem"),
                                     QStringLiteral("   Создание зелья из ингредиентов   "));
    TabSheetAltMake = makeTab(PageControl, QStringLiteral("TabSheetAltMake"),
                              QStringLiteral("   Альтернативное создание зелья   "));
    TabSheetSkills =
        makeTab(PageControl, QStringLiteral("TabSheetSkills"), QStringLiteral("     Навыки     "));
    TabSheetHelp = makeTab(PageControl, QStringLiteral("TabSheetHelp"), QStringLiteral("    Справка    "));
    TabSheetFavorites =
        makeTab(PageControl, QStringLiteral("TabSheetFavorites"), QStringLiteral("    Избранное    "));
    MainSplitter->addWidget(PageControl);
}

void FormControls::finishRegions() {
    MainSplitter->handle(1)->setObjectName(QStringLiteral("Splitter2"));
    MainSplitter->handle(2)->setObjectName(QStringLiteral("Splitter3"));
    MainSplitter->handle(3)->setObjectName(QStringLiteral("Splitter1"));
    MainSplitter->setStretchFactor(0, 0);
    MainSplitter->setStretchFactor(1, 0);
    MainSplitter->setStretchFactor(2, 0);
    MainSplitter->setStretchFactor(3, 1);
    MainSplitter->setSizes({200, 178, 143, 200});
}

} // namespace qor
