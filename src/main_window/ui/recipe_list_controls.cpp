// The recipe list region builds its widgets: the list panel with its
// caption, header, list and scroll bars, and the current recipe strip with
// the picture, the recipe's kind, text, ingredients and effects.

#include "main_window/ui/recipe_list_region.h"

#include "common_ui/caption_bar.h"
#include "common_ui/pixel_font.h"
#include "recipe_list/ui/item_pictures_source.h"
#include "recipe_list/ui/mirror_scroll_bar.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "session/program_state.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>

namespace qor {

namespace {

// A panel's children in one column, margin pixels inside its edge; the
// style's spacing between them unless spacing is given.
QVBoxLayout *columnOf(QWidget *panel, int margin, int spacing = -1) {
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(margin, margin, margin, margin);
    if (spacing >= 0)
        layout->setSpacing(spacing);
    return layout;
}

} // namespace

void RecipeListRegion::buildControls(QSplitter &splitter, ItemPicturesSource *pictureSource) {
    buildList(splitter, pictureSource);
    buildStrip(splitter, pictureSource);
}

void RecipeListRegion::buildList(QSplitter &splitter, ItemPicturesSource *pictureSource) {
    // Children are placed by code (layoutPanelLBox): the list panel slides
    // under the scroll bar and is as wide as all header sections together.
    m_w.PanelLbPotionsMain = new QWidget(&splitter);
    m_w.PanelLbPotionsMain->setObjectName(QStringLiteral("PanelLbPotionsMain"));
    m_w.PanelLbPotionsMain->setMinimumHeight(75);
    splitter.addWidget(m_w.PanelLbPotionsMain);

    m_w.PanelCapLBPotions = makeCaptionBar(m_w.PanelLbPotionsMain, QStringLiteral("PanelCapLBPotions"),
                                           QStringLiteral("Рецепты полученных зелий"), 19);
    auto *capLayout = new QHBoxLayout(m_w.PanelCapLBPotions);
    capLayout->setContentsMargins(1, 1, 1, 1);
    m_w.PanelCount = new QLabel(m_w.PanelCapLBPotions);
    m_w.PanelCount->setObjectName(QStringLiteral("PanelCount"));
    m_w.PanelCount->setFixedWidth(188);
    m_w.PanelCount->setFrameShape(QFrame::Panel);
    m_w.PanelCount->setFrameShadow(QFrame::Sunken);
    m_w.PanelCount->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_w.PanelCount->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    m_w.PanelCount->setContextMenuPolicy(Qt::CustomContextMenu);
    capLayout->addWidget(m_w.PanelCount);
    capLayout->addStretch(1);
    auto *sortUp = new QLabel(m_w.PanelCapLBPotions);
    sortUp->setObjectName(QStringLiteral("ImgSortUp"));
    sortUp->setFixedSize(10, 7);
    sortUp->hide();
    auto *sortDown = new QLabel(m_w.PanelCapLBPotions);
    sortDown->setObjectName(QStringLiteral("ImgSortDown"));
    sortDown->setFixedSize(10, 7);
    sortDown->hide();

    m_w.PanelLBox = new QFrame(m_w.PanelLbPotionsMain);
    m_w.PanelLBox->setObjectName(QStringLiteral("PanelLBox"));
    m_w.PanelLBox->setFrameShape(QFrame::Box);
    m_w.PanelLBox->setLineWidth(1);
    auto *boxLayout = columnOf(m_w.PanelLBox, 1, 0);
    m_w.Header = new PotionHeader(PotionHeader::Kind::Recipes, PotionHeader::recipeCaptions(), m_ctx.colors,
                                  &m_ctx.state.session.recipes(), m_w.PanelLBox);
    m_w.Header->setObjectName(QStringLiteral("Header"));
    m_w.Header->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    m_w.Header->setFixedHeight(19);
    for (int i = 0; i < m_w.Header->count(); ++i)
        m_w.Header->resizeSection(i, 35);
    m_w.LBPotion = new PotionListView(m_ctx.state.Data, m_ctx.state.session.recipes(), m_ctx.colors,
                                      *m_w.Header, pictureSource, m_w.PanelLBox);
    m_w.LBPotion->setObjectName(QStringLiteral("LBPotion"));
    m_w.LBPotion->setFrameShape(QFrame::NoFrame);
    m_w.LBPotion->setContextMenuPolicy(Qt::CustomContextMenu);
    m_w.LBPotion->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    boxLayout->addWidget(m_w.Header);
    boxLayout->addWidget(m_w.LBPotion, 1);
    // The list's own vertical bar would slide away with the panel.
    m_w.LBPotion->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_w.ScrollBarLBVert = new MirrorScrollBar(m_w.LBPotion->verticalScrollBar(), m_w.PanelLbPotionsMain);
    m_w.ScrollBarLBVert->setObjectName(QStringLiteral("ScrollBarLBVert"));

    m_w.ScrollBarLB = new QScrollBar(Qt::Horizontal, m_w.PanelLbPotionsMain);
    m_w.ScrollBarLB->setObjectName(QStringLiteral("ScrollBarLB"));
    m_w.ScrollBarLB->setFixedHeight(19);
    m_w.ScrollBarLB->setPageStep(100);
    m_w.ScrollBarLB->hide();
}

void RecipeListRegion::buildStrip(QSplitter &splitter, ItemPicturesSource *pictureSource) {
    m_w.PanelPotionInfo = new QSplitter(Qt::Horizontal, &splitter);
    m_w.PanelPotionInfo->setObjectName(QStringLiteral("PanelPotionInfo"));
    m_w.PanelPotionInfo->setChildrenCollapsible(false);
    m_w.PanelPotionInfo->setMinimumHeight(75);
    splitter.addWidget(m_w.PanelPotionInfo);

    m_w.PanelItemDisplay = new QFrame(m_w.PanelPotionInfo);
    m_w.PanelItemDisplay->setObjectName(QStringLiteral("PanelItemDisplay"));
    // The style's frame: a plain box would take the lime text colour.
    m_w.PanelItemDisplay->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_w.PanelItemDisplay->setAutoFillBackground(true);
    QFont displayFont(QStringLiteral("Monotype Corsiva"));
    displayFont.setPixelSize(60);
    displayFont.setBold(true);
    displayFont.setItalic(true);
    m_w.PanelItemDisplay->setFont(displayFont);
    auto *displayLayout = columnOf(m_w.PanelItemDisplay, 1);
    m_w.Image = new QLabel(m_w.PanelItemDisplay);
    m_w.Image->setObjectName(QStringLiteral("Image"));
    m_w.Image->setAlignment(Qt::AlignCenter);
    m_w.Image->setMinimumSize(1, 1);
    m_w.Image->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    displayLayout->addWidget(m_w.Image);

    m_w.PanelInfoMain = new QWidget(m_w.PanelPotionInfo);
    m_w.PanelInfoMain->setObjectName(QStringLiteral("PanelInfoMain"));
    auto *infoLayout = columnOf(m_w.PanelInfoMain, 0, 0);
    m_w.PanelCap2 = makeCaptionBar(m_w.PanelInfoMain, QStringLiteral("PanelCap2"),
                                   QStringLiteral("Компоненты и эффекты текущего рецепта"), 17);
    infoLayout->addWidget(m_w.PanelCap2);
    m_w.InfoMainSplitter = new QSplitter(Qt::Horizontal, m_w.PanelInfoMain);
    m_w.InfoMainSplitter->setChildrenCollapsible(false);
    infoLayout->addWidget(m_w.InfoMainSplitter, 1);

    m_w.PanelPotionType = new QFrame(m_w.InfoMainSplitter);
    m_w.PanelPotionType->setObjectName(QStringLiteral("PanelPotionType"));
    auto *typeLayout = columnOf(m_w.PanelPotionType, 0);
    m_w.ImagePotionType = new QLabel(m_w.PanelPotionType);
    m_w.ImagePotionType->setObjectName(QStringLiteral("ImagePotionType"));
    m_w.ImagePotionType->setAlignment(Qt::AlignCenter);
    m_w.ImagePotionType->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    typeLayout->addWidget(m_w.ImagePotionType);

    m_w.PanelAddInfo = new QFrame(m_w.InfoMainSplitter);
    m_w.PanelAddInfo->setObjectName(QStringLiteral("PanelAddInfo"));
    auto *addLayout = columnOf(m_w.PanelAddInfo, 2);
    m_w.LabelAddInfo = new QLabel(m_w.PanelAddInfo);
    m_w.LabelAddInfo->setObjectName(QStringLiteral("LabelAddInfo"));
    m_w.LabelAddInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_w.LabelAddInfo->setWordWrap(true);
    m_w.LabelAddInfo->setContextMenuPolicy(Qt::CustomContextMenu);
    m_w.LabelAddInfo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    addLayout->addWidget(m_w.LabelAddInfo);

    m_w.LbItemsInfo = new ItemsInfoList(m_ctx.state.Data, m_ctx.state.session.recipes(), m_ctx.colors,
                                        pictureSource, m_w.InfoMainSplitter);
    m_w.LbItemsInfo->setObjectName(QStringLiteral("LbItemsInfo"));
    m_w.LbItemsInfo->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    m_w.LbItemsInfo->setContextMenuPolicy(Qt::CustomContextMenu);
    m_w.InfoMainSplitter->addWidget(m_w.PanelPotionType);
    m_w.InfoMainSplitter->addWidget(m_w.PanelAddInfo);
    m_w.InfoMainSplitter->addWidget(m_w.LbItemsInfo);
    m_w.InfoMainSplitter->handle(1)->setObjectName(QStringLiteral("Splitter5"));
    m_w.InfoMainSplitter->handle(2)->setObjectName(QStringLiteral("Splitter9"));
    m_w.InfoMainSplitter->setStretchFactor(2, 1);
    m_w.InfoMainSplitter->setSizes({55, 116, 164});

    m_w.PanelEffInfo = new QWidget(m_w.PanelPotionInfo);
    m_w.PanelEffInfo->setObjectName(QStringLiteral("PanelEffInfo"));
    auto *effLayout = columnOf(m_w.PanelEffInfo, 0, 0);
    m_w.HeaderEffInfo = new PotionHeader(PotionHeader::Kind::EffectInfo, PotionHeader::effectInfoCaptions(),
                                         m_ctx.colors, nullptr, m_w.PanelEffInfo);
    m_w.HeaderEffInfo->setObjectName(QStringLiteral("HeaderEffInfo"));
    m_w.HeaderEffInfo->setFixedHeight(17);
    m_w.HeaderEffInfo->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    m_w.HeaderEffInfo->setContextMenuPolicy(Qt::CustomContextMenu);
    const std::vector<int> effWidths = PotionHeader::effectInfoDefaultWidths();
    for (int i = 0; i < static_cast<int>(effWidths.size()) && i < m_w.HeaderEffInfo->count(); ++i)
        m_w.HeaderEffInfo->resizeSection(i, effWidths[static_cast<std::size_t>(i)]);
    m_w.LbEffectInfo = new EffectInfoList(m_ctx.state.Data, m_ctx.state.session.recipes(), m_ctx.colors,
                                          *m_w.HeaderEffInfo, m_ctx.state.DecimalPoint, m_w.PanelEffInfo);
    m_w.LbEffectInfo->setObjectName(QStringLiteral("LbEffectInfo"));
    m_w.LbEffectInfo->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    effLayout->addWidget(m_w.HeaderEffInfo);
    effLayout->addWidget(m_w.LbEffectInfo, 1);

    auto *rightFree = new QFrame(m_w.PanelPotionInfo);
    rightFree->setObjectName(QStringLiteral("PanelPotInfoRightFree"));
    rightFree->setFrameShape(QFrame::Box);

    m_w.PanelPotionInfo->addWidget(m_w.PanelItemDisplay);
    m_w.PanelPotionInfo->addWidget(m_w.PanelInfoMain);
    m_w.PanelPotionInfo->addWidget(m_w.PanelEffInfo);
    m_w.PanelPotionInfo->addWidget(rightFree);
    m_w.PanelPotionInfo->handle(1)->setObjectName(QStringLiteral("Splitter4"));
    m_w.PanelPotionInfo->handle(2)->setObjectName(QStringLiteral("Splitter7"));
    m_w.PanelPotionInfo->handle(3)->setObjectName(QStringLiteral("Splitter10"));
    m_w.PanelPotionInfo->setStretchFactor(0, 0);
    m_w.PanelPotionInfo->setStretchFactor(1, 0);
    m_w.PanelPotionInfo->setStretchFactor(2, 0);
    m_w.PanelPotionInfo->setStretchFactor(3, 1);
    m_w.PanelPotionInfo->setSizes({147, 347, 375, 150});
}

} // namespace qor
