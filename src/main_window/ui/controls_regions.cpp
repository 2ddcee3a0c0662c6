// The regions of the main window from top to bottom: the tabs, the recipe
// list region, the current recipe strip and the reference table region,
// with the splitters between them.

#include "main_window/ui/form_controls.h"

#include "common_ui/pixel_font.h"

#include "session/program_state.h"

#include "main_window/ui/reference_table_panel.h"

#include "engine/potion_rec.h"
#include "recipe_list/potion_cells.h"
#include "recipe_list/ui/item_pictures_source.h"
#include "recipe_list/ui/mirror_scroll_bar.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "reference_table/grid_model.h"
#include "visuals/ui/item_pictures.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QProxyStyle>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

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

// A caption bar: a raised panel with centred text.
QLabel *makeCaptionBar(QWidget *parent, const QString &name, const QString &text, int height) {
    auto *bar = new QLabel(text, parent);
    bar->setObjectName(name);
    bar->setAlignment(Qt::AlignCenter);
    bar->setFrameShape(QFrame::Panel);
    bar->setFrameShadow(QFrame::Raised);
    bar->setFixedHeight(height);
    return bar;
}

} // namespace

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
    buildTabSearchEffects(ctx);
    buildTabHelp();
    MainSplitter->addWidget(PageControl);

    buildRecipeRegion(ctx);
    buildRecipeStrip(ctx);
    buildGridRegion(ctx);

    MainSplitter->handle(1)->setObjectName(QStringLiteral("Splitter2"));
    MainSplitter->handle(2)->setObjectName(QStringLiteral("Splitter3"));
    MainSplitter->handle(3)->setObjectName(QStringLiteral("Splitter1"));
    MainSplitter->setStretchFactor(0, 0);
    MainSplitter->setStretchFactor(1, 0);
    MainSplitter->setStretchFactor(2, 0);
    MainSplitter->setStretchFactor(3, 1);
    MainSplitter->setSizes({200, 178, 143, 200});
}

void FormControls::buildRecipeRegion(const ControlsContext &ctx) {
    // Children are placed by code (FormResize): the list panel slides under
    // the scroll bar and is as wide as all header sections together.
    PanelLbPotionsMain = new QWidget(MainSplitter);
    PanelLbPotionsMain->setObjectName(QStringLiteral("PanelLbPotionsMain"));
    PanelLbPotionsMain->setMinimumHeight(75);
    MainSplitter->addWidget(PanelLbPotionsMain);

    PanelCapLBPotions = makeCaptionBar(PanelLbPotionsMain, QStringLiteral("PanelCapLBPotions"),
                                       QStringLiteral("Рецепты полученных зелий"), 19);
    auto *capLayout = new QHBoxLayout(PanelCapLBPotions);
    capLayout->setContentsMargins(1, 1, 1, 1);
    PanelCount = new QLabel(PanelCapLBPotions);
    PanelCount->setObjectName(QStringLiteral("PanelCount"));
    PanelCount->setFixedWidth(188);
    PanelCount->setFrameShape(QFrame::Panel);
    PanelCount->setFrameShadow(QFrame::Sunken);
    PanelCount->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    PanelCount->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    PanelCount->setContextMenuPolicy(Qt::CustomContextMenu);
    capLayout->addWidget(PanelCount);
    capLayout->addStretch(1);
    ImgSortUp = new QLabel(PanelCapLBPotions);
    ImgSortUp->setObjectName(QStringLiteral("ImgSortUp"));
    ImgSortUp->setFixedSize(10, 7);
    ImgSortUp->hide();
    ImgSortDown = new QLabel(PanelCapLBPotions);
    ImgSortDown->setObjectName(QStringLiteral("ImgSortDown"));
    ImgSortDown->setFixedSize(10, 7);
    ImgSortDown->hide();

    PanelLBox = new QFrame(PanelLbPotionsMain);
    PanelLBox->setObjectName(QStringLiteral("PanelLBox"));
    PanelLBox->setFrameShape(QFrame::Box);
    PanelLBox->setLineWidth(1);
    auto *boxLayout = new QVBoxLayout(PanelLBox);
    boxLayout->setContentsMargins(1, 1, 1, 1);
    boxLayout->setSpacing(0);
    Header = new PotionHeader(PotionHeader::Kind::Recipes, PotionHeader::recipeCaptions(), ctx.colors,
                              &ctx.state.session.recipes(), PanelLBox);
    Header->setObjectName(QStringLiteral("Header"));
    Header->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    Header->setFixedHeight(19);
    for (int i = 0; i < Header->count(); ++i)
        Header->resizeSection(i, 35);
    LBPotion = new PotionListView(ctx.state.Data, ctx.state.session.recipes(), ctx.colors, *Header,
                                  ctx.pictureSource, PanelLBox);
    LBPotion->setObjectName(QStringLiteral("LBPotion"));
    LBPotion->setFrameShape(QFrame::NoFrame);
    LBPotion->setContextMenuPolicy(Qt::CustomContextMenu);
    LBPotion->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    boxLayout->addWidget(Header);
    boxLayout->addWidget(LBPotion, 1);
    // The list's own vertical bar would slide away with the panel.
    LBPotion->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBarLBVert = new MirrorScrollBar(LBPotion->verticalScrollBar(), PanelLbPotionsMain);
    ScrollBarLBVert->setObjectName(QStringLiteral("ScrollBarLBVert"));

    ScrollBarLB = new QScrollBar(Qt::Horizontal, PanelLbPotionsMain);
    ScrollBarLB->setObjectName(QStringLiteral("ScrollBarLB"));
    ScrollBarLB->setFixedHeight(19);
    ScrollBarLB->setPageStep(100);
    ScrollBarLB->hide();
}

void FormControls::buildRecipeStrip(const ControlsContext &ctx) {
    PanelPotionInfo = new QSplitter(Qt::Horizontal, MainSplitter);
    PanelPotionInfo->setObjectName(QStringLiteral("PanelPotionInfo"));
    PanelPotionInfo->setChildrenCollapsible(false);
    PanelPotionInfo->setMinimumHeight(75);
    MainSplitter->addWidget(PanelPotionInfo);

    PanelItemDisplay = new QFrame(PanelPotionInfo);
    PanelItemDisplay->setObjectName(QStringLiteral("PanelItemDisplay"));
    // The style's frame: a plain box would take the lime text colour.
    PanelItemDisplay->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    PanelItemDisplay->setAutoFillBackground(true);
    QFont displayFont(QStringLiteral("Monotype Corsiva"));
    displayFont.setPixelSize(60);
    displayFont.setBold(true);
    displayFont.setItalic(true);
    PanelItemDisplay->setFont(displayFont);
    auto *displayLayout = new QVBoxLayout(PanelItemDisplay);
    displayLayout->setContentsMargins(1, 1, 1, 1);
    Image = new QLabel(PanelItemDisplay);
    Image->setObjectName(QStringLiteral("Image"));
    Image->setAlignment(Qt::AlignCenter);
    Image->setMinimumSize(1, 1);
    Image->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    displayLayout->addWidget(Image);

    PanelInfoMain = new QWidget(PanelPotionInfo);
    PanelInfoMain->setObjectName(QStringLiteral("PanelInfoMain"));
    auto *infoLayout = new QVBoxLayout(PanelInfoMain);
    infoLayout->setContentsMargins(0, 0, 0, 0);
    infoLayout->setSpacing(0);
    PanelCap2 = makeCaptionBar(PanelInfoMain, QStringLiteral("PanelCap2"),
                               QStringLiteral("Компоненты и эффекты текущего рецепта"), 17);
    infoLayout->addWidget(PanelCap2);
    InfoMainSplitter = new QSplitter(Qt::Horizontal, PanelInfoMain);
    InfoMainSplitter->setChildrenCollapsible(false);
    infoLayout->addWidget(InfoMainSplitter, 1);

    PanelPotionType = new QFrame(InfoMainSplitter);
    PanelPotionType->setObjectName(QStringLiteral("PanelPotionType"));
    auto *typeLayout = new QVBoxLayout(PanelPotionType);
    typeLayout->setContentsMargins(0, 0, 0, 0);
    ImagePotionType = new QLabel(PanelPotionType);
    ImagePotionType->setObjectName(QStringLiteral("ImagePotionType"));
    ImagePotionType->setAlignment(Qt::AlignCenter);
    ImagePotionType->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    typeLayout->addWidget(ImagePotionType);

    PanelAddInfo = new QFrame(InfoMainSplitter);
    PanelAddInfo->setObjectName(QStringLiteral("PanelAddInfo"));
    auto *addLayout = new QVBoxLayout(PanelAddInfo);
    addLayout->setContentsMargins(2, 2, 2, 2);
    LabelAddInfo = new QLabel(PanelAddInfo);
    LabelAddInfo->setObjectName(QStringLiteral("LabelAddInfo"));
    LabelAddInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelAddInfo->setWordWrap(true);
    LabelAddInfo->setContextMenuPolicy(Qt::CustomContextMenu);
    LabelAddInfo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    addLayout->addWidget(LabelAddInfo);

    LbItemsInfo = new ItemsInfoList(ctx.state.Data, ctx.state.session.recipes(), ctx.colors,
                                    ctx.pictureSource, InfoMainSplitter);
    LbItemsInfo->setObjectName(QStringLiteral("LbItemsInfo"));
    LbItemsInfo->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    LbItemsInfo->setContextMenuPolicy(Qt::CustomContextMenu);
    InfoMainSplitter->addWidget(PanelPotionType);
    InfoMainSplitter->addWidget(PanelAddInfo);
    InfoMainSplitter->addWidget(LbItemsInfo);
    InfoMainSplitter->handle(1)->setObjectName(QStringLiteral("Splitter5"));
    InfoMainSplitter->handle(2)->setObjectName(QStringLiteral("Splitter9"));
    InfoMainSplitter->setStretchFactor(2, 1);
    InfoMainSplitter->setSizes({55, 116, 164});

    PanelEffInfo = new QWidget(PanelPotionInfo);
    PanelEffInfo->setObjectName(QStringLiteral("PanelEffInfo"));
    auto *effLayout = new QVBoxLayout(PanelEffInfo);
    effLayout->setContentsMargins(0, 0, 0, 0);
    effLayout->setSpacing(0);
    HeaderEffInfo = new PotionHeader(PotionHeader::Kind::EffectInfo, PotionHeader::effectInfoCaptions(),
                                     ctx.colors, nullptr, PanelEffInfo);
    HeaderEffInfo->setObjectName(QStringLiteral("HeaderEffInfo"));
    HeaderEffInfo->setFixedHeight(17);
    HeaderEffInfo->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    HeaderEffInfo->setContextMenuPolicy(Qt::CustomContextMenu);
    const std::vector<int> effWidths = PotionHeader::effectInfoDefaultWidths();
    for (int i = 0; i < static_cast<int>(effWidths.size()) && i < HeaderEffInfo->count(); ++i)
        HeaderEffInfo->resizeSection(i, effWidths[static_cast<std::size_t>(i)]);
    LbEffectInfo = new EffectInfoList(ctx.state.Data, ctx.state.session.recipes(), ctx.colors, *HeaderEffInfo,
                                      ctx.state.DecimalPoint, PanelEffInfo);
    LbEffectInfo->setObjectName(QStringLiteral("LbEffectInfo"));
    LbEffectInfo->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    effLayout->addWidget(HeaderEffInfo);
    effLayout->addWidget(LbEffectInfo, 1);

    PanelPotInfoRightFree = new QFrame(PanelPotionInfo);
    PanelPotInfoRightFree->setObjectName(QStringLiteral("PanelPotInfoRightFree"));
    PanelPotInfoRightFree->setFrameShape(QFrame::Box);

    PanelPotionInfo->addWidget(PanelItemDisplay);
    PanelPotionInfo->addWidget(PanelInfoMain);
    PanelPotionInfo->addWidget(PanelEffInfo);
    PanelPotionInfo->addWidget(PanelPotInfoRightFree);
    PanelPotionInfo->handle(1)->setObjectName(QStringLiteral("Splitter4"));
    PanelPotionInfo->handle(2)->setObjectName(QStringLiteral("Splitter7"));
    PanelPotionInfo->handle(3)->setObjectName(QStringLiteral("Splitter10"));
    PanelPotionInfo->setStretchFactor(0, 0);
    PanelPotionInfo->setStretchFactor(1, 0);
    PanelPotionInfo->setStretchFactor(2, 0);
    PanelPotionInfo->setStretchFactor(3, 1);
    PanelPotionInfo->setSizes({147, 347, 375, 150});
}

void FormControls::buildGridRegion(const ControlsContext &ctx) {
    PanelGrid = new ReferenceTablePanel(ctx.state, ctx.pictures, ctx.dialogs, MainSplitter);
    PanelCapGrid = PanelGrid->caption();
    StringGrid = PanelGrid->view();
    MainSplitter->addWidget(PanelGrid);
}

} // namespace qor
